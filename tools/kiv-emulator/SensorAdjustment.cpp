#include "SensorAdjustment.h"

#include "KivRegisters.h"
#include "RegisterImage.h"

using namespace KivRegisters;

namespace SensorAdjustment {

QStringList apply(QList<quint16> &registers, QList<float> &liveCentres)
{
    QStringList done;
    const int blocks = qMin(int(registers.at(kBlockCount)), kMaxBlocks);
    for (int i = 0; i < blocks; ++i) {
        const int base = blockBase(i);
        const quint32 measure = RegisterImage::get32(registers, base + kBlockType);
        float adjustedTo = 0.0f;
        if (measure == CO2) {
            const auto reference = qint32(RegisterImage::get32(registers, base + kBlockParameter0));
            if (reference < kMinReferencePpm || reference > kMaxReferencePpm)
                continue;
            adjustedTo = float(reference);
            done.append(QStringLiteral("adjustment: CO2 block %1 to %2 ppm").arg(i).arg(reference));
        } else if (measure == VOC) {
            if (qint32(RegisterImage::get32(registers, base + kBlockParameter1)) != 1)
                continue;
            adjustedTo = kFreshAirVoc;
            done.append(QStringLiteral("adjustment: VOC block %1 to fresh air").arg(i));
        } else {
            continue;
        }
        RegisterImage::putFloat(registers, base + kBlockValue, adjustedTo);
        if (i < liveCentres.size())
            liveCentres[i] = adjustedTo;
    }
    return done;
}

} // namespace SensorAdjustment
