#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The factory register image of a plausible KIV room sensor, one per option-board variant.
class KivDefaultImage
{
public:
    enum class Variant { Standard, Relay, Modbus, BACnet, Lora, Qev };

    static QList<quint16> build(Variant variant);
    static bool parseVariant(const QString &text, Variant *variant);
    static QStringList variantNames();
};
