// Full-read time of the real ZNT back end against the znt-emulator over a socat pty pair: once
// with the emulator holding its answers for the time a 115200 baud line needs (set against the
// wire limit of the same requests), once on the plain pty (the software's own time per request).
#include "BenchCommon.h"
#include "ModbusCallPair.h"
#include "NemtraBackend.h"
#include "NemtraConnectionManager.h"
#include "WireModel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

using Bench::ReadAnswerOverheadBytes;
using Bench::ReadRequestBytes;

constexpr int ReadTimeoutMs = 60000;
constexpr int Baud = 115200;

using Request = QPair<uint, uint>; // start register, count

using Bench::Stats;
using Bench::statsOf;

QList<Request> requestsOf(ModbusCallPair plan)
{
    QList<Request> requests;
    plan.reset();
    for (QList<uint> pair = plan.getPair(); pair.size() == 2; pair = plan.getNextPair())
        requests.append({pair.first(), pair.last()});
    return requests;
}

// Times `runs` full reads after the untimed first one that follows identification and the setup
// block; fills the requests of one read. Empty on failure.
QList<double> timeFullReads(const QString &port, int runs, QList<Request> *requests)
{
    QList<double> samples;
    NemtraBackend backend;
    NemtraConnectionManager *manager = backend.connectionManager();
    QEventLoop loop;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool failed = false;
    QObject::connect(&watchdog, &QTimer::timeout, &loop, [&] {
        std::fprintf(stderr, "full read timed out\n");
        failed = true;
        loop.quit();
    });
    QObject::connect(manager, &ConnectionManagerBase::serialError, &loop, [&](const QString &text) {
        std::fprintf(stderr, "link error: %s\n", qPrintable(text));
        failed = true;
        loop.quit();
    });
    QObject::connect(manager, &ConnectionManagerBase::errorPlainText, &loop, [&](const QString &text) {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
        failed = true;
        loop.quit();
    });
    QElapsedTimer clock;
    QObject::connect(manager, &NemtraConnectionManager::allDataReceived, &loop, [&] {
        if (clock.isValid())
            samples.append(clock.nsecsElapsed() / 1e6);
        loop.quit();
    });

    watchdog.start(ReadTimeoutMs);
    emit backend.connectToSerial({Baud, 0, 8, 1, 1000, 1}, port);
    loop.exec();
    *requests = requestsOf(manager->getAllQueue());
    for (int run = 0; run < runs && !failed; ++run) {
        watchdog.start(ReadTimeoutMs);
        clock.start();
        emit backend.updateAllData();
        loop.exec();
    }
    emit backend.disconnectFromDevice();
    if (failed || samples.size() < runs)
        return {};
    return samples;
}

void printTimes(const char *what, const QList<double> &samples)
{
    const Stats s = statsOf(samples);
    std::printf("  %-24s mean %7.1f ms, median %7.1f ms, min %7.1f ms, max %7.1f ms\n", what, s.mean, s.median, s.min,
                s.max);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Full read of a ZNT device over a pty pair"));
    parser.addHelpOption();
    const QCommandLineOption emulatorOption(QStringLiteral("emulator"), QStringLiteral("znt-emulator program"),
                                            QStringLiteral("path"),
                                            QCoreApplication::applicationDirPath() + QStringLiteral("/znt-emulator"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("full reads to time"),
                                        QStringLiteral("n"), QStringLiteral("10"));
    const QCommandLineOption modelOption(QStringLiteral("model"), QStringLiteral("device model: F3 or VTX"),
                                         QStringLiteral("model"), QStringLiteral("F3"));
    parser.addOption(emulatorOption);
    parser.addOption(runsOption);
    parser.addOption(modelOption);
    parser.process(app);
    const int runs = qMax(1, parser.value(runsOption).toInt());
    const QString emulatorPath = parser.value(emulatorOption);
    const QString model = parser.value(modelOption);

    if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty() || !QFileInfo::exists(emulatorPath)) {
        std::fprintf(stderr, "needs socat and the znt-emulator (%s)\n", qPrintable(emulatorPath));
        return 1;
    }

    QList<Request> requests;
    QList<double> wire;
    QList<double> plain;
    {
        Bench::EmulatorRig rig;
        if (!rig.start(emulatorPath,
                       {QStringLiteral("--model"), model, QStringLiteral("--wire-baud"), QString::number(Baud)}) ||
            (wire = timeFullReads(rig.appSide(), runs, &requests)).isEmpty())
            return 1;
    }
    {
        Bench::EmulatorRig rig;
        QList<Request> plainRequests;
        if (!rig.start(emulatorPath,
                       {QStringLiteral("--model"), model, QStringLiteral("--wire-baud"), QStringLiteral("0")}) ||
            (plain = timeFullReads(rig.appSide(), runs, &plainRequests)).isEmpty())
            return 1;
    }

    const WireModel line(Baud);
    qint64 bytes = 0;
    qint64 limitNs = 0;
    for (const Request &r : std::as_const(requests)) {
        const qint64 answerBytes = ReadAnswerOverheadBytes + 2 * qint64(r.second);
        bytes += ReadRequestBytes + answerBytes;
        limitNs += line.exchangeNs(ReadRequestBytes, answerBytes);
    }
    const double limitMs = limitNs / 1e6;
    const int count = int(requests.size());
    std::printf("ZNT full read of the %s model, %d runs each\n", qPrintable(model), runs);
    std::printf("requests per read: %d, bytes per read: %lld (requests and answers)\n", count,
                static_cast<long long>(bytes));
    std::printf("wire limit at %d baud, %d bits a byte, frame silence %.2f ms before every frame: %.1f ms\n", Baud,
                WireModel::kBitsPerByte, line.frameSilenceNs() / 1e6, limitMs);
    std::printf("against the emulator's wire model (--wire-baud %d):\n", Baud);
    printTimes("ours:", wire);
    std::printf("  ours / wire limit:       %.3f\n", statsOf(wire).mean / limitMs);
    std::printf("on the plain pty (no wire time):\n");
    printTimes("ours:", plain);
    std::printf("  ours per request:        %.3f ms\n", statsOf(plain).mean / qMax(1, count));
    return 0;
}
