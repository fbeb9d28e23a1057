#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The register-image text the configuration software simulates a device from: a header line,
// then "register;value" in decimal. Registers left out read as 0, so only those holding a
// value are written.
class ZntSimulationFile
{
public:
    static QByteArray format(const QList<quint16> &image);
    // Atomic: written to a temporary file and renamed over the target.
    static bool save(const QString &path, const QList<quint16> &image, QString *error);
};
