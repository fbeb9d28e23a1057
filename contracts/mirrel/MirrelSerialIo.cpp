#include "MirrelSerialIo.h"

#include "MirrelLogging.h"

MirrelSerialIo::MirrelSerialIo(QObject *parent)
    : BaseSerialIo(parent)
{
}

void MirrelSerialIo::onDatagramReceived(const Datagram &datagram)
{
    if (datagram.getFlag() == 0) {
        if (datagram.requestType() == WriteRequest)
            emit writeAnswered(datagram.getStartAdress(), datagram.getValues());
        else
            emit readAnswered(datagram.getStartAdress(), datagram.getValues());
    }
    // A discarded answer still ends its request; the queue must not stall on it.
    processPendingRequests();
}

void MirrelSerialIo::onStateChanged(int state)
{
    m_open = state == 2;
    SerialIo::onStateChanged(state);
}

void MirrelSerialIo::onErrorOccured(ModbusClientSerial::ModbusClientErrors code)
{
    SerialIo::onErrorOccured(code);
    const QString text = errorString();
    if (!m_open) {
        // A request that raced the closing link: the owner has already heard why it closed.
        if (code == ModbusClientSerial::NotConnectedError)
            qCDebug(lcMirrel) << "request after the link closed:" << text;
        else
            emit openFailed(text);
        return;
    }
    const Datagram failed = modbusMaster()->lastDatagram();
    if (isModbusError(code) && failed.kind() == Datagram::Kind::Read) {
        emit readRefused(text);
        processPendingRequests();
        return;
    }
    emit requestFailed(text);
    disconnectDevice();
}
