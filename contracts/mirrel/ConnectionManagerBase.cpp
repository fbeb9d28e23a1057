#include "ConnectionManagerBase.h"

#include "MirrelLogging.h"
#include "MirrelSerialIo.h"
#include "SerialLinkOwner.h"
#include "TrafficLog.h"

namespace {
constexpr int kParameterCount = 6;
constexpr int kConnectionTypeIndex = 6;
} // namespace

ConnectionManagerBase::ConnectionManagerBase(QObject *parent)
    : QObject(parent)
    , m_links(new SerialLinkOwner(this))
{
}

ConnectionManagerBase::~ConnectionManagerBase()
{
    m_links->retire({this});
    m_links->shutdown();
}

void ConnectionManagerBase::setTrafficLog(std::shared_ptr<TrafficLog> log)
{
    m_traffic = std::move(log);
}

MirrelSerialIo *ConnectionManagerBase::link() const
{
    return static_cast<MirrelSerialIo *>(m_links->link());
}

template<typename Call>
void ConnectionManagerBase::post(Call call)
{
    MirrelSerialIo *target = link();
    if (!target)
        return;
    // Runs in the link's thread; dropped with the link if it goes first.
    QMetaObject::invokeMethod(
        target, [target, call] { call(target); }, Qt::QueuedConnection);
}

void ConnectionManagerBase::connectToSerial(QVariantList data, QString port)
{
    QList<int> parameters;
    bool valid = data.size() >= kParameterCount;
    for (int i = 0; valid && i < data.size() && i <= kConnectionTypeIndex; ++i) {
        bool ok = false;
        parameters.append(data.at(i).toInt(&ok));
        valid = ok;
    }
    if (!valid) {
        qCWarning(lcMirrel) << "refused connection parameters" << data << port;
        emit errorPlainText(tr("Die Verbindungsparameter für %1 sind unvollständig oder ungültig.").arg(port));
        return;
    }

    releaseLink();
    m_connectionType = parameters.value(kConnectionTypeIndex, Cable);
    parameters = parameters.mid(0, kParameterCount);
    m_portName = port;
    m_readRetries = 0;

    const quint64 session = ++m_session;
    auto *io = new MirrelSerialIo;
    if (m_traffic)
        io->setTrafficLog(m_traffic);
    const auto current = [this, session] { return session == m_session; };
    connect(io, &SerialIo::isConnected, this, [this, current](bool open) {
        if (current())
            onLinkState(open);
    });
    connect(io, &MirrelSerialIo::readAnswered, this, [this, current](uint start, const QList<quint16> &words) {
        if (current())
            onReadAnswered(start, words);
    });
    connect(io, &MirrelSerialIo::writeAnswered, this, [this, current](uint start) {
        if (current())
            onWriteAnswered(start);
    });
    connect(io, &MirrelSerialIo::readRefused, this, [this, current](const QString &text) {
        if (current())
            onReadRefused(text);
    });
    connect(io, &MirrelSerialIo::requestFailed, this, [this, current](const QString &text) {
        if (current())
            onRequestFailed(text);
    });
    connect(io, &MirrelSerialIo::openFailed, this, [this, current](const QString &text) {
        if (current())
            emit serialError(text);
    });
    m_links->start(io);
    setConnecting(true);
    // Waits in the link's queue until its thread runs, i.e. until a retired link freed the port.
    post([port, parameters](MirrelSerialIo *l) { l->setParameter(port, parameters); });
}

void ConnectionManagerBase::doDisconnect()
{
    releaseLink();
}

void ConnectionManagerBase::releaseLink()
{
    ++m_session;
    // The link closes its port when its thread ends; nothing here waits for that.
    m_links->retire({this});
    m_linkOpen = false;
    setConnecting(false);
    setConnected(false);
}

void ConnectionManagerBase::setConnected(bool connected)
{
    if (connected && !m_linkOpen) {
        qCWarning(lcMirrel) << "connected flag refused: no open link";
        return;
    }
    if (m_connected == connected)
        return;
    m_connected = connected;
    emit connectedChanged(connected);
}

void ConnectionManagerBase::setConnecting(bool connecting)
{
    if (m_connecting == connecting)
        return;
    m_connecting = connecting;
    emit isConnecting(connecting);
}

void ConnectionManagerBase::setDeviceToNormal()
{
    post([](MirrelSerialIo *l) { l->setOperationMode(BluetoothIoEnums::Normal); });
}

bool ConnectionManagerBase::canSend() const
{
    return m_connected && m_linkOpen;
}

void ConnectionManagerBase::readSingleRegister(uint reg)
{
    if (canSend())
        post([reg](MirrelSerialIo *l) { l->readSingleReg(reg); });
}

void ConnectionManagerBase::readMultiRegister(uint start, uint count)
{
    if (canSend())
        post([start, count](MirrelSerialIo *l) { l->readMultiReg(start, count); });
}

void ConnectionManagerBase::writeSingleRegister(uint reg, quint16 value)
{
    if (canSend())
        post([reg, value](MirrelSerialIo *l) { l->writeSingleReg(reg, value); });
}

void ConnectionManagerBase::writeMultiRegister(uint start, QList<quint16> values)
{
    if (canSend())
        post([start, values](MirrelSerialIo *l) { l->writeMultiReg(start, values); });
}

void ConnectionManagerBase::onLinkState(bool open)
{
    m_linkOpen = open;
    setConnecting(false);
    if (open) {
        m_readRetries = 0;
        setConnected(true);
        return;
    }
    // Closed by itself (failed open, lost port, failure): give the thread and the port back.
    releaseLink();
}

void ConnectionManagerBase::onReadAnswered(uint start, const QList<quint16> &words)
{
    m_readRetries = 0;
    emit readyRead(start, words);
    onDataReceived(start, words);
}

void ConnectionManagerBase::onWriteAnswered(uint start)
{
    m_readRetries = 0;
    onRegisterWritten(start);
}

void ConnectionManagerBase::onReadRefused(const QString &text)
{
    if (++m_readRetries > kMaxReadRetries) {
        failAndDisconnect(tr("Das Gerät lehnt die Leseanfragen wiederholt ab; die Verbindung wurde getrennt. "
                             "Letzte Meldung: %1")
                              .arg(text));
        return;
    }
    qCDebug(lcMirrel) << "read refused, retry" << m_readRetries << text;
    m_lastRefusal = text;
    onReadRetry();
}

void ConnectionManagerBase::onRequestFailed(const QString &text)
{
    // The link closes itself after this; its state change ends the connection.
    emit serialError(text);
    emit failedCommunication();
}

void ConnectionManagerBase::failAndDisconnect(const QString &text)
{
    emit serialError(text);
    emit failedCommunication();
    releaseLink();
}

void ConnectionManagerBase::onDataReceived(uint start, QList<quint16> words)
{
    Q_UNUSED(start)
    Q_UNUSED(words)
}

void ConnectionManagerBase::onRegisterWritten(uint reg)
{
    Q_UNUSED(reg)
}

void ConnectionManagerBase::onReadRetry()
{
    failAndDisconnect(m_lastRefusal);
}
