#include "KivRegisterMap.h"

namespace KivRegisterMap {

namespace {
bool isPrintable(quint8 c)
{
    return (c >= 0x20 && c < 0x7F) || c >= 0xA0; // Latin-1 without control characters
}
} // namespace

bool isPlausibleDeviceName(const QList<quint16> &image)
{
    if (image.size() < int(kNameStart) + kNameRegisters)
        return false;
    int complete = 0;
    for (int i = 0; i < kNameRegisters; ++i) {
        const quint16 reg = image.at(int(kNameStart) + i);
        const quint8 low = quint8(reg & 0xFF);
        const quint8 high = quint8(reg >> 8);
        if (low == 0 || high == 0) {
            if (low != 0 && !isPrintable(low))
                return false;
            return complete > 0;
        }
        if (!isPrintable(low) || !isPrintable(high))
            return false;
        ++complete;
    }
    return true;
}

} // namespace KivRegisterMap
