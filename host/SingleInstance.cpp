#include "SingleInstance.h"

#include "LogCategory.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

namespace {
// Arguments are small; anything larger is not from a well-behaved peer.
constexpr qint64 kMaxMessageBytes = 64 * 1024;
constexpr char kAck = 'k';
} // namespace

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent)
    , m_serverName(serverName)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    const QByteArray home =
        QCryptographicHash::hash(QDir::homePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return QStringLiteral("Orvane-%1-%2")
        .arg(user.isEmpty() ? QStringLiteral("user") : user, QString::fromLatin1(home));
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

bool SingleInstance::sendToRunning(const QStringList &arguments, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;

    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << arguments;
    }
    QByteArray frame;
    {
        QDataStream out(&frame, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << payload;
    }
    socket.write(frame);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // Wait for the receipt so that we never exit while the arguments are still in flight.
    if (!socket.waitForReadyRead(timeoutMs))
        return false;
    const bool confirmed = socket.read(1) == QByteArray(1, kAck);
    socket.disconnectFromServer();
    return confirmed;
}

bool SingleInstance::listen()
{
    if (isListening())
        return true;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        // Left behind by a host that crashed: nobody answered sendToRunning, so it is stale.
        QLocalServer::removeServer(m_serverName);
        if (!m_server->listen(m_serverName)) {
            qCWarning(lcHost) << "single-instance server not available:" << m_server->errorString();
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return true;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        readFrom(socket);
    }
}

void SingleInstance::readFrom(QLocalSocket *socket)
{
    if (socket->bytesAvailable() > kMaxMessageBytes) {
        qCWarning(lcHost) << "dropping oversized message from another instance";
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.setVersion(QDataStream::Qt_6_0);
    in.startTransaction();
    QByteArray payload;
    in >> payload;
    if (!in.commitTransaction())
        return; // wait for the rest
    QStringList arguments;
    QDataStream inner(payload);
    inner.setVersion(QDataStream::Qt_6_0);
    inner >> arguments;
    if (inner.status() != QDataStream::Ok) {
        qCWarning(lcHost) << "dropping malformed message from another instance";
        socket->abort();
        return;
    }
    socket->write(QByteArray(1, kAck));
    socket->flush();
    qCInfo(lcHost) << "arguments from another instance:" << arguments;
    emit argumentsReceived(arguments);
}
