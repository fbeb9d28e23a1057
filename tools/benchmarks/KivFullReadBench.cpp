// Full-read time of the real KIV back end against the kiv-emulator over a socat pty pair: once
// with the emulator holding its answers for the time a 115200 baud line needs (set against
// the wire limit of the same requests), once on the plain pty (the software's own time per
// request). A libmodbus client doing the same requests is the reference, where it was built.
#include "BaseSettings.h"
#include "BenchCommon.h"
#include "KivBackend.h"
#include "KivSettings.h"
#include "KivShareBackend.h"
#include "WireModel.h"

#ifdef KIV_HAVE_LIBMODBUS
#include <modbus.h>
#endif

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPair>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

using Bench::ReadAnswerOverheadBytes;
using Bench::ReadRequestBytes;
using Bench::waitForPaths;

constexpr int StartupTimeoutMs = 5000;
constexpr int ReadTimeoutMs = 30000;
constexpr int Baud = 115200;
constexpr int Blocks = 15;
constexpr int BlockRegisters = 50;
constexpr int FirstBlock = 1000;
constexpr int BlockStride = 100;

using Request = QPair<uint, uint>; // start register, count

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

using Bench::Stats;
using Bench::statsOf;

// Times `runs` full reads of the back end after one untimed warm-up read; fills the requests
// of one read. Empty on failure.
QList<double> timeOurFullReads(const QString &port, const QString &settingsDir, int runs, QList<Request> *requests)
{
    BaseSettings::setSettingsFile(settingsDir + QStringLiteral("/settings.ini"));
    BaseSettings::writePortName(port);
    BaseSettings::writeBaudrate(Baud);
    BaseSettings::writeParity(0);
    BaseSettings::writeTimeout(1000);
    BaseSettings::writeRetry(0);
    KivSettings::writeVerbindungsMode(0);

    QList<double> samples;
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
    QObject::connect(&backend, &KivBackend::readMultiRegister, &loop, [&](uint start, uint count) {
        requests->append({start, count});
    });
    QElapsedTimer clock;
    // The last answer of a full read lifts progress to its maximum.
    QObject::connect(&backend, &KivBackendProperty::progressChanged, &loop, [&](int progress) {
        if (clock.isValid() && progress == backend.maximum()) {
            samples.append(clock.nsecsElapsed() / 1e6);
            clock.invalidate();
            loop.quit();
        }
    });
    // Every full read ends in the live page's signal, a little after its last answer; the next
    // read starts only then so that the two never overlap.
    bool awaitingReady = false;
    QObject::connect(&backend, &KivBackend::switchToPoll, &loop, [&] {
        awaitingReady = false;
        loop.quit();
    });
    auto settle = [&] {
        while (awaitingReady && !failed)
            loop.exec();
    };

    // Connect and identify, untimed; the first full read warms the link up.
    watchdog.start(ReadTimeoutMs);
    awaitingReady = true;
    backend.connectDevice();
    settle();
    for (int run = 0; run < runs && !failed; ++run) {
        requests->clear();
        watchdog.start(ReadTimeoutMs);
        awaitingReady = true;
        clock.start();
        backend.getAllData();
        loop.exec();
        settle();
    }
    backend.disconnectDevice();
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    loop.exec();
    if (failed || samples.size() < runs)
        return {};
    return samples;
}

#ifdef KIV_HAVE_LIBMODBUS
// The same requests, one after another, through libmodbus. Empty on failure.
QList<double> timeReferenceReads(const QString &port, const QList<Request> &requests, int runs)
{
    QList<double> samples;
    modbus_t *ctx = modbus_new_rtu(qPrintable(port), Baud, 'N', 8, 1);
    if (!ctx)
        return samples;
    modbus_set_slave(ctx, 1);
    modbus_set_response_timeout(ctx, 1, 0);
    if (modbus_connect(ctx) != 0) {
        std::fprintf(stderr, "libmodbus: %s\n", modbus_strerror(errno));
        modbus_free(ctx);
        return samples;
    }
    modbus_flush(ctx);
    uint16_t values[MODBUS_MAX_READ_REGISTERS];
    bool ok = true;
    for (int run = -1; run < runs && ok; ++run) { // run -1 warms up
        QElapsedTimer clock;
        clock.start();
        for (const Request &r : requests) {
            if (modbus_read_registers(ctx, int(r.first), int(r.second), values) != int(r.second)) {
                std::fprintf(stderr, "libmodbus: %s\n", modbus_strerror(errno));
                ok = false;
                break;
            }
        }
        if (run >= 0 && ok)
            samples.append(clock.nsecsElapsed() / 1e6);
    }
    modbus_close(ctx);
    modbus_free(ctx);
    return ok ? samples : QList<double>{};
}
#endif

struct Scenario
{
    QList<double> ours;
    QList<double> reference;
    QList<Request> requests;
    bool referenceBuilt = false;
};

bool runScenario(const QString &emulatorPath, const QString &image, int wireBaud, int runs, Scenario *out)
{
    Bench::EmulatorRig rig;
    if (!rig.start(emulatorPath,
                   {QStringLiteral("--registers"), image, QStringLiteral("--wire-baud"), QString::number(wireBaud)}))
        return false;
    out->ours = timeOurFullReads(rig.appSide(), rig.dir(), runs, &out->requests);
    if (out->ours.isEmpty()) {
        std::fprintf(stderr, "full read did not complete\n");
        return false;
    }
#ifdef KIV_HAVE_LIBMODBUS
    out->referenceBuilt = true;
    out->reference = timeReferenceReads(rig.appSide(), out->requests, runs);
    if (out->reference.isEmpty())
        std::fprintf(stderr, "reference client failed\n");
#endif
    return true;
}

void printTimes(const char *what, const QList<double> &samples)
{
    const Stats s = statsOf(samples);
    std::printf("  %-28s mean %7.1f ms, median %7.1f ms, min %7.1f ms, max %7.1f ms\n", what, s.mean, s.median, s.min,
                s.max);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Full read of a 15-block KIV device over a pty pair"));
    parser.addHelpOption();
    const QCommandLineOption emulatorOption = Bench::emulatorOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("full reads to time"),
                                        QStringLiteral("n"), QStringLiteral("10"));
    parser.addOption(emulatorOption);
    parser.addOption(runsOption);
    parser.process(app);
    const int runs = qMax(1, parser.value(runsOption).toInt());
    const QString emulatorPath = parser.value(emulatorOption);

    if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty() || !QFileInfo::exists(emulatorPath)) {
        std::fprintf(stderr, "needs socat and the kiv-emulator (%s)\n", qPrintable(emulatorPath));
        return 1;
    }
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("fifteen.txt"));
    if (!writeFifteenBlockImage(emulatorPath, image)) {
        std::fprintf(stderr, "could not build the 15-block image\n");
        return 1;
    }

    Scenario wire;
    Scenario plain;
    if (!runScenario(emulatorPath, image, Baud, runs, &wire) || !runScenario(emulatorPath, image, 0, runs, &plain))
        return 1;

    const WireModel model(Baud);
    qint64 bytes = 0;
    qint64 limitNs = 0;
    for (const Request &r : wire.requests) {
        const qint64 answerBytes = ReadAnswerOverheadBytes + 2 * qint64(r.second);
        bytes += ReadRequestBytes + answerBytes;
        limitNs += model.exchangeNs(ReadRequestBytes, answerBytes);
    }
    const int requests = int(wire.requests.size());
    const double limitMs = limitNs / 1e6;
    const double silenceMs = model.frameSilenceNs() / 1e6;

    std::printf("KIV full read of a %d-block device, %d runs each\n", Blocks, runs);
    std::printf("requests per read: %d, bytes per read: %lld (requests and answers)\n", requests,
                static_cast<long long>(bytes));
    std::printf("wire limit at %d baud, %d bits a byte, frame silence %.2f ms before every frame: %.1f ms\n", Baud,
                WireModel::kBitsPerByte, silenceMs, limitMs);
    std::printf("against the emulator's wire model (--wire-baud %d):\n", Baud);
    printTimes("ours:", wire.ours);
    std::printf("  ours / wire limit:           %.3f\n", statsOf(wire.ours).mean / limitMs);
    if (wire.referenceBuilt && !wire.reference.isEmpty()) {
        printTimes("libmodbus reference:", wire.reference);
        std::printf("  libmodbus / wire limit:      %.3f\n", statsOf(wire.reference).mean / limitMs);
    }
    std::printf("on the plain pty (no wire time):\n");
    printTimes("ours:", plain.ours);
    const double oursPerRequest = statsOf(plain.ours).mean / requests;
    std::printf("  ours per request:            %.3f ms, beyond the %.2f ms frame silence: %.3f ms\n", oursPerRequest,
                silenceMs, oursPerRequest - silenceMs);
    if (plain.referenceBuilt && !plain.reference.isEmpty()) {
        printTimes("libmodbus reference:", plain.reference);
        const double referencePerRequest = statsOf(plain.reference).mean / requests;
        std::printf("  libmodbus per request:       %.3f ms (keeps no frame silence of its own)\n",
                    referencePerRequest);
        // The reference's whole round trip is the pty relay and the emulator, which ours pays too.
        std::printf("  ours beyond the silence and the reference's round trip: %.3f ms per request\n",
                    oursPerRequest - silenceMs - referencePerRequest);
    }
    if (!wire.reference.isEmpty() && !plain.reference.isEmpty()) {
        // The reference keeps no silence of its own, so over the wire model it should need the
        // limit less one silence a request plus its plain-pty time; what it needs beyond that is
        // the emulator's and the machine's own lateness, which ours pays as well.
        const double referenceIdeal = limitMs - requests * silenceMs + statsOf(plain.reference).mean;
        const double lateness = statsOf(wire.reference).mean - referenceIdeal;
        std::printf("rig lateness over the wire model, measured with the reference: %.1f ms per read "
                    "(%.3f ms per answer)\n",
                    lateness, lateness / requests);
        std::printf("ours / wire limit without the rig's lateness: %.3f\n",
                    (statsOf(wire.ours).mean - lateness) / limitMs);
    }
    if (!wire.referenceBuilt)
        std::printf("(reference client not built: libmodbus-dev was not found)\n");
    return 0;
}
