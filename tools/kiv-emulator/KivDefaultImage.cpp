#include "KivDefaultImage.h"

#include "KivRegisters.h"
#include "RegisterImage.h"

using namespace KivRegisters;

namespace {

struct BlockSpec
{
    Measure measure;
    Unit unit;
    float value;
    qint32 lowerLimit;
    qint32 upperLimit;
    qint32 lowerRange;
    qint32 upperRange;
    quint32 channel; // analogue output 1..4, 0 = none
};

// A room sensor with temperature, humidity, CO2 and VOC on the four outputs, derived
// humidity values and barometric pressure. Ranges are entries the configuration tool offers.
const BlockSpec kBlocks[] = {
    {Temperatur, GradC, 21.5f, -40, 85, -15, 35, 1}, {RelativeFeuchte, Prozent, 45.0f, 0, 100, 0, 100, 2},
    {CO2, ppm, 600.0f, 0, 10000, 0, 2000, 3},        {VOC, Prozent, 15.0f, 0, 100, 0, 100, 4},
    {Taupunkt, GradC, 9.2f, -40, 85, 0, 50, 0},      {AbsoluteFeuchte, g_m3, 8.6f, 0, 200, 0, 50, 0},
    {Enthalpie, kJ_kg, 39.0f, 0, 400, 0, 85, 0},     {Luftdruck, hPa, 1013.2f, 300, 1100, 300, 1100, 0},
};

constexpr quint16 version(quint8 major, quint8 minor)
{
    return quint16((major << 8) | minor);
}

void putBlocks(QList<quint16> &image)
{
    int i = 0;
    for (const BlockSpec &b : kBlocks) {
        const int base = blockBase(i++);
        RegisterImage::putFloat(image, base + kBlockValue, b.value);
        RegisterImage::put32(image, base + kBlockType, b.measure);
        RegisterImage::put32(image, base + kBlockUnit, b.unit);
        RegisterImage::putInt(image, base + kBlockLowerLimit, b.lowerLimit);
        RegisterImage::putInt(image, base + kBlockUpperLimit, b.upperLimit);
        RegisterImage::putInt(image, base + kBlockLowerRange, b.lowerRange);
        RegisterImage::putInt(image, base + kBlockUpperRange, b.upperRange);
        RegisterImage::put32(image, base + kBlockChannel, b.channel);
    }
    image[kBlockCount] = quint16(i);
}

void putRelay(QList<quint16> &image, int base, quint32 channel, qint32 on, qint32 off, qint32 hysteresis)
{
    RegisterImage::put32(image, base, channel);
    // Three switching states (all open) follow the channel.
    RegisterImage::putInt(image, base + 8, on);
    RegisterImage::putInt(image, base + 10, off);
    RegisterImage::putInt(image, base + 12, hysteresis);
}

void putBus(QList<quint16> &image, bool bacnet)
{
    const int s = kBus;
    RegisterImage::put32(image, s + 2, bacnet ? 12 : 0); // DIP address
    RegisterImage::put32(image, s + 4, bacnet ? 100 : 17); // software address / device-ID offset
    RegisterImage::put32(image, s + 6, bacnet ? 38400 : 19200);
    RegisterImage::put32(image, s + 8, 0); // RTU
    RegisterImage::put32(image, s + 10, bacnet ? 0 : 2); // none / even
    RegisterImage::put32(image, s + 12, 1);
    if (bacnet)
        RegisterImage::putText(image, s + 16, QByteArrayLiteral("Besprechungsraum 2.14"), 16);
    RegisterImage::putFloat(image, s + 32, bacnet ? 1.0f : 0.0f);
    // COV increments per measure; -1 means not set.
    const float increments[] = {0.5f, 2.0f, 1.0f, 2.0f, 0.5f, 50.0f, 5.0f, -1.0f, -1.0f, -1.0f, -1.0f, -1.0f};
    for (int i = 0; i < 12; ++i)
        RegisterImage::putFloat(image, s + 34 + 2 * i, bacnet ? increments[i] : -1.0f);
}

void putLora(QList<quint16> &image)
{
    const QByteArray devEui = QByteArray::fromHex("70B3D57ED005A12C");
    const QByteArray appEui = QByteArray::fromHex("70B3D57ED0000001");
    const QByteArray appKey = QByteArray::fromHex("2B7E151628AED2A6ABF7158809CF4F3C");
    RegisterImage::putText(image, 146, devEui, 4);
    RegisterImage::putText(image, 150, appEui, 4);
    RegisterImage::putText(image, 154, appKey, 8);
    image[162] = version(1, 0); // LoRaWAN 1.0.3
    image[163] = version(3, 0);
    RegisterImage::put32(image, 164, 1); // region
    RegisterImage::put32(image, 166, 2); // port
    RegisterImage::put32(image, 168, 1); // ADR on
    RegisterImage::put32(image, 170, 3); // DR3
    RegisterImage::put32(image, 172, 14); // tx power
    RegisterImage::put32(image, 174, 0x00FF); // channel mask
    RegisterImage::put32(image, 176, 1); // transmissions
    RegisterImage::put32(image, 178, 1440); // rejoin interval, minutes
    RegisterImage::put32(image, 180, 0); // confirmed activation
    RegisterImage::put32(image, 182, 60); // heartbeat, minutes
    RegisterImage::put32(image, 184, 0); // control command
    RegisterImage::put32(image, 186, 10); // uplink interval, minutes
    RegisterImage::put32(image, 204, 1); // LED
}

} // namespace

QList<quint16> KivDefaultImage::build(Variant variant)
{
    QList<quint16> image(kRegisterCount, 0);

    QByteArray name = QByteArrayLiteral("KIV-THC LCD");
    QByteArray model = QByteArrayLiteral("Raumsensor 4AO");
    quint32 board = AP_AA;
    quint16 optionFirmware = version(1, 6);
    switch (variant) {
    case Variant::Standard:
        break;
    case Variant::Relay:
        name = QByteArrayLiteral("KIV-THC LCD REL");
        model = QByteArrayLiteral("Raumsensor 2 Relais");
        board = AP_Relais;
        optionFirmware = version(1, 3);
        break;
    case Variant::Modbus:
        name = QByteArrayLiteral("KIV-THC LCD MB");
        model = QByteArrayLiteral("Raumsensor RS485");
        board = AP_Modbus;
        optionFirmware = version(2, 5);
        break;
    case Variant::BACnet:
        name = QByteArrayLiteral("KIV-THC LCD BAC");
        model = QByteArrayLiteral("Raumsensor BACnet");
        board = AP_BACnet;
        optionFirmware = version(2, 4);
        break;
    case Variant::Lora:
        name = QByteArrayLiteral("KIV-THC LCD LoRa");
        model = QByteArrayLiteral("Raumsensor LoRaWAN");
        board = AP_LORA;
        optionFirmware = version(1, 4);
        break;
    case Variant::Qev:
        // A Qev main board (the name carries both family words) with analogue outputs.
        name = QByteArrayLiteral("KIV-QEV LCD");
        model = QByteArrayLiteral("Raumsensor Qev 4AO");
        break;
    }

    putBlocks(image);
    RegisterImage::putText(image, kNameFirstHalf, name, kNameHalfRegisters);
    RegisterImage::putText(image, kNameSecondHalf, model, kNameHalfRegisters);
    RegisterImage::put32(image, kSerialNumber, 2406153);
    RegisterImage::put32(image, kUnitSystem, 1); // SI
    RegisterImage::put32(image, kAltitude, 245);
    RegisterImage::put32(image, kMinVoltage, 0);
    RegisterImage::put32(image, kMaxVoltage, 10);
    RegisterImage::put32(image, kFactoryDate, 20240611);
    RegisterImage::put32(image, kHoursToMaintenance, 6210);
    RegisterImage::put32(image, kHoursToCalibration, 14330);
    RegisterImage::put32(image, kMaintenanceInterval, 12);
    RegisterImage::put32(image, kCalibrationInterval, 24);
    RegisterImage::put32(image, kHardwareVersion, 0x010203);
    // Firmware versions are stored high word first: 3.1.0.4 and the option board's x.y.
    image[kMainFirmware] = version(3, 1);
    image[kMainFirmware + 1] = version(0, 4);
    image[kOptionFirmware] = optionFirmware;
    image[kOptionFirmware + 1] = 0;
    RegisterImage::put32(image, kOptionBoardType, board);

    // Display: available, 80 % brightness, not rotated; traffic light on (high byte of 83).
    image[kLcd] = quint16((80 << 8) | 1);
    image[kLcd + 1] = quint16(1 << 8);
    image[kLcd + 3] = quint16(1 << 8); // service note shown
    const bool relay = variant == Variant::Relay;
    image[kLcd + 4] = quint16(((relay ? 1 : 0) << 8) | 1); // calibration note, relay 1
    image[kLcd + 5] = quint16((int(std::size(kBlocks)) << 8) | (relay ? 1 : 0));
    image[kLcd + 6] = quint16((1 << 8) | 1);
    image[kLcd + 7] = quint16((1 << 8) | 1);

    // Traffic light on output 3 (CO2): green below 800 ppm, yellow to 1200, red above.
    image[kTlf + 27] = quint16((1 << 8) | 3);
    image[kTlf + 28] = quint16((3 << 8) | 2);
    // Bus boards from firmware 2.3 on and Qev main boards without a bus board take float
    // thresholds, everything else integers.
    const bool bus = board == AP_Modbus || board == AP_BACnet;
    const bool floatThresholds = bus ? optionFirmware > version(2, 2) : variant == Variant::Qev;
    if (floatThresholds) {
        RegisterImage::putFloat(image, kTlf + 29, 800.0f);
        RegisterImage::putFloat(image, kTlf + 31, 1200.0f);
    } else {
        RegisterImage::putInt(image, kTlf + 29, 800);
        RegisterImage::putInt(image, kTlf + 31, 1200);
    }

    switch (variant) {
    case Variant::Relay:
        putRelay(image, kRelay1, 1, 24, 26, 1); // temperature
        putRelay(image, kRelay2, 3, 1000, 1400, 50); // CO2
        break;
    case Variant::Modbus:
        putBus(image, false);
        break;
    case Variant::BACnet:
        putBus(image, true);
        break;
    case Variant::Lora:
        putLora(image);
        break;
    case Variant::Standard:
    case Variant::Qev:
        break;
    }
    return image;
}

bool KivDefaultImage::parseVariant(const QString &text, Variant *variant)
{
    const QStringList names = variantNames();
    const qsizetype at = names.indexOf(text.trimmed().toLower());
    if (at < 0)
        return false;
    *variant = Variant(at);
    return true;
}

QStringList KivDefaultImage::variantNames()
{
    return {QStringLiteral("standard"), QStringLiteral("relay"), QStringLiteral("modbus"),
            QStringLiteral("bacnet"),   QStringLiteral("lora"),  QStringLiteral("qev")};
}
