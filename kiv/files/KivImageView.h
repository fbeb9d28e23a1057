#pragma once

#include "Functions.h"

#include <QList>

// Read-only access to a register image for the document writers. Every read is bounded: a
// damaged block count or a block past the end reads as 0 instead of out of range.
class KivImageView
{
public:
    // registers must outlive the view.
    explicit KivImageView(const QList<quint16> &registers)
        : m_registers(registers)
    {
    }

    quint16 word(uint reg) const { return qsizetype(reg) < m_registers.size() ? m_registers.at(reg) : 0; }
    quint8 low(uint reg) const { return Functions::lowByte(word(reg)); }
    quint8 high(uint reg) const { return Functions::highByte(word(reg)); }
    // 32 bits, low word first.
    quint32 u32(uint reg) const { return Functions::toUInt32(word(reg), word(reg + 1)); }
    qint32 asInt(uint reg) const { return qint32(u32(reg)); }
    float asFloat(uint reg) const { return Functions::toFloat(word(reg), word(reg + 1)); }
    qsizetype size() const { return m_registers.size(); }

private:
    const QList<quint16> &m_registers;
};
