#include "ModbusCrc.h"

namespace {
// One table lookup a byte instead of eight shifts: the emulator checks every candidate frame of
// a noisy stream.
struct CrcTable
{
    quint16 entries[256] = {};
    constexpr CrcTable()
    {
        for (int i = 0; i < 256; ++i) {
            quint16 crc = quint16(i);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
            entries[i] = crc;
        }
    }
};
constexpr CrcTable kTable;
} // namespace

quint16 ModbusCrc::compute(const QByteArray &data)
{
    quint16 crc = 0xFFFF;
    for (const char c : data)
        crc = quint16((crc >> 8) ^ kTable.entries[(crc ^ quint8(c)) & 0xFF]);
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
