#include "ZntPropertyFields.h"

#include "NemtraProperty.h"
#include "NemtraPropertyFile.h"

#include <QFile>

namespace {
QList<ZntDeviceImage::Field> toFields(const QList<NemtraProperty *> &properties)
{
    QList<ZntDeviceImage::Field> fields;
    for (const NemtraProperty *p : properties) {
        ZntDeviceImage::Field f;
        f.reg = int(p->registerIndex());
        f.span = p->span();
        f.minimum = p->minimum();
        f.maximum = p->maximum();
        f.divisor = p->divisor();
        f.propertyType = int(p->propertyType());
        f.type = int(p->typeValue());
        fields.append(f);
    }
    qDeleteAll(properties);
    return fields;
}
} // namespace

bool ZntPropertyFields::load(const QString &path, QList<ZntDeviceImage::Field> *fields, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read property file %1: %2").arg(path, file.errorString());
        return false;
    }
    const QList<ZntDeviceImage::Field> read = toFields(NemtraPropertyFile::parseProperties(file.readAll()));
    if (read.isEmpty()) {
        *error = QStringLiteral("property file %1 describes no valid property").arg(path);
        return false;
    }
    *fields = read;
    return true;
}

QList<ZntDeviceImage::Field> ZntPropertyFields::builtIn()
{
    return toFields(NemtraPropertyFile::fallbackProperties());
}
