#pragma once

#include "ZntDeviceImage.h"

#include <QList>
#include <QString>

// The register fields of a property definition file, read with the plugin's own parser.
class ZntPropertyFields
{
public:
    // False with a message when the file cannot be read or describes no valid property.
    static bool load(const QString &path, QList<ZntDeviceImage::Field> *fields, QString *error);
};
