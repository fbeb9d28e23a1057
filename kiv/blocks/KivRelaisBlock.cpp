#include "KivRelaisBlock.h"

#include "Functions.h"
#include "KivDeviceSetup.h"

#include <cmath>
#include <limits>

KivRelaisBlock::KivRelaisBlock(const QList<quint16> &registerImage, uint startRegister, KivDeviceSetup *deviceSetup,
                               QObject *parent)
    : QObject(parent)
    , m_startRegister(startRegister)
    , m_deviceSetup(deviceSetup)
{
    updateFromImage(registerImage);
}

bool KivRelaisBlock::thresholdsAreFloat() const
{
    return m_deviceSetup && m_deviceSetup->mainBoard() == Enums::MP_Qev;
}

QList<quint16> KivRelaisBlock::encodeThreshold(double value) const
{
    if (thresholdsAreFloat())
        return Functions::fromFloat(float(value));
    const double whole = std::trunc(value);
    // Values an int32 cannot hold are clamped rather than converted with undefined results.
    const double clamped = std::isfinite(whole)
        ? qBound(double(std::numeric_limits<qint32>::min()), whole, double(std::numeric_limits<qint32>::max()))
        : 0.0;
    return Functions::fromUInt32(quint32(qint32(clamped)));
}

void KivRelaisBlock::updateFromImage(const QList<quint16> &registerImage)
{
    if (m_forced || registerImage.size() - qsizetype(m_startRegister) < kBlockRegisters)
        return;
    const int start = int(m_startRegister);
    const auto word32 = [&](uint offset) { return qint32(Functions::toUInt32(registerImage, start + int(offset))); };
    const auto threshold = [&](uint offset) {
        if (thresholdsAreFloat())
            return double(
                Functions::toFloat(registerImage.at(start + int(offset)), registerImage.at(start + int(offset) + 1)));
        return double(float(word32(offset)));
    };
    setChannel(word32(kOffChannel));
    setRelais1(word32(kOffState1));
    setRelais2(word32(kOffState2));
    setRelais3(word32(kOffState3));
    setThreshold1(threshold(kOffThreshold1));
    setThreshold2(threshold(kOffThreshold2));
    setHysteresis(word32(kOffHysteresis));
}

void KivRelaisBlock::setForced(bool forced)
{
    if (m_forced == forced)
        return;
    m_forced = forced;
    emit forcedChanged(forced);
}

void KivRelaisBlock::setRelais1(qint32 value)
{
    if (m_relaisState1 == value)
        return;
    m_relaisState1 = value;
    emit relais1Changed(m_startRegister + kOffState1, Functions::fromUInt32(quint32(value)));
}

void KivRelaisBlock::setRelais2(qint32 value)
{
    if (m_relaisState2 == value)
        return;
    m_relaisState2 = value;
    emit relais2Changed(m_startRegister + kOffState2, Functions::fromUInt32(quint32(value)));
}

void KivRelaisBlock::setRelais3(qint32 value)
{
    if (m_relaisState3 == value)
        return;
    m_relaisState3 = value;
    emit relais3Changed(m_startRegister + kOffState3, Functions::fromUInt32(quint32(value)));
}

void KivRelaisBlock::setThreshold1(double value)
{
    if (Functions::isFuzzyEqual(m_threshold1, value))
        return;
    m_threshold1 = value;
    emit threshold1Changed(m_startRegister + kOffThreshold1, encodeThreshold(value));
}

void KivRelaisBlock::setThreshold2(double value)
{
    if (Functions::isFuzzyEqual(m_threshold2, value))
        return;
    m_threshold2 = value;
    emit threshold2Changed(m_startRegister + kOffThreshold2, encodeThreshold(value));
}

void KivRelaisBlock::setHysteresis(qint32 value)
{
    if (m_hysteresis == value)
        return;
    m_hysteresis = value;
    emit hysteresisChanged(m_startRegister + kOffHysteresis, Functions::fromUInt32(quint32(value)));
}

void KivRelaisBlock::setChannel(qint32 value)
{
    if (m_channel == value)
        return;
    m_channel = value;
    emit channelChanged(m_startRegister + kOffChannel, Functions::fromUInt32(quint32(value)));
}

QDebug operator<<(QDebug debug, const KivRelaisBlock &block)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "State Relais 1 " << block.relaisState1() << "\n"
                    << "State Relais 2 " << block.relaisState2() << "\n"
                    << "State Relais 3 " << block.relaisState3() << "\n"
                    << "Threshold 1 " << block.threshold1() << "\n"
                    << "Threshold 2 " << block.threshold2() << "\n"
                    << "Hysterese " << block.hysteresis() << "\n"
                    << "Channel " << block.channel() << "\n";
    return debug;
}
