#pragma once

#include "BraskoGlobal.h"
#include "Datagram.h"
#include "ModbusClientSerial.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class TrafficLog;

// A Modbus RTU link on one serial port. Meant to live in a worker thread: it creates its
// Modbus client lazily, so every object it owns is born in that thread. Subclasses get each
// answer, state change and failure through the three virtual handlers.
class BRASKO_EXPORT SerialIo : public QObject
{
    Q_OBJECT

public:
    explicit SerialIo(QObject *parent = nullptr);
    ~SerialIo() override;

    // Null until the first call that needs it (setParameter or a request).
    ModbusClientSerial *modbusMaster() const { return m_master; }
    QString errorString() const;
    uchar modbusId() const { return m_modbusId; }
    // Records every request and its outcome in log. Call before the link moves to its thread.
    void setTrafficLog(std::shared_ptr<TrafficLog> log);

public slots:
    // parameters: [baud rate, parity, data bits, stop bits, timeout ms, retries]. Opens the port.
    void setParameter(const QString &port, const QList<int> &parameters);
    void setModbusId(uchar id);
    void disconnectDevice();
    // Sends a request ahead of everything queued, e.g. the failed lastDatagram() once more.
    void writeDatagram(const Datagram &datagram);

signals:
    void isConnected(bool connected);
    // The Modbus client exists; modbusMaster() may be connected to from now on.
    void initDone();
    void error(ModbusClientSerial::ModbusClientErrors code);

protected slots:
    virtual void onDatagramReceived(const Datagram &datagram);
    // 0 unconnected, 2 connected.
    virtual void onStateChanged(int state);
    virtual void onErrorOccured(ModbusClientSerial::ModbusClientErrors code);

protected:
    static bool isModbusError(ModbusClientSerial::ModbusClientErrors code);
    ModbusClientSerial *ensureMaster();
    void enqueueRequest(const Datagram &request);

private:
    ModbusClientSerial *m_master = nullptr;
    uchar m_modbusId = 1;
    std::shared_ptr<TrafficLog> m_traffic;
};
