#include "EmulatorProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
constexpr int kStopWaitMs = 3000;
const QByteArray kReadyLine = QByteArrayLiteral("READY");
} // namespace

EmulatorProcess::EmulatorProcess()
    : m_program(programPath())
{
}

EmulatorProcess::EmulatorProcess(const QString &programName)
    : m_program(programPath(programName))
{
}

EmulatorProcess::~EmulatorProcess()
{
    stop();
}

QString EmulatorProcess::programPath()
{
    return programPath(QStringLiteral("kiv-emulator"));
}

QString EmulatorProcess::programPath(const QString &programName)
{
    const QString buildDir = qEnvironmentVariable("ORVANE_BUILD_DIR");
    return QDir(buildDir.isEmpty() ? QStringLiteral(".") : buildDir).filePath(QStringLiteral("bin/") + programName);
}

bool EmulatorProcess::start(const QString &port, const QStringList &extraArgs, int timeoutMs)
{
    stop();
    m_error.clear();
    m_output.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        m_error = QStringLiteral("cannot create a temporary folder: %1").arg(m_dir->errorString());
        m_dir.reset();
        return false;
    }

    m_process = new QProcess;
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    QStringList args{QStringLiteral("--port"), port, QStringLiteral("--state-file"), stateFile()};
    args += extraArgs;
    m_process->start(m_program, args);
    if (!m_process->waitForStarted(timeoutMs)) {
        m_error = QStringLiteral("cannot start %1: %2").arg(m_program, m_process->errorString());
        stop();
        return false;
    }

    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        collectOutput();
        if (m_output.startsWith(kReadyLine + '\n') || m_output.contains('\n' + kReadyLine + '\n'))
            return true;
        if (m_process->state() == QProcess::NotRunning) {
            m_error = QStringLiteral("emulator ended with code %1: %2")
                          .arg(m_process->exitCode())
                          .arg(QString::fromLocal8Bit(m_output));
            return false;
        }
        if (deadline.hasExpired()) {
            m_error = QStringLiteral("emulator not ready within %1 ms: %2")
                          .arg(timeoutMs)
                          .arg(QString::fromLocal8Bit(m_output));
            stop();
            return false;
        }
        m_process->waitForReadyRead(int(qBound(qint64(1), deadline.remainingTime(), qint64(100))));
    }
}

void EmulatorProcess::stop()
{
    if (m_process) {
        if (m_process->state() != QProcess::NotRunning) {
            m_process->terminate();
            if (!m_process->waitForFinished(kStopWaitMs)) {
                m_process->kill();
                m_process->waitForFinished(kStopWaitMs);
            }
        }
        collectOutput();
        delete m_process;
        m_process = nullptr;
    }
    // The folder (and the state file) stays until the next start so a test can still inspect it.
}

bool EmulatorProcess::writeEditedImage(const QString &path, const std::function<void(QList<quint16> &)> &edit,
                                       const QString &variant)
{
    QStringList args{QStringLiteral("--dump-image"), path};
    if (!variant.isEmpty())
        args += {QStringLiteral("--variant"), variant};
    QProcess dump;
    dump.start(programPath(), args);
    if (!dump.waitForFinished(10000) || dump.exitCode() != 0)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QList<quint16> regs;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            regs.append(quint16(line.trimmed().toUInt()));
    }
    file.close();
    edit(regs);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (quint16 v : std::as_const(regs))
        file.write(QByteArray::number(v) + '\n');
    return true;
}

bool EmulatorProcess::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

QList<quint16> EmulatorProcess::registers() const
{
    QList<quint16> values;
    QFile file(stateFile());
    if (stateFile().isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return values;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        bool ok = false;
        const uint value = trimmed.toUInt(&ok);
        if (!ok || value > 0xFFFF)
            return {};
        values.append(quint16(value));
    }
    return values;
}

QString EmulatorProcess::stateFile() const
{
    return m_dir ? m_dir->filePath(QStringLiteral("state.txt")) : QString();
}

QByteArray EmulatorProcess::output() const
{
    collectOutput();
    return m_output;
}

QString EmulatorProcess::errorString() const
{
    return m_error;
}

void EmulatorProcess::collectOutput() const
{
    if (m_process)
        m_output += m_process->readAll();
}
