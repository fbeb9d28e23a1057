#include "EmulatorOptions.h"
#include "EmulatorProcess.h"
#include "ModbusCrc.h"
#include "PtyPair.h"
#include "WireModel.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTest>

class tst_WireModel : public QObject
{
    Q_OBJECT
private slots:
    void timings_followBaudRateAndFrameSilence();
    void option_acceptsRatesAndRejectsNonsense();
    void emulator_holdsAnswerForTheWireTime();
};

void tst_WireModel::timings_followBaudRateAndFrameSilence()
{
    // 100 registers at 115200: 8-byte request, 205-byte answer, 11 bits a byte.
    const WireModel fast(115200);
    QCOMPARE(fast.bytesNs(213), qint64(213) * 11 * 1000000000 / 115200);
    QCOMPARE(fast.frameSilenceNs(), qint64(1750000)); // fixed above 19200 baud
    // Within rounding to whole nanoseconds.
    QVERIFY(qAbs(fast.answerDelayNs(8, 205) - (fast.bytesNs(213) + 1750000)) <= 1);
    QVERIFY(qAbs(fast.exchangeNs(8, 205) - (fast.bytesNs(213) + 2 * 1750000)) <= 1);
    // At and below 19200 baud the silence is 3.5 characters.
    QCOMPARE(WireModel(9600).frameSilenceNs(), qint64(3.5 * 11 * 1e9 / 9600));
    QCOMPARE(WireModel(19200).frameSilenceNs(), qint64(3.5 * 11 * 1e9 / 19200));
    // Off: no time at all, so an emulator without the option answers at once.
    const WireModel off(0);
    QVERIFY(!off.isEnabled());
    QCOMPARE(off.answerDelayNs(8, 205), qint64(0));
    QVERIFY(!WireModel(-5).isEnabled());
}

void tst_WireModel::option_acceptsRatesAndRejectsNonsense()
{
    EmulatorOptions options;
    QString error;
    QVERIFY(options.parse({"kiv-emulator", "--port", "/dev/null", "--wire-baud", "9600"}, &error));
    QCOMPARE(options.wireBaud, 9600);
    QVERIFY(options.parse({"kiv-emulator", "--port", "/dev/null", "--wire-baud=0"}, &error));
    QCOMPARE(options.wireBaud, 0);
    for (const char *bad : {"-1", "fast", ""}) {
        EmulatorOptions rejected;
        error.clear();
        QVERIFY(
            !rejected.parse({"kiv-emulator", "--port", "/dev/null", "--wire-baud", QString::fromLatin1(bad)}, &error));
        QVERIFY(error.contains(QLatin1String("wire baud")));
    }
}

void tst_WireModel::emulator_holdsAnswerForTheWireTime()
{
    if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty())
        QSKIP("socat is not installed");
    PtyPair pty;
    QVERIFY2(pty.start(), qPrintable(pty.errorString()));
    EmulatorProcess emulator;
    QVERIFY2(emulator.start(pty.deviceSide(), {"--wire-baud", "9600"}), qPrintable(emulator.errorString()));
    QSerialPort port;
    port.setPortName(pty.appSide());
    QVERIFY(port.open(QIODevice::ReadWrite));

    // Two reads of 100 registers, the second while the first answer is still on the line:
    // the line is half duplex, so the second answer waits for the first.
    const QByteArray request = ModbusCrc::appended(QByteArray::fromHex("010300000064"));
    const int answerSize = 5 + 200;
    const WireModel wire(9600);
    QElapsedTimer clock;
    clock.start();
    port.write(request + request);
    QVERIFY(port.waitForBytesWritten(2000));
    QByteArray answers;
    qint64 firstAt = -1;
    QDeadlineTimer deadline(10000);
    while (answers.size() < 2 * answerSize && !deadline.hasExpired()) {
        if (port.waitForReadyRead(100))
            answers += port.readAll();
        if (firstAt < 0 && answers.size() >= answerSize)
            firstAt = clock.nsecsElapsed();
    }
    const qint64 bothAt = clock.nsecsElapsed();
    QCOMPARE(answers.size(), 2 * answerSize);
    QVERIFY(ModbusCrc::isValid(answers.left(answerSize)));
    // Never earlier than the wire allows; the upper bounds only catch a hang or a lost hold.
    const qint64 one = wire.answerDelayNs(request.size(), answerSize);
    QVERIFY2(firstAt >= one, qPrintable(QString::number(firstAt / 1e6)));
    QVERIFY2(bothAt >= one + wire.bytesNs(answerSize), qPrintable(QString::number(bothAt / 1e6)));
    QVERIFY2(bothAt < 2 * one + 3000000000LL, qPrintable(QString::number(bothAt / 1e6)));
}

QTEST_GUILESS_MAIN(tst_WireModel)
#include "tst_WireModel.moc"
