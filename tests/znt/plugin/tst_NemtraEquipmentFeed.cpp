#include "BackendBase.h"
#include "NemtraDeviceInformation.h"
#include "NemtraEquipment.h"
#include "NemtraEquipmentFeed.h"
#include "NemtraNavigationModel.h"
#include "NemtraPageManager.h"

#include <QSignalSpy>
#include <QTest>

using Page = NemtraNavigationEnums::NemtraPageIndex;

namespace {

// The device-setup words of four channels: eight words each, bit k for data-block type k.
QList<quint16> setupWords(std::initializer_list<std::pair<int, int>> blocks)
{
    QList<quint16> words(NemtraDeviceSetup::ChannelCount * NemtraDeviceSetup::WordsPerChannel, 0);
    for (const auto &[channel, type] : blocks)
        words[(channel - 1) * NemtraDeviceSetup::WordsPerChannel + type / 16] |= quint16(1u << (type % 16));
    return words;
}

QList<int> visiblePages(const NemtraNavigationModel *model)
{
    QList<int> pages;
    for (const NemtraNavigationItem &item : model->visibleItems())
        pages.append(item.pageIndex);
    return pages;
}

} // namespace

// The navigation follows the blocks the device's setup announces, through the containers.
class tst_NemtraEquipmentFeed : public QObject
{
    Q_OBJECT

private slots:
    void deviceSetup_decidesChannelsControlsAndMenu()
    {
        BackendBase backend;
        NemtraEquipmentFeed feed(&backend);
        NemtraPageManager pages;
        pages.setIsConnected(true);
        QVERIFY(!visiblePages(pages.topModel()).contains(Page::NemtraControlsPage));

        NemtraDeviceInformation *info = NemtraDeviceInformation::instance();
        QSignalSpy changed(NemtraEquipmentSource::instance(), &NemtraEquipmentSource::equipmentChanged);
        info->setData(setupWords({{1, NemtraEnums::Temperature},
                                  {1, NemtraEnums::Occupancy},
                                  {2, NemtraEnums::Encoder},
                                  {3, NemtraEnums::Button}}));
        QVERIFY(changed.wait());
        QCOMPARE(changed.count(), 1);

        const NemtraEquipment &equipment = NemtraEquipmentSource::instance()->equipment();
        QVERIFY(equipment.channelHas(1, NemtraEnums::Temperature));
        QVERIFY(equipment.hasButtonOrOccupancy(1));
        QVERIFY(equipment.hasEncoder());
        QVERIFY(!equipment.hasPoti());
        QVERIFY(equipment.hasButton(3));
        QVERIFY(!equipment.channelHasAnyBlock(4));
        QVERIFY(visiblePages(pages.topModel()).contains(Page::NemtraControlsPage));

        // A disconnected device has no blocks left to offer.
        info->reset();
        QTRY_VERIFY(!NemtraEquipmentSource::instance()->equipment().channelHasAnyBlock(1));
        QVERIFY(!visiblePages(pages.topModel()).contains(Page::NemtraControlsPage));
    }
};

QTEST_GUILESS_MAIN(tst_NemtraEquipmentFeed)
#include "tst_NemtraEquipmentFeed.moc"
