#pragma once

#include <QList>
#include <QString>

// Helpers for composing and inspecting a register image (32-bit values low word first,
// text two characters per register with the first in the low byte).
class RegisterImage
{
public:
    static void put32(QList<quint16> &image, int reg, quint32 value);
    static void putInt(QList<quint16> &image, int reg, qint32 value);
    static void putFloat(QList<quint16> &image, int reg, float value);
    static void putText(QList<quint16> &image, int reg, const QByteArray &text, int registers);
    static quint32 get32(const QList<quint16> &image, int reg);
    static float getFloat(const QList<quint16> &image, int reg);
    static QString text(const QList<quint16> &image, int reg, int registers);
};
