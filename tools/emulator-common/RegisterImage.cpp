#include "RegisterImage.h"

#include <cstring>

void RegisterImage::put32(QList<quint16> &image, int reg, quint32 value)
{
    if (reg < 0 || reg + 1 >= image.size())
        return;
    image[reg] = quint16(value & 0xFFFF);
    image[reg + 1] = quint16(value >> 16);
}

void RegisterImage::putInt(QList<quint16> &image, int reg, qint32 value)
{
    put32(image, reg, quint32(value));
}

void RegisterImage::putFloat(QList<quint16> &image, int reg, float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    put32(image, reg, bits);
}

void RegisterImage::putText(QList<quint16> &image, int reg, const QByteArray &text, int registers)
{
    for (int i = 0; i < registers && reg + i < image.size(); ++i) {
        const quint8 low = 2 * i < text.size() ? quint8(text.at(2 * i)) : 0;
        const quint8 high = 2 * i + 1 < text.size() ? quint8(text.at(2 * i + 1)) : 0;
        image[reg + i] = quint16(low | (high << 8));
    }
}

quint32 RegisterImage::get32(const QList<quint16> &image, int reg)
{
    if (reg < 0 || reg + 1 >= image.size())
        return 0;
    return quint32(image.at(reg)) | (quint32(image.at(reg + 1)) << 16);
}

float RegisterImage::getFloat(const QList<quint16> &image, int reg)
{
    const quint32 bits = get32(image, reg);
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString RegisterImage::text(const QList<quint16> &image, int reg, int registers)
{
    QByteArray bytes;
    for (int i = 0; i < registers && reg + i < image.size(); ++i) {
        const quint16 r = image.at(reg + i);
        for (const char c : {char(r & 0xFF), char(r >> 8)}) {
            if (c == 0)
                return QString::fromLatin1(bytes);
            bytes.append(c);
        }
    }
    return QString::fromLatin1(bytes);
}
