#pragma once

#include <QtGlobal>

class KivDeviceSetup;

// How a device stores its traffic-light thresholds. The rule is the traffic-light block's own, so
// the documents export, import and print them exactly as the block reads and writes them.
namespace KivThresholdFormat {
bool tlfIsFloat(const KivDeviceSetup *setup);
// The threshold held in the register pair low, high (low word first).
double tlfThreshold(const KivDeviceSetup *setup, quint16 low, quint16 high);
} // namespace KivThresholdFormat
