#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class NemtraProperty;

// First and last register of one contiguous read, both inclusive.
using NemtraRegisterRange = QPair<uint, uint>;

// The register map as data: the property file in the property-file folder, or the compiled-in
// table when there is none. Loaded properties have no parent; the caller owns them.
class NemtraPropertyFile
{
public:
    NemtraPropertyFile() = delete;

    static QString filePath();

    // The file at filePath(), or the fallback table when it does not exist or cannot be read.
    static QList<NemtraProperty *> loadProperties();
    // The same for a given file; usedFile (optional) tells whether the file was read.
    static QList<NemtraProperty *> loadProperties(const QString &path, bool *usedFile = nullptr);
    // Every valid property described by the lines of a property file, in file order.
    static QList<NemtraProperty *> parseProperties(const QByteArray &content);
    static QList<NemtraProperty *> fallbackProperties();

    // Moves the valid properties of one type out of from, sorted by order.
    static QList<NemtraProperty *> takeProperties(QList<NemtraProperty *> &from, quint16 type);
    // Moves every channel property (types 16 to 254) out of from, type by type.
    static QList<NemtraProperty *> takeChannelProperties(QList<NemtraProperty *> &from);

    // Contiguous register ranges of the given types, type by type in the order asked; a range
    // never continues from one type into the next.
    static QList<NemtraRegisterRange> registerRanges(const QList<NemtraProperty *> &properties,
                                                     const QList<quint16> &types);
    // The same from freshly loaded properties, which are deleted again.
    static QList<NemtraRegisterRange> registerRanges(const QList<quint16> &types);
    static QList<NemtraRegisterRange> containerRanges();
    static QList<NemtraRegisterRange> channelRanges();
    static QList<quint16> containerRangeTypes();
    static QList<quint16> channelRangeTypes();
};
