// Full-read time of the real KIV back end against the kiv-emulator over a socat pty pair, with
// the requests and bytes it takes, set against the wire time of a real 115200 baud line.
#include "BaseSettings.h"
#include "KivBackend.h"
#include "KivSettings.h"
#include "KivShareBackend.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

constexpr int StartupTimeoutMs = 5000;
constexpr int ReadTimeoutMs = 30000;
constexpr int ProcessStopMs = 2000;
constexpr double SilenceMs = 1.75; // between frames above 19200 baud
constexpr double ByteTimeUs8N1 = 86.8; // 115200 baud, 10 bits per byte
constexpr int ReadRequestBytes = 8;
constexpr int ReadAnswerOverheadBytes = 5; // address, function, byte count, CRC
constexpr int Blocks = 15;
constexpr int BlockRegisters = 50;
constexpr int FirstBlock = 1000;
constexpr int BlockStride = 100;

bool waitForPaths(const QStringList &paths, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (std::all_of(paths.begin(), paths.end(), [](const QString &p) { return QFileInfo::exists(p); }))
            return true;
        QThread::msleep(10);
    }
    return false;
}

// The emulator's default device, widened to the largest supported one: 15 copies of block 0.
bool writeFifteenBlockImage(const QString &emulator, const QString &path)
{
    QProcess dump;
    dump.start(emulator, {QStringLiteral("--dump-image"), path});
    if (!dump.waitForFinished(StartupTimeoutMs) || dump.exitCode() != 0)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QList<QByteArray> lines;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    file.close();
    if (lines.size() < FirstBlock + Blocks * BlockStride)
        return false;
    lines[0] = QByteArray::number(Blocks);
    for (int i = 1; i < Blocks; ++i) {
        for (int r = 0; r < BlockRegisters; ++r)
            lines[FirstBlock + BlockStride * i + r] = lines.at(FirstBlock + r);
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(lines.join('\n') + '\n');
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Full read of a 15-block KIV device over a pty pair"));
    parser.addHelpOption();
    const QCommandLineOption emulatorOption(QStringLiteral("emulator"), QStringLiteral("kiv-emulator program"),
                                            QStringLiteral("path"),
                                            QCoreApplication::applicationDirPath() + QStringLiteral("/kiv-emulator"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("full reads to time"),
                                        QStringLiteral("n"), QStringLiteral("10"));
    parser.addOption(emulatorOption);
    parser.addOption(runsOption);
    parser.process(app);
    const int runs = qMax(1, parser.value(runsOption).toInt());
    const QString emulatorPath = parser.value(emulatorOption);

    const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
    if (socat.isEmpty() || !QFileInfo::exists(emulatorPath)) {
        std::fprintf(stderr, "needs socat and the kiv-emulator (%s)\n", qPrintable(emulatorPath));
        return 1;
    }

    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("fifteen.txt"));
    if (!writeFifteenBlockImage(emulatorPath, image)) {
        std::fprintf(stderr, "could not build the 15-block image\n");
        return 1;
    }
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
    emulator.start(emulatorPath,
                   {QStringLiteral("--port"), deviceSide, QStringLiteral("--parity"), QStringLiteral("none"),
                    QStringLiteral("--registers"), image});
    QByteArray banner;
    QDeadlineTimer ready(StartupTimeoutMs);
    while (!banner.contains("READY") && !ready.hasExpired() && emulator.waitForReadyRead(int(ready.remainingTime())))
        banner += emulator.readAll();
    if (!banner.contains("READY")) {
        std::fprintf(stderr, "emulator did not start: %s\n", banner.constData());
        return 1;
    }

    BaseSettings::setSettingsFile(dir.filePath(QStringLiteral("settings.ini")));
    BaseSettings::writePortName(appSide);
    BaseSettings::writeBaudrate(115200);
    BaseSettings::writeParity(0);
    BaseSettings::writeTimeout(1000);
    BaseSettings::writeRetry(0);
    KivSettings::writeVerbindungsMode(0);

    int rc = 0;
    {
        KivShareBackend share;
        KivBackend backend(&share);
        QEventLoop loop;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        bool failed = false;
        QObject::connect(&watchdog, &QTimer::timeout, &loop, [&] {
            failed = true;
            loop.quit();
        });
        QObject::connect(&backend, &KivBackend::serialError, &loop, [&](const QString &text) {
            std::fprintf(stderr, "link error: %s\n", qPrintable(text));
            failed = true;
            loop.quit();
        });
        QObject::connect(&backend, &KivBackend::errorPlainText, &loop, [&](const QString &text) {
            std::fprintf(stderr, "error: %s\n", qPrintable(text));
            failed = true;
            loop.quit();
        });

        int requests = 0;
        qint64 bytes = 0;
        QObject::connect(&backend, &KivBackend::readMultiRegister, &loop, [&](uint, uint count) {
            ++requests;
            bytes += ReadRequestBytes + ReadAnswerOverheadBytes + 2 * qint64(count);
        });
        QElapsedTimer clock;
        QList<double> samples;
        // The last answer of a full read lifts progress to its maximum.
        QObject::connect(&backend, &KivBackendProperty::progressChanged, &loop, [&](int progress) {
            if (clock.isValid() && progress == backend.maximum()) {
                samples.append(clock.nsecsElapsed() / 1e6);
                clock.invalidate();
                loop.quit();
            }
        });
        QObject::connect(&backend, &KivBackend::switchToPoll, &loop, &QEventLoop::quit);

        // Connect and identify, untimed; the first full read warms the link up.
        watchdog.start(ReadTimeoutMs);
        backend.connectDevice();
        loop.exec();
        if (!failed && !backend.updateOngoing())
            loop.exec();
        for (int run = 0; run < runs && !failed; ++run) {
            requests = 0;
            bytes = 0;
            watchdog.start(ReadTimeoutMs);
            clock.start();
            backend.getAllData();
            loop.exec();
        }
        if (failed || samples.size() < runs) {
            std::fprintf(stderr, "full read did not complete\n");
            rc = 1;
        } else {
            std::sort(samples.begin(), samples.end());
            const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) / samples.size();
            const double wire = bytes * ByteTimeUs8N1 / 1000.0 + requests * 2 * SilenceMs;
            std::printf("KIV full read of a %d-block device over a pty pair, %d runs\n", Blocks, runs);
            std::printf("requests per read: %d, bytes per read: %lld (requests and answers)\n", requests,
                        static_cast<long long>(bytes));
            std::printf("time per full read: mean %.1f ms, median %.1f ms, min %.1f ms, max %.1f ms\n", mean,
                        samples.at(samples.size() / 2), samples.first(), samples.last());
            std::printf("wire time at 115200 8N1: %.1f ms (%lld bytes x %.1f us + %d x 2 silences of %.2f ms)\n", wire,
                        static_cast<long long>(bytes), ByteTimeUs8N1, requests, SilenceMs);
            std::printf("a pty has no wire time: the measured time is the link, thread hops, emulator and "
                        "the back end's own handling.\n");
        }
        backend.disconnectDevice();
        QTimer::singleShot(200, &loop, &QEventLoop::quit);
        loop.exec();
    }

    emulator.terminate();
    emulator.waitForFinished(ProcessStopMs);
    cable.terminate();
    cable.waitForFinished(ProcessStopMs);
    return rc;
}
