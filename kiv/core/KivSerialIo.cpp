#include "KivSerialIo.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcKivSerialIo, "kiv.serial", QtInfoMsg)

KivSerialIo::KivSerialIo(QObject *parent)
    : BaseSerialIo(parent)
{
    connect(this, &SerialIo::initDone, this, [this] {
        connect(modbusMaster(), &ModbusClientSerial::allBytesWritten, this, &KivSerialIo::onAllBytesWritten,
                Qt::UniqueConnection);
    });
    connect(this, &BaseSerialIo::operationModeChanged, this, &KivSerialIo::resetBootLoaderRetryCount);
    connect(this, &SerialIo::error, this, [this] { emit errorAsString(errorString()); });
}

void KivSerialIo::setDoWriteDoneSignal(bool doIt)
{
    m_doWriteDoneSignal = doIt;
}

void KivSerialIo::resetBootLoaderRetryCount()
{
    m_retryCount = 0;
}

void KivSerialIo::onAllBytesWritten()
{
    if (m_doWriteDoneSignal && modbusMaster()->queueIsEmpty()) {
        m_doWriteDoneSignal = false;
        emit allWritten();
    }
}

bool KivSerialIo::inNormalOrIdentification() const
{
    return operationMode() == BluetoothIoEnums::Normal || operationMode() == BluetoothIoEnums::Identification;
}

void KivSerialIo::onDatagramReceived(const Datagram &datagram)
{
    if (datagram.getFlag() == 0) {
        const uint start = datagram.getStartAdress();
        const QList<quint16> values = datagram.getValues();
        switch (requestType()) {
        case ReadRequest:
            if (inNormalOrIdentification()) {
                if (values.size() == 1)
                    emit newDataSl(start, values);
                else
                    emit newDataPl(start, values);
            } else if (operationMode() == BluetoothIoEnums::BootLoader) {
                emit responseForBootLoader(start, values);
            }
            break;
        case PollRequest:
            emit newPoll(start, values);
            break;
        case WriteRequest:
            if (operationMode() == BluetoothIoEnums::BootLoader)
                emit registerWrittenForBootLoader(start, values);
            break;
        default:
            break;
        }
    }
    // A discarded answer still ends its request; the queue must not stall on it.
    processPendingRequests();
}

void KivSerialIo::onStateChanged(int state)
{
    // Mode 2 belongs to the boot loader; the back end must not see its link juggling.
    if (!inNormalOrIdentification())
        return;
    if (state == 2) {
        m_retryCount = 0;
        emit isConnected(true);
    } else if (state == 0) {
        emit isConnected(false);
        setRequestType(NoRequest);
        setOperationMode(BluetoothIoEnums::Normal);
    }
}

void KivSerialIo::onErrorOccured(ModbusClientSerial::ModbusClientErrors code)
{
    if (operationMode() == BluetoothIoEnums::BootLoader) {
        if (isModbusError(code) && m_retryCount < MaxBootLoaderRetries) {
            const Datagram again = modbusMaster()->lastDatagram();
            SerialIo::onErrorOccured(code);
            qCDebug(lcKivSerialIo) << "boot loader retry" << m_retryCount + 1;
            writeDatagram(again);
            ++m_retryCount;
            return;
        }
        SerialIo::onErrorOccured(code);
        // Leave boot-loader mode first so that the back end learns that the link is down.
        setOperationMode(BluetoothIoEnums::Normal);
        disconnectDevice();
        return;
    }
    SerialIo::onErrorOccured(code);
    disconnectDevice();
}
