#pragma once

#include "ZntDeviceImage.h"

#include <QList>
#include <QString>

// The register fields of the plugin's property definitions, read with the plugin's own parser
// so the emulator serves exactly the map the software reads.
class ZntPropertyFields
{
public:
    // False with a message when the file cannot be read or describes no valid property.
    static bool load(const QString &path, QList<ZntDeviceImage::Field> *fields, QString *error);
    // The map the plugin uses when no property file is placed.
    static QList<ZntDeviceImage::Field> builtIn();
};
