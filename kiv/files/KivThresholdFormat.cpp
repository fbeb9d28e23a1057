#include "KivThresholdFormat.h"

#include "KivTlfBlock.h"

namespace KivThresholdFormat {

bool tlfIsFloat(const KivDeviceSetup *setup)
{
    return KivTlfBlock::thresholdsAreFloat(setup);
}

double tlfThreshold(const KivDeviceSetup *setup, quint16 low, quint16 high)
{
    return KivTlfBlock::decodeThreshold(setup, low, high);
}

} // namespace KivThresholdFormat
