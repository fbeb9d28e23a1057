#pragma once

#include "NemtraEnums.h"

#include <QList>
#include <QObject>

#include <array>

// What the navigation needs to know of the connected device: which data-block kinds each of
// the four channels carries and whether it has a display. Filled from the device containers.
struct NemtraEquipment
{
    static constexpr int kChannels = 4;
    // Data-block kinds that matter for the navigation.
    static constexpr int kOccupancy = NemtraEnums::Occupancy;
    static constexpr int kButton = NemtraEnums::Button;
    // A type-99 block is the encoder on channel 2 and the potentiometer on channel 1.
    static constexpr int kEncoderOrPoti = NemtraEnums::Encoder;

    bool hasEpd = false;
    int displayedValueCount = 0;
    // Data-block kinds per channel, channel 1 at index 0.
    std::array<QList<int>, kChannels> channelTypes;

    // channel counts from 1; any other channel has nothing.
    bool channelHas(int channel, int type) const;
    bool channelHasAnyBlock(int channel) const;
    bool hasButton(int channel) const;
    // Button 1 also stands for an occupancy input on channel 1.
    bool hasButtonOrOccupancy(int channel) const;
    bool hasEncoder() const { return channelHas(2, kEncoderOrPoti); }
    bool hasPoti() const { return channelHas(1, kEncoderOrPoti); }
    bool hasControls() const;

    bool operator==(const NemtraEquipment &other) const;
    bool operator!=(const NemtraEquipment &other) const { return !(*this == other); }
};

// The equipment of the device currently shown, one per process: the page manager and the
// controls page models (created by QML) all read the same device.
class NemtraEquipmentSource : public QObject
{
    Q_OBJECT

public:
    static NemtraEquipmentSource *instance();

    const NemtraEquipment &equipment() const { return m_equipment; }
    void setEquipment(const NemtraEquipment &equipment);

signals:
    void equipmentChanged();

private:
    explicit NemtraEquipmentSource(QObject *parent = nullptr);

    NemtraEquipment m_equipment;
};
