#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// Register images from outside: the "Register;Wert" text of a built-in device model, and a
// stored image file (an optional header string, then 16-bit words). Neither ever gives more
// words than the register space holds.
class NemtraSimulationImage
{
public:
    NemtraSimulationImage() = delete;

    static constexpr int kImageWords = 65535;

    // Always kImageWords long: unknown or malformed lines leave their registers at 0.
    static QList<quint16> fromText(const QByteArray &text);
    // The words of a stored image; empty when its header names something other than a ZNT image.
    static QList<quint16> fromStream(QIODevice *device);
    static QList<quint16> fromFile(const QString &path);
};
