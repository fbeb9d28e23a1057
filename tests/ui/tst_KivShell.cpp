#include "BaseSettings.h"
#include "EmulatorProcess.h"
#include "KivUiFixture.h"
#include "PtyPair.h"

#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

namespace {

// Page indices as the plugin numbers them.
enum Page {
    ConnectionPage = 0,
    MonitoringPage = 1,
    DisconnectCommand = 15,
    ManualCommand = 16,
    AboutPage = 18,
    InvalidConnect = 19,
    SerialPage = 21,
    SpecialPage = 22,
    SimulatePage = 23,
    InfoSubPage = 25,
    LiveSubPage = 26
};

constexpr int kConnectTimeoutMs = 20000;
const QString kMainView = QStringLiteral("KivPluginMainView");

QStringList resourceQmlFiles()
{
    QStringList files;
    for (const QString &folder : {QStringLiteral(":/qml"), QStringLiteral(":/Dependencies/Mirrel/qml")}) {
        QDirIterator it(folder, {QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
    }
    files.sort();
    files.prepend(QStringLiteral(":/ErrorMain.qml"));
    files.prepend(QStringLiteral(":/MainKivApp.qml"));
    return files;
}

QString text(const QQuickItem *item)
{
    return item ? item->property("text").toString() : QString();
}

} // namespace

class tst_KivShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fixture_collectsQmlWarnings();
    void qmlFiles_everyFileCreatesWithoutWarnings();
    void pageSwitcher_pagesPollingAndCommands();
    void drawer_specialFollowsClearanceAndSimulateHidesWhenConnected();
    void connectionLoss_returnsToConnectionPageOnlyAtLevelZero();
    void popups_followBackendSignals();
    void connectTimeout_disconnectsAndListsError();
    void simulation_reachesLivePageWithScreenshots_data();
    void simulation_reachesLivePageWithScreenshots();
    void emulator_connectReadAndPollLiveValues();
    void emulatorLost_pageKeptOnlyAtInternalLevels();

private:
    QQuickItem *currentPage() const;
    void setPage(int page);
    void pressShortcut(Qt::Key key, Qt::KeyboardModifiers modifiers);
    QString shot(const QString &name);

    std::unique_ptr<KivUiFixture> m_ui;
};

void tst_KivShell::initTestCase()
{
    m_ui = std::make_unique<KivUiFixture>();
    // Diagnostics land on the desktop; keep them in the test's own folder.
    qputenv("HOME", m_ui->dataDir().toUtf8());
    QVERIFY2(m_ui->setUp(), qPrintable(m_ui->errorString()));
    QVERIFY2(m_ui->createRoot(), qPrintable(m_ui->errorString()));
    m_ui->window()->requestActivate();
    QVERIFY(QTest::qWaitForWindowExposed(m_ui->window()));
}

void tst_KivShell::init()
{
    KivUiFixture::clearQmlMessages();
}

void tst_KivShell::cleanup()
{
    const QStringList messages = KivUiFixture::qmlMessages();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    // Back to a disconnected user session on the connection page.
    QObject *kiv = m_ui->backend();
    kiv->setProperty("testMode", false);
    if (kiv->property("connected").toBool())
        QMetaObject::invokeMethod(kiv, "disconnectDevice");
    QTRY_VERIFY(!kiv->property("connected").toBool());
    kiv->setProperty("clearance", 0);
    QMetaObject::invokeMethod(m_ui->errors(), "clearErrors");
    for (QObject *popup : m_ui->allObjects()) {
        if (popup->objectName().startsWith(QLatin1String("KivPluginPopups")) && popup->property("opened").toBool())
            QMetaObject::invokeMethod(popup, "close");
    }
    setPage(ConnectionPage);
    m_ui->pageManager()->setProperty("connectionPageIndex", SerialPage);
    m_ui->pageManager()->setProperty("monitoringPageIndex", InfoSubPage);
    // A disconnect resets the back end through a queued call; let it land before the next test.
    QCoreApplication::processEvents();
}

QQuickItem *tst_KivShell::currentPage() const
{
    QQuickItem *view = m_ui->item(kMainView);
    return view ? view->property("currentItem").value<QQuickItem *>() : nullptr;
}

void tst_KivShell::setPage(int page)
{
    m_ui->pageManager()->setProperty("pageIndex", page);
}

void tst_KivShell::pressShortcut(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(m_ui->window(), key, modifiers);
}

QString tst_KivShell::shot(const QString &name)
{
    if (!m_ui->waitForRest())
        return QString();
    QCoreApplication::processEvents();
    const QString file = m_ui->screenshot(name);
    return file;
}

// Every page test's "no QML warnings" check relies on the fixture seeing them.
void tst_KivShell::fixture_collectsQmlWarnings()
{
    QQmlComponent component(m_ui->engine());
    component.setData("import QtQuick\nItem { Component.onCompleted: console.warn(\"fixture probe\") }",
                      QUrl(QStringLiteral("qrc:/probe/Probe.qml")));
    std::unique_ptr<QObject> probe(component.create(m_ui->context()));
    QVERIFY(probe);
    const QStringList messages = KivUiFixture::qmlMessages();
    QVERIFY2(std::any_of(messages.cbegin(), messages.cend(),
                         [](const QString &m) { return m.contains(QLatin1String("fixture probe")); }),
             qPrintable(messages.join(QLatin1Char('\n'))));
    KivUiFixture::clearQmlMessages();
}

void tst_KivShell::qmlFiles_everyFileCreatesWithoutWarnings()
{
    const QStringList files = resourceQmlFiles();
    QVERIFY(files.contains(QStringLiteral(":/qml/Connect/KivConnectionPage.qml")));
    QVERIFY(files.contains(QStringLiteral(":/Dependencies/Mirrel/qml/Popup/CustomPopup.qml")));

    QQuickItem host(m_ui->window()->contentItem());
    host.setObjectName(QStringLiteral("Host"));
    host.setSize(QSizeF(800, 600));
    host.setVisible(false);
    for (const QString &file : files) {
        QQmlComponent component(m_ui->engine(), QUrl(QStringLiteral("qrc") + file));
        QVERIFY2(component.isReady(), qPrintable(file + QLatin1Char(' ') + component.errorString()));
        QObject *object = component.beginCreate(m_ui->context());
        QVERIFY2(object, qPrintable(file + QLatin1Char(' ') + component.errorString()));
        if (auto *item = qobject_cast<QQuickItem *>(object))
            item->setParentItem(&host);
        component.completeCreate();
        QCoreApplication::processEvents();
        delete object;
        const QStringList messages = KivUiFixture::qmlMessages();
        QVERIFY2(messages.isEmpty(), qPrintable(file + QLatin1Char('\n') + messages.join(QLatin1Char('\n'))));
    }
}

void tst_KivShell::pageSwitcher_pagesPollingAndCommands()
{
    QObject *kiv = m_ui->backend();
    QObject *pages = m_ui->pageManager();
    QTRY_VERIFY(currentPage());
    QCOMPARE(currentPage()->objectName(), kMainView + QStringLiteral("ConnectionPage"));
    QVERIFY(!kiv->property("doPoll").toBool());

    // Polling runs exactly while the live data group is shown.
    setPage(MonitoringPage);
    QTRY_COMPARE(currentPage()->objectName(), kMainView + QStringLiteral("MonitoringPage"));
    QVERIFY(kiv->property("doPoll").toBool());
    setPage(AboutPage);
    QTRY_COMPARE(currentPage()->objectName(), kMainView + QStringLiteral("AboutPage"));
    QVERIFY(!kiv->property("doPoll").toBool());

    // An index without a page of its own gets the placeholder.
    setPage(InvalidConnect);
    QTRY_COMPARE(currentPage()->objectName(), kMainView + QStringLiteral("DefaultPage"));

    // The manual only opens the browser; the page shown stays the same object.
    setPage(AboutPage);
    QTRY_COMPARE(currentPage()->objectName(), kMainView + QStringLiteral("AboutPage"));
    QPointer<QQuickItem> about = currentPage();
    setPage(ManualCommand);
    QTRY_COMPARE(pages->property("pageIndex").toInt(), int(AboutPage));
    QCOMPARE(currentPage(), about.data());

    // Disconnecting leaves simulation, drops the link and shows the connection page.
    kiv->setProperty("connected", true);
    setPage(DisconnectCommand);
    QTRY_COMPARE(pages->property("pageIndex").toInt(), int(ConnectionPage));
    QTRY_VERIFY(!kiv->property("connected").toBool());
    QVERIFY(!kiv->property("testMode").toBool());
    QTRY_COMPARE(currentPage()->objectName(), kMainView + QStringLiteral("ConnectionPage"));
}

void tst_KivShell::drawer_specialFollowsClearanceAndSimulateHidesWhenConnected()
{
    QObject *kiv = m_ui->backend();
    const QString group = QStringLiteral("KivPluginNavigationDesktopPanelTopEntry0Sub");
    setPage(ConnectionPage);
    QQuickItem *special = m_ui->item(group + QStringLiteral("Entry") + QString::number(SpecialPage));
    QQuickItem *simulate = m_ui->item(group + QStringLiteral("Entry") + QString::number(SimulatePage));
    QVERIFY(special);
    QVERIFY(simulate);

    QVERIFY(!special->isVisible());
    pressShortcut(Qt::Key_1, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    QTRY_COMPARE(kiv->property("clearance").toInt(), 1);
    QTRY_VERIFY(special->isVisible());
    pressShortcut(Qt::Key_2, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    QTRY_COMPARE(kiv->property("clearance").toInt(), 2);
    QVERIFY(special->isVisible());
    pressShortcut(Qt::Key_0, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    QTRY_COMPARE(kiv->property("clearance").toInt(), 0);
    QTRY_VERIFY(!special->isVisible());

    // The internal sub-page is not offered to users even when it is the stored sub-page.
    m_ui->pageManager()->setProperty("connectionPageIndex", SpecialPage);
    QTRY_VERIFY(m_ui->visibleItemEndingWith(QStringLiteral("SubPageSerialFormConnectButton")));
    kiv->setProperty("clearance", 1);
    QTRY_VERIFY(m_ui->visibleItemEndingWith(QStringLiteral("SubPageSpecialNoDevice")));

    QVERIFY(simulate->isVisible());
    kiv->setProperty("connected", true);
    QTRY_VERIFY(!simulate->isVisible());
    kiv->setProperty("connected", false);
    QTRY_VERIFY(simulate->isVisible());
}

void tst_KivShell::connectionLoss_returnsToConnectionPageOnlyAtLevelZero()
{
    QObject *kiv = m_ui->backend();
    QObject *pages = m_ui->pageManager();
    for (int level : {1, 2}) {
        kiv->setProperty("clearance", level);
        kiv->setProperty("connected", true);
        setPage(MonitoringPage);
        kiv->setProperty("connected", false);
        QCoreApplication::processEvents();
        QCOMPARE(pages->property("pageIndex").toInt(), int(MonitoringPage));
    }
    kiv->setProperty("clearance", 0);
    kiv->setProperty("connected", true);
    setPage(AboutPage);
    kiv->setProperty("connected", false);
    QTRY_COMPARE(pages->property("pageIndex").toInt(), int(ConnectionPage));
    QTRY_COMPARE(currentPage()->objectName(), kMainView + QStringLiteral("ConnectionPage"));
}

void tst_KivShell::popups_followBackendSignals()
{
    QObject *kiv = m_ui->backend();
    QObject *factory = m_ui->item(QStringLiteral("KivPluginPopups"))
                           ->findChild<QObject *>(QStringLiteral("KivPluginPopupsFactoryReset"));
    QObject *wait = m_ui->root()->findChild<QObject *>(QStringLiteral("KivPluginPopupsWait"));
    QObject *connect = m_ui->root()->findChild<QObject *>(QStringLiteral("KivPluginPopupsConnectAndLoad"));
    QObject *unknown = m_ui->root()->findChild<QObject *>(QStringLiteral("KivPluginPopupsUnknownFile"));
    QObject *emergency = m_ui->root()->findChild<QObject *>(QStringLiteral("KivPluginPopupsEmergency"));
    QVERIFY(factory && wait && connect && unknown && emergency);

    QVERIFY(QMetaObject::invokeMethod(kiv, "factoryResetChecked", Q_ARG(bool, false)));
    QTRY_VERIFY(factory->property("opened").toBool());
    QCOMPARE(factory->property("text").toString(), QStringLiteral("Einstellungen wurden nicht übernommen"));
    QVERIFY(QMetaObject::invokeMethod(kiv, "factoryResetChecked", Q_ARG(bool, true)));
    QCOMPARE(factory->property("text").toString(), QStringLiteral("Einstellungen erfolgreich übernommen"));

    QVERIFY(QMetaObject::invokeMethod(kiv, "changeUnitSystemStart"));
    QTRY_VERIFY(wait->property("opened").toBool());
    QVERIFY(QMetaObject::invokeMethod(kiv, "changeUnitSystemDone"));
    QTRY_VERIFY(!wait->property("visible").toBool());

    QVERIFY(QMetaObject::invokeMethod(kiv, "unknownFileOrigin", Q_ARG(QString, QStringLiteral("/tmp/x.json"))));
    QTRY_VERIFY(unknown->property("opened").toBool());
    QCOMPARE(unknown->property("file").toString(), QStringLiteral("/tmp/x.json"));

    kiv->setProperty("isLoadingFromDisc", true);
    QTRY_VERIFY(connect->property("opened").toBool());
    kiv->setProperty("isLoadingFromDisc", false);

    // The emergency pop-up replaces every other one and cannot be dismissed by Escape.
    QVERIFY(QMetaObject::invokeMethod(kiv, "showEmergencyPopup"));
    QTRY_VERIFY(emergency->property("opened").toBool());
    QTRY_VERIFY(!factory->property("visible").toBool());
    QTRY_VERIFY(!unknown->property("visible").toBool());
    QTRY_VERIFY(!connect->property("visible").toBool());
    QTest::keyClick(m_ui->window(), Qt::Key_Escape);
    QVERIFY(emergency->property("opened").toBool());
    kiv->setProperty("emergencyMode", true);
    QTRY_COMPARE(m_ui->pageManager()->property("pageIndex").toInt(), 9);
    kiv->setProperty("connected", true);
    auto *cancel = emergency->findChild<QQuickItem *>(QStringLiteral("KivPluginPopupsEmergencyRejectButton"));
    QVERIFY(cancel);
    QVERIFY(QMetaObject::invokeMethod(cancel, "clicked"));
    QTRY_VERIFY(!emergency->property("visible").toBool());
    QTRY_VERIFY(!kiv->property("connected").toBool());
}

void tst_KivShell::connectTimeout_disconnectsAndListsError()
{
    QObject *kiv = m_ui->backend();
    QObject *popups = m_ui->root()->findChild<QObject *>(QStringLiteral("KivPluginPopups"));
    QObject *connect = m_ui->root()->findChild<QObject *>(QStringLiteral("KivPluginPopupsConnectAndLoad"));
    QObject *error = m_ui->root()->findChild<QObject *>(QStringLiteral("KivPluginPopupsError"));
    QVERIFY(popups && connect && error);
    const QVariant previous = popups->property("connectTimeoutMs");
    popups->setProperty("connectTimeoutMs", 200);

    // A read that stands still: progress below the maximum and no answer coming.
    kiv->setProperty("maximum", 10);
    kiv->setProperty("progress", 0);
    QVERIFY(QMetaObject::invokeMethod(kiv, "sendModbusID", Q_ARG(int, 1)));
    QTRY_VERIFY(connect->property("opened").toBool());
    QTRY_VERIFY2(m_ui->errors()
                     ->property("errorMsg")
                     .toStringList()
                     .contains(QStringLiteral("Timeout beim Verbindungsversuch!")),
                 qPrintable(m_ui->errors()->property("errorMsg").toStringList().join(QLatin1Char('|'))));
    QTRY_VERIFY(error->property("opened").toBool());
    QTRY_VERIFY(!connect->property("visible").toBool());
    QVERIFY(!kiv->property("connected").toBool());

    // Confirming the error pop-up empties the list it showed.
    auto *ok = error->findChild<QQuickItem *>(QStringLiteral("KivPluginPopupsErrorAcceptButton"));
    QVERIFY(ok);
    QVERIFY(QMetaObject::invokeMethod(ok, "clicked"));
    QTRY_VERIFY(m_ui->errors()->property("errorMsg").toStringList().isEmpty());

    popups->setProperty("connectTimeoutMs", previous);
    kiv->setProperty("progress", 10);
}

void tst_KivShell::simulation_reachesLivePageWithScreenshots_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("connectionTitle");
    QTest::addColumn<QString>("infoTitle");
    QTest::addColumn<QString>("liveTitle");
    QTest::newRow("de") << false << QStringLiteral("VERBINDUNGSMANAGER") << QStringLiteral("GERÄTEINFORMATIONEN")
                        << QStringLiteral("LIVE-DATEN");
    QTest::newRow("en") << true << QStringLiteral("CONNECTION MANAGER") << QStringLiteral("DEVICE INFORMATION")
                        << QStringLiteral("LIVE DATA");
}

void tst_KivShell::simulation_reachesLivePageWithScreenshots()
{
    QFETCH(bool, english);
    QFETCH(QString, connectionTitle);
    QFETCH(QString, infoTitle);
    QFETCH(QString, liveTitle);
    const QString lang = english ? QStringLiteral("en") : QStringLiteral("de");
    QObject *kiv = m_ui->backend();
    QObject *pages = m_ui->pageManager();
    m_ui->setLanguage(english);

    setPage(ConnectionPage);
    QTRY_COMPARE(text(m_ui->visibleItemEndingWith(QStringLiteral("ConnectionPageHeaderTitle"))), connectionTitle);
    QVERIFY(m_ui->visibleItemEndingWith(QStringLiteral("SerialFormPortBox")));
    QVERIFY(m_ui->visibleItemEndingWith(QStringLiteral("SerialFormConnectButton")));
    QVERIFY(m_ui->visibleItemEndingWith(QStringLiteral("TopEntry0Button")));
    QVERIFY(!shot(QStringLiteral("connection_") + lang).isEmpty());

    // The simulate entry asks first; "yes" starts the simulated device.
    auto *simulateEntry =
        m_ui->item(QStringLiteral("KivPluginNavigationDesktopPanelTopEntry0SubEntry") + QString::number(SimulatePage));
    QVERIFY(simulateEntry && simulateEntry->isVisible());
    QVERIFY(QMetaObject::invokeMethod(simulateEntry, "clicked"));
    QObject *question = nullptr;
    QTRY_VERIFY((question = m_ui->objectEndingWith(QStringLiteral("ConnectionPageSimulateQuestion"))) &&
                question->property("opened").toBool());
    auto *yes = question->findChild<QQuickItem *>(question->objectName() + QStringLiteral("AcceptButton"));
    QVERIFY(yes);
    QVERIFY(QMetaObject::invokeMethod(yes, "clicked"));
    QTRY_VERIFY_WITH_TIMEOUT(kiv->property("connected").toBool(), kConnectTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(pages->property("pageIndex").toInt(), int(MonitoringPage), kConnectTimeoutMs);

    pages->setProperty("monitoringPageIndex", InfoSubPage);
    QTRY_COMPARE(text(m_ui->visibleItemEndingWith(QStringLiteral("SubPageInfoHeaderTitle"))), infoTitle);
    QQuickItem *name = m_ui->visibleItemEndingWith(QStringLiteral("SubPageInfoNameValue"));
    QVERIFY(name);
    QTRY_VERIFY(!text(name).isEmpty() && text(name) != QStringLiteral("–"));
    QTRY_VERIFY(
        text(m_ui->visibleItemEndingWith(QStringLiteral("SubPageInfoMainVersionValue"))).contains(QLatin1Char('.')));
    QVERIFY(m_ui->visibleItemEndingWith(QStringLiteral("SubPageInfoSerialValue")));
    QVERIFY(m_ui->visibleItemEndingWith(QStringLiteral("SubPageInfoOptionBoardValue")));
    QVERIFY(!shot(QStringLiteral("deviceinfo_") + lang).isEmpty());

    pages->setProperty("monitoringPageIndex", LiveSubPage);
    QTRY_COMPARE(text(m_ui->visibleItemEndingWith(QStringLiteral("SubPageLiveHeaderTitle"))), liveTitle);
    QTRY_VERIFY(m_ui->visibleItemEndingWith(QStringLiteral("SubPageLiveTiles0Value")));
    QVERIFY(kiv->property("doPoll").toBool());
    QVERIFY(!text(m_ui->visibleItemEndingWith(QStringLiteral("SubPageLiveTiles0Measure"))).isEmpty());
    QVERIFY(!text(m_ui->visibleItemEndingWith(QStringLiteral("SubPageLiveTiles0Unit"))).isEmpty());
    QVERIFY(!shot(QStringLiteral("live_") + lang).isEmpty());

    // Once a device is there, simulation is no longer offered.
    QQuickItem *simulate =
        m_ui->item(QStringLiteral("KivPluginNavigationDesktopPanelTopEntry0SubEntry") + QString::number(SimulatePage));
    QVERIFY(simulate && !simulate->isVisible());
    m_ui->setLanguage(false);
}

void tst_KivShell::emulator_connectReadAndPollLiveValues()
{
    PtyPair pty;
    QVERIFY2(pty.start(), qPrintable(pty.errorString()));
    EmulatorProcess emulator;
    QVERIFY2(emulator.start(pty.deviceSide()), qPrintable(emulator.errorString()));

    QObject *kiv = m_ui->backend();
    QObject *pages = m_ui->pageManager();
    setPage(ConnectionPage);
    auto *portBox = m_ui->visibleItemEndingWith(QStringLiteral("SerialFormPortBox"));
    auto *connectButton = m_ui->visibleItemEndingWith(QStringLiteral("SerialFormConnectButton"));
    QVERIFY(portBox && connectButton);
    // A pty is not enumerated: the technician types its path.
    portBox->setProperty("editText", pty.appSide());
    QVERIFY(QMetaObject::invokeMethod(connectButton, "clicked"));
    QTRY_VERIFY_WITH_TIMEOUT(kiv->property("connected").toBool(), kConnectTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(pages->property("pageIndex").toInt(), int(MonitoringPage), kConnectTimeoutMs);
    QTRY_VERIFY(
        m_ui->item(QStringLiteral("KivPluginNavigationDesktopPanelTopEntry0SubEntry") + QString::number(SimulatePage))
            ->isVisible() == false);

    pages->setProperty("monitoringPageIndex", LiveSubPage);
    QQuickItem *value = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((value = m_ui->visibleItemEndingWith(QStringLiteral("SubPageLiveTiles0Value"))),
                             kConnectTimeoutMs);
    // The emulator's values drift; polling must carry a change onto the page.
    const QString first = text(value);
    QTRY_VERIFY_WITH_TIMEOUT(text(value) != first, kConnectTimeoutMs);

    // Ctrl+R resets the device: a reset command goes out while polling is off.
    setPage(AboutPage);
    QSignalSpy writes(kiv, SIGNAL(writeSingleRegister(uint, ushort)));
    pressShortcut(Qt::Key_R, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(
        std::any_of(writes.cbegin(), writes.cend(), [](const QList<QVariant> &w) { return w.at(0).toUInt() == 60; }),
        kConnectTimeoutMs);

    // Ctrl+P writes the register image as a text file onto the desktop.
    pressShortcut(Qt::Key_P, Qt::ControlModifier);
    const QDir desktop(m_ui->dataDir() + QStringLiteral("/Desktop"));
    QTRY_VERIFY(!desktop.entryList({QStringLiteral("DeviceData*.txt")}, QDir::Files).isEmpty());

    QVERIFY(QMetaObject::invokeMethod(kiv, "disconnectDevice"));
    QTRY_VERIFY(!kiv->property("connected").toBool());
}

// A device that stops answering: technicians at the internal levels keep the page they work on,
// users return to the connection page.
void tst_KivShell::emulatorLost_pageKeptOnlyAtInternalLevels()
{
    QObject *kiv = m_ui->backend();
    QObject *pages = m_ui->pageManager();
    // The plain loss, without the wait for the device to come back.
    BaseSettings::writeValue(QStringLiteral("General/reconnectSeconds"), 0);
    for (int level : {1, 2, 0}) {
        PtyPair pty;
        QVERIFY2(pty.start(), qPrintable(pty.errorString()));
        EmulatorProcess emulator;
        QVERIFY2(emulator.start(pty.deviceSide()), qPrintable(emulator.errorString()));
        QMetaObject::invokeMethod(m_ui->errors(), "clearErrors");
        kiv->setProperty("clearance", level);
        kiv->setProperty("timeout", 200);
        kiv->setProperty("retries", 0);
        setPage(ConnectionPage);
        auto *portBox = m_ui->visibleItemEndingWith(QStringLiteral("SerialFormPortBox"));
        auto *connectButton = m_ui->visibleItemEndingWith(QStringLiteral("SerialFormConnectButton"));
        QVERIFY(portBox && connectButton);
        portBox->setProperty("editText", pty.appSide());
        QVERIFY(QMetaObject::invokeMethod(connectButton, "clicked"));
        QTRY_VERIFY_WITH_TIMEOUT(kiv->property("connected").toBool(), kConnectTimeoutMs);
        const int expectedAfterRead = level == 0 ? int(MonitoringPage) : int(ConnectionPage);
        QTRY_COMPARE_WITH_TIMEOUT(pages->property("pageIndex").toInt(), expectedAfterRead, kConnectTimeoutMs);
        if (level > 0)
            setPage(AboutPage);
        pages->setProperty("monitoringPageIndex", LiveSubPage);
        kiv->setProperty("doPoll", true);

        emulator.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!kiv->property("connected").toBool(), kConnectTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_ui->errors()->property("hasErrors").toBool(), kConnectTimeoutMs);
        if (level > 0) {
            QCoreApplication::processEvents();
            QCOMPARE(pages->property("pageIndex").toInt(), int(AboutPage));
        } else {
            QTRY_COMPARE(pages->property("pageIndex").toInt(), int(ConnectionPage));
        }
    }
    kiv->setProperty("timeout", 1000);
    kiv->setProperty("retries", 3);
}

QTEST_MAIN(tst_KivShell)
#include "tst_KivShell.moc"
