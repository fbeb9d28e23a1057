#include "KivDatenblockProperties.h"

#include "Functions.h"

KivDatenblockProperties::KivDatenblockProperties(QObject *parent)
    : Enums(parent)
{
}

qint32 KivDatenblockProperties::parameter(int i) const
{
    return i >= 0 && i < kParameterCount ? m_parameters[size_t(i)] : 0;
}

void KivDatenblockProperties::setType(Enums::TypeDatenblock type)
{
    if (m_type == type)
        return;
    m_type = type;
    emit typeChanged(m_type);
}

void KivDatenblockProperties::setUnit(Enums::UnitDatenBlock unit)
{
    if (m_unit == unit)
        return;
    m_unit = unit;
    emit unitChanged(m_unit);
}

void KivDatenblockProperties::setValue(double value)
{
    if (Functions::isFuzzyEqual(m_value, value))
        return;
    m_value = value;
    emit valueChanged(m_value);
}

void KivDatenblockProperties::setLowerLimit(double lowerLimit)
{
    if (Functions::isFuzzyEqual(m_lowerLimit, lowerLimit))
        return;
    m_lowerLimit = lowerLimit;
    emit lowerLimitChanged(m_lowerLimit);
}

void KivDatenblockProperties::setUpperLimit(double upperLimit)
{
    if (Functions::isFuzzyEqual(m_upperLimit, upperLimit))
        return;
    m_upperLimit = upperLimit;
    emit upperLimitChanged(m_upperLimit);
}

void KivDatenblockProperties::setLowerRange(double lowerRange)
{
    if (Functions::isFuzzyEqual(m_lowerRange, lowerRange))
        return;
    m_lowerRange = lowerRange;
    emit lowerRangeChanged(m_lowerRange);
}

void KivDatenblockProperties::setUpperRange(double upperRange)
{
    if (Functions::isFuzzyEqual(m_upperRange, upperRange))
        return;
    m_upperRange = upperRange;
    emit upperRangeChanged(m_upperRange);
}

void KivDatenblockProperties::setVoltage(double voltage)
{
    if (Functions::isFuzzyEqual(m_voltage, voltage))
        return;
    m_voltage = voltage;
    emit voltageChanged(m_voltage);
}

void KivDatenblockProperties::setAdjustedKValue(double adjustedKValue)
{
    if (Functions::isFuzzyEqual(m_adjustedKValue, adjustedKValue))
        return;
    m_adjustedKValue = adjustedKValue;
    emit adjustedKValueChanged(m_adjustedKValue);
}

void KivDatenblockProperties::setOffset(qint32 offset)
{
    if (m_offset == offset)
        return;
    m_offset = offset;
    emit offsetChanged(m_offset);
}

void KivDatenblockProperties::setBaseOffset(qint32 baseOffset)
{
    if (m_baseOffset == baseOffset)
        return;
    m_baseOffset = baseOffset;
    emit baseOffsetChanged(m_baseOffset);
}

void KivDatenblockProperties::setSensorError(qint32 sensorError)
{
    if (m_sensorError == sensorError)
        return;
    m_sensorError = sensorError;
    emit sensorErrorChanged(m_sensorError);
}

void KivDatenblockProperties::setChannel(quint32 channel)
{
    if (m_channel == channel)
        return;
    m_channel = channel;
    emit channelChanged(m_channel);
}

void KivDatenblockProperties::setLastErrorTime(quint32 lastErrorTime)
{
    if (m_lastErrorTime == lastErrorTime)
        return;
    m_lastErrorTime = lastErrorTime;
    emit lastErrorTimeChanged(m_lastErrorTime);
}

void KivDatenblockProperties::setOtherChannels(const QStringList &otherChannels)
{
    if (m_otherChannels == otherChannels)
        return;
    m_otherChannels = otherChannels;
    emit otherChannelsChanged(m_otherChannels);
}

void KivDatenblockProperties::setRangeIndex(int rangeIndex)
{
    if (m_rangeIndex == rangeIndex)
        return;
    m_rangeIndex = rangeIndex;
    emit rangeIndexChanged(m_rangeIndex);
}

void KivDatenblockProperties::setChannelIndex(int channelIndex)
{
    if (m_channelIndex == channelIndex)
        return;
    m_channelIndex = channelIndex;
    emit channelIndexChanged(m_channelIndex);
}

void KivDatenblockProperties::setMultiSuffix(int multiSuffix)
{
    if (m_multiSuffix == multiSuffix)
        return;
    m_multiSuffix = multiSuffix;
    emit multiSuffixChanged(m_multiSuffix);
}

void KivDatenblockProperties::setAmps(double amps)
{
    if (Functions::isFuzzyEqual(m_amps, amps))
        return;
    m_amps = amps;
    emit ampsChanged(m_amps);
}

void KivDatenblockProperties::setParameter(uchar i, qint32 value)
{
    if (i >= kParameterCount || m_parameters[i] == value)
        return;
    m_parameters[i] = value;
    emitParameterChanged(i);
}

void KivDatenblockProperties::emitParameterChanged(int i)
{
    const qint32 value = m_parameters[size_t(i)];
    switch (i) {
    case 0:
        emit parameter0Changed(value);
        break;
    case 1:
        emit parameter1Changed(value);
        break;
    case 2:
        emit parameter2Changed(value);
        break;
    case 3:
        emit parameter3Changed(value);
        break;
    case 4:
        emit parameter4Changed(value);
        break;
    case 5:
        emit parameter5Changed(value);
        break;
    case 6:
        emit parameter6Changed(value);
        break;
    case 7:
        emit parameter7Changed(value);
        break;
    case 8:
        emit parameter8Changed(value);
        break;
    case 9:
        emit parameter9Changed(value);
        break;
    default:
        break;
    }
}

void KivDatenblockProperties::setIsValid(bool isValid)
{
    if (m_isValid == isValid)
        return;
    m_isValid = isValid;
    emit validationChanged(m_isValid);
}

void KivDatenblockProperties::setIndex(int index)
{
    if (m_index == index)
        return;
    m_index = index;
    emit indexChanged(m_index);
}

void KivDatenblockProperties::setRangeList(const QStringList &rangeList)
{
    if (m_rangeList == rangeList)
        return;
    m_rangeList = rangeList;
    emit rangeListChanged(m_rangeList);
}
