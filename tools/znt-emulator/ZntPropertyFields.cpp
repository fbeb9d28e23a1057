#include "ZntPropertyFields.h"

bool ZntPropertyFields::load(const QString &path, QList<ZntDeviceImage::Field> *fields, QString *error)
{
    Q_UNUSED(fields)
    *error = QStringLiteral("cannot read %1: property files need the plugin's property parser, which this "
                            "build does not have")
                 .arg(path);
    return false;
}
