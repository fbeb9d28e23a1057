#pragma once

#include "Enums.h"

#include <QObject>
#include <QStringList>

#include <array>

// Observable state of one measuring channel (data block). KivDatenblock fills it from the
// register image and reacts to its change signals; QML binds to it.
class KivDatenblockProperties : public Enums
{
    Q_OBJECT
    Q_PROPERTY(bool isValid READ isValid NOTIFY validationChanged)
    Q_PROPERTY(Enums::TypeDatenblock type READ type WRITE setType NOTIFY typeChanged)
    Q_PROPERTY(Enums::UnitDatenBlock unit READ unit WRITE setUnit NOTIFY unitChanged)
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(double lowerLimit READ lowerLimit WRITE setLowerLimit NOTIFY lowerLimitChanged)
    Q_PROPERTY(double upperLimit READ upperLimit WRITE setUpperLimit NOTIFY upperLimitChanged)
    Q_PROPERTY(double lowerRange READ lowerRange WRITE setLowerRange NOTIFY lowerRangeChanged)
    Q_PROPERTY(double upperRange READ upperRange WRITE setUpperRange NOTIFY upperRangeChanged)
    Q_PROPERTY(double voltage READ voltage WRITE setVoltage NOTIFY voltageChanged)
    Q_PROPERTY(double adjustedKValue READ adjustedKValue WRITE setAdjustedKValue NOTIFY adjustedKValueChanged)
    Q_PROPERTY(qint32 offset READ offset WRITE setOffset NOTIFY offsetChanged)
    Q_PROPERTY(qint32 baseOffset READ baseOffset WRITE setBaseOffset NOTIFY baseOffsetChanged)
    Q_PROPERTY(qint32 sensorError READ sensorError WRITE setSensorError NOTIFY sensorErrorChanged)
    Q_PROPERTY(quint32 channel READ channel WRITE setChannel NOTIFY channelChanged)
    Q_PROPERTY(quint32 lastErrorTime READ lastErrorTime WRITE setLastErrorTime NOTIFY lastErrorTimeChanged)
    Q_PROPERTY(QStringList rangeList READ rangeList NOTIFY rangeListChanged)
    Q_PROPERTY(QStringList otherChannels READ otherChannels WRITE setOtherChannels NOTIFY otherChannelsChanged)
    Q_PROPERTY(int index READ getIndex NOTIFY indexChanged)
    Q_PROPERTY(int rangeIndex READ rangeIndex WRITE setRangeIndex NOTIFY rangeIndexChanged)
    Q_PROPERTY(int channelIndex READ channelIndex WRITE setChannelIndex NOTIFY channelIndexChanged)
    Q_PROPERTY(int multiSuffix READ multiSuffix WRITE setMultiSuffix NOTIFY multiSuffixChanged)
    Q_PROPERTY(qint32 parameter0 READ parameter0 WRITE setParameter0 NOTIFY parameter0Changed)
    Q_PROPERTY(qint32 parameter1 READ parameter1 WRITE setParameter1 NOTIFY parameter1Changed)
    Q_PROPERTY(qint32 parameter2 READ parameter2 WRITE setParameter2 NOTIFY parameter2Changed)
    Q_PROPERTY(qint32 parameter3 READ parameter3 WRITE setParameter3 NOTIFY parameter3Changed)
    Q_PROPERTY(qint32 parameter4 READ parameter4 WRITE setParameter4 NOTIFY parameter4Changed)
    Q_PROPERTY(qint32 parameter5 READ parameter5 WRITE setParameter5 NOTIFY parameter5Changed)
    Q_PROPERTY(qint32 parameter6 READ parameter6 WRITE setParameter6 NOTIFY parameter6Changed)
    Q_PROPERTY(qint32 parameter7 READ parameter7 WRITE setParameter7 NOTIFY parameter7Changed)
    Q_PROPERTY(qint32 parameter8 READ parameter8 WRITE setParameter8 NOTIFY parameter8Changed)
    Q_PROPERTY(qint32 parameter9 READ parameter9 WRITE setParameter9 NOTIFY parameter9Changed)
    Q_PROPERTY(double amps READ amps WRITE setAmps NOTIFY ampsChanged)

public:
    static constexpr int kParameterCount = 10;

    explicit KivDatenblockProperties(QObject *parent = nullptr);

    bool isValid() const { return m_isValid; }
    Enums::TypeDatenblock type() const { return m_type; }
    Enums::UnitDatenBlock unit() const { return m_unit; }
    double value() const { return m_value; }
    double lowerLimit() const { return m_lowerLimit; }
    double upperLimit() const { return m_upperLimit; }
    double lowerRange() const { return m_lowerRange; }
    double upperRange() const { return m_upperRange; }
    double voltage() const { return m_voltage; }
    double adjustedKValue() const { return m_adjustedKValue; }
    qint32 offset() const { return m_offset; }
    qint32 baseOffset() const { return m_baseOffset; }
    qint32 sensorError() const { return m_sensorError; }
    quint32 channel() const { return m_channel; }
    quint32 lastErrorTime() const { return m_lastErrorTime; }
    QStringList rangeList() const { return m_rangeList; }
    QStringList otherChannels() const { return m_otherChannels; }
    Q_INVOKABLE int getIndex() const { return m_index; }
    int rangeIndex() const { return m_rangeIndex; }
    int channelIndex() const { return m_channelIndex; }
    int multiSuffix() const { return m_multiSuffix; }
    // Out-of-range indexes give 0.
    Q_INVOKABLE qint32 parameter(int i) const;
    qint32 parameter0() const { return m_parameters[0]; }
    qint32 parameter1() const { return m_parameters[1]; }
    qint32 parameter2() const { return m_parameters[2]; }
    qint32 parameter3() const { return m_parameters[3]; }
    qint32 parameter4() const { return m_parameters[4]; }
    qint32 parameter5() const { return m_parameters[5]; }
    qint32 parameter6() const { return m_parameters[6]; }
    qint32 parameter7() const { return m_parameters[7]; }
    qint32 parameter8() const { return m_parameters[8]; }
    qint32 parameter9() const { return m_parameters[9]; }
    double amps() const { return m_amps; }

public slots:
    void setType(Enums::TypeDatenblock type);
    void setUnit(Enums::UnitDatenBlock unit);
    void setValue(double value);
    void setLowerLimit(double lowerLimit);
    void setUpperLimit(double upperLimit);
    void setLowerRange(double lowerRange);
    void setUpperRange(double upperRange);
    void setVoltage(double voltage);
    void setAdjustedKValue(double adjustedKValue);
    void setOffset(qint32 offset);
    void setBaseOffset(qint32 baseOffset);
    void setSensorError(qint32 sensorError);
    void setChannel(quint32 channel);
    void setLastErrorTime(quint32 lastErrorTime);
    void setOtherChannels(const QStringList &otherChannels);
    void setRangeIndex(int rangeIndex);
    void setChannelIndex(int channelIndex);
    void setMultiSuffix(int multiSuffix);
    // Indexes outside 0..9 are ignored.
    void setParameter(uchar i, qint32 value);
    void setParameter0(qint32 value) { setParameter(0, value); }
    void setParameter1(qint32 value) { setParameter(1, value); }
    void setParameter2(qint32 value) { setParameter(2, value); }
    void setParameter3(qint32 value) { setParameter(3, value); }
    void setParameter4(qint32 value) { setParameter(4, value); }
    void setParameter5(qint32 value) { setParameter(5, value); }
    void setParameter6(qint32 value) { setParameter(6, value); }
    void setParameter7(qint32 value) { setParameter(7, value); }
    void setParameter8(qint32 value) { setParameter(8, value); }
    void setParameter9(qint32 value) { setParameter(9, value); }
    void setAmps(double amps);

signals:
    void validationChanged(bool isValid);
    void typeChanged(Enums::TypeDatenblock type);
    void unitChanged(Enums::UnitDatenBlock unit);
    void valueChanged(double value);
    void lowerLimitChanged(double lowerLimit);
    void upperLimitChanged(double upperLimit);
    void lowerRangeChanged(double lowerRange);
    void upperRangeChanged(double upperRange);
    void voltageChanged(double voltage);
    void adjustedKValueChanged(double adjustedKValue);
    void offsetChanged(qint32 offset);
    void baseOffsetChanged(qint32 baseOffset);
    void sensorErrorChanged(qint32 sensorError);
    void channelChanged(quint32 channel);
    void lastErrorTimeChanged(quint32 lastErrorTime);
    void rangeListChanged(const QStringList &rangeList);
    void otherChannelsChanged(const QStringList &otherChannels);
    void indexChanged(int index);
    void rangeIndexChanged(int rangeIndex);
    void channelIndexChanged(int channelIndex);
    void multiSuffixChanged(int multiSuffix);
    void parameter0Changed(qint32 parameter0);
    void parameter1Changed(qint32 parameter1);
    void parameter2Changed(qint32 parameter2);
    void parameter3Changed(qint32 parameter3);
    void parameter4Changed(qint32 parameter4);
    void parameter5Changed(qint32 parameter5);
    void parameter6Changed(qint32 parameter6);
    void parameter7Changed(qint32 parameter7);
    void parameter8Changed(qint32 parameter8);
    void parameter9Changed(qint32 parameter9);
    void ampsChanged(double amps);

protected:
    void setIsValid(bool isValid);
    void setIndex(int index);
    void setRangeList(const QStringList &rangeList);

private:
    void emitParameterChanged(int i);

    bool m_isValid = false;
    Enums::TypeDatenblock m_type = Enums::Invalid;
    Enums::UnitDatenBlock m_unit = Enums::MAX2;
    double m_value = 0.0;
    double m_lowerLimit = 0.0;
    double m_upperLimit = 0.0;
    double m_lowerRange = 0.0;
    double m_upperRange = 0.0;
    double m_voltage = 0.0; // V
    double m_adjustedKValue = 0.0;
    qint32 m_offset = 0;
    qint32 m_baseOffset = 0;
    qint32 m_sensorError = 0;
    quint32 m_channel = 0; // analogue output 1..4, 0 = none
    quint32 m_lastErrorTime = 0;
    QStringList m_rangeList;
    QStringList m_otherChannels;
    int m_index = -1;
    int m_rangeIndex = -1;
    int m_channelIndex = -1;
    int m_multiSuffix = 0;
    std::array<qint32, kParameterCount> m_parameters{};
    double m_amps = 0.0; // mA
};
