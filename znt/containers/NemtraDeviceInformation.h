#pragma once

#include "NemtraBaseContainer.h"
#include "NemtraDeviceSetup.h"
#include "NemtraProcessWide.h"

// Identity, intervals and commands of the device, and through its device-setup part the data
// blocks each channel carries.
class NemtraDeviceInformation : public NemtraBaseContainer,
                                public NemtraDeviceSetup,
                                public NemtraProcessWide<NemtraDeviceInformation>
{
    Q_OBJECT
    Q_PROPERTY(int channelCount READ channelCount NOTIFY channelCountChanged)
    Q_PROPERTY(DeviceType deviceType READ deviceType NOTIFY deviceTypeChanged)
public:
    enum DeviceInfoProperty {
        Messintervall,
        Heartbeat,
        Hysterese,
        DeviceId,
        SensorId,
        SerialNumber,
        ProductionDate,
        WorkingHours,
        HardwareVersion,
        SoftwareVersion,
        SoftwareRevision,
        BatteryType,
        Command,
        Latency,
        EPD,
        Max = 15
    };
    Q_ENUM(DeviceInfoProperty)
    enum DeviceType {
        NoDeviceType = 0,
        DeviceMin = 16385,
        ZNT = 16385,
        Ferox3ZNT = 16386,
        KivZNT = 16387,
        GatewayZntEnocean = 16401,
        DeviceMax = 16401
    };
    Q_ENUM(DeviceType)
    enum ControlCommand { NoCommand = 0 };
    Q_ENUM(ControlCommand)

    // The command value that stores the configuration in the device.
    static constexpr ushort SaveCommand = 2;

    explicit NemtraDeviceInformation(QObject *parent = nullptr);

    int channelCount() const { return m_channelCount; }
    DeviceType deviceType() const { return m_deviceType; }

    Q_INVOKABLE QString stringifyDeviceId(ushort id) const;
    Q_INVOKABLE QString toVersionNumber(ushort value) const;
    Q_INVOKABLE QString toDate(uint value) const;
    Q_INVOKABLE bool hasReed() const;
    Q_INVOKABLE bool hasPid() const;
    Q_INVOKABLE bool hasEpd() const;
    Q_INVOKABLE int buttonCount() const;
    Q_INVOKABLE bool hasEncoder() const;
    Q_INVOKABLE bool hasPoti() const;
    Q_INVOKABLE bool hasOcc() const;
    Q_INVOKABLE bool hasButton(int index) const;

    // The device-setup properties only tell where the setup block lies; they are deleted.
    void setDeviceSetupProperties(QList<NemtraProperty *> properties);

public slots:
    void setData(QList<quint16> data) override;
    void reset() override;
    bool hasAllProperties() const override;

signals:
    void channelCountChanged(int channelCount);
    void saveCommandSend();
    void deviceTypeChanged(DeviceType deviceType);
    void epdChanged();

private:
    void onPropertiesPassedOn();
    void setChannelCount(int count);
    void setDeviceType(int value);

    int m_channelCount = 0;
    DeviceType m_deviceType = NoDeviceType;
};
