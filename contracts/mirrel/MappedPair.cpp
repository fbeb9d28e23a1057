#include "MappedPair.h"

MappedPair::MappedPair(const QString &text, const QVariant &value)
    : text(text), value(value)
{
}

bool MappedPair::operator==(const MappedPair &other) const
{
    return text == other.text && value == other.value;
}
