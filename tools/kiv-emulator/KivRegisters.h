#pragma once

#include <QtGlobal>

// Device facts of a KIV room sensor's holding-register map.
namespace KivRegisters {
constexpr int kRegisterCount = 5000;

constexpr int kBlockCount = 0;
constexpr int kStoreCommand = 2;
constexpr quint16 kStoreValue = 1;
constexpr int kNameFirstHalf = 4;
constexpr int kNameSecondHalf = 14;
constexpr int kNameHalfRegisters = 10;
constexpr int kSerialNumber = 24;
constexpr int kUnitSystem = 26;
constexpr int kAltitude = 30;
constexpr int kMinVoltage = 32;
constexpr int kMaxVoltage = 34;
constexpr int kFactoryDate = 36;
constexpr int kHoursToMaintenance = 40;
constexpr int kHoursToCalibration = 42;
constexpr int kMaintenanceInterval = 44;
constexpr int kCalibrationInterval = 46;
constexpr int kHardwareVersion = 48;
constexpr int kMainFirmware = 50;
constexpr int kOptionFirmware = 54;
constexpr int kResetCommand = 60;
constexpr quint16 kRestartValue = 1;
constexpr quint16 kFactoryResetWord = 0xFFFF; // both registers: 32-bit -1
constexpr int kAdjustCommand = 63; // 1: restart and run the CO2/VOC adjustment prepared in the blocks
constexpr quint16 kAdjustStart = 1;
constexpr int kLcd = 82;
constexpr int kTlf = 83;
constexpr int kOptionBoardType = 144;
constexpr int kRelay1 = 146;
constexpr int kRelay2 = 160;
constexpr int kBus = 144;
constexpr int kLora = 146;

constexpr int kFirstBlock = 1000;
constexpr int kBlockStride = 100;
constexpr int kBlockRegisters = 50;
constexpr int kMaxBlocks = 15;
constexpr int kBlockValue = 6; // float, live measured value
constexpr int kBlockType = 8;
constexpr int kBlockUnit = 10;
constexpr int kBlockLowerLimit = 12;
constexpr int kBlockUpperLimit = 14;
constexpr int kBlockLowerRange = 16;
constexpr int kBlockUpperRange = 18;
constexpr int kBlockChannel = 24;
constexpr int kBlockParameter0 = 28; // CO2: 0/1 fresh-air mode, 400..2000 reference gas in ppm
constexpr int kBlockParameter1 = 30; // VOC: 1 requests a fresh-air adjustment

// Measures and units as the device encodes them.
enum Measure : quint32 {
    Temperatur = 1,
    RelativeFeuchte = 2,
    AbsoluteFeuchte = 3,
    Enthalpie = 4,
    Taupunkt = 5,
    CO2 = 6,
    VOC = 7,
    CO2_VOC = 8,
    Volumenstrom = 9,
    Druck = 10,
    Helligkeit = 11,
    Kondensat = 12,
    Luftdruck = 13
};
enum Unit : quint32 { GradC = 1, Prozent = 3, g_m3 = 4, kJ_kg = 5, ppm = 7, Pa = 9, hPa = 10, m3_h = 16, lux = 19 };
enum Board : quint32 { AP_AA = 2, AP_Relais = 3, AP_Modbus = 4, AP_BACnet = 6, AP_LORA = 8 };

inline int blockBase(int index)
{
    return kFirstBlock + kBlockStride * index;
}
} // namespace KivRegisters
