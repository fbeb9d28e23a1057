#pragma once

#include "KivDatenblockProperties.h"

#include <QList>
#include <QTimer>

class KivDeviceSetup;

// One measuring channel of the device: decodes the block's registers (1000 + 100 * i) from the
// register image, derives the analogue output's voltage and current, and writes edited settings
// back through its write signals, each only where the register is writable for the block's type.
class KivDatenblock : public KivDatenblockProperties
{
    Q_OBJECT

public:
    // Offsets of the 32-bit fields from the block's base register.
    static constexpr uint kOffSensorError = 4;
    static constexpr uint kOffValue = 6;
    static constexpr uint kOffType = 8;
    static constexpr uint kOffUnit = 10;
    static constexpr uint kOffLowerLimit = 12;
    static constexpr uint kOffUpperLimit = 14;
    static constexpr uint kOffLowerRange = 16;
    static constexpr uint kOffUpperRange = 18;
    static constexpr uint kOffOffset = 20;
    static constexpr uint kOffBaseOffset = 22;
    static constexpr uint kOffChannel = 24;
    static constexpr uint kOffLastErrorTime = 26;
    static constexpr uint kOffParameter0 = 28; // parameter i at 28 + 2 * i
    // Registers of a block that must be present in the image.
    static constexpr int kBlockRegisters = 47;
    static constexpr uint kFirstBlockRegister = 1000;
    static constexpr uint kBlockStride = 100;

    static constexpr int kRangeDebounceMs = 1000;
    static constexpr int kOffsetDebounceMs = 1000;
    static constexpr int kParameter5ReadBackMs = 1750;
    static constexpr int kKValueDebounceMs = 500;

    static uint baseRegisterOf(int blockNumber) { return kFirstBlockRegister + kBlockStride * uint(blockNumber); }
    // Whether the register at offset may be written for a block of this type.
    static bool isWritable(Enums::TypeDatenblock type, uint offset);

    // deviceSetup is not owned; it may be null (k factor then 10).
    KivDatenblock(const QList<quint16> &registerImage, uint baseRegister, int blockNumber, KivDeviceSetup *deviceSetup,
                  QObject *parent = nullptr);
    // A placeholder entry of the output list: not valid, never writes.
    explicit KivDatenblock(quint32 outputChannel, QObject *parent = nullptr);

    uint baseRegister() const { return m_baseRegister; }
    bool isMetric() const { return m_metric; }
    int outputMinVoltage() const { return m_outputMinVoltage; }
    int outputMaxVoltage() const { return m_outputMaxVoltage; }
    // 1000 on a flow-capable Qev main board newer than 2.9 with parameter6 set, else 10.
    int kFactor() const;

    // Takes the block's values from a fresh image (after every full read, block update and
    // completed poll cycle). Changed writable values are written back like user edits.
    Q_INVOKABLE void updateFromImage(const QList<quint16> &registerImage);
    // Sets the unit system without converting the ranges (for a block that was just read, whose
    // ranges are already in the device's unit system).
    Q_INVOKABLE void setUnitSystem(int unitSystem);

public slots:
    void setLowerVoltage(int voltage);
    void setUpperVoltage(int voltage);
    // The user switched the unit system: ranges are converted and written back.
    void updateUnitSystem(int unitSystem);
    void adjustedKValueToParameter();

signals:
    void errorString(QString error);
    void requestBlockUpdate(int);
    void parameterChanged(uint, QList<quint16>);
    void writeSingleRegister(uint index, ushort value);
    void writeMultipleRegisters(uint index, QList<quint16> values);
    void updateThisBlock(uint index);

private slots:
    void onRangeIndexChanged(int index);

private:
    void wireWriteBack();
    void updateOutputs();
    void rebuildRangeList();
    void writeInt32(uint offset, qint32 value);
    void writeRange(uint offset, double value);
    void writeParameter(int i);
    bool rangeIsFloat() const;

    QList<quint16> m_registerImage;
    QTimer m_lowerRangeTimer;
    QTimer m_upperRangeTimer;
    QTimer m_offsetTimer;
    QTimer m_parameter5Timer;
    QTimer m_kValueTimer;
    int m_outputMinVoltage = 0;
    int m_outputMaxVoltage = 10;
    bool m_metric = true; // unit system 1
    bool m_refreshing = false;
    uint m_baseRegister = 0;
    KivDeviceSetup *m_deviceSetup = nullptr;
    // Numeric form of rangeList, same order.
    Enums::RangeList m_ranges;
};
