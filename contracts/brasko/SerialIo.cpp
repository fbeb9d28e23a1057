#include "SerialIo.h"

#include "BraskoLogging.h"
#include "TrafficLog.h"

#include <utility>

SerialIo::SerialIo(QObject *parent)
    : QObject(parent)
{
}

SerialIo::~SerialIo() = default;

QString SerialIo::errorString() const
{
    return m_master ? m_master->errorString() : QString();
}

ModbusClientSerial *SerialIo::ensureMaster()
{
    if (m_master)
        return m_master;
    m_master = new ModbusClientSerial(this);
    m_master->setServerAddress(m_modbusId);
    m_master->setTrafficLog(m_traffic);
    connect(m_master, &ModbusClientSerial::datagramReceived, this, &SerialIo::onDatagramReceived);
    connect(m_master, &ModbusClientSerial::stateChanged, this, &SerialIo::onStateChanged);
    connect(m_master, &ModbusClientSerial::errorOccurred, this, &SerialIo::onErrorOccured);
    emit initDone();
    return m_master;
}

void SerialIo::setTrafficLog(std::shared_ptr<TrafficLog> log)
{
    m_traffic = std::move(log);
    if (m_master)
        m_master->setTrafficLog(m_traffic);
}

void SerialIo::setParameter(const QString &port, const QList<int> &parameters)
{
    ensureMaster()->connectPort(port, parameters);
}

void SerialIo::setModbusId(uchar id)
{
    m_modbusId = id;
    if (m_master)
        m_master->setServerAddress(id);
}

void SerialIo::disconnectDevice()
{
    if (m_master)
        m_master->disconnectPort();
}

void SerialIo::writeDatagram(const Datagram &datagram)
{
    ensureMaster()->sendFirst(datagram);
}

void SerialIo::enqueueRequest(const Datagram &request)
{
    ensureMaster()->enqueue(request);
}

void SerialIo::onDatagramReceived(const Datagram &datagram)
{
    Q_UNUSED(datagram)
}

void SerialIo::onStateChanged(int state)
{
    if (state == 2)
        emit isConnected(true);
    else if (state == 0)
        emit isConnected(false);
}

void SerialIo::onErrorOccured(ModbusClientSerial::ModbusClientErrors code)
{
    qCDebug(lcBrasko) << "error" << code << errorString();
    emit error(code);
}

bool SerialIo::isModbusError(ModbusClientSerial::ModbusClientErrors code)
{
    return ModbusClientSerial::isModbusException(code);
}
