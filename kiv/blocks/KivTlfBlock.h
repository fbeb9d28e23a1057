#pragma once

#include "Enums.h"
#include "Functions.h"

#include <QList>
#include <QObject>
#include <QStringList>

class KivDeviceSetup;

// Traffic-light function (registers from 83). The back end hands it the selected channel's
// range and the channel names.
class KivTlfBlock : public Enums
{
    Q_OBJECT
    Q_PROPERTY(quint8 channel READ channel WRITE setChannel NOTIFY channelChanged)
    Q_PROPERTY(double min READ min WRITE setMin NOTIFY minChanged)
    Q_PROPERTY(double max READ max WRITE setMax NOTIFY maxChanged)
    Q_PROPERTY(QStringList model READ model WRITE setModel NOTIFY modelChanged)

public:
    static constexpr uint kStartRegister = 83;
    static constexpr uint kOffChannelColor1 = 27; // low byte channel, high byte colour 1
    static constexpr int kBlockRegisters = 41;

    // For meta-type registration: start register 0, no device setup.
    explicit KivTlfBlock(QObject *parent = nullptr);
    // deviceSetup is not owned.
    KivTlfBlock(const QList<quint16> &registerImage, uint startRegister, KivDeviceSetup *deviceSetup,
                QObject *parent = nullptr);

    uint startRegister() const { return m_startRegister; }
    quint8 channel() const { return m_channel; }
    double min() const { return m_min; }
    double max() const { return m_max; }
    QStringList model() const { return m_model; }

    Q_INVOKABLE void updateFromImage(const QList<quint16> &registerImage);

public slots:
    void setChannel(quint8 channel);
    void setMin(double min);
    void setMax(double max);
    void setModel(const QStringList &model);

signals:
    void writeHalfRegister(uint reg, uchar value, Functions::Byte which);
    void writeSingleRegister(uint reg, ushort value);
    void writeMultipleRegister(uint reg, QList<quint16> values);
    void channelChanged(quint8 channel);
    void minChanged(double min);
    void maxChanged(double max);
    void modelChanged(QStringList model);

private:
    quint8 m_channel = 0;
    double m_min = 0.0;
    double m_max = 0.0;
    QStringList m_model;
    uint m_startRegister = 0;
    KivDeviceSetup *m_deviceSetup = nullptr;
};
