#include "EmulatorProcess.h"
#include "KivDefaultImage.h"
#include "PtyPair.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {
constexpr int kMbpollMs = 15000;

// mbpoll prints one "[address]: \tvalue" line per register.
QMap<int, int> parseMbpoll(const QByteArray &out)
{
    QMap<int, int> values;
    static const QRegularExpression line(QStringLiteral("^\\[(\\d+)\\]:\\s+(-?\\d+)"),
                                         QRegularExpression::MultilineOption);
    auto it = line.globalMatch(QString::fromLatin1(out));
    while (it.hasNext()) {
        const auto m = it.next();
        values.insert(m.captured(1).toInt(), m.captured(2).toInt());
    }
    return values;
}

QByteArray runMbpoll(const QStringList &args, int *exitCode)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("timeout"), QStringList{QStringLiteral("10"), QStringLiteral("mbpoll")} + args);
    if (!p.waitForFinished(kMbpollMs))
        p.kill();
    *exitCode = p.exitCode();
    return p.readAll();
}
} // namespace

class tst_MbpollInterop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mbpollReads_theDefaultDeviceRegisters();
    void mbpollWrite_landsInTheDeviceImage();
};

void tst_MbpollInterop::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("mbpoll")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty())
        QSKIP("mbpoll or socat is not installed");
}

void tst_MbpollInterop::mbpollReads_theDefaultDeviceRegisters()
{
    PtyPair pty;
    QVERIFY2(pty.start(), qPrintable(pty.errorString()));
    EmulatorProcess emulator;
    QVERIFY2(emulator.start(pty.deviceSide(), {"--variant", "bacnet"}), qPrintable(emulator.errorString()));

    int rc = -1;
    const QByteArray out = runMbpoll({"-m", "rtu", "-a", "1", "-b", "115200", "-P", "none", "-t", "4", "-0", "-r", "0",
                                      "-c", "100", "-1", pty.appSide()},
                                     &rc);
    QCOMPARE(rc, 0);
    const QMap<int, int> values = parseMbpoll(out);
    QCOMPARE(values.size(), 100);
    const QList<quint16> expected = KivDefaultImage::build(KivDefaultImage::Variant::BACnet);
    for (int reg = 0; reg < 100; ++reg) {
        // mbpoll shows 16-bit registers as signed numbers.
        QCOMPARE(quint16(values.value(reg)), expected.at(reg));
    }
}

void tst_MbpollInterop::mbpollWrite_landsInTheDeviceImage()
{
    PtyPair pty;
    QVERIFY2(pty.start(), qPrintable(pty.errorString()));
    EmulatorProcess emulator;
    QVERIFY2(emulator.start(pty.deviceSide(), {"--id", "17"}), qPrintable(emulator.errorString()));

    int rc = -1;
    runMbpoll(
        {"-m", "rtu", "-a", "17", "-b", "115200", "-P", "none", "-t", "4", "-0", "-r", "30", pty.appSide(), "512", "0"},
        &rc);
    QCOMPARE(rc, 0);
    QTRY_COMPARE(emulator.registers().value(30), quint16(512));
    QCOMPARE(emulator.registers().value(31), quint16(0));

    // Another id on the same line is not us: mbpoll times out and nothing changes.
    runMbpoll({"-m", "rtu", "-a", "18", "-b", "115200", "-P", "none", "-t", "4", "-0", "-o", "0.3", "-r", "30",
               pty.appSide(), "777"},
              &rc);
    QVERIFY(rc != 0);
    QCOMPARE(emulator.registers().value(30), quint16(512));
}

QTEST_GUILESS_MAIN(tst_MbpollInterop)
#include "tst_MbpollInterop.moc"
