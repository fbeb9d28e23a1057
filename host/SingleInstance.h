#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// Keeps one host per user: the first instance listens on a local socket, a later one hands
// over its arguments and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Per user, so that two people on one machine each get their own host.
    static QString defaultServerName();

    QString serverName() const { return m_serverName; }
    bool isListening() const;

    // True when a running instance took the arguments and confirmed them.
    bool sendToRunning(const QStringList &arguments, int timeoutMs = 3000);
    // Call only after sendToRunning failed: a leftover socket file is then known to be stale.
    bool listen();

signals:
    void argumentsReceived(const QStringList &arguments);

private:
    void onNewConnection();
    void readFrom(QLocalSocket *socket);

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};
