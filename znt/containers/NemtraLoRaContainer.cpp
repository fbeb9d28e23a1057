#include "NemtraLoRaContainer.h"

NemtraLoRaContainer::NemtraLoRaContainer(QObject *parent)
    : NemtraBaseContainer(parent)
{
    static bool registered = false;
    registerPropertyEnum(&staticMetaObject, "LoRaEnums", "Property Enums for NemtraLoRaContainer class", &registered);
}

QString NemtraLoRaContainer::valueToVersion(double value, int precision) const
{
    const quint32 raw = quint32(qint64(value));
    const quint32 swapped = (raw << 16) | (raw >> 16);
    QStringList parts;
    for (int i = 0; i < qBound(0, precision, 4); ++i)
        parts.append(QString::number((swapped >> (24 - 8 * i)) & 0xFF));
    return parts.join(QLatin1Char('.'));
}

bool NemtraLoRaContainer::hasAllProperties() const
{
    return propertyCount() > 15;
}
