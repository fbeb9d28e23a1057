#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QProcess;
class QTemporaryDir;

// An emulator program (kiv-emulator unless named) under test control; the register image is
// observed through its state file.
class EmulatorProcess
{
public:
    EmulatorProcess();
    // Another emulator of the same command-line family, e.g. "znt-emulator".
    explicit EmulatorProcess(const QString &programName);
    ~EmulatorProcess();

    EmulatorProcess(const EmulatorProcess &) = delete;
    EmulatorProcess &operator=(const EmulatorProcess &) = delete;

    static QString programPath();
    static QString programPath(const QString &programName);
    // Writes the emulator's factory image (of the given --variant, or the standard one) to path,
    // changed by edit, for --registers; false when the emulator could not dump it.
    static bool writeEditedImage(const QString &path, const std::function<void(QList<quint16> &)> &edit,
                                 const QString &variant = QString());

    // Starts the emulator on PORT with a private state file and waits for its "READY" line.
    bool start(const QString &port, const QStringList &extraArgs = {}, int timeoutMs = 5000);
    void stop();
    bool isRunning() const;

    QList<quint16> registers() const;
    QString stateFile() const;
    QByteArray output() const;
    QString errorString() const;

private:
    void collectOutput() const;

    QString m_program;
    std::unique_ptr<QTemporaryDir> m_dir;
    QProcess *m_process = nullptr;
    mutable QByteArray m_output;
    QString m_error;
};
