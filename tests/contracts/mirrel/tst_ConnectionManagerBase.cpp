#include "ConnectionManagerBase.h"

#include "EmulatorProcess.h"
#include "PtyPair.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

constexpr int kSignalWaitMs = 10000;
// Short link time-out so that fault scenarios end quickly.
constexpr int kTimeoutMs = 300;
// A register range the emulator stores without side effects.
constexpr uint kScratchRegister = 4000;
// The emulator holds registers 0 .. 4999; a read across the end is refused with an exception.
constexpr uint kRegisterCount = 5000;

// Exposes the request methods and records what the hooks get.
class ProbeManager : public ConnectionManagerBase
{
public:
    using ConnectionManagerBase::readMultiRegister;
    using ConnectionManagerBase::readSingleRegister;
    using ConnectionManagerBase::writeMultiRegister;
    using ConnectionManagerBase::writeSingleRegister;

    struct Answer
    {
        uint start;
        QList<quint16> words;
    };
    QList<Answer> received;
    QList<uint> written;
    int retries = 0;
    // What the retry hook does; unset keeps the framework's own reaction.
    std::function<void()> onRetry;

protected:
    void onDataReceived(uint start, QList<quint16> words) override { received.append({start, words}); }
    void onRegisterWritten(uint reg) override { written.append(reg); }
    void onReadRetry() override
    {
        ++retries;
        if (onRetry)
            onRetry();
        else
            ConnectionManagerBase::onReadRetry();
    }
};

struct Rig
{
    bool startDevice(const QStringList &emulatorArgs = {})
    {
        if (!pty.start()) {
            qWarning() << "pty:" << pty.errorString();
            return false;
        }
        if (!emulator.start(pty.deviceSide(),
                            QStringList{QStringLiteral("--parity"), QStringLiteral("none")} + emulatorArgs)) {
            qWarning() << "emulator:" << emulator.errorString() << emulator.output();
            return false;
        }
        return true;
    }

    void connectLink(int retries = 1, QVariant type = {})
    {
        QVariantList data{115200, 0, 8, 1, kTimeoutMs, retries};
        if (type.isValid())
            data.append(type);
        manager.connectToSerial(data, pty.appSide());
    }

    PtyPair pty;
    EmulatorProcess emulator;
    ProbeManager manager;
};

} // namespace

// Answers arrive through the event loop and may come before a wait starts, so wait on counts.
#define WAIT_FOR_COUNT(spy, n) QTRY_VERIFY_WITH_TIMEOUT((spy).count() >= (n), kSignalWaitMs)

class tst_ConnectionManagerBase : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void connect_readsAndWritesReachEmulator_answersBeforeHooks();
    void requests_whileNotConnected_droppedSilently();
    void portUnavailable_clearTextAndNeverConnected_data();
    void portUnavailable_clearTextAndNeverConnected();
    void badParameters_refusedBeforeAnyLink();
    void deviceFault_errorTextFailedCommunicationAndDisconnect_data();
    void deviceFault_errorTextFailedCommunicationAndDisconnect();
    void readRefused_retryHookSendsSmallerRequest_linkStays();
    void readRefused_withoutOverride_endsConnection();
    void readRefused_everyRetryRefused_givenUpAfterBound();
    void reconnect_afterDisconnectOrWhileConnected_samePortOpensAgain();
    void disconnect_answersOfOldLinkNeverReachNewSession();
};

void tst_ConnectionManagerBase::initTestCase()
{
    if (!QFileInfo::exists(EmulatorProcess::programPath()))
        QSKIP("kiv-emulator is not built");
}

void tst_ConnectionManagerBase::connect_readsAndWritesReachEmulator_answersBeforeHooks()
{
    Rig rig;
    QVERIFY(rig.startDevice());
    ProbeManager &m = rig.manager;
    QSignalSpy connected(&m, &ConnectionManagerBase::connectedChanged);
    QSignalSpy connecting(&m, &ConnectionManagerBase::isConnecting);
    QSignalSpy ready(&m, &ConnectionManagerBase::readyRead);
    QSignalSpy errors(&m, &ConnectionManagerBase::serialError);
    QList<int> hookedBeforeSignal;
    connect(&m, &ConnectionManagerBase::readyRead, this, [&] { hookedBeforeSignal.append(int(m.received.size())); });

    rig.connectLink();
    QVERIFY(m.connecting());
    QCOMPARE(connecting.count(), 1);
    QCOMPARE(connecting.first().first().toBool(), true);
    WAIT_FOR_COUNT(connected, 1);
    QCOMPARE(connected.first().first().toBool(), true);
    QVERIFY(m.connected());
    QVERIFY(!m.connecting());
    QCOMPARE(connecting.last().first().toBool(), false);

    m.readMultiRegister(0, 100);
    m.readSingleRegister(0);
    m.writeSingleRegister(kScratchRegister, 0x1234);
    m.writeMultiRegister(kScratchRegister + 1, {1, 2, 3});
    m.readMultiRegister(kScratchRegister, 4);
    QTRY_COMPARE_WITH_TIMEOUT(m.received.size(), 3, kSignalWaitMs);
    QCOMPARE(errors.count(), 0);

    QCOMPARE(ready.count(), 3);
    QCOMPARE(hookedBeforeSignal, (QList<int>{0, 1, 2}));
    QCOMPARE(m.received.at(0).start, 0u);
    const QList<quint16> image = m.received.at(0).words;
    QCOMPARE(image.size(), 100);
    QCOMPARE(ready.first().at(1).value<QList<quint16>>(), image);
    QCOMPARE(m.received.at(1).words, QList<quint16>{image.at(0)});
    QCOMPARE(m.written, (QList<uint>{kScratchRegister, kScratchRegister + 1}));
    QCOMPARE(m.received.at(2).start, kScratchRegister);
    QCOMPARE(m.received.at(2).words, (QList<quint16>{0x1234, 1, 2, 3}));
    QTRY_COMPARE_WITH_TIMEOUT(rig.emulator.registers().mid(int(kScratchRegister), 4), (QList<quint16>{0x1234, 1, 2, 3}),
                              kSignalWaitMs);
    QCOMPARE(connected.count(), 1);
}

void tst_ConnectionManagerBase::requests_whileNotConnected_droppedSilently()
{
    Rig rig;
    QVERIFY(rig.startDevice());
    ProbeManager &m = rig.manager;
    QSignalSpy errors(&m, &ConnectionManagerBase::serialError);
    QSignalSpy failed(&m, &ConnectionManagerBase::failedCommunication);
    QSignalSpy connected(&m, &ConnectionManagerBase::connectedChanged);

    m.readMultiRegister(0, 10);
    m.writeSingleRegister(kScratchRegister, 1);
    // Without an open link the flag cannot claim a connection.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no open link")));
    m.setConnected(true);
    QVERIFY(!m.connected());
    QCOMPARE(connected.count(), 0);

    // Open link, but the plugin has lowered the flag (e.g. a rejected device).
    rig.connectLink();
    WAIT_FOR_COUNT(connected, 1);
    m.setConnected(false);
    QCOMPARE(connected.count(), 2);
    m.writeMultiRegister(kScratchRegister, {7, 7});
    m.readSingleRegister(kScratchRegister);

    // The flag raised again on the same link: requests flow.
    m.setConnected(true);
    m.readMultiRegister(kScratchRegister, 2);
    QTRY_COMPARE_WITH_TIMEOUT(m.received.size(), 1, kSignalWaitMs);
    const QList<quint16> words = m.received.first().words;
    QCOMPARE(words, rig.emulator.registers().mid(int(kScratchRegister), 2));
    QVERIFY(words != (QList<quint16>{7, 7}));
    QVERIFY(m.written.isEmpty());
    QCOMPARE(errors.count(), 0);
    QCOMPARE(failed.count(), 0);
}

void tst_ConnectionManagerBase::portUnavailable_clearTextAndNeverConnected_data()
{
    QTest::addColumn<bool>("heldByOther");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("missing") << false << QStringLiteral("existiert nicht");
    QTest::newRow("held by another program") << true << QStringLiteral("belegt");
}

void tst_ConnectionManagerBase::portUnavailable_clearTextAndNeverConnected()
{
    QFETCH(bool, heldByOther);
    QFETCH(QString, expectedText);

    Rig rig;
    QVERIFY(rig.pty.start());
    ProbeManager other;
    QString port = rig.pty.appSide() + QStringLiteral("-missing");
    if (heldByOther) {
        // Another session of the same program holds the port.
        port = rig.pty.appSide();
        QSignalSpy otherConnected(&other, &ConnectionManagerBase::connectedChanged);
        other.connectToSerial({115200, 0, 8, 1, kTimeoutMs, 1}, port);
        WAIT_FOR_COUNT(otherConnected, 1);
    }
    ProbeManager &m = rig.manager;
    QSignalSpy connected(&m, &ConnectionManagerBase::connectedChanged);
    QSignalSpy connecting(&m, &ConnectionManagerBase::isConnecting);
    QSignalSpy errors(&m, &ConnectionManagerBase::serialError);
    QSignalSpy failed(&m, &ConnectionManagerBase::failedCommunication);
    m.connectToSerial({115200, 0, 8, 1, kTimeoutMs, 1}, port);

    WAIT_FOR_COUNT(errors, 1);
    QTRY_VERIFY_WITH_TIMEOUT(!m.connecting(), kSignalWaitMs);
    const QString text = errors.first().first().toString();
    QVERIFY2(text.contains(port) && text.contains(expectedText), qPrintable(text));
    QCOMPARE(connecting.count(), 2);
    QCOMPARE(connected.count(), 0);
    QVERIFY(!m.connected());
    QCOMPARE(failed.count(), 0);
    QCOMPARE(errors.count(), 1);
}

void tst_ConnectionManagerBase::badParameters_refusedBeforeAnyLink()
{
    ProbeManager m;
    QSignalSpy plain(&m, &ConnectionManagerBase::errorPlainText);
    QSignalSpy connecting(&m, &ConnectionManagerBase::isConnecting);
    QSignalSpy errors(&m, &ConnectionManagerBase::serialError);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused connection parameters")));
    m.connectToSerial({115200, 0, 8}, QStringLiteral("/dev/null"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused connection parameters")));
    m.connectToSerial({115200, QStringLiteral("gerade"), 8, 1, kTimeoutMs, 1}, QStringLiteral("/dev/null"));
    QCOMPARE(plain.count(), 2);
    QVERIFY(plain.first().first().toString().contains(QStringLiteral("/dev/null")));
    QCOMPARE(connecting.count(), 0);

    // Numbers out of range reach the link, which names the port and refuses them.
    m.connectToSerial({115200, 9, 8, 1, kTimeoutMs, 1}, QStringLiteral("/dev/null"));
    WAIT_FOR_COUNT(errors, 1);
    QVERIFY(errors.first().first().toString().contains(QStringLiteral("/dev/null")));
    QTRY_VERIFY_WITH_TIMEOUT(!m.connecting(), kSignalWaitMs);
    QVERIFY(!m.connected());
}

void tst_ConnectionManagerBase::deviceFault_errorTextFailedCommunicationAndDisconnect_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("goodAnswers");
    QTest::addColumn<int>("loss");
    QTest::addColumn<QString>("expectedText");
    enum { NoLoss, CloseCable, KillDevice };
    QTest::newRow("device never replies")
        << QStringLiteral("noreply") << 0 << int(NoLoss) << QStringLiteral("antwortet nicht");
    QTest::newRow("line goes quiet") << QStringLiteral("drop-after:2") << 2 << int(NoLoss)
                                     << QStringLiteral("antwortet nicht");
    QTest::newRow("broken answers") << QStringLiteral("badcrc") << 0 << int(NoLoss) << QString();
    QTest::newRow("cable pulled") << QStringLiteral("none") << 1 << int(CloseCable) << QStringLiteral("unterbrochen");
    QTest::newRow("emulator killed") << QStringLiteral("none") << 1 << int(KillDevice) << QString();
}

void tst_ConnectionManagerBase::deviceFault_errorTextFailedCommunicationAndDisconnect()
{
    QFETCH(QString, fault);
    QFETCH(int, goodAnswers);
    QFETCH(int, loss);
    QFETCH(QString, expectedText);

    Rig rig;
    QVERIFY(rig.startDevice({QStringLiteral("--fault"), fault}));
    ProbeManager &m = rig.manager;
    QSignalSpy connected(&m, &ConnectionManagerBase::connectedChanged);
    QSignalSpy errors(&m, &ConnectionManagerBase::serialError);
    QSignalSpy failed(&m, &ConnectionManagerBase::failedCommunication);
    rig.connectLink(1);
    WAIT_FOR_COUNT(connected, 1);

    for (int i = 0; i < goodAnswers; ++i)
        m.readMultiRegister(0, 10);
    QTRY_COMPARE_WITH_TIMEOUT(m.received.size(), goodAnswers, kSignalWaitMs);
    if (loss == 1)
        rig.pty.stop();
    else if (loss == 2)
        rig.emulator.stop();
    m.readMultiRegister(0, 10);

    WAIT_FOR_COUNT(connected, 2);
    QCOMPARE(connected.last().first().toBool(), false);
    QVERIFY(!m.connected());
    QCOMPARE(errors.count(), 1);
    QCOMPARE(failed.count(), 1);
    const QString text = errors.first().first().toString();
    QVERIFY2(text.contains(rig.pty.appSide()) && text.contains(expectedText), qPrintable(text));
    QCOMPARE(m.received.size(), goodAnswers);

    // Further requests are dropped without new errors.
    m.readMultiRegister(0, 10);
    QCoreApplication::processEvents();
    QCOMPARE(errors.count(), 1);
}

void tst_ConnectionManagerBase::readRefused_retryHookSendsSmallerRequest_linkStays()
{
    Rig rig;
    QVERIFY(rig.startDevice());
    ProbeManager &m = rig.manager;
    QSignalSpy connected(&m, &ConnectionManagerBase::connectedChanged);
    QSignalSpy errors(&m, &ConnectionManagerBase::serialError);
    QSignalSpy failed(&m, &ConnectionManagerBase::failedCommunication);
    rig.connectLink();
    WAIT_FOR_COUNT(connected, 1);

    // The way a plan halves a refused request until the device takes it.
    uint count = 8;
    const uint start = kRegisterCount - 4;
    m.onRetry = [&] {
        count /= 2;
        m.readMultiRegister(start, count);
    };
    m.readMultiRegister(start, count);
    QTRY_COMPARE_WITH_TIMEOUT(m.received.size(), 1, kSignalWaitMs);
    QCOMPARE(m.retries, 1);
    QCOMPARE(m.received.first().start, start);
    QCOMPARE(m.received.first().words.size(), 4);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(failed.count(), 0);
    QVERIFY(m.connected());

    // The answer reset the count: a later refusal gets its retries again.
    m.readMultiRegister(kRegisterCount, 2);
    QTRY_COMPARE_WITH_TIMEOUT(m.retries, 2, kSignalWaitMs);
    QVERIFY(m.connected());
}

void tst_ConnectionManagerBase::readRefused_withoutOverride_endsConnection()
{
    Rig rig;
    QVERIFY(rig.startDevice({QStringLiteral("--fault"), QStringLiteral("exception:2")}));
    ProbeManager &m = rig.manager;
    QSignalSpy connected(&m, &ConnectionManagerBase::connectedChanged);
    QSignalSpy errors(&m, &ConnectionManagerBase::serialError);
    QSignalSpy failed(&m, &ConnectionManagerBase::failedCommunication);
    rig.connectLink();
    WAIT_FOR_COUNT(connected, 1);

    m.readMultiRegister(0, 8);
    WAIT_FOR_COUNT(connected, 2);
    QCOMPARE(m.retries, 1);
    QCOMPARE(errors.count(), 1);
    QVERIFY2(errors.first().first().toString().contains(QStringLiteral("Ausnahme 2")),
             qPrintable(errors.first().first().toString()));
    QCOMPARE(failed.count(), 1);
}

void tst_ConnectionManagerBase::readRefused_everyRetryRefused_givenUpAfterBound()
{
    Rig rig;
    QVERIFY(rig.startDevice({QStringLiteral("--fault"), QStringLiteral("exception:2")}));
    ProbeManager &m = rig.manager;
    QSignalSpy connected(&m, &ConnectionManagerBase::connectedChanged);
    QSignalSpy errors(&m, &ConnectionManagerBase::serialError);
    QSignalSpy failed(&m, &ConnectionManagerBase::failedCommunication);
    rig.connectLink();
    WAIT_FOR_COUNT(connected, 1);

    // A subclass that never gives up must not keep the link busy forever.
    m.onRetry = [&] { m.readMultiRegister(0, 8); };
    m.readMultiRegister(0, 8);
    WAIT_FOR_COUNT(connected, 2);
    QCOMPARE(m.retries, ConnectionManagerBase::kMaxReadRetries);
    QCOMPARE(errors.count(), 1);
    QVERIFY(errors.first().first().toString().contains(QStringLiteral("wiederholt")));
    QCOMPARE(failed.count(), 1);
    QVERIFY(!m.connected());
}

void tst_ConnectionManagerBase::reconnect_afterDisconnectOrWhileConnected_samePortOpensAgain()
{
    Rig rig;
    QVERIFY(rig.startDevice());
    ProbeManager &m = rig.manager;
    QSignalSpy connected(&m, &ConnectionManagerBase::connectedChanged);
    QSignalSpy errors(&m, &ConnectionManagerBase::serialError);

    int expected = 0;
    for (int round = 0; round < 3; ++round) {
        rig.connectLink();
        ++expected;
        WAIT_FOR_COUNT(connected, expected);
        QVERIFY(m.connected());
        m.readMultiRegister(0, 2);
        QTRY_COMPARE_WITH_TIMEOUT(m.received.size(), round + 1, kSignalWaitMs);

        // Drops at once; the old link frees the port in its own thread, and the new link
        // opens it only after that, so the reconnect right away finds it free.
        m.doDisconnect();
        ++expected;
        QCOMPARE(connected.count(), expected);
        QVERIFY(!m.connected());
    }

    // Connecting again while connected replaces the link; the type is the latest one given.
    rig.connectLink(1, int(ConnectionManagerBase::RadioBridge));
    QCOMPARE(m.connectionType(), 1);
    ++expected;
    WAIT_FOR_COUNT(connected, expected);
    rig.connectLink();
    QCOMPARE(m.connectionType(), 0);
    ++expected;
    QCOMPARE(connected.count(), expected);
    QCOMPARE(connected.last().first().toBool(), false);
    ++expected;
    WAIT_FOR_COUNT(connected, expected);
    QVERIFY(m.connected());
    m.readMultiRegister(0, 2);
    QTRY_COMPARE_WITH_TIMEOUT(m.received.size(), 4, kSignalWaitMs);
    QCOMPARE(errors.count(), 0);
}

void tst_ConnectionManagerBase::disconnect_answersOfOldLinkNeverReachNewSession()
{
    Rig rig;
    QVERIFY(rig.startDevice());
    ProbeManager &m = rig.manager;
    QSignalSpy connected(&m, &ConnectionManagerBase::connectedChanged);
    QSignalSpy ready(&m, &ConnectionManagerBase::readyRead);
    rig.connectLink();
    WAIT_FOR_COUNT(connected, 1);

    m.readMultiRegister(0, 100);
    m.doDisconnect();
    rig.connectLink();
    WAIT_FOR_COUNT(connected, 3);
    m.readMultiRegister(kScratchRegister, 3);
    WAIT_FOR_COUNT(ready, 1);
    QCOMPARE(ready.count(), 1);
    QCOMPARE(ready.first().first().toUInt(), kScratchRegister);
}

QTEST_GUILESS_MAIN(tst_ConnectionManagerBase)
#include "tst_ConnectionManagerBase.moc"
