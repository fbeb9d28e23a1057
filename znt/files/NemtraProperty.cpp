#include "NemtraProperty.h"

#include <QMetaEnum>

namespace {
QString withoutWhitespace(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            out.append(c);
    }
    return out;
}

// Only commas outside nested braces separate fields.
QStringList splitFields(const QString &text)
{
    QStringList fields;
    int level = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('{'))
            ++level;
        else if (c == QLatin1Char('}'))
            --level;
        else if (c == QLatin1Char(',') && level == 0) {
            fields.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    fields.append(text.mid(start));
    return fields;
}

// "DatablockType::Temperature" and "Temperature" name the same enumerator.
int enumValue(const QMetaEnum &metaEnum, const QString &field, int unknown)
{
    const QString name = field.mid(field.lastIndexOf(QLatin1Char(':')) + 1);
    if (name.isEmpty())
        return unknown;
    bool ok = false;
    const int value = metaEnum.keyToValue(name.toLatin1().constData(), &ok);
    return ok ? value : unknown;
}

QString quotedText(const QString &field)
{
    const qsizetype open = field.indexOf(QLatin1Char('"'));
    const qsizetype close = open < 0 ? -1 : field.indexOf(QLatin1Char('"'), open + 1);
    return close < 0 ? QString() : field.mid(open + 1, close - open - 1);
}

constexpr qlonglong kLastRegister = 0xFFFF;
constexpr qlonglong kMaxSpan = 0xFF;
} // namespace

NemtraProperty::NemtraProperty(uint registerIndex, double minimum, double maximum, double divisor, bool readOnly,
                               quint16 type, PropertyType propertyType, uchar span, int order, const QString &unit,
                               QObject *parent)
    : BaseProperty(registerIndex, minimum, maximum, divisor, readOnly, propertyType, span, unit, parent)
    , m_type(type)
    , m_order(order)
{
}

NemtraProperty::NemtraProperty(const QString &line, QObject *parent)
    : NemtraProperty(parseLine(line), parent)
{
}

NemtraProperty::NemtraProperty(const Definition &d, QObject *parent)
    : BaseProperty(d.registerIndex, d.minimum, d.maximum, d.divisor, d.readOnly, d.propertyType, d.span, d.unit, parent)
    , m_type(d.type)
    , m_order(d.order)
    , m_wellFormed(!d.ignored && d.wellFormed)
{
}

NemtraProperty::Definition NemtraProperty::parseLine(const QString &line)
{
    Definition d;
    const qsizetype open = line.indexOf(QLatin1Char('{'));
    const qsizetype from = open < 0 ? 0 : open + 1;
    const qsizetype close = line.lastIndexOf(QLatin1Char('}'));
    const qsizetype to = close < from ? line.size() : close;
    const QString text = withoutWhitespace(QStringView(line).mid(from, to - from));
    if (text.size() < 3) {
        d.ignored = true;
        return d;
    }
    const QStringList fields = splitFields(text);
    // A short line reads its missing fields as empty rather than past its end.
    const auto field = [&fields](int i) { return i < fields.size() ? fields.at(i) : QString(); };

    // A malformed register or span must not quietly become register 0 or a wrapped span.
    bool ok = false;
    const qlonglong reg = field(0).toLongLong(&ok);
    if (ok && reg >= 0 && reg <= kLastRegister)
        d.registerIndex = uint(reg);
    else
        d.wellFormed = false;
    d.minimum = field(1).toDouble();
    d.maximum = field(2).toDouble();
    d.divisor = field(3).toDouble();
    d.readOnly = field(4).toInt() > 0;
    d.type = quint16(enumValue(QMetaEnum::fromType<NemtraEnums::DatablockType>(), field(5), NemtraEnums::NoType));
    d.propertyType = PropertyType(enumValue(QMetaEnum::fromType<PropertyType>(), field(6), Unknown));
    const qlonglong span = field(7).toLongLong(&ok);
    if (ok && span >= 0 && span <= kMaxSpan)
        d.span = uchar(span);
    else
        d.wellFormed = false;
    d.order = field(8).toInt();
    d.unit = quotedText(field(9));
    return d;
}

void NemtraProperty::sendWithoutMemory(ushort value)
{
    emit writeSingleRegister(registerIndex(), value);
}

bool NemtraProperty::isValid() const
{
    return m_wellFormed && valid();
}
