#include "BaseSettings.h"
#include "EmulatorProcess.h"
#include "KivUiFixture.h"
#include "PtyPair.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

// The expert, traffic-light and display pages of the real plugin, connected to the device
// emulator over a pty pair, in German and English.
namespace {
enum Page {
    ConnectionPage = 0,
    MonitoringPage = 1,
    LcdPage = 4,
    TlfPage = 5,
    ExpertPage = 10,
    ExpertPW = 36,
    ExpertCo2 = 37,
    ExpertVoc = 38
};
constexpr int kConnectTimeoutMs = 20000;
constexpr int kTextRole = Qt::UserRole + 1;
const QString kPage = QStringLiteral("KivPluginMainView");
// The site password the tests configure; the built-in digest belongs to no four-digit number.
const QByteArray kPassword = QByteArrayLiteral("4711");
const QString kDigestKey = QStringLiteral("Special/expertDigest");

QString text(const QObject *item)
{
    return item ? item->property("text").toString() : QString();
}

QStringList entries(QObject *pageManager, const char *model)
{
    QStringList texts;
    auto *m = pageManager->property(model).value<QAbstractItemModel *>();
    for (int row = 0; m && row < m->rowCount(); ++row)
        texts.append(m->data(m->index(row, 0), kTextRole).toString());
    return texts;
}
} // namespace

class tst_KivBlockPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void navigation_listsDisplayTrafficLightAndExpert();
    void expertPage_passwordCo2AndWait_data();
    void expertPage_passwordCo2AndWait();
    void tlfPage_showsChannelColoursAndThresholds_data();
    void tlfPage_showsChannelColoursAndThresholds();
    void lcdPage_showsAndWritesSettings_data();
    void lcdPage_showsAndWritesSettings();

private:
    void setPage(int page) { m_ui->pageManager()->setProperty("pageIndex", page); }
    QObject *find(const QString &suffix) const { return m_ui->objectEndingWith(suffix); }
    bool click(const QString &suffix) const
    {
        QObject *button = find(suffix);
        return button && QMetaObject::invokeMethod(button, "clicked");
    }
    QString shot(const QString &name)
    {
        if (!m_ui->waitUntilDrawerRests())
            return QString();
        QCoreApplication::processEvents();
        return m_ui->screenshot(name);
    }
    quint16 deviceRegister(int reg) const { return m_emulator.registers().value(reg, 0xDEAD); }

    std::unique_ptr<KivUiFixture> m_ui;
    PtyPair m_pty;
    EmulatorProcess m_emulator;
};

void tst_KivBlockPages::initTestCase()
{
    m_ui = std::make_unique<KivUiFixture>();
    qputenv("HOME", m_ui->dataDir().toUtf8());
    QVERIFY2(m_ui->setUp(), qPrintable(m_ui->errorString()));
    BaseSettings::writeValue(kDigestKey,
                             QString::fromLatin1(QCryptographicHash::hash(kPassword, QCryptographicHash::Md5).toHex()));
    QVERIFY2(m_ui->createRoot(), qPrintable(m_ui->errorString()));
    QVERIFY(QTest::qWaitForWindowExposed(m_ui->window()));

    QVERIFY2(m_pty.start(), qPrintable(m_pty.errorString()));
    QVERIFY2(m_emulator.start(m_pty.deviceSide(), {QStringLiteral("--adjust-restart-ms"), QStringLiteral("300")}),
             qPrintable(m_emulator.errorString()));
    setPage(ConnectionPage);
    auto *portBox = m_ui->visibleItemEndingWith(QStringLiteral("SerialFormPortBox"));
    QVERIFY(portBox);
    portBox->setProperty("editText", m_pty.appSide());
    QVERIFY(click(QStringLiteral("SerialFormConnectButton")));
    QTRY_VERIFY_WITH_TIMEOUT(m_ui->backend()->property("connected").toBool(), kConnectTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(m_ui->pageManager()->property("pageIndex").toInt(), int(MonitoringPage),
                              kConnectTimeoutMs);
}

void tst_KivBlockPages::cleanupTestCase()
{
    if (m_ui && m_ui->backend())
        QMetaObject::invokeMethod(m_ui->backend(), "disconnectDevice");
    m_ui.reset();
    m_emulator.stop();
    m_pty.stop();
}

void tst_KivBlockPages::init()
{
    KivUiFixture::clearQmlMessages();
}

void tst_KivBlockPages::cleanup()
{
    const QStringList messages = KivUiFixture::qmlMessages();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    m_ui->setLanguage(false);
    // Away from the block pages, but never to the live page: its polling would meet a device
    // that is still restarting after an adjustment.
    setPage(ConnectionPage);
}

void tst_KivBlockPages::navigation_listsDisplayTrafficLightAndExpert()
{
    QObject *pages = m_ui->pageManager();
    QTRY_VERIFY(entries(pages, "navModelTop").contains(QStringLiteral("Display")));
    QVERIFY(entries(pages, "navModelTop").contains(QStringLiteral("Ampelfunktion(TLF)")));
    QVERIFY(entries(pages, "navModelBottom").contains(QStringLiteral("Expertenmodus")));
}

void tst_KivBlockPages::expertPage_passwordCo2AndWait_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("wrongText");
    QTest::addColumn<QString>("co2Title");
    QTest::newRow("de") << false << QStringLiteral("Passwort falsch!") << QStringLiteral("CO2 JUSTIERUNG");
    QTest::newRow("en") << true << QStringLiteral("Wrong password!") << QStringLiteral("CO2 ADJUSTMENT");
}

void tst_KivBlockPages::expertPage_passwordCo2AndWait()
{
    QFETCH(bool, english);
    QFETCH(QString, wrongText);
    QFETCH(QString, co2Title);
    const QString lang = english ? QStringLiteral("en") : QStringLiteral("de");
    QObject *pages = m_ui->pageManager();
    auto *expert = m_ui->backend()->property("expertBackend").value<QObject *>();
    QVERIFY(expert);
    m_ui->setLanguage(english);
    // As from a device that never reported a reference concentration.
    expert->setProperty("freshAirAmount", 0);

    // Entering the page always asks for the password first.
    pages->setProperty("expertPageIndex", ExpertVoc);
    setPage(ExpertPage);
    QCOMPARE(pages->property("expertPageIndex").toInt(), int(ExpertPW));
    QObject *popup = nullptr;
    QTRY_VERIFY((popup = find(QStringLiteral("ExpertPagePassword"))) && popup->property("opened").toBool());
    QObject *field = find(QStringLiteral("ExpertPagePasswordField"));
    QObject *wrong = find(QStringLiteral("ExpertPagePasswordWrong"));
    QVERIFY(field && wrong);
    QVERIFY(!shot(QStringLiteral("expert_password_") + lang).isEmpty());

    // A wrong password is refused with a message that fades out; the popup stays.
    field->setProperty("text", QStringLiteral("1234"));
    QVERIFY(click(QStringLiteral("ExpertPagePasswordAcceptButton")));
    QCOMPARE(text(wrong), wrongText);
    QTRY_VERIFY(wrong->property("opacity").toReal() > 0.9);
    QVERIFY(popup->property("opened").toBool());
    QTRY_COMPARE_WITH_TIMEOUT(wrong->property("opacity").toReal(), 0.0, 5000);
    QVERIFY(!find(QStringLiteral("SubPageCo2")));

    // The right one opens the CO2 sub-page.
    field->setProperty("text", QString::fromLatin1(kPassword));
    QVERIFY(click(QStringLiteral("ExpertPagePasswordAcceptButton")));
    QTRY_VERIFY(!popup->property("visible").toBool());
    QCOMPARE(pages->property("expertPageIndex").toInt(), int(ExpertCo2));
    QTRY_COMPARE(text(m_ui->visibleItemEndingWith(QStringLiteral("SubPageCo2HeaderTitle"))), co2Title);

    // The emulated sensor is in manual mode and has never reported a reference: no start.
    QCOMPARE(find(QStringLiteral("Co2FrameModeBox"))->property("currentIndex").toInt(), 0);
    QVERIFY(m_ui->visibleItemEndingWith(QStringLiteral("Co2FrameAmountHint")));
    QObject *start = find(QStringLiteral("Co2FrameStartButton"));
    QVERIFY(start && !start->property("enabled").toBool());
    expert->setProperty("freshAirAmount", 800);
    QTRY_VERIFY(start->property("enabled").toBool());
    QVERIFY(!m_ui->visibleItemEndingWith(QStringLiteral("Co2FrameAmountHint")));
    QVERIFY(!shot(QStringLiteral("expert_co2_") + lang).isEmpty());

    // Starting writes the reference, then the start command; the wait pop-up follows.
    QSignalSpy started(expert, SIGNAL(adjustmentStarted()));
    QVERIFY(click(QStringLiteral("Co2FrameStartButton")));
    QVERIFY(started.wait(kConnectTimeoutMs));
    QObject *wait = find(QStringLiteral("ExpertPageWait"));
    QTRY_VERIFY(wait && wait->property("opened").toBool());
    QTRY_VERIFY_WITH_TIMEOUT(m_emulator.output().count("adjustment: CO2 block 2 to 800 ppm") == (english ? 2 : 1),
                             kConnectTimeoutMs);
    QTRY_VERIFY(wait->property("progress").toInt() >= 100);
    QVERIFY(!shot(QStringLiteral("expert_wait_") + lang).isEmpty());
    // The user cannot close it.
    QTest::keyClick(m_ui->window(), Qt::Key_Escape);
    QVERIFY(wait->property("opened").toBool());
    QVERIFY(QMetaObject::invokeMethod(wait, "close"));
    QTRY_VERIFY(!wait->property("visible").toBool());
}

void tst_KivBlockPages::tlfPage_showsChannelColoursAndThresholds_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("green");
    QTest::newRow("de") << false << QStringLiteral("AMPELFUNKTION") << QStringLiteral("Grün");
    QTest::newRow("en") << true << QStringLiteral("TRAFFIC LIGHT") << QStringLiteral("Green");
}

void tst_KivBlockPages::tlfPage_showsChannelColoursAndThresholds()
{
    QFETCH(bool, english);
    QFETCH(QString, title);
    QFETCH(QString, green);
    const QString lang = english ? QStringLiteral("en") : QStringLiteral("de");
    m_ui->setLanguage(english);
    setPage(TlfPage);
    QTRY_COMPARE(text(m_ui->visibleItemEndingWith(QStringLiteral("TlfPageHeaderTitle"))), title);
    QObject *tlf = m_ui->backend()->property("tlf").value<QObject *>();
    QVERIFY(tlf);

    QTRY_VERIFY(find(QStringLiteral("TlfPageLightChannel"))
                    ->property("currentText")
                    .toString()
                    .startsWith(QStringLiteral("CO2")));
    QCOMPARE(find(QStringLiteral("TlfPageColorsRow0Box"))->property("currentText").toString(), green);
    QCOMPARE(text(find(QStringLiteral("TlfPageThresholdsThreshold1"))), QStringLiteral("800"));
    QCOMPARE(text(find(QStringLiteral("TlfPageThresholdsThreshold2"))), QStringLiteral("1200"));
    QCOMPARE(text(find(QStringLiteral("TlfPageThresholdsUnit1"))), QStringLiteral("ppm"));
    QVERIFY(text(find(QStringLiteral("TlfPageLightRange"))).contains(QStringLiteral("2000")));
    QVERIFY(!shot(QStringLiteral("tlf_") + lang).isEmpty());

    // A threshold outside the channel's range is refused and the value stays.
    auto *field = qobject_cast<QQuickItem *>(find(QStringLiteral("TlfPageThresholdsThreshold1")));
    QVERIFY(field);
    field->setProperty("text", QStringLiteral("5000"));
    QVERIFY(QMetaObject::invokeMethod(field, "editingFinished"));
    QVERIFY(!text(find(QStringLiteral("TlfPageThresholdsMessage"))).isEmpty());
    QCOMPARE(tlf->property("threshold1").toDouble(), 800.0);
    QCOMPARE(text(field), QStringLiteral("800"));

    // An accepted one reaches the device (integers on this board).
    if (!english) {
        field->setProperty("text", QStringLiteral("950"));
        QVERIFY(QMetaObject::invokeMethod(field, "editingFinished"));
        QTRY_COMPARE(tlf->property("threshold1").toDouble(), 950.0);
        QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(83 + 29), quint16(950), kConnectTimeoutMs);
        QVERIFY(text(find(QStringLiteral("TlfPageThresholdsMessage"))).isEmpty());
        tlf->setProperty("threshold1", 800.0);
        QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(83 + 29), quint16(800), kConnectTimeoutMs);
    }
}

void tst_KivBlockPages::lcdPage_showsAndWritesSettings_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("channelLabel");
    QTest::newRow("de") << false << QStringLiteral("Kanal 3 anzeigen");
    QTest::newRow("en") << true << QStringLiteral("Show channel 3");
}

void tst_KivBlockPages::lcdPage_showsAndWritesSettings()
{
    QFETCH(bool, english);
    QFETCH(QString, channelLabel);
    const QString lang = english ? QStringLiteral("en") : QStringLiteral("de");
    m_ui->setLanguage(english);
    setPage(LcdPage);
    QTRY_COMPARE(text(m_ui->visibleItemEndingWith(QStringLiteral("LcdPageHeaderTitle"))), QStringLiteral("DISPLAY"));
    QCOMPARE(text(find(QStringLiteral("LcdPageDisplayBrightnessValue"))), QStringLiteral("80 %"));
    QCOMPARE(find(QStringLiteral("LcdPageDisplayRotation"))->property("currentText").toString(), QStringLiteral("0°"));
    QCOMPARE(text(find(QStringLiteral("LcdPageChannelsChannel3Label"))), channelLabel);
    QObject *channel3 = find(QStringLiteral("LcdPageChannelsChannel3Switch"));
    QVERIFY(channel3 && channel3->property("checked").toBool());
    QVERIFY(!shot(QStringLiteral("lcd_") + lang).isEmpty());

    if (!english) {
        // Switching a channel off goes to the device with the neighbour's byte kept.
        channel3->setProperty("checked", false);
        QVERIFY(QMetaObject::invokeMethod(channel3, "toggled"));
        QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(82 + 7), quint16(1 << 8), kConnectTimeoutMs);
        channel3->setProperty("checked", true);
        QVERIFY(QMetaObject::invokeMethod(channel3, "toggled"));
        QTRY_COMPARE_WITH_TIMEOUT(deviceRegister(82 + 7), quint16((1 << 8) | 1), kConnectTimeoutMs);
    }
}

QTEST_MAIN(tst_KivBlockPages)
#include "tst_KivBlockPages.moc"
