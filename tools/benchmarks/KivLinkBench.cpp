// Time per request of the KIV serial link over a socat pty pair against the kiv-emulator,
// and the link's overhead beyond the protocol's inter-frame silence.
#include "BenchCommon.h"
#include "KivSerialIo.h"
#include "TrafficLog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <utility>

namespace {

using Bench::ByteTimeUs8N1;
using Bench::ReadAnswerOverheadBytes;
using Bench::ReadRequestBytes;
using Bench::SilenceMs;
using Bench::waitForPaths;

constexpr int StartupTimeoutMs = 5000;
constexpr int ThreadStopMs = 2000;
constexpr int AnswerTimeoutMs = 5000;

struct Figures
{
    double mean = 0;
    double median = 0;
    double p95 = 0;
    double min = 0;
};

Figures summarise(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    Figures f;
    f.mean = std::accumulate(ms.begin(), ms.end(), 0.0) / ms.size();
    f.median = ms.at(ms.size() / 2);
    f.p95 = ms.at(qMin(int(ms.size()) - 1, int(ms.size() * 95 / 100)));
    f.min = ms.first();
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("KIV link benchmark over a pty pair"));
    parser.addHelpOption();
    const QCommandLineOption emulatorOption = Bench::emulatorOption();
    const QCommandLineOption countOption(QStringLiteral("requests"), QStringLiteral("requests per size"),
                                         QStringLiteral("n"), QStringLiteral("300"));
    // Recording costs the link a lock and a copy per request; compare with and without.
    const QCommandLineOption trafficOption(
        QStringLiteral("traffic-log"), QStringLiteral("record every request in a traffic log, as the plug-in does"));
    parser.addOption(emulatorOption);
    parser.addOption(countOption);
    parser.addOption(trafficOption);
    parser.process(app);
    const int requests = qMax(10, parser.value(countOption).toInt());

    const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
    if (socat.isEmpty() || !QFileInfo::exists(parser.value(emulatorOption))) {
        std::fprintf(stderr, "needs socat and the kiv-emulator (%s)\n", qPrintable(parser.value(emulatorOption)));
        return 1;
    }

    QTemporaryDir dir;
    const QString deviceSide = dir.filePath(QStringLiteral("ttyA"));
    const QString appSide = dir.filePath(QStringLiteral("ttyB"));
    QProcess cable;
    cable.start(
        socat, {QStringLiteral("pty,raw,echo=0,link=") + deviceSide, QStringLiteral("pty,raw,echo=0,link=") + appSide});
    if (!cable.waitForStarted(StartupTimeoutMs) || !waitForPaths({deviceSide, appSide}, StartupTimeoutMs)) {
        std::fprintf(stderr, "socat did not make the pty pair\n");
        return 1;
    }

    QProcess emulator;
    emulator.setProcessChannelMode(QProcess::MergedChannels);
    emulator.start(parser.value(emulatorOption),
                   {QStringLiteral("--port"), deviceSide, QStringLiteral("--parity"), QStringLiteral("none")});
    QByteArray banner;
    QDeadlineTimer ready(StartupTimeoutMs);
    while (!banner.contains("READY") && !ready.hasExpired() && emulator.waitForReadyRead(int(ready.remainingTime())))
        banner += emulator.readAll();
    if (!banner.contains("READY")) {
        std::fprintf(stderr, "emulator did not start: %s\n", banner.constData());
        return 1;
    }

    auto *thread = new QThread;
    auto *link = new KivSerialIo;
    const auto traffic = parser.isSet(trafficOption) ? std::make_shared<TrafficLog>() : nullptr;
    link->setTrafficLog(traffic);
    link->moveToThread(thread);
    QObject::connect(thread, &QThread::finished, link, &QObject::deleteLater);
    thread->start();

    QEventLoop loop;
    QElapsedTimer clock;
    QList<double> samples;
    bool failed = false;
    int remaining = 0;
    uint count = 0;

    const auto sendNext = [&] {
        clock.start();
        QMetaObject::invokeMethod(link, "readMultiReg", Qt::QueuedConnection, Q_ARG(uint, 0), Q_ARG(uint, count));
    };
    const auto onAnswer = [&] {
        samples.append(clock.nsecsElapsed() / 1e6);
        if (--remaining > 0)
            sendNext();
        else
            loop.quit();
    };
    QObject::connect(link, &KivSerialIo::newDataSl, &loop, onAnswer);
    QObject::connect(link, &KivSerialIo::newDataPl, &loop, onAnswer);
    QObject::connect(link, &KivSerialIo::errorAsString, &loop, [&](const QString &text) {
        std::fprintf(stderr, "link error: %s\n", qPrintable(text));
        failed = true;
        loop.quit();
    });
    QObject::connect(link, &SerialIo::isConnected, &loop, [&](bool up) {
        failed = !up;
        loop.quit();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &loop, [&] {
        failed = true;
        loop.quit();
    });

    QMetaObject::invokeMethod(link, "setParameter", Qt::QueuedConnection, Q_ARG(QString, appSide),
                              Q_ARG(QList<int>, QList<int>({115200, 0, 8, 1, 1000, 0})));
    watchdog.start(AnswerTimeoutMs);
    loop.exec();

    int rc = 0;
    if (failed) {
        std::fprintf(stderr, "could not connect to %s\n", qPrintable(appSide));
        rc = 1;
    } else {
        std::printf("KIV link over a pty pair, %d requests per size (115200 8N1 settings), traffic log %s\n", requests,
                    traffic ? "on" : "off");
        std::printf("%-10s %9s %9s %9s %9s %14s %16s\n", "registers", "mean ms", "median ms", "p95 ms", "min ms",
                    "wire 8N1 ms", "beyond silence");
        for (const uint registers : {1u, 50u, 100u}) {
            count = registers;
            // A few requests to warm up, not counted.
            samples.clear();
            remaining = 5;
            watchdog.start(AnswerTimeoutMs * remaining);
            sendNext();
            loop.exec();
            samples.clear();
            remaining = requests;
            watchdog.start(AnswerTimeoutMs * remaining);
            sendNext();
            loop.exec();
            if (failed) {
                rc = 1;
                break;
            }
            const Figures f = summarise(samples);
            const double wire = (ReadRequestBytes + ReadAnswerOverheadBytes + 2 * registers) * ByteTimeUs8N1 / 1000.0;
            std::printf("%-10u %9.3f %9.3f %9.3f %9.3f %14.2f %13.3f ms\n", registers, f.mean, f.median, f.p95, f.min,
                        wire + 2 * SilenceMs, f.median - SilenceMs);
        }
        if (traffic) {
            std::printf("traffic log: %llu requests recorded, %d kept\n", traffic->recorded(),
                        int(traffic->records().size()));
            // What one record costs the link's thread, apart from the pty's noise.
            constexpr int kRecords = 100000;
            TrafficLog probe;
            const QList<quint16> values(100, 0x1234);
            QElapsedTimer recordClock;
            recordClock.start();
            for (int i = 0; i < kRecords; ++i) {
                TrafficRecord entry;
                entry.function = TrafficRecord::ReadHolding;
                entry.count = 100;
                entry.values = values;
                probe.record(std::move(entry));
            }
            std::printf("one record of a 100-register answer: %.3f us\n",
                        recordClock.nsecsElapsed() / 1000.0 / kRecords);
        }
        std::printf("wire 8N1: bytes on a real 115200 baud line plus two silences of %.2f ms; a pty has no wire time,\n"
                    "so 'beyond silence' is the median round trip minus one silence: link, thread hops, emulator.\n",
                    SilenceMs);
    }

    thread->quit();
    thread->wait(ThreadStopMs);
    delete thread;
    emulator.terminate();
    emulator.waitForFinished(ThreadStopMs);
    cable.terminate();
    cable.waitForFinished(ThreadStopMs);
    return rc;
}
