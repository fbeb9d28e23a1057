#pragma once

#include <QByteArray>

class RegisterDevice;

// Turns a Modbus request PDU into the response PDU (or an exception) against a register device.
class ModbusSlave
{
public:
    static constexpr quint8 kReadHolding = 3;
    static constexpr quint8 kWriteSingle = 6;
    static constexpr quint8 kWriteMultiple = 16;
    static constexpr int kMaxReadCount = 125;
    static constexpr int kMaxWriteCount = 123;
    static constexpr quint8 kExceptionFlag = 0x80;

    explicit ModbusSlave(RegisterDevice *model);

    QByteArray handle(const QByteArray &pdu);

    static QByteArray exception(quint8 function, quint8 code);

private:
    QByteArray readHolding(const QByteArray &pdu);
    QByteArray writeSingle(const QByteArray &pdu);
    QByteArray writeMultiple(const QByteArray &pdu);

    RegisterDevice *m_model = nullptr;
};
