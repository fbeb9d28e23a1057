#pragma once

#include "NemtraBaseContainer.h"

#include <NemtraEnums.h>

// One data block of one channel: the properties of one type that lie in the channel's
// register window. It is valid while the device-setup block lists it.
class NemtraChannelDatablock : public NemtraBaseContainer, public NemtraEnums
{
    Q_OBJECT
    Q_PROPERTY(ushort channel READ channel WRITE setChannel NOTIFY channelChanged)
    Q_PROPERTY(QString iconSource READ iconSource NOTIFY iconSourceChanged)
    Q_PROPERTY(QString typeString READ typeString NOTIFY iconSourceChanged)
    Q_PROPERTY(int type READ type CONSTANT)
public:
    enum DatenblockProperty { Value, Status, Factor, Hysteresis, Min, Max, MAX = 6 };
    Q_ENUM(DatenblockProperty)

    NemtraChannelDatablock(int type, ushort channel, QObject *parent = nullptr);

    int type() const { return m_type; }
    ushort channel() const { return m_channel; }
    void setChannel(ushort channel);
    QString iconSource() const { return m_iconSource; }
    QString typeString() const;
    static QString typeName(int type);

public slots:
    // Gives the image to the properties only; the channel manager decides validity.
    void setData(QList<quint16> data) override;
    void reset() override;
    void onLanguageChanged();

signals:
    void channelChanged(ushort channel);
    void iconSourceChanged(QString iconSource);

private:
    void updateIcon();
    QString batteryIcon() const;

    int m_type = 0;
    ushort m_channel = 0;
    QString m_iconSource;
};
