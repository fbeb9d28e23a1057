#pragma once

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QList>
#include <QStringList>
#include <QThread>

#include <algorithm>
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

} // namespace Bench
