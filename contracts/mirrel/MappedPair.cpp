#include "MappedPair.h"

MappedPair::MappedPair(const QString &pairText, const QVariant &pairValue)
    : text(pairText)
    , value(pairValue)
{
}

bool MappedPair::operator==(const MappedPair &other) const
{
    return text == other.text && value == other.value;
}
