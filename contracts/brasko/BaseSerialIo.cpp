#include "BaseSerialIo.h"

#include "BraskoLogging.h"

BaseSerialIo::BaseSerialIo(QObject *parent)
    : SerialIo(parent)
{
    connect(this, &SerialIo::initDone, this, [this] {
        connect(modbusMaster(), &ModbusClientSerial::requestSent, this, [this](const Datagram &request) {
            if (request.kind() != Datagram::Kind::Raw)
                m_requestType = request.requestType();
        });
    });
}

void BaseSerialIo::readSingleReg(uint address)
{
    enqueueRequest(Datagram::readRequest(address, 1, ReadRequest));
}

void BaseSerialIo::readMultiReg(uint start, uint count)
{
    enqueueRequest(Datagram::readRequest(start, count, ReadRequest));
}

void BaseSerialIo::readPollReg(uint start, uint count)
{
    enqueueRequest(Datagram::readRequest(start, count, PollRequest));
}

void BaseSerialIo::writeSingleReg(uint address, ushort value)
{
    enqueueRequest(Datagram::writeRequest(address, {quint16(value)}, WriteRequest));
}

void BaseSerialIo::writeMultiReg(uint start, const QList<quint16> &values)
{
    enqueueRequest(Datagram::writeRequest(start, values, WriteRequest));
}

void BaseSerialIo::writeRawBytes(const QByteArray &bytes)
{
    setOperationMode(BluetoothIoEnums::BootLoader);
    enqueueRequest(Datagram::rawRequest(bytes));
}

void BaseSerialIo::setOperationMode(BluetoothIoEnums::OperationMode mode)
{
    if (mode == m_operationMode)
        return;
    qCDebug(lcBrasko) << "operation mode" << mode;
    m_operationMode = mode;
    emit operationModeChanged(mode);
}

void BaseSerialIo::setRequestType(int type)
{
    m_requestType = type;
}

void BaseSerialIo::processPendingRequests()
{
    if (ModbusClientSerial *master = modbusMaster())
        master->processPendingRequests();
}

void BaseSerialIo::onBootLoaderFinished()
{
    setOperationMode(BluetoothIoEnums::Normal);
}

void BaseSerialIo::onDatagramReceived(const Datagram &datagram)
{
    Q_UNUSED(datagram)
    processPendingRequests();
}
