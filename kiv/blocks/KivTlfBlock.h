#pragma once

#include "Enums.h"
#include "Functions.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

class KivDeviceSetup;

// Traffic-light function (registers from 83): below threshold 1 the light shows colour 1, between
// the thresholds colour 2, above threshold 2 colour 3. The back end hands it the selected
// channel's range and the channel names.
class KivTlfBlock : public Enums
{
    Q_OBJECT
    Q_PROPERTY(quint8 onOff READ onOff WRITE setOnOff NOTIFY onOffChanged)
    Q_PROPERTY(quint8 channel READ channel WRITE setChannel NOTIFY channelChanged)
    Q_PROPERTY(quint8 color1 READ color1 WRITE setColor1 NOTIFY color1Changed)
    Q_PROPERTY(quint8 color2 READ color2 WRITE setColor2 NOTIFY color2Changed)
    Q_PROPERTY(quint8 color3 READ color3 WRITE setColor3 NOTIFY color3Changed)
    Q_PROPERTY(double threshold1 READ threshold1 WRITE setThreshold1 NOTIFY threshold1Changed)
    Q_PROPERTY(double threshold2 READ threshold2 WRITE setThreshold2 NOTIFY threshold2Changed)
    Q_PROPERTY(double min READ min WRITE setMin NOTIFY minChanged)
    Q_PROPERTY(double max READ max WRITE setMax NOTIFY maxChanged)
    Q_PROPERTY(QStringList model READ model WRITE setModel NOTIFY modelChanged)

public:
    static constexpr uint kStartRegister = 83;
    static constexpr uint kOffOnOff = 0; // high byte; the low byte is the display's rotation
    static constexpr uint kOffChannelColor1 = 27; // low byte channel, high byte colour 1
    static constexpr uint kOffColor2Color3 = 28; // low byte colour 2, high byte colour 3
    static constexpr uint kOffThreshold1 = 29;
    static constexpr uint kOffThreshold2 = 31;
    static constexpr int kBlockRegisters = 41;
    static constexpr int kDebounceMs = 10;

    enum Color : quint8 { None = 0, Green = 1, Yellow = 2, Red = 3 };
    Q_ENUM(Color)

    // For meta-type registration: start register 0, no device setup.
    explicit KivTlfBlock(QObject *parent = nullptr);
    // deviceSetup is not owned.
    KivTlfBlock(const QList<quint16> &registerImage, uint startRegister, KivDeviceSetup *deviceSetup,
                QObject *parent = nullptr);

    uint startRegister() const { return m_startRegister; }
    quint8 onOff() const { return m_onOff; }
    quint8 channel() const { return m_channel; }
    quint8 color1() const { return m_color1; }
    quint8 color2() const { return m_color2; }
    quint8 color3() const { return m_color3; }
    double threshold1() const { return m_threshold1; }
    double threshold2() const { return m_threshold2; }
    double min() const { return m_min; }
    double max() const { return m_max; }
    QStringList model() const { return m_model; }
    // A debounced register write is still to come.
    bool writesPending() const { return m_channelColor1Timer.isActive() || m_color23Timer.isActive(); }

    // Bus boards above firmware 2.2 and Qev main boards without a bus board take floats; every
    // other device takes whole numbers.
    bool thresholdsAreFloat() const { return thresholdsAreFloat(m_deviceSetup); }
    QList<quint16> encodeThreshold(double value) const;
    double decodeThreshold(quint16 low, quint16 high) const { return decodeThreshold(m_deviceSetup, low, high); }
    // The same rule for a device without a block at hand (the documents read the image).
    static bool thresholdsAreFloat(const KivDeviceSetup *deviceSetup);
    static double decodeThreshold(const KivDeviceSetup *deviceSetup, quint16 low, quint16 high);
    // Whole part of value, clamped to what a signed 32-bit register pair holds; NaN gives 0.
    static qint32 toInt32(double value);

    Q_INVOKABLE void updateFromImage(const QList<quint16> &registerImage);

public slots:
    void setOnOff(quint8 onOff);
    void setChannel(quint8 channel);
    void setColor1(quint8 color1);
    void setColor2(quint8 color2);
    void setColor3(quint8 color3);
    void setThreshold1(double threshold1);
    void setThreshold2(double threshold2);
    void setMin(double min);
    void setMax(double max);
    void setModel(const QStringList &model);

    // Value the device stores for a threshold t shown in the channel's unit, and back. Integer
    // devices keep some flow and pressure units scaled.
    double aThresholdToValue(double aThreshold, Enums::UnitDatenBlock unit) const;
    double adjustThreshold(double threshold, Enums::UnitDatenBlock unit) const;

signals:
    void writeHalfRegister(uint reg, uchar value, Functions::Byte which);
    void writeSingleRegister(uint reg, ushort value);
    void writeMultipleRegister(uint reg, QList<quint16> values);
    void channelChanged(quint8 channel);
    void color1Changed(quint8 color1);
    void color2Changed(quint8 color2);
    void color3Changed(quint8 color3);
    void onOffChanged(quint8 onOff);
    void threshold1Changed(double threshold1);
    void threshold2Changed(double threshold2);
    void minChanged(double min);
    void maxChanged(double max);
    void modelChanged(QStringList model);

private:
    void initTimers();
    // Device factor of a unit in the integer format: stored value = shown value * factor.
    double integerFactor(Enums::UnitDatenBlock unit) const;

    quint8 m_onOff = 0;
    quint8 m_channel = 0;
    quint8 m_color1 = 0;
    quint8 m_color2 = 0;
    quint8 m_color3 = 0;
    double m_threshold1 = 0.0;
    double m_threshold2 = 0.0;
    double m_min = 0.0;
    double m_max = 0.0;
    QStringList m_model;
    uint m_startRegister = 0;
    KivDeviceSetup *m_deviceSetup = nullptr;
    QTimer m_channelColor1Timer;
    QTimer m_color23Timer;
};
