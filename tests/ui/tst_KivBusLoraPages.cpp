#include "EmulatorProcess.h"
#include "KivUiFixture.h"
#include "PtyPair.h"

#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

namespace {
enum Page {
    ConnectionPage = 0,
    MonitoringPage = 1,
    BusPage = 6,
    LoraPage = 13,
    LoraInformation = 39,
    LoraParameter = 40,
    LoraCommand = 41
};

constexpr int kConnectTimeoutMs = 20000;
constexpr int kWriteTimeoutMs = 10000;
const QString kMainView = QStringLiteral("KivPluginMainView");
const QString kTopEntry = QStringLiteral("KivPluginNavigationDesktopPanelTopEntry");

QString text(const QQuickItem *item)
{
    return item ? item->property("text").toString() : QString();
}
} // namespace

// The bus and LoRaWAN pages against emulated devices of each board variant.
class tst_KivBusLoraPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void drawerAndPages_followTheBoard_data();
    void drawerAndPages_followTheBoard();

private:
    bool connectTo(const QString &variant);
    void setPage(int page) { m_ui->pageManager()->setProperty("pageIndex", page); }
    QQuickItem *pageItem(const QString &suffix) const { return m_ui->visibleItemEndingWith(suffix); }
    bool click(const QString &suffix);
    void shootBoth(const QString &name, const QString &titleSuffix, const QString &german, const QString &english,
                   const QString &flickableSuffix = QString());
    void checkBusPage(bool bacnet);
    void checkLoraPages();

    std::unique_ptr<KivUiFixture> m_ui;
    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<EmulatorProcess> m_emulator;
};

void tst_KivBusLoraPages::initTestCase()
{
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
    m_ui = std::make_unique<KivUiFixture>();
    qputenv("HOME", m_ui->dataDir().toUtf8());
    QVERIFY2(m_ui->setUp(), qPrintable(m_ui->errorString()));
    QVERIFY2(m_ui->createRoot(), qPrintable(m_ui->errorString()));
    QVERIFY(QTest::qWaitForWindowExposed(m_ui->window()));
}

void tst_KivBusLoraPages::init()
{
    KivUiFixture::clearQmlMessages();
}

void tst_KivBusLoraPages::cleanup()
{
    QObject *kiv = m_ui->backend();
    if (kiv->property("connected").toBool())
        QMetaObject::invokeMethod(kiv, "disconnectDevice");
    QTRY_VERIFY(!kiv->property("connected").toBool());
    m_ui->setLanguage(false);
    setPage(ConnectionPage);
    QCoreApplication::processEvents();
    m_emulator.reset();
    m_pty.reset();
    QMetaObject::invokeMethod(m_ui->errors(), "clearErrors");
    const QStringList messages = KivUiFixture::qmlMessages();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

bool tst_KivBusLoraPages::connectTo(const QString &variant)
{
    m_pty = std::make_unique<PtyPair>();
    m_emulator = std::make_unique<EmulatorProcess>();
    if (!m_pty->start() || !m_emulator->start(m_pty->deviceSide(), {QStringLiteral("--variant"), variant})) {
        qWarning() << m_pty->errorString() << m_emulator->errorString();
        return false;
    }
    setPage(ConnectionPage);
    QQuickItem *portBox = nullptr;
    if (!QTest::qWaitFor([&] { return (portBox = pageItem(QStringLiteral("SerialFormPortBox"))) != nullptr; }))
        return false;
    portBox->setProperty("editText", m_pty->appSide());
    if (!click(QStringLiteral("SerialFormConnectButton")))
        return false;
    QObject *kiv = m_ui->backend();
    return QTest::qWaitFor(
        [&] {
        return kiv->property("connected").toBool() &&
            m_ui->pageManager()->property("pageIndex").toInt() == MonitoringPage;
        },
        kConnectTimeoutMs);
}

bool tst_KivBusLoraPages::click(const QString &suffix)
{
    QQuickItem *button = pageItem(suffix);
    return button && button->isEnabled() && QMetaObject::invokeMethod(button, "clicked");
}

void tst_KivBusLoraPages::shootBoth(const QString &name, const QString &titleSuffix, const QString &german,
                                    const QString &english, const QString &flickableSuffix)
{
    // Refusals made on the way have been checked; their pop-up would hide the page.
    QMetaObject::invokeMethod(m_ui->errors(), "clearErrors");
    for (QObject *popup : m_ui->allObjects()) {
        if (popup->objectName().startsWith(QLatin1String("KivPluginPopups")) && popup->property("opened").toBool())
            QMetaObject::invokeMethod(popup, "close");
    }
    // The drawer unfolds the selected group and folds the others with an animation; take the
    // picture once it rests.
    const QString openGroup =
        kTopEntry + QString::number(m_ui->pageManager()->property("pageIndex").toInt()) + QStringLiteral("Sub");
    const auto unfolding = [&] {
        for (QObject *object : m_ui->allObjects()) {
            auto *area = qobject_cast<QQuickItem *>(object);
            if (!area || !area->objectName().endsWith(QLatin1String("Sub")))
                continue;
            auto *column = area->findChild<QQuickItem *>(area->objectName() + QStringLiteral("Column"));
            const qreal expected = area->objectName() == openGroup && column ? column->height() : 0.0;
            if (!qFuzzyCompare(area->height() + 1.0, expected + 1.0))
                return true;
        }
        return false;
    };
    QTRY_VERIFY(!unfolding());
    QQuickItem *flickable = flickableSuffix.isEmpty() ? nullptr : pageItem(flickableSuffix);
    for (bool englishText : {false, true}) {
        m_ui->setLanguage(englishText);
        QTRY_COMPARE(text(pageItem(titleSuffix)), englishText ? english : german);
        const QString lang = englishText ? QStringLiteral("_en") : QStringLiteral("_de");
        if (flickable)
            flickable->setProperty("contentY", 0);
        QVERIFY(!m_ui->screenshot(name + lang).isEmpty());
        if (!flickable)
            continue;
        // The lower part of a long page.
        const qreal end = flickable->property("contentHeight").toReal() - flickable->height();
        QVERIFY(end > 0);
        flickable->setProperty("contentY", end);
        QVERIFY(!m_ui->screenshot(name + QStringLiteral("_end") + lang).isEmpty());
        flickable->setProperty("contentY", 0);
    }
    m_ui->setLanguage(false);
}

void tst_KivBusLoraPages::drawerAndPages_followTheBoard_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<bool>("bus");
    QTest::addColumn<bool>("lora");
    QTest::newRow("standard") << "standard" << false << false;
    QTest::newRow("modbus") << "modbus" << true << false;
    QTest::newRow("bacnet") << "bacnet" << true << false;
    QTest::newRow("lora") << "lora" << false << true;
}

void tst_KivBusLoraPages::drawerAndPages_followTheBoard()
{
    QFETCH(QString, variant);
    QFETCH(bool, bus);
    QFETCH(bool, lora);
    QVERIFY(connectTo(variant));
    // The drawer lists the bus entry for bus boards only and the LoRaWAN entry for LoRaWAN boards.
    QTRY_VERIFY(m_ui->item(kTopEntry + QString::number(MonitoringPage)));
    QCOMPARE(m_ui->item(kTopEntry + QString::number(BusPage)) != nullptr, bus);
    QCOMPARE(m_ui->item(kTopEntry + QString::number(LoraPage)) != nullptr, lora);
    if (bus)
        checkBusPage(variant == QLatin1String("bacnet"));
    if (lora)
        checkLoraPages();
}

void tst_KivBusLoraPages::checkBusPage(bool bacnet)
{
    setPage(BusPage);
    QTRY_VERIFY(pageItem(QStringLiteral("Rs485PageHeaderTitle")));
    QCOMPARE(text(pageItem(QStringLiteral("Rs485PageHeaderSubText"))),
             bacnet ? QStringLiteral("BACnet MS/TP") : QStringLiteral("Modbus RTU"));
    QQuickItem *deviceId = pageItem(QStringLiteral("Rs485PageDeviceId"));
    QVERIFY(deviceId);
    QCOMPARE(deviceId->property("value").toInt(), bacnet ? 100 : 17);
    QCOMPARE(text(pageItem(QStringLiteral("Rs485PageBaudrateValue"))),
             bacnet ? QStringLiteral("38400 Bit/s") : QStringLiteral("19200 Bit/s"));
    QCOMPARE(pageItem(QStringLiteral("Rs485PageDescription")) != nullptr, bacnet);
    QCOMPARE(pageItem(QStringLiteral("Rs485PageIncrement0Value")) != nullptr, bacnet);
    QCOMPARE(pageItem(QStringLiteral("Rs485PageMode")) == nullptr, bacnet);

    if (bacnet) {
        QQuickItem *description = pageItem(QStringLiteral("Rs485PageDescription"));
        QCOMPARE(text(description), QStringLiteral("Besprechungsraum 2.14"));
        QVERIFY(text(pageItem(QStringLiteral("Rs485PageIncrement0Measure"))).contains(QStringLiteral("°C")));

        // A character the device cannot hold: told on the page, nothing written.
        const QList<quint16> before = m_emulator->registers().mid(0, 300);
        description->setProperty("text", QStringLiteral("Raum ☺"));
        QVERIFY(click(QStringLiteral("Rs485PageDescriptionApply")));
        QTRY_VERIFY(!text(pageItem(QStringLiteral("Rs485PageMessage"))).isEmpty());
        QCOMPARE(m_emulator->registers().mid(0, 300), before);

        description->setProperty("text", QStringLiteral("Flur"));
        QVERIFY(click(QStringLiteral("Rs485PageDescriptionApply")));
        QTRY_COMPARE_WITH_TIMEOUT(m_emulator->registers().mid(160, 3), (QList<quint16>{0x6C46, 0x7275, 0}),
                                  kWriteTimeoutMs);
        QTRY_VERIFY(!pageItem(QStringLiteral("Rs485PageMessage")));
        shootBoth(QStringLiteral("bus_bacnet"), QStringLiteral("Rs485PageHeaderTitle"),
                  QStringLiteral("BUS-EINSTELLUNGEN"), QStringLiteral("BUS SETTINGS"),
                  QStringLiteral("Rs485PageFlickable"));
    } else {
        shootBoth(QStringLiteral("bus_modbus"), QStringLiteral("Rs485PageHeaderTitle"),
                  QStringLiteral("BUS-EINSTELLUNGEN"), QStringLiteral("BUS SETTINGS"));
    }
}

void tst_KivBusLoraPages::checkLoraPages()
{
    QObject *pages = m_ui->pageManager();
    setPage(LoraPage);
    pages->setProperty("loraPageIndex", LoraInformation);
    QTRY_VERIFY(pageItem(QStringLiteral("LoraPageSubPageInfoHeaderTitle")));
    QTRY_COMPARE(text(pageItem(QStringLiteral("LoraPageSubPageInfoDevEuiValue"))),
                 QStringLiteral("70 B3 D5 7E D0 05 A1 2C"));
    QCOMPARE(text(pageItem(QStringLiteral("LoraPageSubPageInfoVersionValue"))), QStringLiteral("1.0.3"));
    shootBoth(QStringLiteral("lora_info"), QStringLiteral("LoraPageSubPageInfoHeaderTitle"),
              QStringLiteral("LORAWAN-INFORMATIONEN"), QStringLiteral("LORAWAN INFORMATION"));

    pages->setProperty("loraPageIndex", LoraParameter);
    QTRY_VERIFY(pageItem(QStringLiteral("LoraPageSubPageParameterHeaderTitle")));
    QQuickItem *devEui = pageItem(QStringLiteral("LoraPageSubPageParameterDevEui"));
    QVERIFY(devEui && !devEui->isEnabled());
    QVERIFY(!pageItem(QStringLiteral("LoraPageSubPageParameterVersion"))->isEnabled());
    QCOMPARE(text(pageItem(QStringLiteral("LoraPageSubPageParameterChannelMask"))),
             QStringLiteral("0000 0000 0000 0000 0000 0000 1111 1111"));

    // A changed port leaves at once.
    QQuickItem *port = pageItem(QStringLiteral("LoraPageSubPageParameterPort"));
    QVERIFY(port);
    QCOMPARE(port->property("value").toInt(), 2);
    QVERIFY(QMetaObject::invokeMethod(port, "increase"));
    QMetaObject::invokeMethod(port, "valueModified");
    QTRY_COMPARE_WITH_TIMEOUT(m_emulator->registers().at(166), quint16(3), kWriteTimeoutMs);
    shootBoth(QStringLiteral("lora_parameter"), QStringLiteral("LoraPageSubPageParameterHeaderTitle"),
              QStringLiteral("LORAWAN-PARAMETER"), QStringLiteral("LORAWAN PARAMETERS"),
              QStringLiteral("LoraPageSubPageParameter"));

    // A key one digit short: told on the page, the registers behind it untouched.
    const QList<quint16> before = m_emulator->registers().mid(0, 300);
    pageItem(QStringLiteral("LoraPageSubPageParameterAppKey"))
        ->setProperty("text", QStringLiteral("2B7E1516 28AED2A6 ABF71588 09CF4F3"));
    QVERIFY(click(QStringLiteral("LoraPageSubPageParameterAppKeyApply")));
    QTRY_VERIFY(text(pageItem(QStringLiteral("LoraPageSubPageParameterMessage"))).contains(QStringLiteral("32")));
    QCOMPARE(m_emulator->registers().mid(0, 300), before);

    pages->setProperty("loraPageIndex", LoraCommand);
    QTRY_VERIFY(pageItem(QStringLiteral("LoraPageSubPageCommandHeaderTitle")));
    QVERIFY(click(QStringLiteral("LoraPageSubPageCommandResetButton")));
    QTRY_VERIFY(pageItem(QStringLiteral("LoraPageSubPageCommandQuestion")));
    shootBoth(QStringLiteral("lora_command"), QStringLiteral("LoraPageSubPageCommandHeaderTitle"),
              QStringLiteral("CONTROL COMMAND"), QStringLiteral("CONTROL COMMAND"));
    QVERIFY(click(QStringLiteral("LoraPageSubPageCommandConfirmButton")));
    QTRY_VERIFY(pageItem(QStringLiteral("LoraPageSubPageCommandSent")));
    // The board is back at its factory port and the page reads it again.
    QTRY_COMPARE_WITH_TIMEOUT(m_emulator->registers().at(166), quint16(2), kWriteTimeoutMs);
    QObject *block = qvariant_cast<QObject *>(m_ui->backend()->property("lora"));
    QTRY_COMPARE_WITH_TIMEOUT(block->property("port").toInt(), 2, kConnectTimeoutMs);
}

QTEST_MAIN(tst_KivBusLoraPages)
#include "tst_KivBusLoraPages.moc"
