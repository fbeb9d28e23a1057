#pragma once

#include "BluetoothIoEnums.h"
#include "BraskoGlobal.h"
#include "SerialIo.h"

#include <QByteArray>
#include <QList>

// Register-level requests on top of SerialIo. Requests wait in the client's queue; after an
// answer the next one leaves only when processPendingRequests() is called, and requestType()
// tells what the answer being delivered was asked for.
class BRASKO_EXPORT BaseSerialIo : public SerialIo
{
    Q_OBJECT

public:
    enum RequestType { NoRequest = 0, ReadRequest = 1, PollRequest = 2, WriteRequest = 3 };
    Q_ENUM(RequestType)

    explicit BaseSerialIo(QObject *parent = nullptr);

    BluetoothIoEnums::OperationMode operationMode() const { return m_operationMode; }
    int requestType() const { return m_requestType; }

public slots:
    void readSingleReg(uint address);
    void readMultiReg(uint start, uint count);
    void readPollReg(uint start, uint count);
    void writeSingleReg(uint address, ushort value);
    void writeMultiReg(uint start, const QList<quint16> &values);
    // Sent in turn with the register requests; switches the link into boot-loader mode,
    // since the only raw text the devices know is the one that starts their boot loader.
    void writeRawBytes(const QByteArray &bytes);
    void setOperationMode(BluetoothIoEnums::OperationMode mode);
    void setRequestType(int type);
    void processPendingRequests();
    // Back to normal operation once the boot loader is done.
    void onBootLoaderFinished();

signals:
    void operationModeChanged(BluetoothIoEnums::OperationMode mode);

protected slots:
    // Without a subclass the queue just keeps moving.
    void onDatagramReceived(const Datagram &datagram) override;

private:
    BluetoothIoEnums::OperationMode m_operationMode = BluetoothIoEnums::Normal;
    int m_requestType = NoRequest;
};
