#include "BaseSettings.h"
#include "KivNavigationModel.h"
#include "KivPageManager.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

using P = KivNavigationEnums;

QList<int> visiblePages(const QAbstractItemModel *model)
{
    QList<int> pages;
    for (int row = 0; row < model->rowCount(); ++row)
        pages << model->data(model->index(row, 0), KivNavigationModel::PageIndexRole).toInt();
    return pages;
}

QList<int> values(const QSignalSpy &spy)
{
    QList<int> result;
    for (const QList<QVariant> &arguments : spy)
        result << arguments.at(0).toInt();
    return result;
}

// Replaces chosen navigation texts, to see which ones getMaxWidthText weighs.
class ReplacingTranslator : public QTranslator
{
public:
    explicit ReplacingTranslator(QHash<QString, QString> replacements)
        : m_replacements(std::move(replacements))
    {
    }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "NavigationItems") != 0)
            return {};
        return m_replacements.value(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }

private:
    QHash<QString, QString> m_replacements;
};

} // namespace

class tst_KivPageManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction_startsOnConnectionPageWithMinimalLists();
    void connectingRelayDeviceWithDisplayAndCo2_listsItsPages();
    void losingConnection_hidesAllButConnectionManagerEvenWithLoRa();
    void circuitBoardChanged_setsBoardFlagsAndUpdatesLists_data();
    void circuitBoardChanged_setsBoardFlagsAndUpdatesLists();
    void boardFlagAlone_signalsButLeavesListsUntilNextUpdate();
    void manualEntry_opensManualThenReturnsToPreviousPage();
    void samePage_emitsNothingAlsoForManual();
    void manualReturn_skippedWhenPageChangedMeanwhile();
    void expertPage_alwaysStartsAtPassword();
    void simulateEntry_signalsButKeepsConnectionSubPage();
    void setIndexByGroup_routesToTheGroupsSubPage_data();
    void setIndexByGroup_routesToTheGroupsSubPage();
    void setIndexByGroup_ignoresPasswordAndUnknownGroups();
    void onDisconnected_returnsSubPagesButKeepsPageConnectionAndSaveLoad();
    void reset_returnsToConnectionPageAndKeepsSensorFlags();
    void switchToPoll_userSeesLiveDataInternalStaysOnSerial();
    void getMaxWidthText_weighsHiddenEntriesAndSubEntries();

private:
    QTemporaryDir m_settingsDir;
};

void tst_KivPageManager::initTestCase()
{
    QVERIFY(m_settingsDir.isValid());
    BaseSettings::setSettingsFile(m_settingsDir.filePath(QStringLiteral("settings.ini")));
}

void tst_KivPageManager::construction_startsOnConnectionPageWithMinimalLists()
{
    KivPageManager manager;
    QCOMPARE(manager.pageIndex(), P::KivConnectionPage);
    QCOMPARE(manager.connectionPageIndex(), P::KivSerialPage);
    QCOMPARE(manager.monitoringPageIndex(), P::KivInfo);
    QCOMPARE(manager.outputPageIndex(), P::KivOutput);
    QCOMPARE(manager.relaisPageIndex(), P::KivRelais);
    QCOMPARE(manager.servicePageIndex(), P::KivService);
    QCOMPARE(manager.expertPageIndex(), P::KivExpertPW);
    QCOMPARE(manager.loraPageIndex(), P::KivLoraParameter);
    QCOMPARE(manager.saveLoadIndex(), P::KivSavePage);
    QVERIFY(!manager.isConnected());

    QCOMPARE(manager.navModelTop(), manager.topModel());
    QCOMPARE(manager.navModelBottom(), manager.bottomModel());
    QCOMPARE(manager.topModel()->parent(), &manager);
    QCOMPARE(visiblePages(manager.navModelTop()), QList<int>({P::KivConnectionPage}));
    QCOMPARE(visiblePages(manager.navModelBottom()), QList<int>({P::KivExportPage, P::KivManuel, P::KivGoHome}));
}

void tst_KivPageManager::connectingRelayDeviceWithDisplayAndCo2_listsItsPages()
{
    KivPageManager manager;
    QAbstractItemModelTester top(manager.navModelTop(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester bottom(manager.navModelBottom(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    manager.circuitBoardChanged(Enums::AP_Relais);
    manager.setIsLcd(true);
    manager.setIsCo2(true);
    // Nothing device-specific before the connection stands.
    QCOMPARE(visiblePages(manager.navModelTop()), QList<int>({0}));

    QSignalSpy connected(&manager, &KivPageManager::isConnectedChanged);
    manager.setIsConnected(true);
    QCOMPARE(connected.size(), 1);
    QCOMPARE(connected.at(0).at(0).toBool(), true);
    QCOMPARE(visiblePages(manager.navModelTop()), QList<int>({0, 1, 2, 3, 4, 5, 7, 8}));
    QCOMPARE(visiblePages(manager.navModelBottom()), QList<int>({10, 11, 16, 15, 17}));

    manager.setIsCo2(false);
    QCOMPARE(visiblePages(manager.navModelBottom()), QList<int>({11, 16, 15, 17}));
    manager.setIsVoc(true);
    QCOMPARE(visiblePages(manager.navModelBottom()), QList<int>({10, 11, 16, 15, 17}));
}

void tst_KivPageManager::losingConnection_hidesAllButConnectionManagerEvenWithLoRa()
{
    KivPageManager manager;
    QAbstractItemModelTester top(manager.navModelTop(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    manager.setIsConnected(true);
    manager.circuitBoardChanged(Enums::AP_LORA);
    manager.setIsLcd(true);
    QCOMPARE(visiblePages(manager.navModelTop()), QList<int>({0, 1, 2, 4, 5, 7, 8, 13}));

    QSignalSpy lcd(&manager, &KivPageManager::isLcdChanged);
    QSignalSpy loRa(&manager, &KivPageManager::isLoRaChanged);
    manager.setIsConnected(false);

    QCOMPARE(visiblePages(manager.navModelTop()), QList<int>({0}));
    QCOMPARE(visiblePages(manager.navModelBottom()), QList<int>({12, 16, 17}));
    QVERIFY(!manager.isLcd());
    QVERIFY(!manager.isRs485());
    QVERIFY(!manager.isRelais());
    QVERIFY(manager.isLoRa());
    // Views bound to the flag must learn that it fell with the connection.
    QCOMPARE(values(lcd), QList<int>({0}));
    QCOMPARE(loRa.size(), 0);

    // Reconnecting the same LoRa device brings its page back without a new board report.
    manager.setIsConnected(true);
    QVERIFY(visiblePages(manager.navModelTop()).contains(P::KivLoraPage));
    QVERIFY(!visiblePages(manager.navModelTop()).contains(P::KivLcdPage));
}

void tst_KivPageManager::circuitBoardChanged_setsBoardFlagsAndUpdatesLists_data()
{
    QTest::addColumn<int>("board");
    QTest::addColumn<bool>("rs485");
    QTest::addColumn<bool>("relais");
    QTest::addColumn<bool>("loRa");
    QTest::newRow("modbus") << int(Enums::AP_Modbus) << true << false << false;
    QTest::newRow("bacnet") << int(Enums::AP_BACnet) << true << false << false;
    QTest::newRow("relay") << int(Enums::AP_Relais) << false << true << false;
    QTest::newRow("lorawan") << int(Enums::AP_LORA) << false << false << true;
    QTest::newRow("lcd board") << int(Enums::AP_LCD) << false << false << false;
    QTest::newRow("lon") << int(Enums::AP_LON) << false << false << false;
    QTest::newRow("unknown") << int(Enums::AP_Unknown) << false << false << false;
}

void tst_KivPageManager::circuitBoardChanged_setsBoardFlagsAndUpdatesLists()
{
    QFETCH(int, board);
    QFETCH(bool, rs485);
    QFETCH(bool, relais);
    QFETCH(bool, loRa);

    KivPageManager manager;
    manager.setIsConnected(true);
    // Start from a board with every flag up, so that clearing shows as well as setting.
    manager.setIsRs485(true);
    manager.setIsRelais(true);
    manager.setIsLoRa(true);
    QSignalSpy rs485Spy(&manager, &KivPageManager::isRs485Changed);
    QSignalSpy relaisSpy(&manager, &KivPageManager::isRelaisChanged);
    QSignalSpy loRaSpy(&manager, &KivPageManager::isLoRaChanged);

    manager.circuitBoardChanged(Enums::TypeCircuitBoard(board));

    QCOMPARE(manager.isRs485(), rs485);
    QCOMPARE(manager.isRelais(), relais);
    QCOMPARE(manager.isLoRa(), loRa);
    QCOMPARE(rs485Spy.size(), rs485 ? 0 : 1);
    QCOMPARE(relaisSpy.size(), relais ? 0 : 1);
    QCOMPARE(loRaSpy.size(), loRa ? 0 : 1);

    const QList<int> pages = visiblePages(manager.navModelTop());
    QCOMPARE(pages.contains(P::KivRs485Page), rs485);
    QCOMPARE(pages.contains(P::KivRelaisPage), relais);
    QCOMPARE(pages.contains(P::KivLoraPage), loRa);
}

void tst_KivPageManager::boardFlagAlone_signalsButLeavesListsUntilNextUpdate()
{
    KivPageManager manager;
    manager.setIsConnected(true);
    const QList<int> before = visiblePages(manager.navModelTop());

    QSignalSpy relais(&manager, &KivPageManager::isRelaisChanged);
    manager.setIsRelais(true);
    manager.setIsRs485(true);
    manager.setIsLoRa(true);
    QCOMPARE(values(relais), QList<int>({1}));
    QCOMPARE(visiblePages(manager.navModelTop()), before);

    manager.setIsRelais(true);
    QCOMPARE(relais.size(), 1);

    manager.setIsLcd(true);
    QCOMPARE(visiblePages(manager.navModelTop()), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 13}));
}

void tst_KivPageManager::manualEntry_opensManualThenReturnsToPreviousPage()
{
    KivPageManager manager;
    manager.setPageIndex(P::KivOffsetPage);
    QSignalSpy page(&manager, &KivPageManager::pageIndexChanged);

    manager.setPageIndex(P::KivManuel);
    QCOMPARE(values(page), QList<int>({P::KivManuel}));
    QCOMPARE(manager.pageIndex(), P::KivManuel);

    QTRY_COMPARE(manager.pageIndex(), P::KivOffsetPage);
    QCOMPARE(values(page), QList<int>({P::KivManuel, P::KivOffsetPage}));
}

void tst_KivPageManager::samePage_emitsNothingAlsoForManual()
{
    KivPageManager manager;
    QSignalSpy page(&manager, &KivPageManager::pageIndexChanged);
    manager.setPageIndex(P::KivConnectionPage);
    QCOMPARE(page.size(), 0);

    manager.setPageIndex(P::KivManuel);
    manager.setPageIndex(P::KivManuel);
    QTRY_COMPARE(manager.pageIndex(), P::KivConnectionPage);
    QCoreApplication::sendPostedEvents();
    // One opening, one return: the repeated request queued nothing.
    QCOMPARE(values(page), QList<int>({P::KivManuel, P::KivConnectionPage}));
}

void tst_KivPageManager::manualReturn_skippedWhenPageChangedMeanwhile()
{
    KivPageManager manager;
    manager.setPageIndex(P::KivOffsetPage);
    manager.setPageIndex(P::KivManuel);
    // E.g. the device finished reading and asked for the live page before the return ran.
    manager.setPageIndex(P::KivMonitoringPage);

    QSignalSpy page(&manager, &KivPageManager::pageIndexChanged);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(manager.pageIndex(), P::KivMonitoringPage);
    QCOMPARE(page.size(), 0);
}

void tst_KivPageManager::expertPage_alwaysStartsAtPassword()
{
    KivPageManager manager;
    manager.setExpertPageIndex(P::KivExpertCo2);

    QList<QByteArray> order;
    connect(&manager, &KivPageManager::expertPageIndexChanged, this, [&order] { order << "expert"; });
    connect(&manager, &KivPageManager::pageIndexChanged, this, [&order] { order << "page"; });
    QSignalSpy expert(&manager, &KivPageManager::expertPageIndexChanged);

    manager.setPageIndex(P::KivExpertPage);
    QCOMPARE(manager.expertPageIndex(), P::KivExpertPW);
    QCOMPARE(values(expert), QList<int>({P::KivExpertPW}));
    QCOMPARE(order, QList<QByteArray>({"expert", "page"}));

    // Already on the expert page: the chosen adjustment stays.
    manager.setExpertPageIndex(P::KivExpertVOC);
    manager.setPageIndex(P::KivExpertPage);
    QCOMPARE(manager.expertPageIndex(), P::KivExpertVOC);

    // Entering again while already at the password signals nothing extra.
    manager.setPageIndex(P::KivConnectionPage);
    manager.setExpertPageIndex(P::KivExpertPW);
    expert.clear();
    manager.setPageIndex(P::KivExpertPage);
    QCOMPARE(expert.size(), 0);
}

void tst_KivPageManager::simulateEntry_signalsButKeepsConnectionSubPage()
{
    KivPageManager manager;
    manager.setConnectionPageIndex(P::KivSpecial);
    QSignalSpy connection(&manager, &KivPageManager::connectionPageIndexChanged);

    manager.setConnectionPageIndex(P::KivSimulate);
    QCOMPARE(values(connection), QList<int>({P::KivSimulate}));
    QCOMPARE(manager.connectionPageIndex(), P::KivSpecial);

    // Asking again asks the question again.
    manager.setConnectionPageIndex(P::KivSimulate);
    QCOMPARE(connection.size(), 2);

    manager.setConnectionPageIndex(P::KivSerialPage);
    QCOMPARE(manager.connectionPageIndex(), P::KivSerialPage);
    QCOMPARE(connection.size(), 3);
}

void tst_KivPageManager::setIndexByGroup_routesToTheGroupsSubPage_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("child");
    QTest::addColumn<QByteArray>("property");
    QTest::newRow("connection") << int(P::KivConnectionPage) << int(P::KivSpecial) << QByteArray("connectionPageIndex");
    QTest::newRow("monitoring") << int(P::KivMonitoringPage) << int(P::KivMonitoring)
                                << QByteArray("monitoringPageIndex");
    QTest::newRow("output") << int(P::KivOutputPage) << int(P::KivGeneral) << QByteArray("outputPageIndex");
    QTest::newRow("relay") << int(P::KivRelaisPage) << int(P::KivForceRelais) << QByteArray("relaisPageIndex");
    QTest::newRow("service") << int(P::KivServicePage) << int(P::KivContact) << QByteArray("servicePageIndex");
    QTest::newRow("expert") << int(P::KivExpertPage) << int(P::KivExpertCo2) << QByteArray("expertPageIndex");
    QTest::newRow("save/load") << int(P::KivSaveLoadPage) << int(P::KivLoadPage) << QByteArray("saveLoadIndex");
    QTest::newRow("lora") << int(P::KivLoraPage) << int(P::KivLoraCommand) << QByteArray("loraPageIndex");
}

void tst_KivPageManager::setIndexByGroup_routesToTheGroupsSubPage()
{
    QFETCH(int, group);
    QFETCH(int, child);
    QFETCH(QByteArray, property);

    KivPageManager manager;
    const QMetaProperty meta = manager.metaObject()->property(manager.metaObject()->indexOfProperty(property));
    QSignalSpy changed(&manager, meta.notifySignal());

    manager.setIndexByGroup(P::KivPageIndex(group), P::KivPageIndex(child));
    QCOMPARE(manager.property(property).toInt(), child);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), child);
    QCOMPARE(manager.pageIndex(), P::KivConnectionPage);
}

void tst_KivPageManager::setIndexByGroup_ignoresPasswordAndUnknownGroups()
{
    KivPageManager manager;
    manager.setIndexByGroup(P::KivExpertPage, P::KivExpertCo2);
    QSignalSpy expert(&manager, &KivPageManager::expertPageIndexChanged);
    manager.setIndexByGroup(P::KivExpertPage, P::KivExpertPW);
    QCOMPARE(manager.expertPageIndex(), P::KivExpertCo2);
    QCOMPARE(expert.size(), 0);

    // The simulate rule holds when it comes through the group as well.
    QSignalSpy connection(&manager, &KivPageManager::connectionPageIndexChanged);
    manager.setIndexByGroup(P::KivConnectionPage, P::KivSimulate);
    QCOMPARE(connection.size(), 1);
    QCOMPARE(manager.connectionPageIndex(), P::KivSerialPage);

    QSignalSpy page(&manager, &KivPageManager::pageIndexChanged);
    for (P::KivPageIndex group : {P::KivLcdPage, P::KivOffsetPage, P::KivUpdatePage, P::KivInvalidPage})
        manager.setIndexByGroup(group, P::KivInfo);
    QCOMPARE(page.size(), 0);
    QCOMPARE(manager.monitoringPageIndex(), P::KivInfo);
    QCOMPARE(manager.pageIndex(), P::KivConnectionPage);
}

void tst_KivPageManager::onDisconnected_returnsSubPagesButKeepsPageConnectionAndSaveLoad()
{
    KivPageManager manager;
    manager.setPageIndex(P::KivRelaisPage);
    manager.setConnectionPageIndex(P::KivSpecial);
    manager.setMonitoringPageIndex(P::KivMonitoring);
    manager.setOutputPageIndex(P::KivGeneral);
    manager.setRelaisPageIndex(P::KivForceRelais);
    manager.setServicePageIndex(P::KivContact);
    manager.setExpertPageIndex(P::KivExpertVOC);
    manager.setLoraPageIndex(P::KivLoraCommand);
    manager.setSaveLoadIndex(P::KivLoadPage);
    QSignalSpy monitoring(&manager, &KivPageManager::monitoringPageIndexChanged);

    manager.onDisconnected();

    QCOMPARE(manager.monitoringPageIndex(), P::KivInfo);
    QCOMPARE(manager.outputPageIndex(), P::KivOutput);
    QCOMPARE(manager.relaisPageIndex(), P::KivRelais);
    QCOMPARE(manager.servicePageIndex(), P::KivService);
    QCOMPARE(manager.expertPageIndex(), P::KivExpertPW);
    QCOMPARE(manager.loraPageIndex(), P::KivLoraParameter);
    QCOMPARE(manager.pageIndex(), P::KivRelaisPage);
    QCOMPARE(manager.connectionPageIndex(), P::KivSpecial);
    QCOMPARE(manager.saveLoadIndex(), P::KivLoadPage);

    // The live-values view follows the return, so choosing it again after reconnecting works.
    QCOMPARE(values(monitoring), QList<int>({P::KivInfo}));
    manager.setMonitoringPageIndex(P::KivMonitoring);
    QCOMPARE(values(monitoring), QList<int>({P::KivInfo, P::KivMonitoring}));
}

void tst_KivPageManager::reset_returnsToConnectionPageAndKeepsSensorFlags()
{
    KivPageManager manager;
    manager.setIsConnected(true);
    manager.circuitBoardChanged(Enums::AP_LORA);
    manager.setIsLcd(true);
    manager.setIsCo2(true);
    manager.setIsVoc(true);
    manager.setPageIndex(P::KivLcdPage);
    manager.setMonitoringPageIndex(P::KivMonitoring);
    QSignalSpy page(&manager, &KivPageManager::pageIndexChanged);
    QSignalSpy connected(&manager, &KivPageManager::isConnectedChanged);

    manager.reset();

    QCOMPARE(values(page), QList<int>({P::KivConnectionPage}));
    QCOMPARE(values(connected), QList<int>({0}));
    QVERIFY(!manager.isConnected());
    QVERIFY(!manager.isLcd());
    QVERIFY(!manager.isLoRa());
    QVERIFY(manager.isCo2());
    QVERIFY(manager.isVoc());
    QCOMPARE(manager.monitoringPageIndex(), P::KivMonitoring);
    QCOMPARE(visiblePages(manager.navModelTop()), QList<int>({0}));
    QCOMPARE(visiblePages(manager.navModelBottom()), QList<int>({12, 16, 17}));

    page.clear();
    manager.reset();
    QCOMPARE(page.size(), 0);

    // Sensors survive: the expert entry is back as soon as the device is connected again.
    manager.setIsConnected(true);
    QVERIFY(visiblePages(manager.navModelBottom()).contains(P::KivExpertPage));
}

void tst_KivPageManager::switchToPoll_userSeesLiveDataInternalStaysOnSerial()
{
    KivPageManager manager;
    manager.setConnectionPageIndex(P::KivSpecial);

    BaseSettings::writeClearance(2);
    QSignalSpy page(&manager, &KivPageManager::pageIndexChanged);
    QSignalSpy connection(&manager, &KivPageManager::connectionPageIndexChanged);
    manager.switchToPoll();
    QCOMPARE(manager.pageIndex(), P::KivConnectionPage);
    QCOMPARE(manager.connectionPageIndex(), P::KivSerialPage);
    QCOMPARE(page.size(), 0);
    QCOMPARE(connection.size(), 1);
    manager.switchToPoll();
    QCOMPARE(connection.size(), 1);

    BaseSettings::writeClearance(0);
    manager.switchToPoll();
    QCOMPARE(manager.pageIndex(), P::KivMonitoringPage);
    QCOMPARE(values(page), QList<int>({P::KivMonitoringPage}));
    manager.switchToPoll();
    QCOMPARE(page.size(), 1);
}

void tst_KivPageManager::getMaxWidthText_weighsHiddenEntriesAndSubEntries()
{
    KivPageManager manager;
    // Longest of all, although hidden while disconnected.
    QCOMPARE(manager.getMaxWidthText(), QStringLiteral("Ausgangskonfiguration"));

    {
        // The language entry is never listed but still sizes the drawer.
        ReplacingTranslator translator(
            {{QStringLiteral("Spracheinstellungen"), QStringLiteral("Language settings (long)")}});
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(manager.getMaxWidthText(), QStringLiteral("Language settings (long)"));
        QCoreApplication::removeTranslator(&translator);
    }
    {
        ReplacingTranslator translator(
            {{QStringLiteral("Control Command"), QStringLiteral("Control command of LoRaWAN")}});
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(manager.getMaxWidthText(), QStringLiteral("Control command of LoRaWAN"));
        QCoreApplication::removeTranslator(&translator);
    }
    {
        // Equally long: the upper list wins over the lower, the earlier entry over the later.
        ReplacingTranslator translator(
            {{QStringLiteral("Zurück"), QStringLiteral("BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB")},
             {QStringLiteral("Live-Daten"), QStringLiteral("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA")},
             {QStringLiteral("Wartung"), QStringLiteral("CCCCCCCCCCCCCCCCCCCCCCCCCCCCCC")}});
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(manager.getMaxWidthText(), QStringLiteral("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"));
        QCoreApplication::removeTranslator(&translator);
    }

    QString viaSlot;
    QVERIFY(QMetaObject::invokeMethod(&manager, "getMaxWidthText", Q_RETURN_ARG(QString, viaSlot)));
    QCOMPARE(viaSlot, QStringLiteral("Ausgangskonfiguration"));
}

QTEST_GUILESS_MAIN(tst_KivPageManager)
#include "tst_KivPageManager.moc"
