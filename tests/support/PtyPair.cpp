#include "PtyPair.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {
constexpr int kStopWaitMs = 2000;
constexpr int kPollIntervalMs = 10;
} // namespace

PtyPair::PtyPair() = default;

PtyPair::~PtyPair()
{
    stop();
}

bool PtyPair::start(int timeoutMs)
{
    stop();
    m_error.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        m_error = QStringLiteral("cannot create a temporary folder: %1").arg(m_dir->errorString());
        m_dir.reset();
        return false;
    }

    m_process = new QProcess;
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->start(QStringLiteral("socat"),
                     {QStringLiteral("-d"), QStringLiteral("-d"),
                      QStringLiteral("pty,raw,echo=0,link=%1").arg(deviceSide()),
                      QStringLiteral("pty,raw,echo=0,link=%1").arg(appSide())});
    if (!m_process->waitForStarted(timeoutMs)) {
        m_error = QStringLiteral("socat did not start: %1").arg(m_process->errorString());
        stop();
        return false;
    }

    // socat creates the links only after both ptys are open; poll rather than parse its log.
    QDeadlineTimer deadline(timeoutMs);
    while (!(QFileInfo::exists(deviceSide()) && QFileInfo::exists(appSide()))) {
        if (m_process->state() != QProcess::Running) {
            m_error = QStringLiteral("socat ended early: %1").arg(QString::fromLocal8Bit(m_process->readAll()));
            stop();
            return false;
        }
        if (deadline.hasExpired()) {
            m_error = QStringLiteral("socat links did not appear within %1 ms").arg(timeoutMs);
            stop();
            return false;
        }
        QThread::msleep(kPollIntervalMs);
    }
    return true;
}

void PtyPair::stop()
{
    if (m_process) {
        if (m_process->state() != QProcess::NotRunning) {
            m_process->terminate();
            if (!m_process->waitForFinished(kStopWaitMs)) {
                m_process->kill();
                m_process->waitForFinished(kStopWaitMs);
            }
        }
        delete m_process;
        m_process = nullptr;
    }
    m_dir.reset();
}

QString PtyPair::deviceSide() const
{
    return m_dir ? m_dir->filePath(QStringLiteral("ttyA")) : QString();
}

QString PtyPair::appSide() const
{
    return m_dir ? m_dir->filePath(QStringLiteral("ttyB")) : QString();
}

QString PtyPair::errorString() const
{
    return m_error;
}
