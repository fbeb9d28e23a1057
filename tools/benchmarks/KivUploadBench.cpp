// Firmware upload time of a 64 KiB image through the real bootloader and link against the
// kiv-emulator over a socat pty pair, set against what the protocol itself allows on a real
// 115200 baud line: its fixed delays plus the wire time of every request and answer.
#include "BaseSettings.h"
#include "BenchCommon.h"
#include "BootLoader.h"
#include "KivSerialIo.h"

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

namespace {

using Bench::ByteTimeUs8N1;
using Bench::ReadAnswerOverheadBytes;
using Bench::ReadRequestBytes;
using Bench::SilenceMs;
using Bench::waitForPaths;

constexpr int StartupTimeoutMs = 5000;
constexpr int UploadTimeoutMs = 120000;
constexpr int ProcessStopMs = 2000;
constexpr int ImageBytes = 64 * 1024;
// Frame sizes: address, function, CRC and the function's own fields.
constexpr int WriteRequestOverheadBytes = 9;
constexpr int WriteAnswerBytes = 8;

// What the protocol spends on the line: every frame with its silence, and the entry text.
struct WireCount
{
    int frames = 0;
    qint64 bytes = 0;
    double ms() const { return bytes * ByteTimeUs8N1 / 1000.0 + frames * SilenceMs; }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Upload of a 64 KiB firmware image over a pty pair"));
    parser.addHelpOption();
    const QCommandLineOption emulatorOption = Bench::emulatorOption();
    parser.addOption(emulatorOption);
    parser.process(app);
    const QString emulatorPath = parser.value(emulatorOption);

    const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
    if (socat.isEmpty() || !QFileInfo::exists(emulatorPath)) {
        std::fprintf(stderr, "needs socat and the kiv-emulator (%s)\n", qPrintable(emulatorPath));
        return 1;
    }

    QTemporaryDir dir;
    BaseSettings::setSettingsFile(dir.filePath(QStringLiteral("settings.ini")));
    QByteArray image(ImageBytes, '\0');
    for (int i = 0; i < ImageBytes; ++i)
        image[i] = char((i * 7 + 3) % 251 + 1);
    const QString imagePath = dir.filePath(QStringLiteral("image.bin"));
    const QString receivedPath = dir.filePath(QStringLiteral("received.bin"));
    {
        QFile file(imagePath);
        if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size()) {
            std::fprintf(stderr, "cannot write the image\n");
            return 1;
        }
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
                    QStringLiteral("--bootloader-image"), receivedPath});
    QByteArray banner;
    QDeadlineTimer ready(StartupTimeoutMs);
    while (!banner.contains("READY") && !ready.hasExpired() && emulator.waitForReadyRead(int(ready.remainingTime())))
        banner += emulator.readAll();
    if (!banner.contains("READY")) {
        std::fprintf(stderr, "emulator did not start: %s\n", banner.constData());
        return 1;
    }

    int rc = 0;
    {
        // Wired as the back end wires it: the link in its own thread.
        QThread thread;
        auto *link = new KivSerialIo;
        link->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, link, &QObject::deleteLater);
        BootLoader bootLoader;
        bootLoader.setFast(true);
        QObject::connect(&bootLoader, &BootLoader::writeRawString, link, &BaseSerialIo::writeRawBytes);
        QObject::connect(&bootLoader, &BootLoader::writeRegs, link, &BaseSerialIo::writeMultiReg);
        QObject::connect(&bootLoader, &BootLoader::readMultiReg, link, &BaseSerialIo::readMultiReg);
        QObject::connect(&bootLoader, &BootLoader::bootLoaderFinished, link, &BaseSerialIo::onBootLoaderFinished);
        QObject::connect(link, &KivSerialIo::responseForBootLoader, &bootLoader, &BootLoader::modbusResponse,
                         Qt::QueuedConnection);
        QObject::connect(link, &KivSerialIo::registerWrittenForBootLoader, &bootLoader, &BootLoader::wasWritten,
                         Qt::QueuedConnection);
        thread.start();

        QEventLoop loop;
        bool connected = false;
        QObject::connect(link, &SerialIo::isConnected, &loop, [&](bool up) {
            connected = up;
            loop.quit();
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &loop, &QEventLoop::quit);
        watchdog.start(StartupTimeoutMs);
        QMetaObject::invokeMethod(link, "setModbusId", Qt::QueuedConnection, Q_ARG(uchar, 1));
        QMetaObject::invokeMethod(link, "setParameter", Qt::QueuedConnection, Q_ARG(QString, appSide),
                                  Q_ARG(QList<int>, QList<int>({115200, 0, 8, 1, 1000, 1})));
        loop.exec();

        WireCount wire;
        wire.bytes += QByteArrayLiteral("StartBootloader").size();
        QObject::connect(&bootLoader, &BootLoader::readMultiReg, &loop, [&](uint, uint count) {
            wire.frames += 2;
            wire.bytes += ReadRequestBytes + ReadAnswerOverheadBytes + 2 * qint64(count);
        });
        QObject::connect(&bootLoader, &BootLoader::writeRegs, &loop, [&](uint, const QList<quint16> &values) {
            wire.frames += 2;
            wire.bytes += WriteRequestOverheadBytes + 2 * qint64(values.size()) + WriteAnswerBytes;
        });
        bool failed = !connected;
        const auto fail = [&](const char *what) {
            std::fprintf(stderr, "%s\n", what);
            failed = true;
            loop.quit();
        };
        QObject::connect(&bootLoader, &BootLoader::errorCouldNotStartBL, &loop,
                         [&] { fail("the bootloader did not start"); });
        QObject::connect(&bootLoader, &BootLoader::errorUploadInterrupted, &loop,
                         [&] { fail("the upload was interrupted"); });
        QObject::connect(&bootLoader, &BootLoader::errorFileUnavailable, &loop,
                         [&] { fail("the image is unavailable"); });
        QObject::connect(&bootLoader, &BootLoader::bootLoaderFinished, &loop, &QEventLoop::quit);

        double measuredMs = 0;
        if (failed) {
            std::fprintf(stderr, "the link did not open\n");
        } else {
            QElapsedTimer clock;
            watchdog.start(UploadTimeoutMs);
            clock.start();
            bootLoader.loadFile(imagePath);
            if (!failed)
                loop.exec();
            measuredMs = clock.nsecsElapsed() / 1e6;
            failed = failed || bootLoader.blActive();
        }

        if (failed) {
            std::fprintf(stderr, "upload did not complete\n");
            rc = 1;
        } else {
            // Every fixed wait of the protocol with the delays a device needs.
            const BootLoader::Timing timing = bootLoader.timing();
            const int pages = (ImageBytes + BootLoader::kPageBytes - 1) / BootLoader::kPageBytes;
            const double fixedMs = timing.entryWaitMs + timing.startCommandDelayMs + timing.firstBlockDelayMs +
                (pages - 1) * timing.nextPageDelayMs + timing.finishDelayMs;
            QThread::msleep(200);
            QFile received(receivedPath);
            const bool identical = received.open(QIODevice::ReadOnly) && received.readAll() == image;
            std::printf("KIV firmware upload of %d bytes (%d pages, 50-register blocks) over a pty pair\n", ImageBytes,
                        pages);
            std::printf("measured: %.1f ms, %.0f bytes/s; the device received the image %s\n", measuredMs,
                        ImageBytes * 1000.0 / measuredMs, identical ? "intact" : "DIFFERENT");
            std::printf("protocol limit at 115200 8N1: %.1f ms = fixed delays %.0f ms + wire %.1f ms "
                        "(%d frames, %lld bytes x %.1f us + silences of %.2f ms)\n",
                        fixedMs + wire.ms(), fixedMs, wire.ms(), wire.frames, static_cast<long long>(wire.bytes),
                        ByteTimeUs8N1, SilenceMs);
            std::printf("measured / limit: %.2f (a pty has no wire time, so below 1 is possible)\n",
                        measuredMs / (fixedMs + wire.ms()));
            if (!identical)
                rc = 1;
        }
        thread.quit();
        thread.wait(ProcessStopMs);
    }

    emulator.terminate();
    emulator.waitForFinished(ProcessStopMs);
    cable.terminate();
    cable.waitForFinished(ProcessStopMs);
    return rc;
}
