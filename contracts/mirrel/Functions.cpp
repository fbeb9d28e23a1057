#include "Functions.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Functions {

quint8 lowByte(quint16 value)
{
    return static_cast<quint8>(value & 0xFF);
}

quint8 highByte(quint16 value)
{
    return static_cast<quint8>(value >> 8);
}

quint16 swap16(quint16 value)
{
    return static_cast<quint16>((value << 8) | (value >> 8));
}

quint16 makeWord(quint8 high, quint8 low)
{
    return static_cast<quint16>((quint16(high) << 8) | low);
}

quint16 replaceByte(quint16 value, quint8 byte, Byte which)
{
    return which == LowByte ? makeWord(highByte(value), byte) : makeWord(byte, lowByte(value));
}

quint32 toUInt32(quint16 r0, quint16 r1, quint8 order)
{
    switch (order) {
    case LowWordFirstSwapped:
        return quint32(swap16(r0)) | (quint32(swap16(r1)) << 16);
    case HighWordFirst:
        return quint32(r1) | (quint32(r0) << 16);
    case HighWordFirstSwapped:
        return quint32(swap16(r1)) | (quint32(swap16(r0)) << 16);
    default:
        return quint32(r0) | (quint32(r1) << 16);
    }
}

quint32 toUInt32(const QList<quint16> &registers, int index, quint8 order)
{
    if (index < 0 || index + 1 >= registers.size())
        return 0;
    return toUInt32(registers.at(index), registers.at(index + 1), order);
}

QList<quint16> fromUInt32(quint32 value, quint8 order)
{
    const quint16 low = static_cast<quint16>(value & 0xFFFF);
    const quint16 high = static_cast<quint16>(value >> 16);
    switch (order) {
    case LowWordFirstSwapped:
        return {swap16(low), swap16(high)};
    case HighWordFirst:
        return {high, low};
    case HighWordFirstSwapped:
        return {swap16(high), swap16(low)};
    default:
        return {low, high};
    }
}

float toFloat(quint16 r0, quint16 r1, quint8 order)
{
    const quint32 bits = toUInt32(r0, r1, order);
    float result = 0;
    std::memcpy(&result, &bits, sizeof result);
    return result;
}

QList<quint16> fromFloat(float value, quint8 order)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return fromUInt32(bits, order);
}

QString registersToText(const QList<quint16> &registers)
{
    QByteArray bytes;
    bytes.reserve(registers.size() * 2);
    for (quint16 reg : registers) {
        const char chars[2] = {char(lowByte(reg)), char(highByte(reg))};
        for (char c : chars) {
            if (c == '\0')
                return QString::fromLatin1(bytes);
            bytes.append(c);
        }
    }
    return QString::fromLatin1(bytes);
}

QList<quint16> textToRegisters(const QString &text, int registerCount)
{
    const QByteArray bytes = text.toLatin1();
    QList<quint16> result(qMax(0, registerCount), 0);
    for (int i = 0; i < result.size() * 2 && i < bytes.size(); ++i) {
        const quint8 c = static_cast<quint8>(bytes.at(i));
        result[i / 2] = (i % 2 == 0) ? replaceByte(result[i / 2], c, LowByte) : replaceByte(result[i / 2], c, HighByte);
    }
    return result;
}

bool isFuzzyEqual(double a, double b)
{
    // A setter given NaN twice must not notify twice.
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    if (a == b)
        return true;
    // Opposite infinities would pass the relative test below, as inf <= inf.
    if (std::isinf(a) || std::isinf(b))
        return false;
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}

} // namespace Functions
