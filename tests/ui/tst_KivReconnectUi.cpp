#include "BaseSettings.h"
#include "EmulatorProcess.h"
#include "KivUiFixture.h"
#include "PtyPair.h"

#include <QDir>
#include <QFile>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

namespace {
enum Page { ConnectionPage = 0, MonitoringPage = 1, OutputPage = 2, SerialPage = 21 };

constexpr int kConnectTimeoutMs = 20000;
const QString kLinkName = QStringLiteral("usb-Veltaron_KIV-Raumsensor_K42A17-if00-port0");
const QString kPopup = QStringLiteral("KivPluginPopupsReconnect");

QString text(const QQuickItem *item)
{
    return item ? item->property("text").toString() : QString();
}
} // namespace

// The connection page's stable port names and the reconnect countdown, on the real pages with
// the emulator behind a by-id style link.
class tst_KivReconnectUi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void portList_showsStableNameAndDescription_data();
    void portList_showsStableNameAndDescription();
    void cablePulled_countdownThenSamePageAgain();

private:
    bool plugIn();
    QString shot(const QString &name);
    QQuickItem *mustFind(const QString &suffix) const;

    std::unique_ptr<KivUiFixture> m_ui;
    QTemporaryDir m_byId;
    PtyPair m_pty;
    EmulatorProcess m_emulator;
};

void tst_KivReconnectUi::initTestCase()
{
    QVERIFY(m_byId.isValid());
    qputenv("BRASKO_SERIAL_BY_ID_DIR", m_byId.path().toLocal8Bit());
    m_ui = std::make_unique<KivUiFixture>();
    qputenv("HOME", m_ui->dataDir().toUtf8());
    QVERIFY2(m_ui->setUp(), qPrintable(m_ui->errorString()));
    BaseSettings::writeTimeout(300);
    BaseSettings::writeRetry(1);
    BaseSettings::writeValue(QStringLiteral("General/reconnectSeconds"), 60);
    QVERIFY(plugIn());
    QVERIFY2(m_emulator.start(m_pty.deviceSide(), {QStringLiteral("--parity"), QStringLiteral("none")}),
             qPrintable(m_emulator.errorString()));
    QVERIFY2(m_ui->createRoot(), qPrintable(m_ui->errorString()));
    QVERIFY(QTest::qWaitForWindowExposed(m_ui->window()));
    m_ui->pageManager()->setProperty("connectionPageIndex", SerialPage);
}

void tst_KivReconnectUi::init()
{
    KivUiFixture::clearQmlMessages();
}

void tst_KivReconnectUi::cleanupTestCase()
{
    if (m_ui && m_ui->backend())
        QMetaObject::invokeMethod(m_ui->backend(), "disconnectDevice");
    m_ui.reset();
    m_emulator.stop();
    m_pty.stop();
}

bool tst_KivReconnectUi::plugIn()
{
    if (!m_pty.start())
        return false;
    const QString link = QDir(m_byId.path()).filePath(kLinkName);
    QFile::remove(link);
    return QFile::link(m_pty.appSide(), link);
}

QString tst_KivReconnectUi::shot(const QString &name)
{
    if (!m_ui->waitForRest())
        return QString();
    return m_ui->screenshot(name);
}

QQuickItem *tst_KivReconnectUi::mustFind(const QString &suffix) const
{
    QQuickItem *item = nullptr;
    const bool found = QTest::qWaitFor([&] { return (item = m_ui->visibleItemEndingWith(suffix)) != nullptr; }, 5000);
    return found ? item : nullptr;
}

void tst_KivReconnectUi::portList_showsStableNameAndDescription_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("de") << false;
    QTest::newRow("en") << true;
}

void tst_KivReconnectUi::portList_showsStableNameAndDescription()
{
    QFETCH(bool, english);
    m_ui->setLanguage(english);
    m_ui->pageManager()->setProperty("pageIndex", ConnectionPage);
    QQuickItem *refresh = mustFind(QStringLiteral("SerialFormRefreshButton"));
    QVERIFY(refresh);
    QVERIFY(QMetaObject::invokeMethod(refresh, "clicked"));

    QQuickItem *name = mustFind(QStringLiteral("SerialPortList0Name"));
    QVERIFY(name);
    QCOMPARE(text(name), kLinkName);
    const QString details = text(mustFind(QStringLiteral("SerialPortList0Details")));
    QVERIFY2(details.contains(QStringLiteral("Veltaron KIV-Raumsensor")), qPrintable(details));
    QVERIFY2(details.contains(english ? QStringLiteral("Serial number K42A17") : QStringLiteral("Seriennummer K42A17")),
             qPrintable(details));
    // The short name the system gives the adapter today, here the pty behind the link.
    QVERIFY2(details.contains(QStringLiteral("pts/")), qPrintable(details));
    QVERIFY(!shot(english ? QStringLiteral("reconnect_ports_en") : QStringLiteral("reconnect_ports_de")).isEmpty());
    m_ui->setLanguage(false);
    const QStringList messages = KivUiFixture::qmlMessages();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

void tst_KivReconnectUi::cablePulled_countdownThenSamePageAgain()
{
    QObject *kiv = m_ui->backend();
    QObject *pages = m_ui->pageManager();
    pages->setProperty("pageIndex", ConnectionPage);

    // Choosing the listed adapter makes its stable name the port of the form.
    QQuickItem *entry = mustFind(QStringLiteral("SerialPortList0"));
    QVERIFY(entry);
    QVERIFY(QMetaObject::invokeMethod(entry, "clicked"));
    QQuickItem *portBox = mustFind(QStringLiteral("SerialFormPortBox"));
    QTRY_COMPARE(portBox->property("editText").toString(), QDir(m_byId.path()).filePath(kLinkName));
    QVERIFY(QMetaObject::invokeMethod(mustFind(QStringLiteral("SerialFormConnectButton")), "clicked"));
    QTRY_COMPARE_WITH_TIMEOUT(pages->property("pageIndex").toInt(), int(MonitoringPage), kConnectTimeoutMs);

    pages->setProperty("pageIndex", OutputPage);
    QTRY_VERIFY(mustFind(QStringLiteral("OutputPage")));

    // The cable is pulled: the countdown stands over the page the user is on.
    m_emulator.stop();
    m_pty.stop();
    QObject *popup = m_ui->objectEndingWith(kPopup);
    QVERIFY(popup);
    QTRY_VERIFY_WITH_TIMEOUT(popup->property("opened").toBool(), kConnectTimeoutMs);
    QCOMPARE(pages->property("pageIndex").toInt(), int(OutputPage));
    QQuickItem *state = mustFind(kPopup + QStringLiteral("State"));
    QTRY_VERIFY(text(state).contains(QStringLiteral("nicht vorhanden")));
    QVERIFY(!text(mustFind(kPopup + QStringLiteral("SecondsLeft"))).isEmpty());
    QVERIFY(!shot(QStringLiteral("reconnect_countdown_de")).isEmpty());
    m_ui->setLanguage(true);
    QTRY_VERIFY(text(state).contains(QStringLiteral("not present")));
    QVERIFY(!shot(QStringLiteral("reconnect_countdown_en")).isEmpty());
    m_ui->setLanguage(false);

    // Plugged in again: another pty behind the same stable name.
    QVERIFY(plugIn());
    QVERIFY2(m_emulator.start(m_pty.deviceSide(), {QStringLiteral("--parity"), QStringLiteral("none")}),
             qPrintable(m_emulator.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(!popup->property("opened").toBool(), kConnectTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(kiv->property("updateOngoing").toBool(), kConnectTimeoutMs);
    QVERIFY(kiv->property("connected").toBool());
    QCOMPARE(pages->property("pageIndex").toInt(), int(OutputPage));
    QVERIFY(QMetaObject::invokeMethod(m_ui->errors(), "clearErrors"));

    // The next visit to the connection page offers the remembered adapter again, whatever the
    // form held last.
    BaseSettings::writePortName(QStringLiteral("/dev/ttyS0"));
    QVERIFY(QMetaObject::invokeMethod(kiv, "disconnectDevice"));
    QTRY_COMPARE(pages->property("pageIndex").toInt(), int(ConnectionPage));
    QTRY_COMPARE(mustFind(QStringLiteral("SerialFormPortBox"))->property("editText").toString(),
                 QDir(m_byId.path()).filePath(kLinkName));
    QVERIFY(mustFind(QStringLiteral("SerialPortList0"))->property("selected").toBool());
    QVERIFY(!shot(QStringLiteral("reconnect_ports_remembered_de")).isEmpty());
    const QStringList messages = KivUiFixture::qmlMessages();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_KivReconnectUi)
#include "tst_KivReconnectUi.moc"
