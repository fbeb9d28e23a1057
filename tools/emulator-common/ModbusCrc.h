#pragma once

#include <QByteArray>
#include <QtGlobal>

// CRC-16/Modbus (poly 0xA001 reflected, init 0xFFFF); sent low byte first on the wire.
class ModbusCrc
{
public:
    static quint16 compute(const QByteArray &data);
    static QByteArray appended(const QByteArray &frameWithoutCrc);
    // True when the last two bytes are the CRC of the bytes before them.
    static bool isValid(const QByteArray &frame);
};
