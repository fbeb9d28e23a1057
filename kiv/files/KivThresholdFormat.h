#pragma once

class KivDeviceSetup;

// How a device stores its traffic-light thresholds: IEEE-754 floats on bus boards newer than
// 2.2 and on Qev main boards without a bus board, else signed integers. The documents export
// and import them in that format, so the numbers mean the same in both directions.
namespace KivThresholdFormat {
bool tlfIsFloat(const KivDeviceSetup *setup);
}
