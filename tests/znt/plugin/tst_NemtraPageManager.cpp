#include "LoraControlsPageModel.h"
#include "NemtraEquipment.h"
#include "NemtraNavigationModel.h"
#include "NemtraPageManager.h"
#include "NemtraSettings.h"
#include "NemtraTestLog.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Page = NemtraNavigationEnums::NemtraPageIndex;

namespace {

QList<int> pagesOf(const NemtraNavigationModel *model)
{
    QList<int> pages;
    for (int row = 0; row < model->rowCount(); ++row)
        pages.append(model->data(model->index(row), NemtraNavigationModel::PageIndexRole).toInt());
    return pages;
}

QList<int> pagesOf(const QVariant &model)
{
    return pagesOf(qobject_cast<NemtraNavigationModel *>(model.value<QObject *>()));
}

// channel -> data-block kinds
NemtraEquipment equipment(std::initializer_list<std::pair<int, int>> blocks, bool hasEpd = false, int displays = 0)
{
    NemtraEquipment result;
    result.hasEpd = hasEpd;
    result.displayedValueCount = displays;
    for (const auto &[channel, type] : blocks)
        result.channelTypes[std::size_t(channel - 1)].append(type);
    return result;
}

constexpr int kTemperature = 16;
constexpr int kHumidity = 17;

} // namespace

Q_DECLARE_METATYPE(NemtraEquipment)

class tst_NemtraPageManager : public QObject
{
    Q_OBJECT

private slots:
    void init() { NemtraEquipmentSource::instance()->setEquipment({}); }

    void commandEntries_signalInsteadOfShowingAPage()
    {
        NemtraPageManager manager;
        manager.setIsConnected(true);
        manager.setPageIndex(Page::NemtraSensorPage);
        QSignalSpy disconnect(&manager, &NemtraPageManager::disconnectFromDevice);
        QSignalSpy close(&manager, &NemtraPageManager::closePlugin);
        QSignalSpy pageChanged(&manager, &NemtraPageManager::pageIndexChanged);

        manager.setPageIndex(Page::NemtraDisconnect);
        QCOMPARE(disconnect.count(), 1);
        QCOMPARE(close.count(), 0);

        manager.setPageIndex(Page::NemtraGoHome);
        QCOMPARE(disconnect.count(), 2);
        QCOMPARE(close.count(), 1);
        QCOMPARE(pageChanged.count(), 0);
        QCOMPARE(manager.pageIndex(), int(Page::NemtraSensorPage));

        QSignalSpy simulate(&manager, &NemtraPageManager::showSimulationSelection);
        manager.setConnectionPageIndex(Page::NemtraSimulatePage);
        QCOMPARE(simulate.count(), 1);
        QCOMPARE(manager.connectionPageIndex(), int(Page::NemtraSerialPage));
    }

    void menus_disconnected_offerConnectionAndBackOnly()
    {
        NemtraPageManager manager;
        QCOMPARE(manager.pageIndex(), int(Page::NemtraConnectionPage));
        QCOMPARE(pagesOf(manager.topModel()), QList<int>{Page::NemtraConnectionPage});
        // The language entry is never offered; disconnecting only while connected.
        QCOMPARE(pagesOf(manager.bottomModel()), QList<int>{Page::NemtraGoHome});
    }

    void menus_connected_followEquipmentInMenuOrder_data()
    {
        QTest::addColumn<NemtraEquipment>("device");
        QTest::addColumn<QList<int>>("top");
        const QList<int> plain{0, 1, 2, 6, 7, 10};
        QTest::newRow("sensor only") << equipment({{1, kTemperature}}) << plain;
        QTest::newRow("display") << equipment({{1, kTemperature}}, true) << QList<int>{0, 1, 2, 6, 7, 9, 10};
        QTest::newRow("button on channel 3")
            << equipment({{3, NemtraEquipment::kButton}}) << QList<int>{0, 1, 2, 6, 7, 8, 10};
        QTest::newRow("occupancy") << equipment({{1, NemtraEquipment::kOccupancy}}) << QList<int>{0, 1, 2, 6, 7, 8, 10};
        QTest::newRow("encoder on channel 2")
            << equipment({{2, NemtraEquipment::kEncoderOrPoti}}, true) << QList<int>{0, 1, 2, 6, 7, 8, 9, 10};
        // A set point on channel 3 is neither encoder nor potentiometer.
        QTest::newRow("set point on channel 3") << equipment({{3, NemtraEquipment::kEncoderOrPoti}}) << plain;
    }

    void menus_connected_followEquipmentInMenuOrder()
    {
        QFETCH(NemtraEquipment, device);
        QFETCH(QList<int>, top);
        NemtraPageManager manager;
        NemtraEquipmentSource::instance()->setEquipment(device);
        manager.setIsConnected(true);
        QCOMPARE(pagesOf(manager.topModel()), top);
        QCOMPARE(pagesOf(manager.bottomModel()), (QList<int>{Page::NemtraDisconnect, Page::NemtraGoHome}));

        // A device change while connected updates the menu at once.
        NemtraEquipmentSource::instance()->setEquipment({});
        QCOMPARE(pagesOf(manager.topModel()), (QList<int>{0, 1, 2, 6, 7, 10}));
    }

    void disconnect_hidesDevicePagesAndReturnsToConnectionPage()
    {
        NemtraPageManager manager;
        NemtraEquipmentSource::instance()->setEquipment(equipment({{1, NemtraEquipment::kButton}}, true, 2));
        manager.setIsConnected(true);
        manager.setPageIndex(Page::NemtraDisplayPage);
        manager.setIndexByGroup(Page::NemtraSensorPage, Page::NemtraSensorChannel2);
        manager.setIndexByGroup(Page::NemtraDisplayPage, Page::NemtraDisplay2);
        manager.setIndexByGroup(Page::NemtraMonitoringPage, Page::NemtraMonitoring);
        QCOMPARE(manager.sensorPageIndex(), int(Page::NemtraSensorChannel2));

        QSignalSpy connectedChanged(&manager, &NemtraPageManager::isConnectedChanged);
        manager.setIsConnected(false);
        manager.setIsConnected(false);
        QCOMPARE(connectedChanged.count(), 1);
        QCOMPARE(manager.pageIndex(), int(Page::NemtraConnectionPage));
        QCOMPARE(manager.sensorPageIndex(), int(Page::NemtraSensorGeneral));
        QCOMPARE(manager.displayPageIndex(), int(Page::NemtraDisplayGeneral));
        QCOMPARE(manager.monitoringPageIndex(), int(Page::NemtraInfoPage));
        QCOMPARE(pagesOf(manager.topModel()), QList<int>{Page::NemtraConnectionPage});
        QCOMPARE(pagesOf(manager.bottomModel()), QList<int>{Page::NemtraGoHome});
    }

    void pageFilter_pagesWithoutFileAreNotOffered()
    {
        NemtraPageManager manager;
        manager.setPageFilter([](Page page) { return page == Page::NemtraSensorPage; });
        NemtraEquipmentSource::instance()->setEquipment(equipment({{1, kTemperature}}, true));
        manager.setIsConnected(true);
        QCOMPARE(pagesOf(manager.topModel()), (QList<int>{Page::NemtraConnectionPage, Page::NemtraSensorPage}));
    }

    void subNavigation_listsWhatTheDeviceHas()
    {
        NemtraPageManager manager;
        NemtraNavigationModel *top = manager.topModel();
        QCOMPARE(pagesOf(top->relatedChildrenModels(Page::NemtraConnectionPage)),
                 (QList<int>{Page::NemtraSerialPage, Page::NemtraSimulatePage}));
        QVERIFY(pagesOf(top->relatedChildrenModels(Page::NemtraConfigPage)).isEmpty());

        const QVariant sensors = top->relatedChildrenModels(Page::NemtraSensorPage);
        QCOMPARE(pagesOf(sensors), QList<int>{Page::NemtraSensorGeneral});
        NemtraEquipmentSource::instance()->setEquipment(equipment(
            {{1, kTemperature}, {1, kHumidity}, {3, NemtraEquipment::kButton}, {2, NemtraEquipment::kEncoderOrPoti}},
            true, 2));
        // The model a view already holds follows the device when asked again.
        QCOMPARE(top->relatedChildrenModels(Page::NemtraSensorPage), sensors);
        QCOMPARE(pagesOf(sensors),
                 (QList<int>{Page::NemtraSensorGeneral, Page::NemtraSensorChannel1, Page::NemtraSensorChannel2,
                             Page::NemtraSensorChannel3}));
        // Button 3 has no page; channel 2's type-99 block is the encoder.
        QCOMPARE(pagesOf(top->relatedChildrenModels(Page::NemtraControlsPage)),
                 QList<int>{Page::NemtraControlsIncrementalEncoder});
        QCOMPARE(pagesOf(top->relatedChildrenModels(Page::NemtraDisplayPage)),
                 (QList<int>{Page::NemtraDisplayGeneral, Page::NemtraDisplay1, Page::NemtraDisplay2}));
    }

    void controlsPageModel_oneRowPerControlElement()
    {
        NemtraEquipmentSource::instance()->setEquipment(equipment({{1, NemtraEquipment::kOccupancy},
                                                                   {2, NemtraEquipment::kButton},
                                                                   {1, NemtraEquipment::kEncoderOrPoti},
                                                                   {2, NemtraEquipment::kEncoderOrPoti}}));
        LoraControlsPageModel model;
        QSignalSpy updated(&model, &LoraControlsPageModel::pageModelUpdated);
        model.initPageModel();
        QCOMPARE(updated.count(), 1);
        QCOMPARE(model.rowCount(), 4);
        const auto role = [&model](int row, int which) { return model.data(model.index(row), which); };
        QCOMPARE(role(0, LoraControlsPageModel::PageIndexRole).toInt(), int(Page::NemtraControlsButton1));
        QCOMPARE(role(0, LoraControlsPageModel::ButtonIndexRole).toInt(), 1);
        QCOMPARE(role(1, LoraControlsPageModel::PageIndexRole).toInt(), int(Page::NemtraControlsButton2));
        QCOMPARE(role(2, LoraControlsPageModel::PageIndexRole).toInt(), int(Page::NemtraControlsIncrementalEncoder));
        QCOMPARE(role(2, LoraControlsPageModel::TypeRole).toInt(), int(LoraControlsPageModel::Increment));
        QCOMPARE(role(3, LoraControlsPageModel::ComponentRole).toString(),
                 QStringLiteral("qrc:/qml/Controls/NemtraControlsIncrement.qml"));
        QCOMPARE(role(3, LoraControlsPageModel::ButtonIndexRole).toInt(), 0);

        QCOMPARE(model.currentIndexAsPageIndex(3), Page::NemtraControlsPoti);
        QCOMPARE(model.currentIndexAsPageIndex(4), Page::NemtraControlsInvalid);
        QCOMPARE(model.currentIndexAsPageIndex(-1), Page::NemtraControlsInvalid);
        QCOMPARE(model.pageIndexAsCurrentIndex(Page::NemtraControlsButton2), 1);
        QCOMPARE(model.pageIndexAsCurrentIndex(Page::NemtraControlsButton4), 0);
    }

    void settings_updateOnShow_persistsAndSignalsOnlyOnChange()
    {
        QTemporaryDir dir;
        BaseSettings::setSettingsFile(dir.filePath(QStringLiteral("settings.ini")));
        {
            NemtraSettings settings;
            QCOMPARE(settings.updateOnShow(), false);
            QSignalSpy changed(&settings, &NemtraSettings::updateOnShowChanged);
            settings.setUpdateOnShow(false);
            QCOMPARE(changed.count(), 0);
            settings.setUpdateOnShow(true);
            settings.setUpdateOnShow(true);
            QCOMPARE(changed.count(), 1);
        }
        QCOMPARE(NemtraSettings().updateOnShow(), true);

        // ZNT devices answer within 500 ms with one retry unless the user chose otherwise.
        NemtraSettings settings;
        QCOMPARE(settings.connectTimeout(), 500);
        QCOMPARE(settings.connectRetries(), 1);
        settings.setConnectRetries(0);
        settings.setConnectTimeout(2500);
        QCOMPARE(NemtraSettings().connectRetries(), 0);
        QCOMPARE(BaseSettings::readTimeout(), 2500);
        BaseSettings::setSettingsFile({});
    }

    void transferLog_keepsTheNewestThousandInUpperCase()
    {
        NemtraTestLog log;
        log.addSendRequest(QStringLiteral("ok"));
        log.addResponse(QStringLiteral("0a ff"));
        const auto at = [&log](int row, int role) { return log.data(log.index(row), role); };
        QCOMPARE(at(0, NemtraTestLog::EntryRole).toString(), QStringLiteral("OK"));
        QCOMPARE(at(0, NemtraTestLog::IsSendRequestRole).toBool(), true);
        QCOMPARE(at(1, NemtraTestLog::IsSendRequestRole).toBool(), false);
        QVERIFY(QDateTime::fromString(at(1, NemtraTestLog::TimeStampRole).toString(),
                                      QStringLiteral("dd.MM.yy hh:mm:ss.zzz"))
                    .isValid());

        for (int i = 2; i <= NemtraTestLog::kMaxEntries; ++i)
            log.addResponse(QString::number(i));
        QCOMPARE(log.rowCount(), NemtraTestLog::kMaxEntries);
        QCOMPARE(at(0, NemtraTestLog::EntryRole).toString(), QStringLiteral("0A FF"));
        QCOMPARE(at(NemtraTestLog::kMaxEntries - 1, NemtraTestLog::EntryRole).toString(), QStringLiteral("1000"));

        log.clear();
        QCOMPARE(log.rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_NemtraPageManager)
#include "tst_NemtraPageManager.moc"
