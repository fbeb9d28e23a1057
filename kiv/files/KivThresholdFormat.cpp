#include "KivThresholdFormat.h"

#include "KivDeviceSetup.h"

namespace KivThresholdFormat {

bool tlfIsFloat(const KivDeviceSetup *setup)
{
    if (!setup)
        return false;
    const Enums::TypeCircuitBoard board = setup->boardType();
    const bool busBoard = board == Enums::AP_Modbus || board == Enums::AP_BACnet;
    if (busBoard)
        return setup->apVersion() > ApplicationVersion(0, 0, 2, 2);
    return setup->mainBoard() == Enums::MP_Qev;
}

} // namespace KivThresholdFormat
