#pragma once

#include <QList>
#include <QObject>

#include <cmath>
#include <functional>
#include <type_traits>

// Byte and word helpers shared by every block that packs values into 16-bit registers.
namespace Functions {
Q_NAMESPACE

// Which half of a register a half-register write replaces; the value 1 is the low byte.
enum Byte { HighByte = 0, LowByte = 1 };
Q_ENUM_NS(Byte)

// Word orders of a 32-bit value held in two registers R0, R1.
enum WordOrder : quint8 {
    LowWordFirst = 0, // R0 + R1 * 65536
    LowWordFirstSwapped = 1, // bytes of each register swapped
    HighWordFirst = 2, // R1 + R0 * 65536
    HighWordFirstSwapped = 3 // all four bytes reversed against LowWordFirst
};

quint8 lowByte(quint16 value);
quint8 highByte(quint16 value);
quint16 swap16(quint16 value);
quint16 makeWord(quint8 high, quint8 low);
// Replaces one byte of value; which == LowByte replaces the low byte, anything else the high byte.
quint16 replaceByte(quint16 value, quint8 byte, Byte which);

quint32 toUInt32(quint16 r0, quint16 r1, quint8 order = LowWordFirst);
// Reads registers[index] and registers[index + 1]; 0 when the list is too short.
quint32 toUInt32(const QList<quint16> &registers, int index = 0, quint8 order = LowWordFirst);
QList<quint16> fromUInt32(quint32 value, quint8 order = LowWordFirst);
float toFloat(quint16 r0, quint16 r1, quint8 order = LowWordFirst);
QList<quint16> fromFloat(float value, quint8 order = LowWordFirst);

// Text packed two characters per register, first character in the low byte; ends at the first NUL.
QString registersToText(const QList<quint16> &registers);
QList<quint16> textToRegisters(const QString &text, int registerCount);

// Relative comparison for values decoded from registers: |a - b| * 1e12 <= min(|a|, |b|).
// 0 equals only 0; NaN equals only NaN; an infinity equals only itself.
bool isFuzzyEqual(double a, double b);

// Whether storing next over current would be a real change. Floating-point values compare
// fuzzily, and NaN over NaN is no change, or a NaN value would notify on every update.
template<typename T>
bool isChange(const T &current, const T &next)
{
    if constexpr (std::is_floating_point_v<T>) {
        if (std::isnan(current) && std::isnan(next))
            return false;
        return !isFuzzyEqual(double(current), double(next));
    } else {
        return !(current == next);
    }
}

// Setter body for Q_PROPERTY members: stores value and emits signal (with the new value when
// the signal takes one) only on a real change. Returns whether it changed.
//   void Foo::setLevel(double level) { Functions::assignAndSignal(this, m_level, level, &Foo::levelChanged); }
// The value is not deduced, so a literal or a derived type converts to the member's type.
template<typename Obj, typename T, typename Signal>
bool assignAndSignal(Obj *obj, T &member, const std::common_type_t<T> &value, Signal signal)
{
    if (!isChange(member, value))
        return false;
    member = value;
    if constexpr (std::is_invocable_v<Signal, Obj *, const T &>)
        std::invoke(signal, obj, member);
    else
        std::invoke(signal, obj);
    return true;
}
} // namespace Functions
