#include "EmulatorProcess.h"
#include "ModbusCrc.h"
#include "PtyPair.h"
#include "RtuTestLine.h"
#include "WireModel.h"
#include "ZntDeviceImage.h"
#include "ZntPropertyFields.h"
#include "ZntRegisters.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ZntRegisters;

namespace {
constexpr int kMbpollMs = 15000;

QByteArray frame(const char *hexWithoutCrc)
{
    return ModbusCrc::appended(QByteArray::fromHex(hexWithoutCrc));
}

// mbpoll prints one "[address]: \tvalue" line per register.
QMap<int, quint16> parseMbpoll(const QByteArray &out)
{
    QMap<int, quint16> values;
    static const QRegularExpression line(QStringLiteral("^\\[(\\d+)\\]:\\s+(-?\\d+)"),
                                         QRegularExpression::MultilineOption);
    auto it = line.globalMatch(QString::fromLatin1(out));
    while (it.hasNext()) {
        const auto m = it.next();
        values.insert(m.captured(1).toInt(), quint16(m.captured(2).toInt()));
    }
    return values;
}

// mbpoll (a libmodbus client) as an independent peer; 0-based addresses, no parity.
// Values to write follow the port.
QByteArray mbpoll(const QString &port, const QStringList &args, int *exitCode, const QStringList &values = {})
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("timeout"),
            QStringList{"10", "mbpoll", "-m", "rtu", "-a", "1", "-b", "115200", "-P", "none", "-t", "4", "-0", "-1"} +
                args + QStringList{port} + values);
    if (!p.waitForFinished(kMbpollMs))
        p.kill();
    *exitCode = p.exitCode();
    return p.readAll();
}

QMap<int, quint16> expectedRange(const QList<quint16> &image, int first, int count)
{
    QMap<int, quint16> values;
    for (int reg = first; reg < first + count; ++reg)
        values.insert(reg, image.at(reg));
    return values;
}

struct Rig
{
    PtyPair pty;
    EmulatorProcess emulator{QStringLiteral("znt-emulator")};

    bool start(const QStringList &args)
    {
        if (!pty.start()) {
            qWarning() << pty.errorString();
            return false;
        }
        if (!emulator.start(pty.deviceSide(), args)) {
            qWarning() << emulator.errorString();
            return false;
        }
        return true;
    }
};
} // namespace

class tst_ZntEmulatorProgram : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mbpoll_readsIdentificationInformationAndAChannelBlock_data();
    void mbpoll_readsIdentificationInformationAndAChannelBlock();
    void mbpollWrite_readsBackAndTheStoreCommandIsReported();
    void foreignDevice_answersRegisterTenAsConfigured();
    void propertyFile_channelsAndValuesFollowTheDefinitions();
    void faultsAndWireModel_applyEndToEnd();
    void badStartup_exitsWithCodeTwoAndAMessage();
};

void tst_ZntEmulatorProgram::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("mbpoll")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty())
        QSKIP("mbpoll or socat is not installed");
    QVERIFY2(QFile::exists(EmulatorProcess::programPath("znt-emulator")),
             qPrintable(EmulatorProcess::programPath("znt-emulator")));
}

void tst_ZntEmulatorProgram::mbpoll_readsIdentificationInformationAndAChannelBlock_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<ZntDeviceImage::Model>("expected");
    QTest::newRow("F3") << "F3" << ZntDeviceImage::Model::F3;
    QTest::newRow("VTX") << "vtx" << ZntDeviceImage::Model::Vtx;
}

void tst_ZntEmulatorProgram::mbpoll_readsIdentificationInformationAndAChannelBlock()
{
    QFETCH(QString, model);
    QFETCH(ZntDeviceImage::Model, expected);
    Rig rig;
    // Still values, so the channel block can be compared word for word.
    QVERIFY(rig.start({"--model", model, "--drift-ms", "0"}));
    const QList<quint16> image = ZntDeviceImage::build(expected, ZntPropertyFields::builtIn());

    int rc = -1;
    QMap<int, quint16> got = parseMbpoll(mbpoll(rig.pty.appSide(), {"-r", "10", "-c", "1"}, &rc));
    QCOMPARE(rc, 0);
    QCOMPARE(got.value(kIdentification), quint16(0xFFFF));

    got = parseMbpoll(mbpoll(rig.pty.appSide(), {"-r", QString::number(kDeviceId), "-c", "18"}, &rc));
    QCOMPARE(rc, 0);
    QCOMPARE(got, expectedRange(image, kDeviceId, 18));
    QCOMPARE(got.value(kDeviceId), ZntDeviceImage::deviceType(expected));

    const int block = blockBase(1, kTemperature);
    got = parseMbpoll(mbpoll(rig.pty.appSide(), {"-r", QString::number(block), "-c", "16"}, &rc));
    QCOMPARE(rc, 0);
    QCOMPARE(got, expectedRange(image, block, 16));

    // The register space ends at 65534.
    mbpoll(rig.pty.appSide(), {"-r", "65534", "-c", "2"}, &rc);
    QVERIFY(rc != 0);
}

void tst_ZntEmulatorProgram::mbpollWrite_readsBackAndTheStoreCommandIsReported()
{
    Rig rig;
    QVERIFY(rig.start({"--model", "VTX"}));
    const QString interval = QString::number(kMeasureInterval);
    int rc = -1;
    mbpoll(rig.pty.appSide(), {"-r", interval}, &rc, {"900"});
    QCOMPARE(rc, 0);
    QCOMPARE(parseMbpoll(mbpoll(rig.pty.appSide(), {"-r", interval, "-c", "1"}, &rc)).value(kMeasureInterval),
             quint16(900));
    QTRY_COMPARE(rig.emulator.registers().value(kMeasureInterval), quint16(900));
    QVERIFY(!rig.emulator.output().contains("store:"));

    mbpoll(rig.pty.appSide(), {"-r", QString::number(kCommand)}, &rc, {QString::number(kStoreCommand)});
    QCOMPARE(rc, 0);
    QTRY_VERIFY(rig.emulator.output().contains("store: configuration kept"));
    QCOMPARE(parseMbpoll(mbpoll(rig.pty.appSide(), {"-r", QString::number(kCommand), "-c", "1"}, &rc)).value(kCommand),
             quint16(0));
}

void tst_ZntEmulatorProgram::foreignDevice_answersRegisterTenAsConfigured()
{
    Rig rig;
    QVERIFY(rig.start({"--identification", "0"}));
    int rc = -1;
    const QMap<int, quint16> got = parseMbpoll(mbpoll(rig.pty.appSide(), {"-r", "10", "-c", "1"}, &rc));
    QCOMPARE(rc, 0);
    QCOMPARE(got.value(kIdentification), quint16(0));
}

void tst_ZntEmulatorProgram::propertyFile_channelsAndValuesFollowTheDefinitions()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("Properties.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // A CO2 block on channel 3 and one LED setting; the rest of the device is the model's.
    file.write("{41248, 0, 10000, 1, 1, DatablockType::CO2, Int16, 1, 0, \"ppm\"}\n"
               "{41252, 0, 10000, 1, 0, CO2, Int16, 1, 4, \"ppm\"}\n"
               "{49461, 0, 100, 1, 0, Led, UInt16, 1, 1, \"%\"}\n"
               "not a definition\n");
    file.close();
    Rig rig;
    QVERIFY(rig.start({"--model", "VTX", "--property-file", file.fileName(), "--drift-ms", "0"}));
    int rc = -1;
    const QMap<int, quint16> setup =
        parseMbpoll(mbpoll(rig.pty.appSide(), {"-r", QString::number(kDeviceSetup), "-c", "32"}, &rc));
    QCOMPARE(rc, 0);
    QCOMPARE(setup.size(), 32);
    for (auto it = setup.cbegin(); it != setup.cend(); ++it) {
        // Channel 3, type 18: word 16 + 18 / 16, bit 18 % 16.
        const quint16 expected = it.key() == kDeviceSetup + 17 ? quint16(1u << 2) : 0;
        QCOMPARE(it.value(), expected);
    }
    const QMap<int, quint16> block = parseMbpoll(mbpoll(rig.pty.appSide(), {"-r", "41248", "-c", "6"}, &rc));
    QCOMPARE(block.value(41248), quint16(650));
    QCOMPARE(block.value(41252), quint16(0));
    QCOMPARE(parseMbpoll(mbpoll(rig.pty.appSide(), {"-r", "10", "-c", "1"}, &rc)).value(kIdentification),
             quint16(0xFFFF));
}

void tst_ZntEmulatorProgram::faultsAndWireModel_applyEndToEnd()
{
    const QByteArray readTen = frame("0103000a0001");
    {
        Rig rig;
        QVERIFY(rig.start({"--fault", "exception:2"}));
        RtuTestLine line;
        QVERIFY(line.open(rig.pty.appSide()));
        QCOMPARE(line.transact(readTen, 5), frame("018302"));
    }
    {
        Rig rig;
        QVERIFY(rig.start({"--fault", "badcrc"}));
        RtuTestLine line;
        QVERIFY(line.open(rig.pty.appSide()));
        const QByteArray answer = line.transact(readTen, 7);
        QCOMPARE(answer.size(), 7);
        QCOMPARE(answer.left(5), QByteArray::fromHex("010302ffff"));
        QVERIFY(!ModbusCrc::isValid(answer));
    }
    {
        // The first request passes, then the line stays silent.
        Rig rig;
        QVERIFY(rig.start({"--fault", "noreply", "--fault-after", "1"}));
        RtuTestLine line;
        QVERIFY(line.open(rig.pty.appSide()));
        QCOMPARE(line.transact(readTen, 7), frame("010302ffff"));
        QVERIFY(line.staysSilent(readTen));
    }
    {
        // At 1200 baud the answer cannot come before request, frame silence and answer crossed the line.
        Rig rig;
        QVERIFY(rig.start({"--wire-baud", "1200"}));
        RtuTestLine line;
        QVERIFY(line.open(rig.pty.appSide()));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(line.transact(readTen, 7), frame("010302ffff"));
        const qint64 wireNs = WireModel(1200).answerDelayNs(readTen.size(), 7);
        QVERIFY2(clock.nsecsElapsed() >= wireNs, qPrintable(QString::number(clock.nsecsElapsed() / 1e6)));
    }
}

void tst_ZntEmulatorProgram::badStartup_exitsWithCodeTwoAndAMessage()
{
    QTemporaryDir dir;
    const QList<QStringList> cases{{"--model", "F4", "--port", dir.filePath("x")},
                                   {"--port", dir.filePath("missing-port")},
                                   {"--identification", "70000", "--port", dir.filePath("x")},
                                   {"--property-file", dir.filePath("none.txt"), "--port", dir.filePath("x")}};
    for (const QStringList &args : cases) {
        QProcess p;
        p.start(EmulatorProcess::programPath("znt-emulator"), args);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY2(p.readAllStandardError().startsWith("znt-emulator: "), qPrintable(args.join(' ')));
    }
}

QTEST_GUILESS_MAIN(tst_ZntEmulatorProgram)
#include "tst_ZntEmulatorProgram.moc"
