#include "NemtraEquipment.h"

#include <QCoreApplication>

bool NemtraEquipment::channelHas(int channel, int type) const
{
    if (channel < 1 || channel > kChannels)
        return false;
    return channelTypes.at(std::size_t(channel - 1)).contains(type);
}

bool NemtraEquipment::channelHasAnyBlock(int channel) const
{
    if (channel < 1 || channel > kChannels)
        return false;
    return !channelTypes.at(std::size_t(channel - 1)).isEmpty();
}

bool NemtraEquipment::hasButton(int channel) const
{
    return channelHas(channel, kButton);
}

bool NemtraEquipment::hasButtonOrOccupancy(int channel) const
{
    return hasButton(channel) || (channel == 1 && channelHas(1, kOccupancy));
}

bool NemtraEquipment::hasControls() const
{
    for (int channel = 1; channel <= kChannels; ++channel) {
        if (channelHas(channel, kButton) || channelHas(channel, kOccupancy))
            return true;
    }
    return hasEncoder() || hasPoti();
}

bool NemtraEquipment::operator==(const NemtraEquipment &other) const
{
    return hasEpd == other.hasEpd && displayedValueCount == other.displayedValueCount &&
        channelTypes == other.channelTypes;
}

NemtraEquipmentSource::NemtraEquipmentSource(QObject *parent)
    : QObject(parent)
{
}

NemtraEquipmentSource *NemtraEquipmentSource::instance()
{
    // Lives as long as the application: QML models created at any time may ask for it.
    static NemtraEquipmentSource *source = [] {
        auto *created = new NemtraEquipmentSource;
        if (auto *app = QCoreApplication::instance())
            created->setParent(app);
        return created;
    }();
    return source;
}

void NemtraEquipmentSource::setEquipment(const NemtraEquipment &equipment)
{
    if (m_equipment == equipment)
        return;
    m_equipment = equipment;
    emit equipmentChanged();
}
