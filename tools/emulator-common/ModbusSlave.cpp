#include "ModbusSlave.h"

#include "RegisterDevice.h"

#include <QList>

namespace {
quint16 word(const QByteArray &data, int at)
{
    return quint16((quint8(data.at(at)) << 8) | quint8(data.at(at + 1)));
}

void appendWord(QByteArray *out, quint16 value)
{
    out->append(char(value >> 8));
    out->append(char(value & 0xFF));
}
} // namespace

ModbusSlave::ModbusSlave(RegisterDevice *model)
    : m_model(model)
{
}

QByteArray ModbusSlave::handle(const QByteArray &pdu)
{
    if (pdu.isEmpty())
        return {};
    switch (quint8(pdu.at(0))) {
    case kReadHolding:
        return readHolding(pdu);
    case kWriteSingle:
        return writeSingle(pdu);
    case kWriteMultiple:
        return writeMultiple(pdu);
    default:
        return exception(quint8(pdu.at(0)), RegisterDevice::IllegalFunction);
    }
}

QByteArray ModbusSlave::exception(quint8 function, quint8 code)
{
    QByteArray out;
    out.append(char(function | kExceptionFlag));
    out.append(char(code));
    return out;
}

QByteArray ModbusSlave::readHolding(const QByteArray &pdu)
{
    if (pdu.size() != 5)
        return exception(kReadHolding, RegisterDevice::IllegalValue);
    const int start = word(pdu, 1);
    const int count = word(pdu, 3);
    if (count < 1 || count > kMaxReadCount)
        return exception(kReadHolding, RegisterDevice::IllegalValue);
    QList<quint16> values;
    const auto result = m_model->read(start, count, &values);
    if (result == RegisterDevice::NoAnswer)
        return {};
    if (result != RegisterDevice::NoException)
        return exception(kReadHolding, result);
    QByteArray out;
    out.append(char(kReadHolding));
    out.append(char(2 * values.size()));
    for (const quint16 v : values)
        appendWord(&out, v);
    return out;
}

QByteArray ModbusSlave::writeSingle(const QByteArray &pdu)
{
    if (pdu.size() != 5)
        return exception(kWriteSingle, RegisterDevice::IllegalValue);
    const auto result = m_model->write(word(pdu, 1), {word(pdu, 3)});
    if (result == RegisterDevice::NoAnswer)
        return {};
    if (result != RegisterDevice::NoException)
        return exception(kWriteSingle, result);
    return pdu; // echo
}

QByteArray ModbusSlave::writeMultiple(const QByteArray &pdu)
{
    if (pdu.size() < 6)
        return exception(kWriteMultiple, RegisterDevice::IllegalValue);
    const int start = word(pdu, 1);
    const int count = word(pdu, 3);
    const int byteCount = quint8(pdu.at(5));
    if (count < 1 || count > kMaxWriteCount || byteCount != 2 * count || pdu.size() != 6 + byteCount)
        return exception(kWriteMultiple, RegisterDevice::IllegalValue);
    QList<quint16> values;
    for (int i = 0; i < count; ++i)
        values.append(word(pdu, 6 + 2 * i));
    const auto result = m_model->write(start, values);
    if (result == RegisterDevice::NoAnswer)
        return {};
    if (result != RegisterDevice::NoException)
        return exception(kWriteMultiple, result);
    return pdu.left(5);
}
