#include "KivTlfBlock.h"

#include "ApplicationVersion.h"
#include "KivDeviceSetup.h"

#include <cmath>
#include <limits>

namespace {
// Bus boards take float thresholds from the firmware after this one.
const ApplicationVersion kLastIntegerBusFirmware(0, 0, 2, 2);

bool isBusBoard(Enums::TypeCircuitBoard board)
{
    return board == Enums::AP_Modbus || board == Enums::AP_BACnet;
}
} // namespace

KivTlfBlock::KivTlfBlock(QObject *parent)
    : Enums(parent)
{
    initTimers();
}

KivTlfBlock::KivTlfBlock(const QList<quint16> &registerImage, uint startRegister, KivDeviceSetup *deviceSetup,
                         QObject *parent)
    : Enums(parent)
    , m_startRegister(startRegister)
    , m_deviceSetup(deviceSetup)
{
    initTimers();
    updateFromImage(registerImage);
}

void KivTlfBlock::initTimers()
{
    for (QTimer *timer : {&m_channelColor1Timer, &m_color23Timer}) {
        timer->setSingleShot(true);
        timer->setInterval(kDebounceMs);
    }
    const auto restart = [](QTimer *timer) { return [timer] { timer->start(); }; };
    connect(this, &KivTlfBlock::channelChanged, this, restart(&m_channelColor1Timer));
    connect(this, &KivTlfBlock::color1Changed, this, restart(&m_channelColor1Timer));
    connect(this, &KivTlfBlock::color2Changed, this, restart(&m_color23Timer));
    connect(this, &KivTlfBlock::color3Changed, this, restart(&m_color23Timer));
    connect(&m_channelColor1Timer, &QTimer::timeout, this, [this] {
        emit writeSingleRegister(m_startRegister + kOffChannelColor1, Functions::makeWord(m_color1, m_channel));
    });
    connect(&m_color23Timer, &QTimer::timeout, this, [this] {
        emit writeSingleRegister(m_startRegister + kOffColor2Color3, Functions::makeWord(m_color3, m_color2));
    });
}

bool KivTlfBlock::thresholdsAreFloat(const KivDeviceSetup *deviceSetup)
{
    if (!deviceSetup)
        return false;
    const Enums::TypeCircuitBoard board = deviceSetup->boardType();
    if (isBusBoard(board))
        return deviceSetup->apVersion() > kLastIntegerBusFirmware;
    return deviceSetup->mainBoard() == Enums::MP_Qev;
}

qint32 KivTlfBlock::toInt32(double value)
{
    if (std::isnan(value))
        return 0;
    // Infinities clamp like any other value out of range; the cast is only done in range.
    const double whole = std::trunc(value);
    if (whole <= double(std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    if (whole >= double(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    return qint32(whole);
}

QList<quint16> KivTlfBlock::encodeThreshold(double value) const
{
    if (thresholdsAreFloat())
        return Functions::fromFloat(float(value));
    return Functions::fromUInt32(quint32(toInt32(value)));
}

double KivTlfBlock::decodeThreshold(const KivDeviceSetup *deviceSetup, quint16 low, quint16 high)
{
    if (thresholdsAreFloat(deviceSetup))
        return double(Functions::toFloat(low, high));
    return double(qint32(Functions::toUInt32(low, high)));
}

void KivTlfBlock::updateFromImage(const QList<quint16> &registerImage)
{
    if (registerImage.size() - qsizetype(m_startRegister) < kBlockRegisters)
        return;
    const auto reg = [&](uint offset) { return registerImage.at(qsizetype(m_startRegister + offset)); };
    setOnOff(Functions::highByte(reg(kOffOnOff)));
    setChannel(Functions::lowByte(reg(kOffChannelColor1)));
    setColor1(Functions::highByte(reg(kOffChannelColor1)));
    setColor2(Functions::lowByte(reg(kOffColor2Color3)));
    setColor3(Functions::highByte(reg(kOffColor2Color3)));
    setThreshold1(decodeThreshold(reg(kOffThreshold1), reg(kOffThreshold1 + 1)));
    setThreshold2(decodeThreshold(reg(kOffThreshold2), reg(kOffThreshold2 + 1)));
}

void KivTlfBlock::setOnOff(quint8 onOff)
{
    if (Functions::assignAndSignal(this, m_onOff, onOff, &KivTlfBlock::onOffChanged))
        emit writeHalfRegister(m_startRegister + kOffOnOff, m_onOff, Functions::HighByte);
}

void KivTlfBlock::setChannel(quint8 channel)
{
    Functions::assignAndSignal(this, m_channel, channel, &KivTlfBlock::channelChanged);
}

void KivTlfBlock::setColor1(quint8 color1)
{
    Functions::assignAndSignal(this, m_color1, color1, &KivTlfBlock::color1Changed);
}

void KivTlfBlock::setColor2(quint8 color2)
{
    Functions::assignAndSignal(this, m_color2, color2, &KivTlfBlock::color2Changed);
}

void KivTlfBlock::setColor3(quint8 color3)
{
    Functions::assignAndSignal(this, m_color3, color3, &KivTlfBlock::color3Changed);
}

void KivTlfBlock::setThreshold1(double threshold1)
{
    if (Functions::assignAndSignal(this, m_threshold1, threshold1, &KivTlfBlock::threshold1Changed))
        emit writeMultipleRegister(m_startRegister + kOffThreshold1, encodeThreshold(m_threshold1));
}

void KivTlfBlock::setThreshold2(double threshold2)
{
    if (Functions::assignAndSignal(this, m_threshold2, threshold2, &KivTlfBlock::threshold2Changed))
        emit writeMultipleRegister(m_startRegister + kOffThreshold2, encodeThreshold(m_threshold2));
}

void KivTlfBlock::setMin(double min)
{
    Functions::assignAndSignal(this, m_min, min, &KivTlfBlock::minChanged);
}

void KivTlfBlock::setMax(double max)
{
    Functions::assignAndSignal(this, m_max, max, &KivTlfBlock::maxChanged);
}

void KivTlfBlock::setModel(const QStringList &model)
{
    Functions::assignAndSignal(this, m_model, model, &KivTlfBlock::modelChanged);
}

double KivTlfBlock::integerFactor(Enums::UnitDatenBlock unit) const
{
    const bool modbus = m_deviceSetup && m_deviceSetup->boardType() == Enums::AP_Modbus;
    switch (unit) {
    case Enums::inchWC:
        return 1000.0;
    case Enums::m3_s:
        return 100.0;
    case Enums::m3_h:
        return modbus ? 0.01 : 1.0;
    case Enums::cfm:
        return modbus ? 0.1 : 1.0;
    default:
        return 1.0;
    }
}

double KivTlfBlock::aThresholdToValue(double aThreshold, Enums::UnitDatenBlock unit) const
{
    return thresholdsAreFloat() ? aThreshold : aThreshold * integerFactor(unit);
}

double KivTlfBlock::adjustThreshold(double threshold, Enums::UnitDatenBlock unit) const
{
    return thresholdsAreFloat() ? threshold : threshold / integerFactor(unit);
}
