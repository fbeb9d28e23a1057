#include "NemtraDeviceInformation.h"

#include <NemtraEnums.h>
#include <NemtraProperty.h>

NemtraDeviceInformation::NemtraDeviceInformation(QObject *parent)
    : NemtraBaseContainer(parent)
{
    static bool registered = false;
    registerPropertyEnum(&staticMetaObject, "DeviceInformationEnums", "Property Enums for DeviceInformation class",
                         &registered);
    connect(this, &NemtraBaseContainer::propertiesPassedOn, this, &NemtraDeviceInformation::onPropertiesPassedOn);
}

QString NemtraDeviceInformation::stringifyDeviceId(ushort id) const
{
    switch (id) {
    case ZNT:
        return QStringLiteral("VTX ZNT");
    case Ferox3ZNT:
        return QStringLiteral("FEROX 3 ZNT");
    case KivZNT:
        return QStringLiteral("KIV ZNT");
    case GatewayZntEnocean:
        return QStringLiteral("KIV EnOcean ZNT Bridge");
    default:
        return QStringLiteral("--");
    }
}

QString NemtraDeviceInformation::toVersionNumber(ushort value) const
{
    return QStringLiteral("%1.%2").arg(value >> 8).arg(value & 0xFF);
}

QString NemtraDeviceInformation::toDate(uint value) const
{
    return QStringLiteral("%3.%2.%1").arg(value >> 16).arg((value >> 8) & 0xFF).arg(value & 0xFF);
}

bool NemtraDeviceInformation::hasReed() const
{
    return anyChannelHas(NemtraEnums::ReedContact);
}

bool NemtraDeviceInformation::hasPid() const
{
    return anyChannelHas(NemtraEnums::Occupancy);
}

bool NemtraDeviceInformation::hasEpd() const
{
    const NemtraProperty *epd = propertyAt(EPD);
    return epd && epd->value() > 0 && epd->value() < 65535;
}

int NemtraDeviceInformation::buttonCount() const
{
    int count = 0;
    for (int c = 1; c <= ChannelCount; ++c)
        count += hasBlock(c, NemtraEnums::Button) ? 1 : 0;
    return count + (hasBlock(1, NemtraEnums::Occupancy) ? 1 : 0);
}

bool NemtraDeviceInformation::hasEncoder() const
{
    return hasBlock(2, NemtraEnums::SetPoint);
}

bool NemtraDeviceInformation::hasPoti() const
{
    return hasBlock(1, NemtraEnums::SetPoint);
}

bool NemtraDeviceInformation::hasOcc() const
{
    return hasBlock(1, NemtraEnums::Occupancy);
}

bool NemtraDeviceInformation::hasButton(int index) const
{
    return hasBlock(index, NemtraEnums::Button);
}

void NemtraDeviceInformation::setDeviceSetupProperties(QList<NemtraProperty *> properties)
{
    if (!properties.isEmpty() && properties.first())
        setBaseRegister(properties.first()->registerIndex());
    qDeleteAll(properties);
}

void NemtraDeviceInformation::setData(QList<quint16> data)
{
    decodeChannels(data);
    setChannelCount(channelsInUse());
    setValid(true);
    // The command register always reads 0: a command is an action, not a stored value.
    if (const NemtraProperty *command = propertyAt(Command); command && command->registerIndex() < uint(data.size()))
        data[command->registerIndex()] = 0;
    NemtraBaseContainer::setData(data);
}

void NemtraDeviceInformation::reset()
{
    NemtraBaseContainer::reset();
    // A disconnected device has no channels; stale flags would keep its pages on offer.
    clearChannels();
    setChannelCount(channelsInUse());
}

bool NemtraDeviceInformation::hasAllProperties() const
{
    return propertyCount() > 14;
}

void NemtraDeviceInformation::onPropertiesPassedOn()
{
    if (NemtraProperty *command = propertyAt(Command)) {
        command->setResetAfterWrite(true);
        connect(command, &BaseProperty::writeSingleRegister, this, [this](uint, ushort value) {
            if (value == SaveCommand)
                QMetaObject::invokeMethod(this, &NemtraDeviceInformation::saveCommandSend, Qt::QueuedConnection);
        });
    }
    if (NemtraProperty *id = propertyAt(DeviceId))
        connect(id, &BaseProperty::rawValueChanged, this, [this](qint64 raw) { setDeviceType(int(raw)); });
    if (NemtraProperty *epd = propertyAt(EPD))
        connect(epd, &BaseProperty::valueChanged, this, &NemtraDeviceInformation::epdChanged);
}

void NemtraDeviceInformation::setChannelCount(int count)
{
    if (m_channelCount == count)
        return;
    m_channelCount = count;
    emit channelCountChanged(count);
}

void NemtraDeviceInformation::setDeviceType(int value)
{
    const DeviceType type = (value == ZNT || value == Ferox3ZNT || value == KivZNT || value == GatewayZntEnocean)
        ? DeviceType(value)
        : NoDeviceType;
    if (m_deviceType == type)
        return;
    m_deviceType = type;
    emit deviceTypeChanged(type);
}
