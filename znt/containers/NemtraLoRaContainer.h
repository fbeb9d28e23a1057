#pragma once

#include "NemtraBaseContainer.h"
#include "NemtraProcessWide.h"

// The LoRaWAN radio parameters and identifiers.
class NemtraLoRaContainer : public NemtraBaseContainer, public NemtraProcessWide<NemtraLoRaContainer>
{
    Q_OBJECT
public:
    enum LoraProperty {
        AdaptiveDatarate,
        DefaultDatarate,
        TxPower,
        Port,
        ReJoinInterval,
        Retransmissions,
        ConfirmationActivation,
        ChannelMask,
        DeviceEui,
        JoinEui,
        NwkKey,
        LoRaWanVersion,
        FrequencyRegion,
        RegionParameterVersion,
        JoinState,
        ServiceUplink,
        Max = 16
    };
    Q_ENUM(LoraProperty)

    explicit NemtraLoRaContainer(QObject *parent = nullptr);

    // A version held in two registers, low word first, printed byte by byte from the top.
    Q_INVOKABLE QString valueToVersion(double value, int precision = 4) const;

public slots:
    bool hasAllProperties() const override;
};
