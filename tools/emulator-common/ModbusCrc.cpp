#include "ModbusCrc.h"

quint16 ModbusCrc::compute(const QByteArray &data)
{
    quint16 crc = 0xFFFF;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

QByteArray ModbusCrc::appended(const QByteArray &frameWithoutCrc)
{
    const quint16 crc = compute(frameWithoutCrc);
    QByteArray frame = frameWithoutCrc;
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

bool ModbusCrc::isValid(const QByteArray &frame)
{
    if (frame.size() < 3)
        return false;
    const quint16 crc = compute(frame.left(frame.size() - 2));
    return quint8(frame.at(frame.size() - 2)) == (crc & 0xFF) && quint8(frame.at(frame.size() - 1)) == (crc >> 8);
}
