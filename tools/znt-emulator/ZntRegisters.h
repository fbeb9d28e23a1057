#pragma once

#include <QtGlobal>

// Facts of the ZNT register interface the emulator serves. 32-bit values are low word first.
namespace ZntRegisters {
// Holding registers 0..65534; a request past the last one is refused.
constexpr int kRegisterCount = 65535;

// The software accepts a device only when this register reads all ones.
constexpr int kIdentification = 10;
constexpr quint16 kIdentificationValue = 0xFFFF;

// Memory dumps carry the device type at this word; simulation checks it.
constexpr int kDumpDeviceType = 1024;

// Device types as the device reports them.
constexpr quint16 kTypeVtx = 16385;
constexpr quint16 kTypeF3 = 16386;
constexpr quint16 kTypeGateway = 16401; // LoRaWAN-EnOcean bridge

// Device information.
constexpr int kDeviceId = 0xC000;
constexpr int kHardwareVersion = 0xC001;
constexpr int kSoftwareVersion = 0xC002;
constexpr int kSoftwareRevision = 0xC003;
constexpr int kSerialNumber = 0xC004; // 32 bit
constexpr int kProductionDate = 0xC006; // 32 bit: year << 16 | month << 8 | day
constexpr int kSensorId = 0xC008; // 32 bit
constexpr int kWorkingHours = 0xC010; // 32 bit
constexpr int kCommand = 0xC100;
constexpr int kBatteryType = 0xC105; // 0 mains, 1 lithium 3.4..3.6 V, 2 alkaline
constexpr int kHeartbeat = 0xC106; // minutes
constexpr int kHysteresis = 0xC107;
constexpr int kMeasureInterval = 0xC108; // seconds
constexpr int kLatency = 0xC10B; // seconds
constexpr int kEpd = 0xC180; // 1: the device has an e-paper display

// Writing this value to the command register keeps the current configuration across restarts.
constexpr quint16 kStoreCommand = 2;

// Which data blocks each channel has: 8 words a channel, bit k set for data block type k.
constexpr int kDeviceSetup = 0xC800;
constexpr int kSetupWordsPerChannel = 8;
constexpr int kChannels = 4;

// Channel data blocks: 16 registers per type, 0x1000 registers per channel.
constexpr int kChannelBase = 0x8000;
constexpr int kChannelStride = 0x1000;
constexpr int kBlockSize = 16;
constexpr int kBlockValue = 0;
constexpr int kBlockStatus = 1;
constexpr int kBlockFactor = 2;
constexpr int kBlockHysteresis = 3;
constexpr int kBlockMin = 4;
constexpr int kBlockMax = 5;

constexpr int blockBase(int channel, int type)
{
    return kChannelBase + (channel - 1) * kChannelStride + type * kBlockSize;
}

// Data block types.
constexpr int kTemperature = 16;
constexpr int kRelHumidity = 17;
constexpr int kCo2 = 18;
constexpr int kVoc = 19;
constexpr int kPressureAbs = 48;
constexpr int kIlluminance = 64;
constexpr int kOccupancy = 65;
constexpr int kReedContact = 80;
constexpr int kBattery = 84;
constexpr int kButton = 85;
constexpr int kSetPoint = 99;

// Container blocks.
constexpr int kTlf = 0xC120;
constexpr int kLed = 0xC134;
constexpr int kDisplay = 0xC182;
constexpr int kLora = 0xC200;
constexpr int kGateway = 0xC400;

// Gateway block: type, port, EnOcean chip and base identifiers, then per filter list (identifiers,
// packet types, data) its kind (0 none, 1 whitelist, 2 blacklist) and its count, then the entries.
constexpr int kGatewayChipId = kGateway + 2; // 32 bit
constexpr int kGatewayBaseId = kGateway + 4; // 32 bit
constexpr int kGatewayIdFilterType = kGateway + 6;
constexpr int kGatewayIdFilters = kGateway + 0x10; // 30 entries of 32 bit
constexpr int kGatewayPacketFilters = kGateway + 0x50; // 16 entries of one byte
constexpr int kGatewayDataFilters = kGateway + 0x60; // 16 entries of one byte
} // namespace ZntRegisters
