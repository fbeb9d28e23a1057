#pragma once

#include <QDebug>
#include <QList>
#include <QObject>

class KivDeviceSetup;

// Settings of one relay output (registers R .. R + 13, R = 146 or 160). The change signals carry
// the register and the encoded words: they are also the write requests the back end forwards.
class KivRelaisBlock : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qint32 relaisState1 READ relaisState1 WRITE setRelais1 NOTIFY relais1Changed)
    Q_PROPERTY(qint32 relaisState2 READ relaisState2 WRITE setRelais2 NOTIFY relais2Changed)
    Q_PROPERTY(qint32 relaisState3 READ relaisState3 WRITE setRelais3 NOTIFY relais3Changed)
    Q_PROPERTY(double threshold1 READ threshold1 WRITE setThreshold1 NOTIFY threshold1Changed)
    Q_PROPERTY(double threshold2 READ threshold2 WRITE setThreshold2 NOTIFY threshold2Changed)
    Q_PROPERTY(qint32 hysteresis READ hysteresis WRITE setHysteresis NOTIFY hysteresisChanged)
    Q_PROPERTY(qint32 channel READ channel WRITE setChannel NOTIFY channelChanged)
    Q_PROPERTY(bool forced READ isForced NOTIFY forcedChanged)

public:
    static constexpr uint kRelais1Register = 146;
    static constexpr uint kRelais2Register = 160;
    static constexpr uint kOffChannel = 0;
    static constexpr uint kOffState1 = 2;
    static constexpr uint kOffState2 = 4;
    static constexpr uint kOffState3 = 6;
    static constexpr uint kOffThreshold1 = 8;
    static constexpr uint kOffThreshold2 = 10;
    static constexpr uint kOffHysteresis = 12;
    static constexpr int kBlockRegisters = 14;

    // deviceSetup is not owned and may be null (integer thresholds then).
    KivRelaisBlock(const QList<quint16> &registerImage, uint startRegister, KivDeviceSetup *deviceSetup,
                   QObject *parent = nullptr);

    uint startRegister() const { return m_startRegister; }
    qint32 relaisState1() const { return m_relaisState1; }
    qint32 relaisState2() const { return m_relaisState2; }
    qint32 relaisState3() const { return m_relaisState3; }
    double threshold1() const { return m_threshold1; }
    double threshold2() const { return m_threshold2; }
    qint32 hysteresis() const { return m_hysteresis; }
    qint32 channel() const { return m_channel; }

    // Thresholds travel as floats on Qev main boards, else as truncated integers.
    bool thresholdsAreFloat() const;
    QList<quint16> encodeThreshold(double value) const;

    // Takes over the device's values; changed values are signalled (and so written back).
    // While the relay is forced the device holds the forced switching values, not the
    // configuration: the block keeps what it had, which the restore writes back.
    Q_INVOKABLE void updateFromImage(const QList<quint16> &registerImage);

    bool isForced() const { return m_forced; }
    void setForced(bool forced);

public slots:
    void setRelais1(qint32 value);
    void setRelais2(qint32 value);
    void setRelais3(qint32 value);
    void setThreshold1(double value);
    void setThreshold2(double value);
    void setHysteresis(qint32 value);
    void setChannel(qint32 value);

signals:
    void relais1Changed(uint reg, QList<quint16> values);
    void relais2Changed(uint reg, QList<quint16> values);
    void relais3Changed(uint reg, QList<quint16> values);
    void threshold1Changed(uint reg, QList<quint16> values);
    void threshold2Changed(uint reg, QList<quint16> values);
    void hysteresisChanged(uint reg, QList<quint16> values);
    void channelChanged(uint reg, QList<quint16> values);
    void forcedChanged(bool forced);

private:
    qint32 m_relaisState1 = 0;
    qint32 m_relaisState2 = 0;
    qint32 m_relaisState3 = 0;
    double m_threshold1 = 0.0;
    double m_threshold2 = 0.0;
    qint32 m_hysteresis = 0;
    qint32 m_channel = 0;
    uint m_startRegister = 0;
    KivDeviceSetup *m_deviceSetup = nullptr;
    bool m_forced = false;
};

QDebug operator<<(QDebug debug, const KivRelaisBlock &block);
