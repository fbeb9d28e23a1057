#include "UpdateServerProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {
constexpr int kStopWaitMs = 3000;
const QByteArray kReadyWord = QByteArrayLiteral("READY ");
} // namespace

UpdateServerProcess::UpdateServerProcess() = default;

UpdateServerProcess::~UpdateServerProcess()
{
    stop();
}

QString UpdateServerProcess::scriptPath()
{
    const QString sourceDir = qEnvironmentVariable("ORVANE_SOURCE_DIR");
    return QDir(sourceDir.isEmpty() ? QStringLiteral(".") : sourceDir)
        .filePath(QStringLiteral("tools/update-server/kiv_update_server.py"));
}

QString UpdateServerProcess::pythonPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("python3"));
}

bool UpdateServerProcess::start(const QString &folder, int timeoutMs)
{
    stop();
    m_error.clear();
    m_output.clear();
    m_baseUrl.clear();
    if (pythonPath().isEmpty()) {
        m_error = QStringLiteral("python3 not found");
        return false;
    }
    m_process = new QProcess;
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->start(pythonPath(), {scriptPath(), QStringLiteral("--root"), folder, QStringLiteral("--quiet")});
    if (!m_process->waitForStarted(timeoutMs)) {
        m_error = QStringLiteral("cannot start the update server: %1").arg(m_process->errorString());
        stop();
        return false;
    }
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        m_output += m_process->readAll();
        const int at = int(m_output.indexOf(kReadyWord));
        const int end = at >= 0 ? int(m_output.indexOf('\n', at)) : -1;
        if (end > at) {
            m_baseUrl =
                QString::fromLatin1(m_output.mid(at + kReadyWord.size(), end - at - kReadyWord.size())).trimmed();
            return true;
        }
        if (m_process->state() == QProcess::NotRunning || deadline.hasExpired()) {
            m_error = QStringLiteral("update server not ready: %1").arg(QString::fromLocal8Bit(m_output));
            stop();
            return false;
        }
        m_process->waitForReadyRead(int(qBound(qint64(1), deadline.remainingTime(), qint64(100))));
    }
}

void UpdateServerProcess::stop()
{
    if (!m_process)
        return;
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

QString UpdateServerProcess::baseUrl() const
{
    return m_baseUrl;
}

QString UpdateServerProcess::errorString() const
{
    return m_error;
}
