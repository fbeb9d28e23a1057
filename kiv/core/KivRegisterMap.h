#pragma once

#include <QList>
#include <QtGlobal>

// Holding registers of a KIV device that the back end reads and commands through. Every
// 32-bit value spans two registers, low word first unless noted.
namespace KivRegisterMap {

constexpr uint kBlockCount = 0; // 1 to 15 data blocks; register 1 is read with it
constexpr uint kStoreCommand = 2; // write kStoreValue: keep the configuration in EEPROM
constexpr quint16 kStoreValue = 1;
constexpr uint kNameStart = 4; // 40 characters in 20 registers, low byte first
constexpr int kNameRegisters = 20;
constexpr uint kSerialNumber = 24;
constexpr uint kUnitSystem = 26;
constexpr uint kAltitude = 30;
constexpr uint kMinVoltage = 32;
constexpr uint kMaxVoltage = 34;
constexpr uint kFactoryDate = 36; // yyyyMMdd as a decimal number
constexpr uint kHoursToMaintenance = 40;
constexpr uint kHoursToCalibration = 42;
constexpr uint kMaintenanceInterval = 44; // months
constexpr uint kCalibrationInterval = 46; // months
constexpr uint kHardwareVersion = 48;
constexpr uint kResetCommand = 60; // 32-bit -1: factory reset; single 1: restart
constexpr quint16 kRestartValue = 1;
constexpr quint32 kFactoryResetValue = 0xFFFFFFFFu;
constexpr uint kRelay1 = 146;
constexpr uint kRelay2 = 160;
constexpr uint kRelayThresholds = 2; // offsets inside a relay block
constexpr uint kRelayHysteresis = 12;

constexpr uint kGeneralAreaEnd = 300; // a full read covers 0 .. 299 and the data blocks
constexpr uint kFirstBlock = 1000;
constexpr uint kBlockStride = 100;
constexpr uint kBlockRegisters = 50;
constexpr uint kBlockUpdateRegisters = 20;
constexpr quint16 kMaxBlocks = 15;

// A device answering with garbage in its name registers is not one of ours.
bool isPlausibleDeviceName(const QList<quint16> &image);

} // namespace KivRegisterMap
