#include "EmulatorProcess.h"
#include "KivUiFixture.h"
#include "PtyPair.h"

#include <QAbstractItemModel>
#include <QQuickWindow>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

// Page indices as the plugin numbers them.
enum Page {
    ConnectionPage = 0,
    MonitoringPage = 1,
    OutputPage = 2,
    RelaisPage = 3,
    LcdPage = 4,
    TlfPage = 5,
    Rs485Page = 6,
    OffsetPage = 7,
    ServicePage = 8,
    UpdatePage = 9,
    ExpertPage = 10,
    DisconnectCommand = 15,
    ManualCommand = 16,
    GoHomeCommand = 17,
    AboutPage = 18,
    LiveSubPage = 26,
    OutputsSubPage = 28,
    GeneralSubPage = 29,
    RelaisSubPage = 31,
    ForceSubPage = 32,
    ServiceSubPage = 34,
    ContactSubPage = 35,
    LoraPage = 13
};


constexpr int kConnectTimeoutMs = 20000;
constexpr int kWriteTimeoutMs = 8000;
const QString kMainView = QStringLiteral("KivPluginMainView");
const QString kDrawer = QStringLiteral("KivPluginNavigationDesktopPanel");

// Device registers the pages must reach.
constexpr int kMinVoltageRegister = 32;
constexpr int kHoursToMaintenance = 40;
constexpr int kHoursToCalibration = 42;
constexpr int kMaintenanceInterval = 44;
constexpr int kCalibrationInterval = 46;
constexpr int kRelay1 = 146;
constexpr int kRelay2 = 160;
constexpr int kRelayStates = 2;
constexpr int kRelayThreshold1 = 8;
constexpr int kRelayHysteresis = 12;

int blockRegister(int block, int offset)
{
    return 1000 + 100 * block + offset;
}

QList<QObject *> objects(const QObject *owner, const char *property)
{
    return owner->property(property).value<QList<QObject *>>();
}

QString text(const QQuickItem *item)
{
    return item ? item->property("text").toString() : QString();
}

} // namespace

class tst_KivDevicePages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void outputs_assignmentRangeAndSpanReachTheDevice();
    void relais_settingsAndForcingReachTheDeviceAndAreRestored();
    void offset_withinRangeWrittenOutsideRefused();
    void service_intervalsWritten();
    void drawer_everyEntryOfEveryVariantOpensARealPage_data();
    void drawer_everyEntryOfEveryVariantOpensARealPage();
    void mobileLayout_narrowWindowShowsHeaderAndFooter();

private:
    void connectEmulator(const QString &variant);
    quint16 deviceRegister(int reg) const;
    QQuickItem *currentPage() const;
    QQuickItem *pageItem(const QString &suffix) const;
    void setPage(int page);
    void click(QQuickItem *item);
    void checkRealPage(const QString &where);
    void shots(const QString &name);

    std::unique_ptr<KivUiFixture> m_ui;
    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<EmulatorProcess> m_emulator;
};

void tst_KivDevicePages::initTestCase()
{
    m_ui = std::make_unique<KivUiFixture>();
    qputenv("HOME", m_ui->dataDir().toUtf8());
    QVERIFY2(m_ui->setUp(), qPrintable(m_ui->errorString()));
    QVERIFY2(m_ui->createRoot(), qPrintable(m_ui->errorString()));
    QVERIFY(QTest::qWaitForWindowExposed(m_ui->window()));
}

void tst_KivDevicePages::init()
{
    KivUiFixture::clearQmlMessages();
}

void tst_KivDevicePages::cleanup()
{
    QObject *kiv = m_ui->backend();
    if (kiv->property("connected").toBool())
        QMetaObject::invokeMethod(kiv, "disconnectDevice");
    QTRY_VERIFY(!kiv->property("connected").toBool());
    // The back end drops the device's blocks once the link has gone; only then may the emulator go.
    QTRY_VERIFY_WITH_TIMEOUT(objects(kiv, "dataBlocks").isEmpty(), kConnectTimeoutMs);
    m_emulator.reset();
    m_pty.reset();
    m_ui->setLanguage(false);
    m_ui->pageManager()->setProperty("pageIndex", ConnectionPage);
    // Leaving a page may still report something from its last deferred calls.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const QStringList messages = KivUiFixture::qmlMessages();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

void tst_KivDevicePages::connectEmulator(const QString &variant)
{
    m_pty = std::make_unique<PtyPair>();
    QVERIFY2(m_pty->start(), qPrintable(m_pty->errorString()));
    m_emulator = std::make_unique<EmulatorProcess>();
    QVERIFY2(m_emulator->start(m_pty->deviceSide(), {QStringLiteral("--variant"), variant}),
             qPrintable(m_emulator->errorString()));

    QObject *kiv = m_ui->backend();
    setPage(ConnectionPage);
    QQuickItem *portBox = nullptr;
    QTRY_VERIFY((portBox = m_ui->visibleItemEndingWith(QStringLiteral("SerialFormPortBox"))));
    auto *connectButton = m_ui->visibleItemEndingWith(QStringLiteral("SerialFormConnectButton"));
    QVERIFY(connectButton);
    portBox->setProperty("editText", m_pty->appSide());
    QVERIFY(QMetaObject::invokeMethod(connectButton, "clicked"));
    QTRY_VERIFY_WITH_TIMEOUT(kiv->property("connected").toBool(), kConnectTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(m_ui->pageManager()->property("pageIndex").toInt(), int(MonitoringPage),
                              kConnectTimeoutMs);
    QTRY_VERIFY(kiv->property("updateOngoing").toBool());
}

quint16 tst_KivDevicePages::deviceRegister(int reg) const
{
    const QList<quint16> registers = m_emulator->registers();
    return reg < registers.size() ? registers.at(reg) : 0xFFFF;
}

QQuickItem *tst_KivDevicePages::currentPage() const
{
    QQuickItem *view = m_ui->item(kMainView);
    return view ? view->property("currentItem").value<QQuickItem *>() : nullptr;
}

QQuickItem *tst_KivDevicePages::pageItem(const QString &suffix) const
{
    return m_ui->visibleItemEndingWith(suffix);
}

void tst_KivDevicePages::setPage(int page)
{
    m_ui->pageManager()->setProperty("pageIndex", page);
}

void tst_KivDevicePages::click(QQuickItem *item)
{
    QVERIFY(item);
    QVERIFY(item->isEnabled());
    QVERIFY(QMetaObject::invokeMethod(item, "clicked"));
}

void tst_KivDevicePages::checkRealPage(const QString &where)
{
    QTRY_VERIFY2(currentPage(), qPrintable(where));
    const QString name = currentPage()->objectName();
    QVERIFY2(!name.endsWith(QLatin1String("DefaultPage")), qPrintable(where + QStringLiteral(": placeholder")));
    const QStringList messages = KivUiFixture::qmlMessages();
    QVERIFY2(messages.isEmpty(), qPrintable(where + QLatin1Char('\n') + messages.join(QLatin1Char('\n'))));
}

void tst_KivDevicePages::shots(const QString &name)
{
    for (bool english : {false, true}) {
        m_ui->setLanguage(english);
        QVERIFY(m_ui->waitForRest());
        QVERIFY(!m_ui->screenshot(name + (english ? QStringLiteral("_en") : QStringLiteral("_de"))).isEmpty());
    }
    m_ui->setLanguage(false);
}

void tst_KivDevicePages::outputs_assignmentRangeAndSpanReachTheDevice()
{
    connectEmulator(QStringLiteral("standard"));
    QObject *kiv = m_ui->backend();
    m_ui->pageManager()->setProperty("outputPageIndex", OutputsSubPage);
    setPage(OutputPage);
    QTRY_COMPARE(currentPage()->objectName(), kMainView + QStringLiteral("OutputPage"));
    QTRY_VERIFY(pageItem(QStringLiteral("SubPageOutputsOutput3Source")));
    QVERIFY(!kiv->property("doPoll").toBool());

    // Output 1 carries the temperature (block 0); the dew point (block 4) is offered as well.
    QQuickItem *source = pageItem(QStringLiteral("SubPageOutputsOutput0Source"));
    const QStringList options = source->property("model").toStringList();
    QCOMPARE(options.size(), 6);
    QCOMPARE(source->property("currentIndex").toInt(), 1);
    QCOMPARE(deviceRegister(blockRegister(0, 24)), quint16(1));
    shots(QStringLiteral("output_outputs"));

    // A language change rebuilds the list of outputs: find the control again.
    QTRY_VERIFY((source = pageItem(QStringLiteral("SubPageOutputsOutput0Source"))));
    QSignalSpy busy(kiv, SIGNAL(outputBusyChanged()));
    QVERIFY(QMetaObject::invokeMethod(source, "activated", Q_ARG(int, 2)));
    QVERIFY(kiv->property("outputBusy").toBool());
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(blockRegister(4, 24)), quint16(1), kWriteTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(blockRegister(0, 24)), quint16(0), kWriteTimeoutMs);
    QTRY_COMPARE(pageItem(QStringLiteral("SubPageOutputsOutput0Source"))->property("currentIndex").toInt(), 2);
    QTRY_VERIFY(!kiv->property("outputBusy").toBool());
    QCOMPARE(busy.count(), 2);

    // Taking the output away again leaves it without a source.
    source = pageItem(QStringLiteral("SubPageOutputsOutput0Source"));
    QVERIFY(QMetaObject::invokeMethod(source, "activated", Q_ARG(int, 0)));
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(blockRegister(4, 24)), quint16(0), kWriteTimeoutMs);

    // Another measuring range of an output goes to its block's range registers.
    QQuickItem *range = nullptr;
    int block = 1;
    for (; block < 4; ++block) {
        range = pageItem(QStringLiteral("SubPageOutputsOutput%1Range").arg(block));
        if (range && range->isEnabled() && range->property("count").toInt() > 1)
            break;
    }
    QVERIFY2(block < 4, "no output offers a second measuring range");
    const int newRange = (range->property("currentIndex").toInt() + 1) % range->property("count").toInt();
    const quint16 lowerBefore = deviceRegister(blockRegister(block, 16));
    const quint16 upperBefore = deviceRegister(blockRegister(block, 18));
    QVERIFY(QMetaObject::invokeMethod(range, "activated", Q_ARG(int, newRange)));
    QTRY_VERIFY_WITH_TIMEOUT(deviceRegister(blockRegister(block, 18)) != upperBefore ||
                                 deviceRegister(blockRegister(block, 16)) != lowerBefore,
                             kWriteTimeoutMs);

    // The voltage span of all outputs.
    m_ui->pageManager()->setProperty("outputPageIndex", GeneralSubPage);
    QQuickItem *span = nullptr;
    QTRY_VERIFY((span = pageItem(QStringLiteral("SubPageGeneralSignalSpan"))));
    QCOMPARE(span->property("count").toInt(), 3);
    shots(QStringLiteral("output_general"));
    QVERIFY(QMetaObject::invokeMethod(span, "activated", Q_ARG(int, 2)));
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kMinVoltageRegister), quint16(2), kWriteTimeoutMs);

    // An altitude outside the device's range is refused on the page.
    const int altitude = kiv->property("hoehe").toInt();
    pageItem(QStringLiteral("SubPageGeneralSiteAltitude"))->setProperty("text", QStringLiteral("-5"));
    click(pageItem(QStringLiteral("SubPageGeneralSiteAltitudeApply")));
    QVERIFY(!text(pageItem(QStringLiteral("SubPageGeneralSiteAltitudeMessage"))).isEmpty());
    QCOMPARE(kiv->property("hoehe").toInt(), altitude);
}

void tst_KivDevicePages::relais_settingsAndForcingReachTheDeviceAndAreRestored()
{
    connectEmulator(QStringLiteral("relay"));
    QObject *kiv = m_ui->backend();
    QObject *pages = m_ui->pageManager();
    pages->setProperty("relaisPageIndex", RelaisSubPage);
    setPage(RelaisPage);
    QTRY_VERIFY(pageItem(QStringLiteral("SubPageSettingsRelay1Channel")));
    QCOMPARE(pageItem(QStringLiteral("SubPageSettingsRelay1Channel"))->property("currentIndex").toInt(), 3);
    shots(QStringLiteral("relais_settings"));

    // Relay 1 follows the humidity from now on, with new thresholds and hysteresis.
    QVERIFY(QMetaObject::invokeMethod(pageItem(QStringLiteral("SubPageSettingsRelay0Channel")), "activated",
                                      Q_ARG(int, 2)));
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kRelay1), quint16(2), kWriteTimeoutMs);
    QQuickItem *on = pageItem(QStringLiteral("SubPageSettingsRelay0On"));
    on->setProperty("text", QStringLiteral("60"));
    QVERIFY(QMetaObject::invokeMethod(on, "editingFinished"));
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kRelay1 + kRelayThreshold1), quint16(60), kWriteTimeoutMs);
    QQuickItem *hysteresis = pageItem(QStringLiteral("SubPageSettingsRelay0Hysteresis"));
    hysteresis->setProperty("text", QStringLiteral("3"));
    QVERIFY(QMetaObject::invokeMethod(hysteresis, "editingFinished"));
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kRelay1 + kRelayHysteresis), quint16(3), kWriteTimeoutMs);
    // A negative hysteresis is refused and nothing is sent.
    hysteresis->setProperty("text", QStringLiteral("-2"));
    QVERIFY(QMetaObject::invokeMethod(hysteresis, "editingFinished"));
    QVERIFY(!text(pageItem(QStringLiteral("SubPageSettingsRelay0Message"))).isEmpty());
    QObject *relay1 = objects(kiv, "relais").value(0);
    QCOMPARE(relay1->property("hysteresis").toInt(), 3);

    // Forcing relay 1 open writes the switching values and clears the hysteresis.
    pages->setProperty("relaisPageIndex", ForceSubPage);
    QTRY_VERIFY(pageItem(QStringLiteral("SubPageForceRelay0Open")));
    click(pageItem(QStringLiteral("SubPageForceRelay0Open")));
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kRelay1 + kRelayStates), quint16(1), kWriteTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kRelay1 + kRelayHysteresis), quint16(0), kWriteTimeoutMs);
    QTRY_VERIFY(relay1->property("forced").toBool());
    shots(QStringLiteral("relais_force"));

    // A full read meanwhile must not make the forced values the relay's own settings.
    QVERIFY(QMetaObject::invokeMethod(kiv, "getAllData"));
    QVERIFY(!kiv->property("updateOngoing").toBool());
    QTRY_VERIFY_WITH_TIMEOUT(kiv->property("updateOngoing").toBool(), kConnectTimeoutMs);
    QCOMPARE(relay1->property("hysteresis").toInt(), 3);
    QCOMPARE(relay1->property("relaisState1").toInt(), 0);

    // Leaving the force page (for the live page, which polls) restores the settings.
    setPage(MonitoringPage);
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kRelay1 + kRelayHysteresis), quint16(3), kWriteTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kRelay1 + kRelayStates), quint16(0), kWriteTimeoutMs);
    QVERIFY(!relay1->property("forced").toBool());

    // A relay still forced when the device is disconnected is restored before the link goes.
    setPage(RelaisPage);
    QTRY_VERIFY(pageItem(QStringLiteral("SubPageForceRelay1Close")));
    click(pageItem(QStringLiteral("SubPageForceRelay1Close")));
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kRelay2 + kRelayHysteresis), quint16(0), kWriteTimeoutMs);
    QVERIFY(QMetaObject::invokeMethod(kiv, "disconnectDevice"));
    QTRY_VERIFY(!kiv->property("connected").toBool());
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kRelay2 + kRelayHysteresis), quint16(50), kWriteTimeoutMs);
}

void tst_KivDevicePages::offset_withinRangeWrittenOutsideRefused()
{
    connectEmulator(QStringLiteral("standard"));
    setPage(OffsetPage);
    QTRY_VERIFY(pageItem(QStringLiteral("OffsetPageContentRow0Value")));
    QObject *temperature = objects(m_ui->backend(), "dataBlocks").value(0);

    QQuickItem *value = pageItem(QStringLiteral("OffsetPageContentRow0Value"));
    value->setProperty("text", QStringLiteral("2"));
    click(pageItem(QStringLiteral("OffsetPageContentRow0Apply")));
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(blockRegister(0, 20)), quint16(2), kWriteTimeoutMs);
    QVERIFY(text(pageItem(QStringLiteral("OffsetPageContentRow0Message"))).isEmpty());

    // A temperature offset beyond 3 K, or a fraction, is refused and nothing changes.
    for (const QString &refused : {QStringLiteral("5"), QStringLiteral("-4"), QStringLiteral("1,5")}) {
        value->setProperty("text", refused);
        click(pageItem(QStringLiteral("OffsetPageContentRow0Apply")));
        QVERIFY2(!text(pageItem(QStringLiteral("OffsetPageContentRow0Message"))).isEmpty(), qPrintable(refused));
        QCOMPARE(temperature->property("offset").toInt(), 2);
    }

    // The CO2 channel allows far more.
    pageItem(QStringLiteral("OffsetPageContentRow2Value"))->setProperty("text", QStringLiteral("-120"));
    click(pageItem(QStringLiteral("OffsetPageContentRow2Apply")));
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(blockRegister(2, 20)), quint16(-120), kWriteTimeoutMs);
    // The dew point has no correction range at all.
    QVERIFY(!pageItem(QStringLiteral("OffsetPageContentRow4Value")));
    QVERIFY(pageItem(QStringLiteral("OffsetPageContentRow4Range")));
    QCOMPARE(deviceRegister(blockRegister(0, 20)), quint16(2));
    shots(QStringLiteral("offset"));
}

void tst_KivDevicePages::service_intervalsWritten()
{
    connectEmulator(QStringLiteral("standard"));
    m_ui->pageManager()->setProperty("servicePageIndex", ServiceSubPage);
    setPage(ServicePage);
    QQuickItem *maintenance = nullptr;
    QTRY_VERIFY((maintenance = pageItem(QStringLiteral("SubPageServiceMaintenanceInterval"))));
    QCOMPARE(maintenance->property("value").toInt(), 12);
    QVERIFY(!text(pageItem(QStringLiteral("SubPageServiceMaintenanceLastValue"))).isEmpty());
    shots(QStringLiteral("service"));

    QVERIFY(QMetaObject::invokeMethod(maintenance, "setValue", Q_ARG(QVariant, 6)));
    click(pageItem(QStringLiteral("SubPageServiceMaintenanceApply")));
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kMaintenanceInterval), quint16(6), kWriteTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kHoursToMaintenance), quint16(6 * 720), kWriteTimeoutMs);

    QQuickItem *calibration = pageItem(QStringLiteral("SubPageServiceCalibrationInterval"));
    QVERIFY(QMetaObject::invokeMethod(calibration, "setValue", Q_ARG(QVariant, 36)));
    click(pageItem(QStringLiteral("SubPageServiceCalibrationApply")));
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kCalibrationInterval), quint16(36), kWriteTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(kHoursToCalibration), quint16(36 * 720), kWriteTimeoutMs);
    QCOMPARE(m_ui->backend()->property("intervalKalibrierung").toInt(), 36);

    // An interval of zero months would switch the reminder off: not offered.
    QVERIFY(QMetaObject::invokeMethod(calibration, "setValue", Q_ARG(QVariant, 0)));
    QTRY_VERIFY(!pageItem(QStringLiteral("SubPageServiceCalibrationApply"))->isEnabled());

    m_ui->pageManager()->setProperty("servicePageIndex", ContactSubPage);
    QTRY_VERIFY(pageItem(QStringLiteral("SubPageContactMailValue")));
    shots(QStringLiteral("service_contact"));
}

void tst_KivDevicePages::drawer_everyEntryOfEveryVariantOpensARealPage_data()
{
    QTest::addColumn<QString>("variant");
    for (const char *variant : {"standard", "relay", "modbus", "bacnet", "lora"})
        QTest::newRow(variant) << QString::fromLatin1(variant);
}

void tst_KivDevicePages::drawer_everyEntryOfEveryVariantOpensARealPage()
{
    QFETCH(QString, variant);
    connectEmulator(variant);
    if (QTest::currentTestFailed())
        return;
    QObject *pages = m_ui->pageManager();
    const auto pagesOf = [pages](const char *model) {
        QList<int> list;
        auto *items = pages->property(model).value<QAbstractItemModel *>();
        for (int row = 0; items && row < items->rowCount(); ++row)
            list.append(items->data(items->index(row, 0), Qt::UserRole + 2).toInt());
        return list;
    };

    const QList<int> top = pagesOf("navModelTop");
    QVERIFY(top.contains(OutputPage) && top.contains(OffsetPage) && top.contains(ServicePage));
    QCOMPARE(top.contains(RelaisPage), variant == QLatin1String("relay"));
    for (int page : top) {
        const QString entry = kDrawer + QStringLiteral("TopEntry") + QString::number(page);
        click(m_ui->item(entry + QStringLiteral("Button")));
        QTRY_COMPARE(pages->property("pageIndex").toInt(), page);
        checkRealPage(variant + QLatin1Char(' ') + entry);
        // Every visible sub-entry of the group.
        QQuickItem *repeater = m_ui->item(entry + QStringLiteral("SubRepeater"));
        const int subCount = repeater ? repeater->property("count").toInt() : 0;
        for (int i = 0; i < subCount; ++i) {
            QQuickItem *sub = nullptr;
            QVERIFY(QMetaObject::invokeMethod(repeater, "itemAt", Q_RETURN_ARG(QQuickItem *, sub), Q_ARG(int, i)));
            if (!sub || sub->property("hidden").toBool())
                continue;
            click(sub);
            checkRealPage(variant + QLatin1Char(' ') + sub->objectName());
            QVERIFY(!m_ui->visibleItemEndingWith(QStringLiteral("DefaultPageHeader")));
        }
    }

    const QSet<int> commands = {DisconnectCommand, ManualCommand, GoHomeCommand};
    for (int page : pagesOf("navModelBottom")) {
        if (commands.contains(page))
            continue;
        const QString entry = kDrawer + QStringLiteral("BottomEntry") + QString::number(page);
        click(m_ui->item(entry));
        QTRY_COMPARE(pages->property("pageIndex").toInt(), page);
        checkRealPage(variant + QLatin1Char(' ') + entry);
    }
}

void tst_KivDevicePages::mobileLayout_narrowWindowShowsHeaderAndFooter()
{
    connectEmulator(QStringLiteral("relay"));
    QQuickWindow *window = m_ui->window();
    const QSize desktop = window->size();
    window->resize(420, 820);
    QQuickItem *root = m_ui->root();
    QTRY_VERIFY(root->property("isMobile").toBool());
    QQuickItem *header = m_ui->item(QStringLiteral("KivPluginMenuHeader"));
    QVERIFY(header && header->isVisible());
    QTRY_VERIFY(!m_ui->visibleItemEndingWith(QStringLiteral("NavigationDesktopPanelTopEntry0Button")));

    m_ui->pageManager()->setProperty("monitoringPageIndex", LiveSubPage);
    setPage(MonitoringPage);
    QTRY_VERIFY(pageItem(QStringLiteral("SubPageLiveTiles0Value")));
    QTRY_VERIFY(pageItem(QStringLiteral("FooterContentKivFooterLive")));
    shots(QStringLiteral("mobile_live"));

    // The output group's footer switches its sub-pages.
    setPage(OutputPage);
    QTRY_VERIFY(pageItem(QStringLiteral("SubPageOutputsOutput0Source")));
    QVERIFY(pageItem(QStringLiteral("FooterContentKivFooterOutputButtons1")));
    shots(QStringLiteral("mobile_output"));
    click(pageItem(QStringLiteral("FooterContentKivFooterOutputButtons1")));
    QTRY_VERIFY(pageItem(QStringLiteral("SubPageGeneralSignalSpan")));

    setPage(RelaisPage);
    QTRY_VERIFY(pageItem(QStringLiteral("SubPageSettingsRelay0On")) ||
                pageItem(QStringLiteral("SubPageForceRelay0Open")));
    shots(QStringLiteral("mobile_relais"));

    window->resize(desktop);
    QTRY_VERIFY(!root->property("isMobile").toBool());
}

QTEST_MAIN(tst_KivDevicePages)
#include "tst_KivDevicePages.moc"
