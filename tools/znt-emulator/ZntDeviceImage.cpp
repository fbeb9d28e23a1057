#include "ZntDeviceImage.h"

#include "RegisterImage.h"
#include "ZntRegisters.h"

#include <algorithm>
#include <cmath>

using namespace ZntRegisters;

namespace {
// The framework's numbering of property types.
enum PropertyType {
    Flag = 0,
    UInt16 = 1,
    Text = 2,
    UInt32 = 3,
    Int16 = 4,
    Int32 = 5,
    Float = 6,
    HexString = 7,
    HexByte = 8
};

constexpr int kFirstChannelType = 16;
constexpr int kLastChannelType = 254;
constexpr int kFlagsPerChannel = kSetupWordsPerChannel * 16;

struct Info
{
    quint16 deviceType;
    quint16 hardware;
    quint16 software;
    quint16 revision;
    quint32 serial;
    quint32 productionDate;
    quint32 sensorId;
    quint32 workingHours;
    quint16 batteryType;
    quint16 heartbeatMin;
    quint16 hysteresis;
    quint16 intervalS;
    quint16 latencyS;
    quint16 epd;
};

constexpr quint32 date(int year, int month, int day)
{
    return quint32(year) << 16 | quint32(month) << 8 | quint32(day);
}

Info infoOf(ZntDeviceImage::Model model)
{
    if (model == ZntDeviceImage::Model::Vtx)
        return {kTypeVtx, 0x0101, 0x0105, 3, 22050117, date(2022, 5, 3), 0x00560117, 5678, 1, 720, 2, 300, 10, 0};
    return {kTypeF3, 0x0102, 0x0203, 7, 23110042, date(2023, 11, 14), 0x00F30042, 1234, 0, 1440, 1, 60, 5, 1};
}

quint16 s16(int value)
{
    return quint16(qint16(value));
}

// What a data block of a type holds on a fresh device; channel 2 of type 99 is the encoder,
// which has two more settings than the potentiometer on channel 1.
QList<quint16> blockContent(int channel, int type, ZntDeviceImage::Model model)
{
    const int offset = channel - 1;
    switch (type) {
    case kTemperature:
        return {s16(215 + 7 * offset), 0, 1, 5, s16(0), s16(500)};
    case kRelHumidity:
        return {452, 0, 1, 20, 0, 1000};
    case kCo2:
        return {650, 0, 1, 50, 0, 2000};
    case kVoc:
        return {12, 0, 1, 5, 0, 100};
    case kPressureAbs:
        return {10132, 0, 1, 10, 7000, 13000};
    case kIlluminance:
        return {350, 0, 1, 10, 0, 65000};
    case kOccupancy:
        return {0, 0, 30, 600, 300, 1}; // value, status, latency, disable time, follow-up time (s), enable
    case kReedContact:
        return {0, 0};
    case kBattery:
        return {quint16(model == ZntDeviceImage::Model::Vtx ? 3550 : 0), 0, 1, 50, 3400, 3600};
    case kButton:
        return {0, 0, 3, 0, 0}; // value, status, interval, mode, mode configuration
    case kSetPoint:
        if (channel == 2) // value, status, latency, disable time, follow-up time, increment, minimum, maximum
            return {210, 0, 2, 600, 30, 5, 150, 300};
        return {215, 0, 5, 30, 150, 300}; // value, status, increment, follow-up time, minimum, maximum
    default:
        return {};
    }
}

void putBlock(QList<quint16> &image, int channel, int type, const QList<quint16> &words)
{
    const int base = blockBase(channel, type);
    for (int i = 0; i < words.size() && i < kBlockSize; ++i)
        image[base + i] = words.at(i);
}

void putHexPattern(QList<quint16> &image, int reg, int span, quint16 seed)
{
    for (int i = 0; i < span && reg + i < image.size(); ++i)
        image[reg + i] = quint16(seed + 0x0111 * i);
}

// Settings of the container blocks that make the device recognisable on every page.
void putContainerFacts(QList<quint16> &image, const Info &info)
{
    const auto temperature = quint32(blockBase(1, kTemperature));
    // Traffic light on CO2: green, yellow, red, then blue, magenta, cyan; one-second phases.
    image[kTlf] = 1;
    image[kTlf + 1] = 20;
    const quint16 colours[] = {2, 3, 1, 4, 5, 6};
    for (int i = 0; i < 6; ++i) {
        image[kTlf + 2 + i] = colours[i];
        image[kTlf + 8 + i] = 1000;
    }
    RegisterImage::put32(image, kTlf + 14, quint32(blockBase(1, kCo2)));
    const quint16 co2Thresholds[] = {800, 1000, 1400, 2000};
    for (int i = 0; i < 4; ++i)
        image[kTlf + 16 + i] = co2Thresholds[i];
    // Status LED on the temperature.
    image[kLed] = 1;
    image[kLed + 1] = 20;
    for (int i = 0; i < 4; ++i)
        image[kLed + 2 + i] = quint16(500 * (i + 1));
    RegisterImage::put32(image, kLed + 6, temperature);
    image[kLed + 8] = 200;
    image[kLed + 9] = 260;
    // Display: temperature and humidity, without occupancy or fan references.
    image[kDisplay] = 0;
    image[kDisplay + 1] = info.epd ? 2 : 1;
    image[kDisplay + 2] = 0;
    image[kDisplay + 3] = 0;
    image[kDisplay + 4] = 0;
    image[kDisplay + 5] = 0;
    image[kDisplay + 6] = 0;
    const quint16 displayed[][3] = {{quint16(temperature), 1, 1}, {quint16(blockBase(1, kRelHumidity)), 3, 2}};
    for (int i = 0; i < 2; ++i) {
        for (int k = 0; k < 3; ++k)
            image[kDisplay + 0x0E + 8 * i + k] = displayed[i][k];
    }
    // LoRaWAN: adaptive data rate, port 2, daily rejoin, identifiers that differ per device.
    image[kLora] = 1;
    image[kLora + 1] = 5;
    image[kLora + 2] = 2;
    image[kLora + 3] = 2;
    image[kLora + 4] = 1440;
    image[kLora + 5] = 3;
    image[kLora + 6] = 0;
    image[kLora + 7] = 0x00FF;
    putHexPattern(image, kLora + 8, 4, quint16(0x70B3));
    image[kLora + 11] = quint16(info.serial & 0xFFFF);
    putHexPattern(image, kLora + 12, 4, quint16(0x0102));
    putHexPattern(image, kLora + 16, 8, quint16(0x2B7E));
    // Versions travel with their 16-bit halves swapped: 1.0.4.0 and 1.0.3.0.
    RegisterImage::put32(image, kLora + 0x18, 0x04000100);
    image[kLora + 0x1A] = 1;
    RegisterImage::put32(image, kLora + 0x1B, 0x03000100);
    image[kLora + 0x20] = info.batteryType != 0 ? 1 : 0;
    image[kLora + 0x30] = 0;
    // No gateway function; port and filters keep their defaults.
    image[kGateway] = 0;
    image[kGateway + 1] = 10;
}

void putDeviceFacts(QList<quint16> &image, const Info &info)
{
    image[kIdentification] = kIdentificationValue;
    image[kDumpDeviceType] = info.deviceType;
    image[kDeviceId] = info.deviceType;
    image[kHardwareVersion] = info.hardware;
    image[kSoftwareVersion] = info.software;
    image[kSoftwareRevision] = info.revision;
    RegisterImage::put32(image, kSerialNumber, info.serial);
    RegisterImage::put32(image, kProductionDate, info.productionDate);
    RegisterImage::put32(image, kSensorId, info.sensorId);
    RegisterImage::put32(image, kWorkingHours, info.workingHours);
    image[kCommand] = 0;
    image[kBatteryType] = info.batteryType;
    image[kHeartbeat] = info.heartbeatMin;
    image[kHysteresis] = info.hysteresis;
    image[kMeasureInterval] = info.intervalS;
    image[kLatency] = info.latencyS;
    image[kEpd] = info.epd;
}

void putChannels(QList<quint16> &image, const QList<QList<int>> &channels, ZntDeviceImage::Model model)
{
    const QList<quint16> setup = ZntDeviceImage::setupWords(channels);
    for (int i = 0; i < setup.size(); ++i)
        image[kDeviceSetup + i] = setup.at(i);
    for (int c = 0; c < channels.size(); ++c) {
        for (const int type : channels.at(c))
            putBlock(image, c + 1, type, blockContent(c + 1, type, model));
    }
}
} // namespace

bool ZntDeviceImage::parseModel(const QString &text, Model *model)
{
    const QString name = text.trimmed().toUpper();
    if (name == QLatin1String("F3"))
        *model = Model::F3;
    else if (name == QLatin1String("VTX"))
        *model = Model::Vtx;
    else
        return false;
    return true;
}

QStringList ZntDeviceImage::modelNames()
{
    return {QStringLiteral("F3"), QStringLiteral("VTX")};
}

QString ZntDeviceImage::modelName(Model model)
{
    return model == Model::Vtx ? QStringLiteral("VTX") : QStringLiteral("F3");
}

quint16 ZntDeviceImage::deviceType(Model model)
{
    return infoOf(model).deviceType;
}

QList<QList<int>> ZntDeviceImage::channelTypes(Model model)
{
    if (model == Model::Vtx) // battery-powered, contacts and a button
        return {{kTemperature, kRelHumidity, kReedContact, kBattery, kButton},
                {kTemperature, kReedContact},
                {kTemperature},
                {}};
    // Mains-powered room unit with display, set-point potentiometer and encoder.
    return {{kTemperature, kRelHumidity, kCo2, kVoc, kPressureAbs, kIlluminance, kOccupancy, kButton, kSetPoint},
            {kTemperature, kButton, kSetPoint},
            {},
            {}};
}

QList<quint16> ZntDeviceImage::setupWords(const QList<QList<int>> &channels)
{
    QList<quint16> words(kChannels * kSetupWordsPerChannel, 0);
    for (int c = 0; c < channels.size() && c < kChannels; ++c) {
        for (const int type : channels.at(c)) {
            if (type < 0 || type >= kFlagsPerChannel)
                continue;
            words[c * kSetupWordsPerChannel + type / 16] |= quint16(1u << (type % 16));
        }
    }
    return words;
}

QList<QList<int>> ZntDeviceImage::channelsOf(const QList<Field> &fields)
{
    QList<QList<int>> channels(kChannels);
    for (const Field &f : fields) {
        if (f.type < kFirstChannelType || f.type > kLastChannelType || f.type >= kFlagsPerChannel)
            continue;
        const int channel = (f.reg - kChannelBase) / kChannelStride + 1;
        if (f.reg <= kChannelBase || channel < 1 || channel > kChannels)
            continue;
        if (!channels[channel - 1].contains(f.type))
            channels[channel - 1].append(f.type);
    }
    for (QList<int> &types : channels)
        std::sort(types.begin(), types.end());
    return channels;
}

QList<quint16> ZntDeviceImage::build(Model model, const QList<Field> &fields)
{
    return compose(model, fields, channelTypes(model));
}

QList<quint16> ZntDeviceImage::buildFromDefinitions(Model model, const QList<Field> &fields)
{
    return compose(model, fields, channelsOf(fields));
}

QList<quint16> ZntDeviceImage::compose(Model model, const QList<Field> &fields, const QList<QList<int>> &channels)
{
    QList<quint16> image(kRegisterCount, 0);
    for (const Field &f : fields) {
        const int channel = (f.reg - kChannelBase) / kChannelStride + 1;
        const bool inChannels = f.reg >= kChannelBase && channel >= 1 && channel <= kChannels;
        if (!inChannels || channels.value(channel - 1).contains(f.type))
            fillPlausible(image, f);
    }
    const Info info = infoOf(model);
    putContainerFacts(image, info);
    putDeviceFacts(image, info);
    putChannels(image, channels, model);
    return image;
}

void ZntDeviceImage::fillPlausible(QList<quint16> &image, const Field &field)
{
    if (field.reg < 0 || field.span < 1 || field.reg + field.span > image.size())
        return;
    if (field.propertyType == Text || field.propertyType == HexString) {
        putHexPattern(image, field.reg, field.span, quint16(0xA000 | (field.reg & 0x0FFF)));
        return;
    }
    // A quarter into the range: inside the limits, rarely zero, and different for each field.
    double shown = field.minimum;
    if (field.maximum > field.minimum)
        shown = field.minimum + (field.maximum - field.minimum) / 4.0;
    const double divisor = std::isfinite(field.divisor) && field.divisor != 0.0 ? field.divisor : 1.0;
    const double raw = shown * divisor;
    if (!std::isfinite(raw))
        return;
    switch (field.propertyType) {
    case Float: {
        RegisterImage::putFloat(image, field.reg, float(raw));
        return;
    }
    case UInt32:
        if (field.span >= 2)
            RegisterImage::put32(image, field.reg, quint32(qBound(0.0, std::round(raw), 4294967295.0)));
        return;
    case Int32:
        if (field.span >= 2)
            RegisterImage::putInt(image, field.reg, qint32(qBound(-2147483648.0, std::round(raw), 2147483647.0)));
        return;
    case Flag:
        image[field.reg] = raw >= 0.5 ? 1 : 0;
        return;
    case Int16:
        image[field.reg] = s16(int(qBound(-32768.0, std::round(raw), 32767.0)));
        return;
    case HexByte:
        image[field.reg] = quint16(qBound(0.0, std::round(raw), 255.0));
        return;
    default:
        image[field.reg] = quint16(qBound(0.0, std::round(raw), 65535.0));
        return;
    }
}

void ZntDeviceImage::makeGateway(QList<quint16> &image, quint16 gatewayType)
{
    image[kDumpDeviceType] = kTypeGateway;
    image[kDeviceId] = kTypeGateway;
    image[kGateway] = gatewayType;
    RegisterImage::put32(image, kGatewayChipId, 0x0181A2B3u);
    RegisterImage::put32(image, kGatewayBaseId, 0xFF9B4C80u);
    // Identifiers on a whitelist, packet types on a blacklist, no data filter.
    const quint16 lists[][2] = {{1, 3}, {2, 2}, {0, 1}};
    for (int i = 0; i < 3; ++i) {
        image[kGatewayIdFilterType + 2 * i] = lists[i][0];
        image[kGatewayIdFilterType + 2 * i + 1] = lists[i][1];
    }
    const quint32 ids[] = {0x0181A2B4u, 0x0181A2B5u, 0xFF9B4C81u};
    for (int i = 0; i < 3; ++i)
        RegisterImage::put32(image, kGatewayIdFilters + 2 * i, ids[i]);
    image[kGatewayPacketFilters] = 0xF6; // rocker switch telegrams
    image[kGatewayPacketFilters + 1] = 0xD5; // contact telegrams
    image[kGatewayDataFilters] = 0x30;
}

bool ZntDeviceImage::drifts(int type)
{
    switch (type) {
    case kTemperature:
    case kRelHumidity:
    case kCo2:
    case kVoc:
    case kPressureAbs:
    case kIlluminance:
    case kBattery:
        return true;
    default:
        return false;
    }
}
