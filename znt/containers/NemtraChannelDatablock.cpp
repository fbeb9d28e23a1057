#include "NemtraChannelDatablock.h"

#include "NemtraDeviceInformation.h"

#include <NemtraProperty.h>

#include <QCoreApplication>

#include <cmath>

namespace {
const char kContext[] = "NemtraChannelDatablock";
const QString kSensorImages = QStringLiteral("qrc:/Images/Sensors/");

// Empty and full voltages of the battery types, in millivolts; type 0 is mains powered.
constexpr qint64 kLithiumEmpty = 3400;
constexpr qint64 kLithiumFull = 3600;
constexpr qint64 kAlkalineEmpty = 1000;
constexpr qint64 kAlkalineFull = 1500;
} // namespace

NemtraChannelDatablock::NemtraChannelDatablock(int type, ushort channel, QObject *parent)
    : NemtraBaseContainer(parent)
    , m_type(type)
    , m_channel(channel)
{
    updateIcon();
}

void NemtraChannelDatablock::setChannel(ushort channel)
{
    if (m_channel == channel)
        return;
    m_channel = channel;
    emit channelChanged(channel);
    updateIcon();
}

QString NemtraChannelDatablock::typeString() const
{
    return typeName(m_type);
}

QString NemtraChannelDatablock::typeName(int type)
{
    const char *name = nullptr;
    switch (type) {
    case Temperature:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Temperatur");
        break;
    case RelHumidity:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Relative Feuchte");
        break;
    case CO2:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "CO2");
        break;
    case VOC:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "VOC");
        break;
    case ConcentrationCO2:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Gaskonzentration CO2");
        break;
    case ConcentrationNO2:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Gaskonzentration NO2");
        break;
    case ConcentrationOzon:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Gaskonzentration Ozon");
        break;
    case ParticlePm10:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Partikel PM10");
        break;
    case ParticlePm2_5:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Partikel PM2.5");
        break;
    case ParticlePm1:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Partikel PM1");
        break;
    case PressureAbs:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Absoluter Druck");
        break;
    case PressureDif:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Differenzdruck");
        break;
    case Flow:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Volumenstrom");
        break;
    case Illuminance:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Beleuchtungsstärke");
        break;
    case Occupancy:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Raumbelegung");
        break;
    case ReedContact:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Schalterzustand");
        break;
    case Leakage:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Leakage");
        break;
    case CounterHighByte:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Counter High Byte");
        break;
    case CounterLowByte:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Counter Low Byte");
        break;
    case Battery:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Energielevel/Batteriewarnung");
        break;
    case Button:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Taster");
        break;
    case AnalogIn:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Analoger Eingang");
        break;
    case Resistor:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Widerstand - NTC");
        break;
    case SetPoint:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Sollwert");
        break;
    case Unknown:
        name = QT_TRANSLATE_NOOP("NemtraChannelDatablock", "Unbekannt");
        break;
    default:
        return QStringLiteral("--");
    }
    return QCoreApplication::translate(kContext, name);
}

void NemtraChannelDatablock::setData(QList<quint16> data)
{
    for (NemtraProperty *p : properties()) {
        if (p)
            p->setRawValue(data);
    }
    updateIcon();
}

void NemtraChannelDatablock::reset()
{
    NemtraBaseContainer::reset();
    updateIcon();
}

void NemtraChannelDatablock::onLanguageChanged()
{
    // The type text is translated when read; views re-read it on this signal.
    emit iconSourceChanged(m_iconSource);
}

void NemtraChannelDatablock::updateIcon()
{
    QString icon;
    switch (m_type) {
    case Temperature:
        icon = kSensorImages + QStringLiteral("IconTemperature.svg");
        break;
    case RelHumidity:
        icon = kSensorImages + QStringLiteral("IconHumidity.svg");
        break;
    case CO2:
        icon = kSensorImages + QStringLiteral("IconCO2.svg");
        break;
    case VOC:
        icon = kSensorImages + QStringLiteral("IconVoc.svg");
        break;
    case Illuminance:
        icon = kSensorImages + QStringLiteral("IconIlluminance.svg");
        break;
    case Occupancy:
        icon = kSensorImages + QStringLiteral("IconOccupancy.svg");
        break;
    case ReedContact:
        icon = kSensorImages + QStringLiteral("ReedContact.svg");
        break;
    case SetPoint:
        icon = kSensorImages + QStringLiteral("IconSetpoint.svg");
        break;
    case Button:
        icon = m_channel == 1 ? QStringLiteral("Channel1") : QStringLiteral("Channel2");
        break;
    case Battery:
        icon = batteryIcon();
        break;
    default:
        break;
    }
    if (m_iconSource == icon)
        return;
    m_iconSource = icon;
    emit iconSourceChanged(icon);
}

QString NemtraChannelDatablock::batteryIcon() const
{
    const NemtraDeviceInformation *info =
        NemtraDeviceInformation::hasInstance() ? NemtraDeviceInformation::instance() : nullptr;
    const NemtraProperty *batteryType = info ? info->propertyAt(NemtraDeviceInformation::BatteryType) : nullptr;
    const int b = batteryType ? int(batteryType->value()) : 0;
    if (b == 0)
        return kSensorImages + QStringLiteral("IconPower.png");
    const qint64 empty = b == 1 ? kLithiumEmpty : kAlkalineEmpty;
    const qint64 full = b == 1 ? kLithiumFull : kAlkalineFull;
    const NemtraProperty *value = propertyAt(Value);
    if (propertyCount() < 6 || !value || value->value() == 0)
        return kSensorImages + QStringLiteral("Bat0To10.svg");
    // Whole millivolts, so that a boundary value does not fall a band lower by rounding.
    const qint64 percent = (std::llround(value->value()) - empty) * 100 / (full - empty);
    if (percent >= 91)
        return kSensorImages + QStringLiteral("Bat90To100.svg");
    if (percent >= 71)
        return kSensorImages + QStringLiteral("Bat70To90.svg");
    if (percent >= 51)
        return kSensorImages + QStringLiteral("Bat50To70.svg");
    if (percent >= 31)
        return kSensorImages + QStringLiteral("Bat30To50.svg");
    if (percent < 11)
        return kSensorImages + QStringLiteral("Bat0To10.svg");
    return kSensorImages + QStringLiteral("Bat10To30.svg");
}
