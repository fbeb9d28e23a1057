#pragma once

#include <QByteArray>

class KivDeviceModel;

// Turns a Modbus request PDU into the response PDU (or an exception) against the device model.
class KivModbusSlave
{
public:
    static constexpr quint8 kReadHolding = 3;
    static constexpr quint8 kWriteSingle = 6;
    static constexpr quint8 kWriteMultiple = 16;
    static constexpr int kMaxReadCount = 125;
    static constexpr int kMaxWriteCount = 123;
    static constexpr quint8 kExceptionFlag = 0x80;

    explicit KivModbusSlave(KivDeviceModel *model);

    QByteArray handle(const QByteArray &pdu);

    static QByteArray exception(quint8 function, quint8 code);

private:
    QByteArray readHolding(const QByteArray &pdu);
    QByteArray writeSingle(const QByteArray &pdu);
    QByteArray writeMultiple(const QByteArray &pdu);

    KivDeviceModel *m_model = nullptr;
};
