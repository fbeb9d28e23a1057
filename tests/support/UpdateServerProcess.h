#pragma once

#include <QByteArray>
#include <QString>

class QProcess;

// The local firmware update server (tools/update-server) serving one folder on 127.0.0.1 at a
// free port, under test control.
class UpdateServerProcess
{
public:
    UpdateServerProcess();
    ~UpdateServerProcess();

    UpdateServerProcess(const UpdateServerProcess &) = delete;
    UpdateServerProcess &operator=(const UpdateServerProcess &) = delete;

    static QString scriptPath();
    static QString pythonPath();

    // Starts the server on FOLDER and waits for its "READY <base url>" line.
    bool start(const QString &folder, int timeoutMs = 10000);
    void stop();

    // "http://127.0.0.1:<port>", known after start().
    QString baseUrl() const;
    QString errorString() const;

private:
    QProcess *m_process = nullptr;
    QByteArray m_output;
    QString m_baseUrl;
    QString m_error;
};
