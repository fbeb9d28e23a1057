#include "EmulatorProcess.h"
#include "KivDefaultImage.h"
#include "ModbusCrc.h"
#include "PtyPair.h"
#include "RegisterImageFile.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
constexpr int kAnswerTimeoutMs = 3000;
constexpr int kSilenceWindowMs = 400;

QByteArray frame(const char *hexWithoutCrc)
{
    return ModbusCrc::appended(QByteArray::fromHex(hexWithoutCrc));
}

// The software side of the cable, speaking raw bytes so the tests see exactly what comes back.
class Line
{
public:
    bool open(const QString &path)
    {
        m_port.setPortName(path);
        return m_port.open(QIODevice::ReadWrite);
    }
    QByteArray transact(const QByteArray &request, int expected, int timeoutMs = kAnswerTimeoutMs)
    {
        m_port.readAll();
        m_port.write(request);
        m_port.waitForBytesWritten(timeoutMs);
        return collect(expected, timeoutMs);
    }
    QByteArray collect(int expected, int timeoutMs)
    {
        QByteArray answer = m_port.readAll();
        QDeadlineTimer deadline(timeoutMs);
        while (answer.size() < expected && !deadline.hasExpired()) {
            if (m_port.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
                answer += m_port.readAll();
        }
        return answer;
    }
    // Sends and reports whether anything at all came back within the window.
    bool staysSilent(const QByteArray &request) { return transact(request, 1, kSilenceWindowMs).isEmpty(); }
    void writeRaw(const QByteArray &bytes)
    {
        m_port.write(bytes);
        m_port.waitForBytesWritten(kAnswerTimeoutMs);
    }

private:
    QSerialPort m_port;
};

struct Rig
{
    PtyPair pty;
    EmulatorProcess emulator;
    Line line;

    bool start(const QStringList &args = {})
    {
        if (!pty.start()) {
            qWarning() << pty.errorString();
            return false;
        }
        if (!emulator.start(pty.deviceSide(), args)) {
            qWarning() << emulator.errorString();
            return false;
        }
        return line.open(pty.appSide());
    }
};
} // namespace

class tst_KivEmulatorProgram : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void read_answersWithDefaultDeviceAndValidCrc();
    void framesForOtherIdsAndMalformedFrames_getNoAnswer();
    void exceptions_reachTheWire();
    void writeAndStore_landInStateFile();
    void bootloader_enteredByRawTextAndImageWritten();
    void faults_areInjectedEndToEnd_data();
    void faults_areInjectedEndToEnd();
    void dropAfter_answersThenFallsSilentForGood();
    void badStartup_exitsWithCodeTwoAndAMessage();
    void dumpImage_writesTheVariantWithoutAPort();
    void sigterm_endsCleanlyWithFinalState();
};

void tst_KivEmulatorProgram::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty())
        QSKIP("socat is not installed");
    QVERIFY2(QFile::exists(EmulatorProcess::programPath()), qPrintable(EmulatorProcess::programPath()));
}

void tst_KivEmulatorProgram::read_answersWithDefaultDeviceAndValidCrc()
{
    Rig rig;
    QVERIFY(rig.start({"--id", "5"}));
    const QByteArray answer = rig.line.transact(frame("050300000002"), 9);
    QCOMPARE(answer.size(), 9);
    QVERIFY(ModbusCrc::isValid(answer));
    QCOMPARE(answer.left(5), QByteArray::fromHex("0503040008"));
    // A full block read of the temperature block: 50 registers, type 1 at offset 8.
    const QByteArray block = rig.line.transact(frame("050303e80032"), 105);
    QCOMPARE(block.size(), 105);
    QCOMPARE(block.mid(3 + 16, 4), QByteArray::fromHex("00010000"));
    const QList<quint16> state = rig.emulator.registers();
    QCOMPARE(state.size(), 5000);
    QCOMPARE(state.mid(0, 300), KivDefaultImage::build(KivDefaultImage::Variant::Standard).mid(0, 300));
}

void tst_KivEmulatorProgram::framesForOtherIdsAndMalformedFrames_getNoAnswer()
{
    Rig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.line.staysSilent(frame("020300000002")));
    QVERIFY(rig.line.staysSilent(QByteArray::fromHex("010300000002c40c"))); // bad CRC
    QVERIFY(rig.line.staysSilent(QByteArray::fromHex("01030000"))); // truncated
    // Garbage followed by a good request: the emulator resynchronises and answers it.
    const QByteArray answer = rig.line.transact(QByteArray::fromHex("ff00aa55") + frame("010300000001"), 7);
    QCOMPARE(answer, frame("0103020008"));
    // A broadcast write is carried out without an answer.
    QVERIFY(rig.line.staysSilent(frame("0006001e0190")));
    QTRY_COMPARE(rig.emulator.registers().value(30), quint16(400));
}

void tst_KivEmulatorProgram::exceptions_reachTheWire()
{
    Rig rig;
    QVERIFY(rig.start());
    QCOMPARE(rig.line.transact(frame("010313870002"), 5), frame("018302"));
    QCOMPARE(rig.line.transact(frame("01030000007e"), 5), frame("018303"));
    QCOMPARE(rig.line.transact(frame("010400000001"), 5), frame("018401"));
    QCOMPARE(rig.line.transact(frame("012b0e0100"), 5), frame("01ab01"));
}

void tst_KivEmulatorProgram::writeAndStore_landInStateFile()
{
    Rig rig;
    QVERIFY(rig.start());
    QCOMPARE(rig.line.transact(frame("0110001e000204012c0000"), 8), frame("0110001e0002"));
    QTRY_COMPARE(rig.emulator.registers().value(30), quint16(300));
    QCOMPARE(rig.line.transact(frame("010600020001"), 8), frame("010600020001"));
    // Restart: the stored altitude survives, and the device answers again after its reboot.
    QCOMPARE(rig.line.transact(frame("0106003c0001"), 8), frame("0106003c0001"));
    QByteArray answer;
    QTRY_VERIFY_WITH_TIMEOUT((answer = rig.line.transact(frame("0103001e0001"), 7, 300)).size() == 7, 5000);
    QCOMPARE(answer, frame("010302012c"));
}

void tst_KivEmulatorProgram::bootloader_enteredByRawTextAndImageWritten()
{
    QTemporaryDir dir;
    const QString imagePath = dir.filePath(QStringLiteral("fw.bin"));
    Rig rig;
    QVERIFY(rig.start({"--bootloader-image", imagePath}));
    rig.line.writeRaw("StartBootloader");
    QTRY_VERIFY(rig.emulator.output().contains("bootloader: active"));
    QCOMPARE(rig.line.transact(frame("010300000002"), 9), frame("010304219b2147"));

    // One page: start, 21 data blocks, commit, finish.
    QCOMPARE(rig.line.transact(frame("0110000000070e00000000219b214700010000 0001"), 8), frame("011000000007"));
    QByteArray payload;
    for (int block = 0, offset = 0; offset < 2048; ++block) {
        const int words = offset + 100 >= 2048 ? (2048 - offset) / 2 : 50;
        QByteArray pdu = QByteArray::fromHex("0110");
        const int start = 10 + 50 * block;
        pdu += char(start >> 8);
        pdu += char(start & 0xFF);
        pdu += char(0);
        pdu += char(words);
        pdu += char(2 * words);
        for (int w = 0; w < words; ++w) {
            const char lo = char((offset + 2 * w) & 0x7F);
            const char hi = char((offset + 2 * w + 1) & 0x7F);
            payload += lo;
            payload += hi;
            pdu += hi; // registers travel big-endian
            pdu += lo;
        }
        QCOMPARE(rig.line.transact(ModbusCrc::appended(pdu), 8).size(), 8);
        offset += 2 * words;
    }
    QCOMPARE(rig.line.transact(frame("0110000000070e00000000219b214700010000 0002"), 8), frame("011000000007"));
    QCOMPARE(rig.line.transact(frame("0110000000070e00000000219b214700000000 0003"), 8), frame("011000000007"));
    QTRY_VERIFY(QFile::exists(imagePath));
    QFile file(imagePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), payload);
    // Back in the application after the reboot.
    QByteArray answer;
    QTRY_VERIFY_WITH_TIMEOUT((answer = rig.line.transact(frame("010300000001"), 7, 300)).size() == 7, 5000);
    QCOMPARE(answer, frame("0103020008"));
}

void tst_KivEmulatorProgram::faults_areInjectedEndToEnd_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("noreply") << QStringLiteral("noreply");
    QTest::newRow("badcrc") << QStringLiteral("badcrc");
    QTest::newRow("exception") << QStringLiteral("exception:4");
    QTest::newRow("late") << QStringLiteral("late:600");
    QTest::newRow("garbage") << QStringLiteral("garbage");
}

void tst_KivEmulatorProgram::faults_areInjectedEndToEnd()
{
    QFETCH(QString, fault);
    Rig rig;
    QVERIFY(rig.start({"--fault", fault}));
    const QByteArray request = frame("010300000001");
    if (fault == QLatin1String("noreply")) {
        QVERIFY(rig.line.staysSilent(request));
    } else if (fault == QLatin1String("badcrc")) {
        const QByteArray answer = rig.line.transact(request, 7);
        QCOMPARE(answer.size(), 7);
        QCOMPARE(answer.left(5), QByteArray::fromHex("0103020008"));
        QVERIFY(!ModbusCrc::isValid(answer));
    } else if (fault.startsWith(QLatin1String("exception"))) {
        QCOMPARE(rig.line.transact(request, 5), frame("018304"));
    } else if (fault.startsWith(QLatin1String("late"))) {
        // Nothing within a normal client's patience, the right answer eventually.
        QVERIFY(rig.line.transact(request, 7, 100).isEmpty());
        QByteArray answer;
        QTRY_VERIFY((answer += rig.line.collect(7, 200)).size() >= 7);
        QCOMPARE(answer, frame("0103020008"));
    } else {
        const QByteArray answer = rig.line.transact(request, 3);
        QVERIFY(!answer.isEmpty());
        QVERIFY(!ModbusCrc::isValid(answer) || answer != frame("0103020008"));
    }
    // Frames for other ids stay unanswered whatever the fault.
    QVERIFY(rig.line.staysSilent(frame("090300000001")));
}

void tst_KivEmulatorProgram::dropAfter_answersThenFallsSilentForGood()
{
    Rig rig;
    QVERIFY(rig.start({"--fault", "drop-after:2"}));
    const QByteArray request = frame("010300000001");
    QCOMPARE(rig.line.transact(request, 7), frame("0103020008"));
    QCOMPARE(rig.line.transact(request, 7), frame("0103020008"));
    QVERIFY(rig.line.staysSilent(request));
    QVERIFY(rig.line.staysSilent(request));
}

void tst_KivEmulatorProgram::badStartup_exitsWithCodeTwoAndAMessage()
{
    QTemporaryDir dir;
    const QString shortFile = dir.filePath(QStringLiteral("short.txt"));
    QFile f(shortFile);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("1\n2\n3\n");
    f.close();
    const QList<QPair<QStringList, QByteArray>> cases = {
        {{"--port", dir.filePath(QStringLiteral("no-such-tty"))}, "cannot open port"},
        {{"--port", "/dev/null", "--registers", shortFile}, "only 3 of 5000"},
        {{"--port", "/dev/null", "--registers", dir.filePath(QStringLiteral("missing.txt"))}, "cannot read"},
        {{"--port", "/dev/null", "--fault", "exception:x"}, "exception"},
        {{"--port", "/dev/null", "--variant", "zigbee"}, "unknown variant"},
    };
    for (const auto &c : cases) {
        QProcess p;
        p.start(EmulatorProcess::programPath(), c.first);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 2);
        const QByteArray err = p.readAllStandardError();
        QVERIFY2(err.contains(c.second), err.constData());
    }
}

void tst_KivEmulatorProgram::dumpImage_writesTheVariantWithoutAPort()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lora.txt"));
    QProcess p;
    p.start(EmulatorProcess::programPath(), {"--dump-image", path, "--variant", "lora"});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    QList<quint16> values;
    QString error;
    QVERIFY2(RegisterImageFile::load(path, &values, &error), qPrintable(error));
    QCOMPARE(values, KivDefaultImage::build(KivDefaultImage::Variant::Lora));

    // The dump serves as a register file for another emulator.
    Rig rig;
    QVERIFY(rig.start({"--registers", path}));
    QCOMPARE(rig.line.transact(frame("010300900002"), 9), frame("01030400080000"));
}

void tst_KivEmulatorProgram::sigterm_endsCleanlyWithFinalState()
{
    PtyPair pty;
    QVERIFY(pty.start());
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("state.txt"));
    QProcess p;
    p.start(EmulatorProcess::programPath(), {"--port", pty.deviceSide(), "--state-file", state});
    QVERIFY(p.waitForStarted());
    // The state file is written once the signal handlers are in place.
    QTRY_VERIFY(QFile::exists(state));
    ::kill(pid_t(p.processId()), SIGTERM);
    QVERIFY(p.waitForFinished(5000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QList<quint16> values;
    QString error;
    QVERIFY2(RegisterImageFile::load(state, &values, &error), qPrintable(error));
    QCOMPARE(values.at(0), quint16(8));
}

QTEST_GUILESS_MAIN(tst_KivEmulatorProgram)
#include "tst_KivEmulatorProgram.moc"
