#include "KivWriteJson.h"

#include "Functions.h"
#include "KivFilesLogging.h"
#include "KivImageView.h"
#include "KivRegisterMap.h"
#include "KivSaveFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <algorithm>

namespace {
using KivRegisterMap::kAltitude;
using KivRegisterMap::kBlockStride;
using KivRegisterMap::kCalibrationInterval;
using KivRegisterMap::kFirstBlock;
using KivRegisterMap::kHoursToCalibration;
using KivRegisterMap::kHoursToMaintenance;
using KivRegisterMap::kMaintenanceInterval;
using KivRegisterMap::kRelay1;
using KivRegisterMap::kUnitSystem;
constexpr uint kBoardType = 144;
constexpr uint kLcd = 82;
constexpr uint kLcdRotation = 83;
constexpr uint kLcdCalibration = 86;
constexpr uint kLcdSensors = 87;
constexpr uint kLcdChannel1 = 88;
constexpr uint kTlfChannelColor1 = 110;
constexpr uint kTlfColor23 = 111;
constexpr uint kTlfThreshold1 = 112;
constexpr uint kTlfThreshold2 = 114;
constexpr uint kRelayStride = 14;
constexpr int kRelayCount = 2;
constexpr uint kBus = 146;

constexpr uint kOffValue = 6;
constexpr uint kOffType = 8;
constexpr uint kOffUnit = 10;
constexpr uint kOffLowerRange = 16;
constexpr uint kOffUpperRange = 18;
constexpr uint kOffOffset = 20;
constexpr uint kOffChannel = 24;

// Counters beyond these are not dates a device can mean.
constexpr quint32 kMaxHoursForDate = 17280;
constexpr quint32 kMaxHoursForDays = 18000;
constexpr qint64 kHoursPerMonth = 720;
constexpr int kServiceRegistersNeeded = 45;
constexpr int kCalibrationRegistersNeeded = 47;

uint blockBase(int index)
{
    return kFirstBlock + kBlockStride * uint(index);
}

int blockCount(const KivImageView &image)
{
    return int(std::min<quint32>(image.u32(0), KivRegisterMap::kMaxBlocks));
}

bool rangeIsFloat(qint32 type)
{
    return type == 9 || type == 10;
}

QJsonObject measureObject(const KivImageView &image, int index)
{
    if (index < 0) {
        return {{QStringLiteral("measure"), KivWriteJson::measureName(-1)},
                {QStringLiteral("unit"), 0},
                {QStringLiteral("rangeLow"), 0},
                {QStringLiteral("rangeHigh"), 0},
                {QStringLiteral("value"), 0},
                {QStringLiteral("channel"), 0},
                {QStringLiteral("register"), 0}};
    }
    const uint b = blockBase(index);
    const qint32 type = image.asInt(b + kOffType);
    const auto range = [&](uint offset) {
        return rangeIsFloat(type) ? QJsonValue(image.asFloat(b + offset)) : QJsonValue(image.asInt(b + offset));
    };
    return {{QStringLiteral("measure"), KivWriteJson::measureName(type)},
            {QStringLiteral("unit"), image.asInt(b + kOffUnit)},
            {QStringLiteral("rangeLow"), range(kOffLowerRange)},
            {QStringLiteral("rangeHigh"), range(kOffUpperRange)},
            {QStringLiteral("value"), image.asFloat(b + kOffValue)},
            {QStringLiteral("channel"), image.asInt(b + kOffChannel)},
            {QStringLiteral("register"), index}};
}

QJsonObject displayObject(const KivImageView &image)
{
    QJsonObject display{{QStringLiteral("state"), image.low(kLcd) != 0},
                        {QStringLiteral("brightness"), image.high(kLcd)},
                        {QStringLiteral("rotation"), image.low(kLcdRotation)},
                        {QStringLiteral("tlfEnabled"), image.word(kLcdRotation) >= 256},
                        {QStringLiteral("lcdCalibration"), image.low(kLcdCalibration)},
                        {QStringLiteral("sensors"), image.high(kLcdSensors)}};
    for (uint i = 0; i < 4; ++i)
        display.insert(QStringLiteral("channel%1").arg(i + 1), image.word(kLcdChannel1 + i));
    return display;
}

QJsonObject tlfObject(const KivImageView &image, int count, bool thresholdsFloat)
{
    const quint8 channel = image.low(kTlfChannelColor1);
    int source = count;
    for (int i = 0; i < count; ++i) {
        if (image.u32(blockBase(i) + kOffChannel) == channel) {
            source = i;
            break;
        }
    }
    // The thresholds in the block's own format: a float device's bits are no integer.
    const auto threshold = [&](uint reg) {
        return thresholdsFloat ? QJsonValue(image.asFloat(reg)) : QJsonValue(image.asInt(reg));
    };
    return {{QStringLiteral("enabled"), channel != 0},
            {QStringLiteral("measure"), measureObject(image, source)},
            {QStringLiteral("lowThreshold"), threshold(kTlfThreshold1)},
            {QStringLiteral("highThreshold"), threshold(kTlfThreshold2)},
            {QStringLiteral("lowColor"), image.high(kTlfChannelColor1)},
            {QStringLiteral("middleColor"), image.low(kTlfColor23)},
            {QStringLiteral("highColor"), image.high(kTlfColor23)},
            {QStringLiteral("lcdRotation"), image.low(kLcdRotation)}};
}

QJsonObject relayObject(const KivImageView &image, int count, int k, bool thresholdsFloat)
{
    const uint r = kRelay1 + kRelayStride * uint(k);
    int source = -1;
    for (int i = 0; i < count; ++i) {
        if (image.u32(blockBase(i) + kOffChannel) == image.u32(r))
            source = i;
    }
    const auto threshold = [&](uint reg) { return thresholdsFloat ? image.asFloat(reg) : double(image.asInt(reg)); };
    return {{QStringLiteral("measure"), measureObject(image, source)},
            {QStringLiteral("lowThreshold"), threshold(r + 8)},
            {QStringLiteral("highThreshold"), threshold(r + 10)},
            {QStringLiteral("states"), QJsonArray{image.asInt(r + 2), image.asInt(r + 4), image.asInt(r + 6)}},
            {QStringLiteral("hysteresis"), image.asInt(r + 12)}};
}

QJsonObject busObject(const KivImageView &image)
{
    return {{QStringLiteral("address"), image.asInt(kBus)},
            {QStringLiteral("offset"), image.asInt(kBus + 2)},
            {QStringLiteral("transmissionRate"), image.asInt(kBus + 4)},
            {QStringLiteral("mode"), image.asInt(kBus + 6)},
            {QStringLiteral("parity"), image.asInt(kBus + 8)}};
}

QString dateText(const KivImageView &image, int registersNeeded, quint32 hoursTo, quint32 intervalMonths,
                 const QDateTime &now)
{
    if (image.size() < registersNeeded || hoursTo == 0 || hoursTo > kMaxHoursForDate)
        return KivWriteJson::tr("Ungültiges Datum");
    // In 64 bits: a damaged interval must not wrap around into a plausible date.
    const qint64 hours = qint64(hoursTo) - kHoursPerMonth * qint64(intervalMonths);
    return now.addSecs(hours * 3600).toString(QStringLiteral("yyyy-MM-ddThh:mm:ss:zzz"));
}

double daysTo(quint32 hours)
{
    return hours > 0 && hours <= kMaxHoursForDays ? double(hours) / 24.0 : 0.0;
}

QJsonObject serviceObject(const KivImageView &image, const QDateTime &now)
{
    const quint32 a = image.u32(kHoursToMaintenance);
    const quint32 b = image.u32(kMaintenanceInterval);
    const quint32 c = image.u32(kHoursToCalibration);
    const quint32 d = image.u32(kCalibrationInterval);
    return {{QStringLiteral("lastService"), dateText(image, kServiceRegistersNeeded, a, b, now)},
            {QStringLiteral("lastCalibration"), dateText(image, kCalibrationRegistersNeeded, c, d, now)},
            {QStringLiteral("nextService"), daysTo(a)},
            {QStringLiteral("nextCalibration"), daysTo(c)}};
}
} // namespace

KivWriteJson::KivWriteJson(QObject *parent)
    : QObject(parent)
{
}

QString KivWriteJson::measureName(qint32 type)
{
    switch (type) {
    case -1:
        return QStringLiteral("UNDEFINED");
    case 1:
        return QStringLiteral("TEMP");
    case 2:
        return QStringLiteral("HUMIDITY_REL");
    case 3:
        return QStringLiteral("HUMIDITY");
    case 4:
        return QStringLiteral("ENTHALPY");
    case 5:
        return QStringLiteral("DREW_POINT");
    case 6:
        return QStringLiteral("CO2");
    case 7:
        return QStringLiteral("VOC");
    case 8:
        return QStringLiteral("CO2_VOC");
    default:
        return QStringLiteral("Unknown");
    }
}

QJsonObject KivWriteJson::document(const QString &filePath, const QList<quint16> &registers)
{
    m_filePath = filePath;
    m_registers = registers;
    const KivImageView image(m_registers);
    const QDateTime now = m_now.isValid() ? m_now : QDateTime::currentDateTime();
    const int count = blockCount(image);

    QJsonArray measures;
    QJsonArray offsets;
    for (int i = 0; i < count; ++i) {
        measures.append(measureObject(image, i));
        offsets.append(QJsonObject{{QStringLiteral("measure"), measureObject(image, i)},
                                   {QStringLiteral("value"), image.asInt(blockBase(i) + kOffOffset)}});
    }
    QJsonArray relais;
    for (int k = 0; k < kRelayCount; ++k)
        relais.append(relayObject(image, count, k, m_mainBoardQev));

    const QJsonObject configuration{
        {QStringLiteral("application"), QStringLiteral("KIVapp")},
        {QStringLiteral("name"), filePath.mid(filePath.lastIndexOf(QLatin1Char('/')) + 1)},
        {QStringLiteral("date"), now.toString(QStringLiteral("ddd, MMMM yyyy hh:mm:ss")) + QStringLiteral(" GMT")},
        {QStringLiteral("location"), QString()},
        {QStringLiteral("voltage"), 0},
        {QStringLiteral("measureSystem"), image.asInt(kUnitSystem)},
        {QStringLiteral("boardType"), image.asInt(kBoardType)},
        {QStringLiteral("altitude"), image.asInt(kAltitude)},
        {QStringLiteral("measures"), measures},
        {QStringLiteral("outputs"), QJsonObject()},
        {QStringLiteral("display"), displayObject(image)},
        {QStringLiteral("tlf"), tlfObject(image, count, m_tlfThresholdsFloat)},
        {QStringLiteral("relais"), relais},
        {QStringLiteral("offsets"), offsets},
        {QStringLiteral("modbus"), busObject(image)},
        {QStringLiteral("service"), serviceObject(image, now)},
        {QStringLiteral("version"), 1},
    };
    return {{QStringLiteral("configuration"), configuration}};
}

bool KivWriteJson::write(const QString &filePath, const QList<quint16> &registers)
{
    if (registers.size() < kMinRegisters) {
        qCWarning(lcKivFiles) << "no device image to write to" << filePath;
        return false;
    }
    const QByteArray bytes = QJsonDocument(document(filePath, registers)).toJson(QJsonDocument::Indented);
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcKivFiles) << "cannot create" << filePath << file.errorString();
        return false;
    }
    return finishSaveFile(file, file.write(bytes) == bytes.size());
}
