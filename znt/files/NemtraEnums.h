#pragma once

#include <QObject>

// The ZNT vocabulary. A gadget rather than a QObject, so that data blocks can take it as a
// second base and use the enumerators unqualified.
class NemtraEnums
{
    Q_GADGET
public:
    // Which container or channel kind a register property belongs to. Values 16 to 99 are
    // channel kinds (they also give a data block's place in the channel: 0x8000 + type * 16),
    // 100 to 108 are containers.
    enum DatablockType : quint16 {
        Temperature = 16,
        RelHumidity = 17,
        CO2 = 18,
        VOC = 19,
        Moisture = 20,
        ConcentrationCO2 = 32,
        ConcentrationNO2 = 33,
        ConcentrationOzon = 34,
        ParticlePm10 = 35,
        ParticlePm2_5 = 36,
        ParticlePm1 = 37,
        PressureAbs = 48,
        PressureDif = 49,
        Flow = 50,
        Illuminance = 64,
        Occupancy = 65,
        ReedContact = 80,
        Leakage = 81,
        CounterHighByte = 82,
        CounterLowByte = 83,
        Battery = 84,
        Button = 85,
        SetPoint = 99,
        AnalogIn = 96,
        Resistor = 97,
        Unknown = 255,
        Encoder = 99, // the same block as SetPoint; the name of 99 stays SetPoint
        DeviceInformation = 100,
        DeviceSetup = 101,
        Led = 102,
        Tlf = 103,
        Lora = 104,
        Gateway = 105,
        Display = 106,
        ExpertMode = 107,
        Live = 108,
        Button_1 = 38224
    };
    Q_ENUM(DatablockType)

    // The device model as register 1024 of a saved image and the device-information block tell it.
    enum DeviceType : quint16 {
        SARDUNUnknown = 0,
        VTX_ZNT = 16385,
        F3_ZNT = 16386,
        KIV_ZNT = 16387,
        KIV_EnOc_ZNT = 16401,
        FirstType = 16385,
        LastType = 16401
    };
    Q_ENUM(DeviceType)

    // Channel kinds lie below this type; the containers start at it.
    static constexpr quint16 FirstChannelType = 16;
    static constexpr quint16 LastChannelType = 254;
    // What an unknown type name in a property definition turns into: no container takes it.
    static constexpr quint16 NoType = 65535;
};
