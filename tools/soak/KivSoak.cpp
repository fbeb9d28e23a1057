// Soak run of the KIV link: one back end lives through rounds of connect, full read, polling and
// occasional writes against the emulator on a fresh pty pair, each round with a fault drawn from a
// seeded generator. Prints the counts of requests, faults, recoveries and every anomaly.
// Not part of the test suite: it runs for minutes. tools/soak/kiv-soak.sh starts it.
#include "BaseSettings.h"
#include "KivBackend.h"
#include "KivSettings.h"
#include "KivShareBackend.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {
constexpr int kStartupMs = 5000;
constexpr int kLinkTimeoutMs = 500;
constexpr int kCableTimeoutMs = 1500;
// A healthy round polls this long before it disconnects on purpose.
constexpr int kHealthyRoundMs = 4000;
// Longest a round may take before it counts as a hang.
constexpr int kRoundLimitMs = 30000;
constexpr uint kScratch = 4000;

enum class Fault { None, NoReply, BadCrc, Exception, Late, DropAfter, Garbage, Cable, Restart };

const char *faultName(Fault fault)
{
    switch (fault) {
    case Fault::None:
        return "none";
    case Fault::NoReply:
        return "noreply";
    case Fault::BadCrc:
        return "badcrc";
    case Fault::Exception:
        return "exception";
    case Fault::Late:
        return "late";
    case Fault::DropAfter:
        return "drop-after";
    case Fault::Garbage:
        return "garbage";
    case Fault::Cable:
        return "cable pulled";
    case Fault::Restart:
        return "device restart";
    }
    return "?";
}

bool waitForPaths(const QStringList &paths, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        bool all = true;
        for (const QString &path : paths)
            all = all && QFileInfo::exists(path);
        if (all)
            return true;
        QThread::msleep(10);
    }
    return false;
}

struct Totals
{
    int rounds = 0;
    qint64 requests = 0;
    int writes = 0;
    int faultsStruck = 0;
    int drops = 0;
    int recoveries = 0;
    int anomalies = 0;
    QMap<QString, int> perFault;
};

class Soak
{
public:
    Soak(QString socat, QString emulator, quint32 seed)
        : m_socat(std::move(socat))
        , m_emulatorPath(std::move(emulator))
        , m_rng(seed)
    {
        BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("soak.ini")));
        BaseSettings::writeParity(0);
        BaseSettings::writeDeviceID(1);
        KivSettings::writeVerbindungsMode(0);
        // Every round has its own pty pair, so the wait for a lost device to come back would
        // only run out; the soak covers the plain loss.
        KivSettings::writeReconnectSeconds(0);
        m_backend = std::make_unique<KivBackend>(&m_share);
        const auto countRequest = [this] { ++m_roundRequests; };
        QObject::connect(m_backend.get(), &KivBackend::readMultiRegister, countRequest);
        QObject::connect(m_backend.get(), &KivBackend::readPollRegister, countRequest);
        QObject::connect(m_backend.get(), &KivBackend::writeSingleRegister, countRequest);
        QObject::connect(m_backend.get(), &KivBackend::writeMultiRegister, countRequest);
        QObject::connect(m_backend.get(), &KivBackend::switchToPoll, [this] {
            m_ready = true;
            m_backend->setDoPoll(true);
        });
        QObject::connect(m_backend.get(), &KivBackend::serialError, [this] { ++m_errors; });
        QObject::connect(m_backend.get(), &KivBackend::errorPlainText, [this] { ++m_errors; });
    }

    ~Soak() { stopProcesses(); }

    // Replays one fault (emulator spelling, or "cable" / "restart") instead of drawing them.
    void setReplay(const QString &fault, int after, int retries)
    {
        m_replayFault = fault;
        m_replayAfter = after;
        m_replayRetries = retries;
    }

    bool round(Totals &totals, bool verbose)
    {
        Fault fault = drawFault();
        int after = int(m_rng.bounded(0, 40));
        int retries = int(m_rng.bounded(0, 3));
        QString roundLabel = describe(fault, after);
        if (!m_replayFault.isEmpty() && fault != Fault::None) {
            after = m_replayAfter;
            retries = m_replayRetries;
            fault = m_replayFault == QLatin1String("cable") ? Fault::Cable
                : m_replayFault == QLatin1String("restart") ? Fault::Restart
                                                            : Fault::Exception;
            m_faultArg = fault == Fault::Exception ? m_replayFault : QString();
            roundLabel = QStringLiteral("%1 after %2").arg(m_replayFault).arg(after);
        }
        ++totals.rounds;
        ++totals.perFault[QString::fromLatin1(faultName(fault))];

        if (!startCable() || !startEmulator(fault, after)) {
            anomaly(totals, roundLabel, QStringLiteral("could not start the pty pair or the emulator"));
            stopProcesses();
            return false;
        }
        BaseSettings::writePortName(m_appSide);
        BaseSettings::writeTimeout(fault == Fault::Cable ? kCableTimeoutMs : kLinkTimeoutMs);
        BaseSettings::writeRetry(retries);
        roundLabel += QStringLiteral(" retries %1").arg(retries);

        m_ready = false;
        m_errors = 0;
        m_roundRequests = 0;
        bool struck = false;
        bool dropped = false;
        int roundWrites = 0;

        QEventLoop loop;
        QTimer tick;
        tick.setInterval(20);
        QElapsedTimer clock;
        clock.start();
        bool started = false;
        QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
            // A link that fails on its first requests may be gone before this tick sees it.
            if (!started && (m_backend->hasSerialLink() || m_roundRequests > 0 || m_errors > 0))
                started = true;
            // The cable and the restart strike once the device has answered `after` requests.
            if (!struck && (fault == Fault::Cable || fault == Fault::Restart) && m_roundRequests > after) {
                if (fault == Fault::Cable)
                    m_cable.kill();
                else
                    m_emulator.kill();
                struck = true;
            }
            if (started && !m_backend->connected() && !m_backend->hasSerialLink()) {
                dropped = true;
                loop.quit();
                return;
            }
            if (fault == Fault::None && m_ready && clock.elapsed() > kHealthyRoundMs) {
                loop.quit();
                return;
            }
            if (clock.elapsed() > kRoundLimitMs)
                loop.quit();
        });
        QTimer writer;
        writer.setInterval(700);
        QObject::connect(&writer, &QTimer::timeout, &loop, [&] {
            // Writes go through only while live polling is off, as on the settings pages.
            if (!m_ready || !m_backend->connected())
                return;
            if (m_backend->doPoll()) {
                m_backend->setDoPoll(false);
                m_backend->singleWrite(kScratch, quint16(m_rng.bounded(1, 60000)));
                ++roundWrites;
            } else {
                m_backend->setDoPoll(true);
            }
        });
        tick.start();
        writer.start();
        m_backend->connectDevice();
        loop.exec();
        tick.stop();
        writer.stop();

        totals.requests += m_roundRequests;
        totals.writes += roundWrites;
        if (m_lastDropped && m_ready)
            ++totals.recoveries;
        if (fault != Fault::None && dropped)
            ++totals.faultsStruck;

        bool ok = true;
        if (!dropped && clock.elapsed() > kRoundLimitMs) {
            ok = anomaly(totals, roundLabel, QStringLiteral("no end within %1 ms").arg(kRoundLimitMs));
        } else if (dropped) {
            ++totals.drops;
            if (fault == Fault::None)
                ok = anomaly(totals, roundLabel, QStringLiteral("a healthy device was dropped"));
            if (m_errors == 0)
                ok = anomaly(totals, roundLabel, QStringLiteral("dropped without an error shown"));
        }
        if (!dropped) {
            m_backend->disconnectDevice();
            QDeadlineTimer end(kStartupMs);
            while (m_backend->hasSerialLink() && !end.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        // Whatever happened, the back end must be back at the start, with nothing held over.
        QDeadlineTimer settle(kStartupMs);
        while ((m_backend->hasSerialLink() || !m_backend->updateOngoing()) && !settle.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (m_backend->hasSerialLink() || m_backend->connected())
            ok = anomaly(totals, roundLabel, QStringLiteral("link still open after the round"));
        if (m_backend->pendingWrites() != 0)
            ok = anomaly(totals, roundLabel, QStringLiteral("%1 writes left queued").arg(m_backend->pendingWrites()));
        if (m_backend->doPoll() || m_backend->isLoadingFromDisc())
            ok = anomaly(totals, roundLabel, QStringLiteral("polling or loading flag left set"));
        m_lastDropped = dropped;
        stopProcesses();
        if (verbose) {
            std::printf("round %d: %s -> %s, %d requests%s\n", totals.rounds, qPrintable(roundLabel),
                        dropped ? "dropped" : "clean end", m_roundRequests, ok ? "" : " ANOMALY");
            std::fflush(stdout);
        }
        return ok;
    }

private:
    Fault drawFault()
    {
        // Healthy rounds are as frequent as all faults together, so recoveries are exercised too.
        if (m_rng.bounded(2) == 0)
            return Fault::None;
        return Fault(1 + m_rng.bounded(int(Fault::Restart)));
    }

    QString describe(Fault fault, int after)
    {
        switch (fault) {
        case Fault::None:
            return QStringLiteral("none");
        case Fault::Exception:
            m_faultArg = QStringLiteral("exception:%1").arg(1 + m_rng.bounded(3));
            break;
        case Fault::Late:
            m_faultArg = QStringLiteral("late:%1").arg(2 * kLinkTimeoutMs);
            break;
        case Fault::DropAfter:
            m_faultArg = QStringLiteral("drop-after:%1").arg(after);
            break;
        case Fault::Cable:
        case Fault::Restart:
            m_faultArg.clear();
            break;
        default:
            m_faultArg = QString::fromLatin1(faultName(fault));
            break;
        }
        const QString shown = m_faultArg.isEmpty() ? QString::fromLatin1(faultName(fault)) : m_faultArg;
        return QStringLiteral("%1 after %2").arg(shown).arg(after);
    }

    bool startCable()
    {
        const QString dir = m_dir.filePath(QStringLiteral("round%1").arg(++m_roundNo));
        m_deviceSide = dir + QStringLiteral("-dev");
        m_appSide = dir + QStringLiteral("-app");
        m_cable.start(m_socat,
                      {QStringLiteral("pty,raw,echo=0,link=") + m_deviceSide,
                       QStringLiteral("pty,raw,echo=0,link=") + m_appSide});
        return m_cable.waitForStarted(kStartupMs) && waitForPaths({m_deviceSide, m_appSide}, kStartupMs);
    }

    bool startEmulator(Fault fault, int after)
    {
        QStringList args{QStringLiteral("--port"), m_deviceSide, QStringLiteral("--parity"), QStringLiteral("none")};
        if (!m_faultArg.isEmpty() && fault != Fault::None) {
            args << QStringLiteral("--fault") << m_faultArg;
            if (fault != Fault::DropAfter)
                args << QStringLiteral("--fault-after") << QString::number(after);
        }
        m_emulator.setProcessChannelMode(QProcess::MergedChannels);
        m_emulator.start(m_emulatorPath, args);
        QByteArray banner;
        QDeadlineTimer ready(kStartupMs);
        while (!banner.contains("READY") && !ready.hasExpired() &&
               m_emulator.waitForReadyRead(int(ready.remainingTime())))
            banner += m_emulator.readAll();
        return banner.contains("READY");
    }

    void stopProcesses()
    {
        for (QProcess *process : {&m_emulator, &m_cable}) {
            if (process->state() != QProcess::NotRunning) {
                process->terminate();
                if (!process->waitForFinished(2000)) {
                    process->kill();
                    process->waitForFinished(2000);
                }
            }
        }
    }

    bool anomaly(Totals &totals, const QString &roundLabel, const QString &what)
    {
        ++totals.anomalies;
        std::printf("ANOMALY round %d (%s): %s\n", totals.rounds, qPrintable(roundLabel), qPrintable(what));
        std::fflush(stdout);
        return false;
    }

    QTemporaryDir m_dir;
    QString m_socat;
    QString m_emulatorPath;
    QRandomGenerator m_rng;
    KivShareBackend m_share;
    std::unique_ptr<KivBackend> m_backend;
    QProcess m_cable;
    QProcess m_emulator;
    QString m_deviceSide;
    QString m_appSide;
    QString m_faultArg;
    QString m_replayFault;
    int m_replayAfter = 0;
    int m_replayRetries = 0;
    int m_roundNo = 0;
    int m_roundRequests = 0;
    int m_errors = 0;
    bool m_ready = false;
    bool m_lastDropped = false;
};
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qRegisterMetaType<BluetoothIoEnums::OperationMode>();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("KIV link soak run with seeded random faults"));
    parser.addHelpOption();
    const QCommandLineOption minutesOption(QStringLiteral("minutes"), QStringLiteral("how long to run"),
                                           QStringLiteral("m"), QStringLiteral("10"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("seed of the fault generator"),
                                        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption emulatorOption(QStringLiteral("emulator"), QStringLiteral("kiv-emulator program"),
                                            QStringLiteral("path"),
                                            QCoreApplication::applicationDirPath() + QStringLiteral("/kiv-emulator"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"), QStringLiteral("print every round"));
    const QCommandLineOption replayOption(QStringLiteral("replay"),
                                          QStringLiteral("replay one fault in every faulty round: "
                                                         "an emulator --fault, \"cable\" or \"restart\""),
                                          QStringLiteral("fault"));
    const QCommandLineOption afterOption(QStringLiteral("after"), QStringLiteral("requests before the replayed fault"),
                                         QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption retriesOption(QStringLiteral("retries"), QStringLiteral("link retries in replayed rounds"),
                                           QStringLiteral("n"), QStringLiteral("0"));
    parser.addOptions(
        {minutesOption, seedOption, emulatorOption, verboseOption, replayOption, afterOption, retriesOption});
    parser.process(app);

    const double minutes = parser.value(minutesOption).toDouble();
    const quint32 seed = parser.value(seedOption).toUInt();
    const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
    if (socat.isEmpty() || !QFileInfo::exists(parser.value(emulatorOption)) || minutes <= 0) {
        std::fprintf(stderr, "needs socat, the kiv-emulator (%s) and a positive --minutes\n",
                     qPrintable(parser.value(emulatorOption)));
        return 2;
    }

    Soak soak(socat, parser.value(emulatorOption), seed);
    if (parser.isSet(replayOption))
        soak.setReplay(parser.value(replayOption), parser.value(afterOption).toInt(),
                       parser.value(retriesOption).toInt());
    Totals totals;
    QElapsedTimer clock;
    clock.start();
    const qint64 limitMs = qint64(minutes * 60000.0);
    qint64 nextReport = 60000;
    while (clock.elapsed() < limitMs) {
        soak.round(totals, parser.isSet(verboseOption));
        if (clock.elapsed() >= nextReport) {
            std::printf("%5.1f min: %d rounds, %lld requests, %d faults struck, %d recoveries, %d anomalies\n",
                        clock.elapsed() / 60000.0, totals.rounds, static_cast<long long>(totals.requests),
                        totals.faultsStruck, totals.recoveries, totals.anomalies);
            std::fflush(stdout);
            nextReport += 60000;
        }
    }

    std::printf("\nKIV link soak, seed %u, %.1f min\n", seed, clock.elapsed() / 60000.0);
    std::printf("rounds              %d\n", totals.rounds);
    std::printf("requests            %lld\n", static_cast<long long>(totals.requests));
    std::printf("writes sent         %d\n", totals.writes);
    std::printf("faults struck       %d (link dropped by a fault)\n", totals.faultsStruck);
    std::printf("drops               %d\n", totals.drops);
    std::printf("recoveries          %d (a round after a drop that read the device again)\n", totals.recoveries);
    std::printf("anomalies           %d\n", totals.anomalies);
    std::printf("rounds per fault:");
    for (auto it = totals.perFault.cbegin(); it != totals.perFault.cend(); ++it)
        std::printf(" %s=%d", qPrintable(it.key()), it.value());
    std::printf("\n");
    return totals.anomalies == 0 ? 0 : 1;
}
