#include "NemtraEquipmentFeed.h"

#include "BackendBase.h"
#include "NemtraDeviceInformation.h"
#include "NemtraDisplayContainer.h"
#include "NemtraEquipment.h"
#include "NemtraProperty.h"

#include <QTimer>

NemtraEquipmentFeed::NemtraEquipmentFeed(BackendBase *backend, QObject *parent)
    : QObject(parent)
    , m_pending(new QTimer(this))
{
    m_pending->setSingleShot(true);
    m_pending->setInterval(0);
    connect(m_pending, &QTimer::timeout, this, &NemtraEquipmentFeed::refresh);
    const auto later = [this] { m_pending->start(); };

    NemtraDeviceInformation *info = NemtraDeviceInformation::instance();
    connect(info, &NemtraDeviceInformation::channelCountChanged, this, later);
    connect(info, &NemtraDeviceInformation::deviceTypeChanged, this, later);
    connect(info, &NemtraDeviceInformation::epdChanged, this, later);
    connect(info, &BaseContainer::validChanged, this, later);
    connect(NemtraDisplayContainer::instance(), &NemtraDisplayContainer::displayCountChanged, this, later);
    // The channel flags may change while the channel count stays: look again after every read.
    connect(backend, &BackendBase::connectedChanged, this, later);
    connect(backend, &BackendBase::progressValueChanged, this, later);
    refresh();
}

void NemtraEquipmentFeed::refresh()
{
    const NemtraDeviceInformation *info = NemtraDeviceInformation::instance();
    NemtraEquipment equipment;
    equipment.hasEpd = info->hasEpd();
    for (int channel = 1; channel <= NemtraEquipment::kChannels; ++channel) {
        QList<int> &types = equipment.channelTypes[std::size_t(channel - 1)];
        for (int type = 0; type < NemtraDeviceSetup::FlagsPerChannel; ++type) {
            if (info->hasBlock(channel, type))
                types.append(type);
        }
    }
    if (const NemtraProperty *count =
            NemtraDisplayContainer::instance()->propertyAt(NemtraDisplayContainer::DisplayedValuesCount))
        equipment.displayedValueCount = int(count->value());
    NemtraEquipmentSource::instance()->setEquipment(equipment);
}
