#include "KivOffsetBackend.h"

#include <limits>

namespace {

// Measures without a correctable offset answer with these sentinels; the page relies on them.
constexpr double kNoMinimum = std::numeric_limits<qint32>::max();
constexpr double kNoMaximum = std::numeric_limits<quint32>::max();

} // namespace

KivOffsetBackend::KivOffsetBackend(QObject *parent)
    : QObject(parent)
{
}

double KivOffsetBackend::getMinOffset(Enums::TypeDatenblock type) const
{
    switch (type) {
    case Enums::Temperatur:
        return -3.0;
    case Enums::Relative_Feuchte:
        return -5.0;
    case Enums::CO2:
        return -150.0;
    case Enums::VOC:
        return -15.0;
    case Enums::Helligkeit:
        return 0.0;
    default:
        return kNoMinimum;
    }
}

double KivOffsetBackend::getMaxOffset(Enums::TypeDatenblock type) const
{
    switch (type) {
    case Enums::Temperatur:
        return 3.0;
    case Enums::Relative_Feuchte:
        return 5.0;
    case Enums::CO2:
        return 150.0;
    case Enums::VOC:
        return 15.0;
    case Enums::Helligkeit:
        return 9.999;
    default:
        return kNoMaximum;
    }
}
