#include "NemtraBackend.h"
#include "NemtraConnectionManager.h"
#include "NemtraManualRequests.h"
#include "NemtraTestLog.h"

#include "EmulatorProcess.h"
#include "PtyPair.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int kWaitMs = 15000;
constexpr int kLinkTimeoutMs = 300;
// Registers no container uses, so that nothing else writes or reads them.
constexpr int kScratch = 0x0300;
constexpr int kContainerArea = 0xC000;

// The ZNT emulator on one end of a pty pair; the back end, the manual requests and the transfer
// log wired as the plugin wires them on the other.
struct Rig
{
    Rig()
    {
        QObject::connect(manager(), &NemtraConnectionManager::sendMessage, &log, &NemtraTestLog::addSendRequest);
        QObject::connect(manager(), &NemtraConnectionManager::receivedMessage, &log, &NemtraTestLog::addResponse);
    }

    bool start(const QStringList &extraArgs = {}, bool waitForData = true)
    {
        if (!pty.start()) {
            qWarning() << pty.errorString();
            return false;
        }
        if (!emulator.start(pty.deviceSide(),
                            QStringList{QStringLiteral("--parity"), QStringLiteral("none"), QStringLiteral("--model"),
                                        QStringLiteral("F3"), QStringLiteral("--drift-ms"), QStringLiteral("0")} +
                                extraArgs)) {
            qWarning() << emulator.errorString();
            return false;
        }
        QSignalSpy all(manager(), &NemtraConnectionManager::allDataReceived);
        emit backend.connectToSerial({115200, 0, 8, 1, kLinkTimeoutMs, 1}, pty.appSide());
        return !waitForData || all.wait(kWaitMs) || all.count() > 0;
    }

    NemtraConnectionManager *manager() const { return backend.connectionManager(); }

    // Entries of the transfer log in one direction.
    QStringList logged(bool sent) const
    {
        QStringList entries;
        for (int row = 0; row < log.rowCount(); ++row) {
            const QModelIndex index = log.index(row);
            if (log.data(index, NemtraTestLog::IsSendRequestRole).toBool() == sent)
                entries.append(log.data(index, NemtraTestLog::EntryRole).toString());
        }
        return entries;
    }

    PtyPair pty;
    EmulatorProcess emulator{QStringLiteral("znt-emulator")};
    NemtraBackend backend;
    NemtraManualRequests requests{backend.connectionManager()};
    NemtraTestLog log;
};

} // namespace

class tst_NemtraManualRequests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void notConnectedOrSimulated_refusedWithText();
    void badInput_refusedWithReasonAndNothingSent();
    void read_showsTheDeviceValuesAndLogsThem();
    void writes_reachTheDeviceAndAreReadBack();
    void linkLost_pendingRequestFailsWithText();
    void duringFullRead_writeRefusedReadServed();
};

void tst_NemtraManualRequests::initTestCase()
{
    if (!QFileInfo::exists(EmulatorProcess::programPath(QStringLiteral("znt-emulator"))))
        QSKIP("znt-emulator is not built");
}

void tst_NemtraManualRequests::notConnectedOrSimulated_refusedWithText()
{
    NemtraBackend backend;
    NemtraManualRequests requests(backend.connectionManager());
    QSignalSpy failed(&requests, &NemtraManualRequests::requestFailed);
    QVERIFY(!requests.requestHolding(QStringLiteral("C000"), QStringLiteral("1")));
    QVERIFY(!requests.writeSingleHolding(QStringLiteral("300"), QStringLiteral("1")));
    QCOMPARE(failed.count(), 2);
    QCOMPARE(requests.message(), QStringLiteral("Kein Gerät verbunden: die Anfrage wurde nicht gesendet."));
    QVERIFY(!requests.busy());
    QVERIFY(requests.lastSent().isEmpty());
    QVERIFY(backend.connectionManager()->writeQueue().isEmpty());

    // A simulated device is not asked either, and the reason names the simulation.
    QSignalSpy loaded(&backend, &NemtraBackend::connectedAndDataLoaded);
    backend.simulateDevice(0);
    QVERIFY(loaded.wait(kWaitMs));
    QVERIFY(!requests.requestHolding(QStringLiteral("C000"), QStringLiteral("1")));
    QCOMPARE(requests.message(),
             QStringLiteral("Ein simuliertes Gerät beantwortet keine Anfragen: die Anfrage wurde nicht gesendet."));
    QVERIFY(!requests.busy());
}

void tst_NemtraManualRequests::badInput_refusedWithReasonAndNothingSent()
{
    Rig rig;
    QVERIFY(rig.start());
    QSignalSpy failed(&rig.requests, &NemtraManualRequests::requestFailed);
    QSignalSpy sent(rig.manager(), &NemtraConnectionManager::sendMessage);

    struct Case
    {
        std::function<bool(NemtraManualRequests &)> call;
        QString reason;
    };
    const QString range = QStringLiteral("Das Register muss zwischen 0000 und FFFE (hexadezimal) liegen.");
    const QString value = QStringLiteral("Der Wert muss zwischen 0000 und FFFF (hexadezimal) liegen.");
    const QList<Case> cases{
        {[](auto &r) { return r.requestHolding(QStringLiteral("FFFF"), QStringLiteral("1")); }, range},
        {[](auto &r) { return r.requestHolding(QStringLiteral("0x10000"), QStringLiteral("1")); }, range},
        {[](auto &r) { return r.requestHolding(QStringLiteral("C000"), QStringLiteral("0")); },
         QStringLiteral("Die Anzahl muss zwischen 1 und 125 liegen.")},
        {[](auto &r) { return r.requestHolding(QStringLiteral("C000"), QStringLiteral("126")); },
         QStringLiteral("Die Anzahl muss zwischen 1 und 125 liegen.")},
        {[](auto &r) { return r.requestHolding(QStringLiteral("FFF0"), QStringLiteral("16")); },
         QStringLiteral("Die Register FFF0 bis FFFF reichen über FFFE hinaus.")},
        {[](auto &r) { return r.requestHolding(QStringLiteral("C0G0"), QStringLiteral("1")); },
         QStringLiteral("„C0G0“ ist keine gültige hexadezimale Registeradresse.")},
        {[](auto &r) { return r.requestHolding(QStringLiteral("-1"), QStringLiteral("1")); },
         QStringLiteral("„-1“ ist keine gültige hexadezimale Registeradresse.")},
        {[](auto &r) { return r.requestHolding(QStringLiteral("C000"), QStringLiteral("zwei")); },
         QStringLiteral("„zwei“ ist keine gültige Anzahl.")},
        {[](auto &r) { return r.writeSingleHolding(QStringLiteral("300"), QStringLiteral("10000")); }, value},
        {[](auto &r) { return r.writeSingleHolding(QStringLiteral("FFFF"), QStringLiteral("1")); }, range},
        {[](auto &r) { return r.writeSingleHolding(QStringLiteral("300"), QString()); },
         QStringLiteral("„“ ist kein gültiger hexadezimaler Wert.")},
        {[](auto &r) { return r.writeMultiHolding(QStringLiteral("300"), QStringLiteral(" , ")); },
         QStringLiteral("Keine Werte angegeben.")},
        {[](auto &r) { return r.writeMultiHolding(QStringLiteral("300"), QStringLiteral("1 2 10000")); }, value},
        {[](auto &r) { return r.writeMultiHolding(QStringLiteral("300"), QStringLiteral("1;x")); },
         QStringLiteral("„x“ ist kein gültiger hexadezimaler Wert.")},
        {[](auto &r) { return r.writeMultiHolding(QStringLiteral("FFFE"), QStringLiteral("1 2")); },
         QStringLiteral("Die Register FFFE bis FFFF reichen über FFFE hinaus.")},
        {[](auto &r) {
        return r.writeMultiHolding(QStringLiteral("300"), QString(QStringLiteral("1 ")).repeated(124));
         },
         QStringLiteral("Die Anzahl muss zwischen 1 und 123 liegen.")},
        };
    for (const Case &c : cases) {
        failed.clear();
        QVERIFY(!c.call(rig.requests));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().first().toString(), c.reason);
        QCOMPARE(rig.requests.message(), c.reason);
        QVERIFY(!rig.requests.busy());
        QVERIFY(rig.manager()->writeQueue().isEmpty());
        QVERIFY(rig.manager()->singleReadQueue().isEmpty());
    }
    QVERIFY(rig.requests.lastSent().isEmpty());

    // A good request afterwards goes through and clears the message; none of the refused ones
    // reached the link before it.
    QSignalSpy read(&rig.requests, &NemtraManualRequests::readFinished);
    QVERIFY(rig.requests.requestHolding(QStringLiteral("0x0300"), QStringLiteral("1")));
    QVERIFY(rig.requests.message().isEmpty());
    QVERIFY(read.wait(kWaitMs));
    for (const QList<QVariant> &message : std::as_const(sent))
        QVERIFY2(!message.first().toString().startsWith(QLatin1String("WRITE")),
                 qPrintable(message.first().toString()));
    const QList<quint16> device = rig.emulator.registers();
    QCOMPARE(device.value(kScratch), quint16(0));
    QCOMPARE(device.value(0xFFFE), quint16(0));
}

void tst_NemtraManualRequests::read_showsTheDeviceValuesAndLogsThem()
{
    Rig rig;
    QVERIFY(rig.start());
    const QList<quint16> device = rig.emulator.registers();
    QSignalSpy read(&rig.requests, &NemtraManualRequests::readFinished);

    QVERIFY(rig.requests.requestHolding(QStringLiteral("c000"), QStringLiteral("12")));
    QVERIFY(rig.requests.busy());
    QCOMPARE(rig.requests.lastSent(), QStringLiteral("READ C000 (12)"));
    // One request at a time.
    QVERIFY(!rig.requests.requestHolding(QStringLiteral("C000"), QStringLiteral("1")));
    QTRY_COMPARE_WITH_TIMEOUT(read.count(), 1, kWaitMs);
    QCOMPARE(read.first().at(0).toUInt(), uint(kContainerArea));
    const QList<quint16> values = read.first().at(1).value<QList<quint16>>();
    QCOMPARE(values, device.mid(kContainerArea, 12));
    QVERIFY(!rig.requests.busy());
    QString expected = QStringLiteral("C000:");
    for (quint16 v : values)
        expected += QStringLiteral(" %1").arg(v, 4, 16, QLatin1Char('0')).toUpper();
    QCOMPARE(rig.requests.lastReceived(), expected);

    // The transfer log holds the requests as sent and the values as answered.
    const QString lastValue =
        QStringLiteral("C00B: %1").arg(device.at(kContainerArea + 11), 4, 16, QLatin1Char('0')).toUpper();
    QTRY_VERIFY_WITH_TIMEOUT(rig.logged(false).contains(lastValue), kWaitMs);
    QVERIFY2(rig.logged(true).contains(QStringLiteral("READ C000 (1)")), qPrintable(rig.logged(true).join('\n')));
    QVERIFY(rig.logged(true).contains(QStringLiteral("READ C00B (1)")));
    QCOMPARE(rig.logged(true).size(), rig.logged(false).size());
    QVERIFY(rig.log.rowCount() <= NemtraTestLog::kMaxEntries);

    // The largest read the protocol allows.
    read.clear();
    QVERIFY(rig.requests.requestHolding(QStringLiteral("8000"), QStringLiteral("125")));
    QTRY_COMPARE_WITH_TIMEOUT(read.count(), 1, kWaitMs);
    QCOMPARE(read.first().at(1).value<QList<quint16>>().size(), 125);
}

void tst_NemtraManualRequests::writes_reachTheDeviceAndAreReadBack()
{
    Rig rig;
    QVERIFY(rig.start());
    QSignalSpy written(&rig.requests, &NemtraManualRequests::writeFinished);
    QSignalSpy read(&rig.requests, &NemtraManualRequests::readFinished);

    QVERIFY(rig.requests.writeSingleHolding(QStringLiteral("300"), QStringLiteral("0xBEEF")));
    QCOMPARE(rig.requests.lastSent(), QStringLiteral("WRITE 0300 = BEEF"));
    QTRY_COMPARE_WITH_TIMEOUT(written.count(), 1, kWaitMs);
    QCOMPARE(rig.emulator.registers().value(kScratch), quint16(0xBEEF));

    QVERIFY(rig.requests.writeMultiHolding(QStringLiteral("0301"), QStringLiteral("1, 2;ffff")));
    QCOMPARE(rig.requests.lastSent(), QStringLiteral("WRITE 0301 (3) = 0001 0002 FFFF"));
    QTRY_COMPARE_WITH_TIMEOUT(written.count(), 2, kWaitMs);
    QCOMPARE(written.last().at(0).toUInt(), uint(kScratch + 1));
    QCOMPARE(written.last().at(1).toInt(), 3);
    QCOMPARE(rig.emulator.registers().mid(kScratch, 4), (QList<quint16>{0xBEEF, 1, 2, 0xFFFF}));

    QVERIFY(rig.requests.requestHolding(QStringLiteral("300"), QStringLiteral("4")));
    QTRY_COMPARE_WITH_TIMEOUT(read.count(), 1, kWaitMs);
    QCOMPARE(read.first().at(1).value<QList<quint16>>(), (QList<quint16>{0xBEEF, 1, 2, 0xFFFF}));
    QCOMPARE(rig.requests.lastReceived(), QStringLiteral("0300: BEEF 0001 0002 FFFF"));

    QTRY_VERIFY_WITH_TIMEOUT(rig.logged(true).contains(QStringLiteral("WRITE 0301 (3) = 0001 0002 FFFF")), kWaitMs);
    QVERIFY(rig.logged(true).contains(QStringLiteral("WRITE 0300 = BEEF")));
    QVERIFY(rig.logged(false).contains(QStringLiteral("0301: OK")));
}

void tst_NemtraManualRequests::linkLost_pendingRequestFailsWithText()
{
    Rig rig;
    QVERIFY(rig.start());
    QSignalSpy failed(&rig.requests, &NemtraManualRequests::requestFailed);
    rig.emulator.stop();
    // The link finds out only when a request goes unanswered.
    QVERIFY(rig.requests.requestHolding(QStringLiteral("8000"), QStringLiteral("125")));
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, kWaitMs);
    QVERIFY(!failed.first().first().toString().isEmpty());
    QVERIFY(!rig.requests.busy());
    QVERIFY(rig.requests.lastReceived().startsWith(QLatin1String("Fehler: ")));
    QTRY_VERIFY_WITH_TIMEOUT(!rig.backend.connected(), kWaitMs);
    // The unanswered request is in the log with its error.
    bool errorLogged = false;
    for (const QString &entry : rig.logged(false))
        errorLogged = errorLogged || entry.contains(QLatin1String(": FEHLER: "));
    QVERIFY2(errorLogged, qPrintable(rig.logged(false).join('\n')));
    // Nothing is left to answer a later device.
    QVERIFY(!rig.requests.requestHolding(QStringLiteral("8000"), QStringLiteral("1")));
}

void tst_NemtraManualRequests::duringFullRead_writeRefusedReadServed()
{
    Rig rig;
    // A slow line keeps the full read going long enough.
    QVERIFY(rig.start({QStringLiteral("--wire-baud"), QStringLiteral("9600")}, false));
    QTRY_VERIFY_WITH_TIMEOUT(rig.manager()->currentTask() == NemtraConnectionManager::GetAllData, kWaitMs);
    const QString reason = QStringLiteral("Das Gerät wird gerade vollständig gelesen: bitte danach erneut senden.");
    QVERIFY(!rig.requests.writeSingleHolding(QStringLiteral("300"), QStringLiteral("1")));
    QCOMPARE(rig.requests.message(), reason);
    QVERIFY(!rig.requests.writeMultiHolding(QStringLiteral("300"), QStringLiteral("1 2")));
    QCOMPARE(rig.requests.message(), reason);
    QVERIFY(rig.manager()->writeQueue().isEmpty());
    QVERIFY(!rig.requests.busy());

    QSignalSpy read(&rig.requests, &NemtraManualRequests::readFinished);
    QVERIFY(rig.requests.requestHolding(QStringLiteral("300"), QStringLiteral("1")));
    QTRY_COMPARE_WITH_TIMEOUT(read.count(), 1, kWaitMs);
    QCOMPARE(read.first().at(1).value<QList<quint16>>(), QList<quint16>{0});
    emit rig.backend.disconnectFromDevice();
}

QTEST_GUILESS_MAIN(tst_NemtraManualRequests)
#include "tst_NemtraManualRequests.moc"
