#pragma once

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <numeric>

// What the benchmarks share: the line's figures at 115200 baud and the pty-pair start-up.
namespace Bench {

constexpr double SilenceMs = 1.75; // 3.5 characters, fixed above 19200 baud
constexpr double ByteTimeUs8N1 = 86.8; // 115200 baud, 10 bits per byte
constexpr int ReadRequestBytes = 8;
constexpr int ReadAnswerOverheadBytes = 5; // address, function, byte count, CRC

// socat creates the pty links a moment after it starts.
inline bool waitForPaths(const QStringList &paths, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (std::all_of(paths.begin(), paths.end(), [](const QString &p) { return QFileInfo::exists(p); }))
            return true;
        QThread::msleep(10);
    }
    return false;
}

// The emulator program, by default the one built beside the benchmark.
inline QCommandLineOption emulatorOption()
{
    return QCommandLineOption(QStringLiteral("emulator"), QStringLiteral("kiv-emulator program"),
                              QStringLiteral("path"),
                              QCoreApplication::applicationDirPath() + QStringLiteral("/kiv-emulator"));
}

struct Stats
{
    double mean = 0;
    double median = 0;
    double min = 0;
    double max = 0;
};

inline Stats statsOf(QList<double> samples)
{
    Stats s;
    if (samples.isEmpty())
        return s;
    std::sort(samples.begin(), samples.end());
    s.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / samples.size();
    s.median = samples.at(samples.size() / 2);
    s.min = samples.first();
    s.max = samples.last();
    return s;
}

// A socat pty pair with an emulator on one end: its port, parity none, and the given arguments.
class EmulatorRig
{
public:
    static constexpr int kStartupTimeoutMs = 5000;
    static constexpr int kStopMs = 2000;

    ~EmulatorRig() { stop(); }

    bool start(const QString &emulatorPath, const QStringList &args)
    {
        const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
        m_deviceSide = m_dir.filePath(QStringLiteral("ttyA"));
        m_appSide = m_dir.filePath(QStringLiteral("ttyB"));
        m_cable.start(socat,
                      {QStringLiteral("pty,raw,echo=0,link=") + m_deviceSide,
                       QStringLiteral("pty,raw,echo=0,link=") + m_appSide});
        if (!m_cable.waitForStarted(kStartupTimeoutMs) || !waitForPaths({m_deviceSide, m_appSide}, kStartupTimeoutMs)) {
            std::fprintf(stderr, "socat did not make the pty pair\n");
            return false;
        }
        m_emulator.setProcessChannelMode(QProcess::MergedChannels);
        m_emulator.start(
            emulatorPath,
            QStringList{QStringLiteral("--port"), m_deviceSide, QStringLiteral("--parity"), QStringLiteral("none")} +
                args);
        QByteArray banner;
        QDeadlineTimer ready(kStartupTimeoutMs);
        while (!banner.contains("READY") && !ready.hasExpired() &&
               m_emulator.waitForReadyRead(int(ready.remainingTime())))
            banner += m_emulator.readAll();
        if (!banner.contains("READY")) {
            std::fprintf(stderr, "emulator did not start: %s\n", banner.constData());
            return false;
        }
        return true;
    }

    void stop()
    {
        for (QProcess *p : {&m_emulator, &m_cable}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(kStopMs))
                    p->kill();
                p->waitForFinished(kStopMs);
            }
        }
    }

    QString appSide() const { return m_appSide; }
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_deviceSide;
    QString m_appSide;
    QProcess m_cable;
    QProcess m_emulator;
};

} // namespace Bench
