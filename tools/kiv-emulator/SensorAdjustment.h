#pragma once

#include <QList>
#include <QStringList>

// What a KIV device does with its gas sensors when the adjustment command arrives: a CO2 block
// whose parameter0 holds a reference concentration is adjusted to it, a VOC block whose
// parameter1 is 1 is adjusted to fresh air. The parameters keep their values, as the
// configuration tool expects (it writes a parameter only when it changes).
namespace SensorAdjustment {
// VOC reading of fresh air after an adjustment, in percent.
constexpr float kFreshAirVoc = 5.0f;
constexpr qint32 kMinReferencePpm = 400;
constexpr qint32 kMaxReferencePpm = 2000;

// Adjusts registers in place and moves the live-value centre of each adjusted block (liveCentres
// is indexed by block). Returns one line per adjusted block, empty when nothing was prepared.
QStringList apply(QList<quint16> &registers, QList<float> &liveCentres);
} // namespace SensorAdjustment
