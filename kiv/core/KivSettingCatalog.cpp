#include "KivSettingCatalog.h"

#include "Functions.h"
#include "KivLcdBlock.h"
#include "KivRegisterMap.h"
#include "KivRelaisBlock.h"
#include "KivRs485.h"
#include "KivTlfBlock.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <optional>

namespace KivSettingCatalog {

namespace {

struct Names
{
    Q_DECLARE_TR_FUNCTIONS(KivSettingCatalog)
};

enum class Kind { Word, Int32, UInt32, Float, Byte, OnOff, Text, UnitSystem };

// A setting: whole registers from first (words of them), or one byte of the register first.
struct Setting
{
    uint first = 0;
    int words = 1;
    int byte = -1; // Functions::LowByte or HighByte; -1 for whole registers
    Kind kind = Kind::Word;
    QString name;

    uint last() const { return first + uint(words) - 1; }
};

constexpr uint kDataBlockFirst = KivRegisterMap::kFirstBlock;
constexpr uint kDataBlockEnd = KivRegisterMap::kFirstBlock + KivRegisterMap::kBlockStride * KivRegisterMap::kMaxBlocks;
// Offsets inside a data block.
constexpr uint kOffLowerRange = 16;
constexpr uint kOffUpperRange = 18;
constexpr uint kOffOffset = 20;
constexpr uint kOffChannel = 24;
constexpr uint kOffParameter0 = 28;
constexpr int kParameters = 10;
// The LCD block's registers beyond its rotation.
constexpr uint kLcdServiceNote = KivLcdBlock::kStartRegister + 3;
constexpr uint kLcdNotes = KivLcdBlock::kStartRegister + 4;
constexpr uint kLcdRelay2Sensors = KivLcdBlock::kStartRegister + 5;
constexpr uint kLcdChannels12 = KivLcdBlock::kStartRegister + 6;
constexpr uint kLcdChannels34 = KivLcdBlock::kStartRegister + 7;
constexpr uint kTlfChannelColor1 = KivTlfBlock::kStartRegister + KivTlfBlock::kOffChannelColor1;
constexpr uint kTlfColor2Color3 = KivTlfBlock::kStartRegister + KivTlfBlock::kOffColor2Color3;
constexpr uint kTlfThreshold1 = KivTlfBlock::kStartRegister + KivTlfBlock::kOffThreshold1;
constexpr uint kTlfThreshold2 = KivTlfBlock::kStartRegister + KivTlfBlock::kOffThreshold2;
constexpr uint kBusDeviceId = KivRs485::kStartRegister + KivRs485::kOffDeviceId;
constexpr uint kBusDescription = KivRs485::kStartRegister + KivRs485::kOffDescription;

Setting byteSetting(uint reg, int byte, Kind kind, const QString &name)
{
    return {reg, 1, byte, kind, name};
}

QList<Setting> generalSettings(uint reg, const Context &context)
{
    using namespace KivRegisterMap;
    const int low = Functions::LowByte;
    const int high = Functions::HighByte;
    const auto display = [](const QString &what) { return Names::tr("Display: %1").arg(what); };
    const auto tlf = [](const QString &what) { return Names::tr("Ampelfunktion: %1").arg(what); };
    const Kind tlfKind = context.tlfThresholdsFloat ? Kind::Float : Kind::Int32;

    if (reg == kUnitSystem || reg == kUnitSystem + 1)
        return {{kUnitSystem, 2, -1, Kind::UnitSystem, Names::tr("Einheitensystem")}};
    if (reg == kAltitude || reg == kAltitude + 1)
        return {{kAltitude, 2, -1, Kind::Int32, Names::tr("Höhe über NN [m]")}};
    if (reg == kMinVoltage || reg == kMinVoltage + 1)
        return {{kMinVoltage, 2, -1, Kind::Int32, Names::tr("Spannungsbereich")}};
    if (reg == kMaxVoltage || reg == kMaxVoltage + 1)
        return {{kMaxVoltage, 2, -1, Kind::Int32, Names::tr("Maximale Spannung")}};
    if (reg == KivLcdBlock::kStartRegister)
        return {byteSetting(reg, low, Kind::OnOff, display(Names::tr("Anzeige"))),
                byteSetting(reg, high, Kind::Byte, display(Names::tr("Helligkeit")))};
    if (reg == KivTlfBlock::kStartRegister)
        return {byteSetting(reg, low, Kind::Byte, display(Names::tr("Drehung"))),
                byteSetting(reg, high, Kind::OnOff, tlf(Names::tr("Ampel")))};
    if (reg == kLcdServiceNote)
        return {byteSetting(reg, high, Kind::OnOff, display(Names::tr("Servicehinweis")))};
    if (reg == kLcdNotes)
        return {byteSetting(reg, low, Kind::OnOff, display(Names::tr("Kalibrierhinweis anzeigen"))),
                byteSetting(reg, high, Kind::OnOff, display(Names::tr("Zustand Relais 1 anzeigen")))};
    if (reg == kLcdRelay2Sensors)
        return {byteSetting(reg, low, Kind::OnOff, display(Names::tr("Zustand Relais 2 anzeigen"))),
                byteSetting(reg, high, Kind::Byte, display(Names::tr("Anzahl Sensoren")))};
    if (reg == kLcdChannels12 || reg == kLcdChannels34) {
        const int first = reg == kLcdChannels12 ? 1 : 3;
        return {byteSetting(reg, low, Kind::OnOff, display(Names::tr("Kanal %1 anzeigen").arg(first))),
                byteSetting(reg, high, Kind::OnOff, display(Names::tr("Kanal %1 anzeigen").arg(first + 1)))};
    }
    if (reg == kTlfChannelColor1)
        return {byteSetting(reg, low, Kind::Byte, tlf(Names::tr("Kanal"))),
                byteSetting(reg, high, Kind::Byte, tlf(Names::tr("Farbe unter Schwelle 1")))};
    if (reg == kTlfColor2Color3)
        return {byteSetting(reg, low, Kind::Byte, tlf(Names::tr("Farbe zwischen den Schwellen"))),
                byteSetting(reg, high, Kind::Byte, tlf(Names::tr("Farbe über Schwelle 2")))};
    if (reg == kTlfThreshold1 || reg == kTlfThreshold1 + 1)
        return {{kTlfThreshold1, 2, -1, tlfKind, tlf(Names::tr("Schwelle 1"))}};
    if (reg == kTlfThreshold2 || reg == kTlfThreshold2 + 1)
        return {{kTlfThreshold2, 2, -1, tlfKind, tlf(Names::tr("Schwelle 2"))}};
    return {};
}

// Registers from 146 on belong to the add-on board and mean what that board makes of them.
QList<Setting> boardSettings(uint reg, const Context &context)
{
    if (context.board == Enums::AP_Relais) {
        for (int k = 0; k < 2; ++k) {
            const uint base = k == 0 ? KivRelaisBlock::kRelais1Register : KivRelaisBlock::kRelais2Register;
            if (reg < base || reg >= base + uint(KivRelaisBlock::kBlockRegisters))
                continue;
            const uint offset = (reg - base) & ~1u;
            const QString relay = Names::tr("Relais %1").arg(k + 1);
            const Kind thresholdKind = context.relayThresholdsFloat ? Kind::Float : Kind::Int32;
            QString what;
            Kind kind = Kind::Int32;
            switch (offset) {
            case KivRelaisBlock::kOffChannel:
                what = Names::tr("Kanal");
                break;
            case KivRelaisBlock::kOffState1:
                what = Names::tr("Unter Schwelle 1");
                break;
            case KivRelaisBlock::kOffState2:
                what = Names::tr("Zwischen den Schwellen");
                break;
            case KivRelaisBlock::kOffState3:
                what = Names::tr("Über Schwelle 2");
                break;
            case KivRelaisBlock::kOffThreshold1:
                what = Names::tr("Einschaltschwelle");
                kind = thresholdKind;
                break;
            case KivRelaisBlock::kOffThreshold2:
                what = Names::tr("Ausschaltschwelle");
                kind = thresholdKind;
                break;
            default:
                what = Names::tr("Hysterese");
                break;
            }
            return {{base + offset, 2, -1, kind, QStringLiteral("%1: %2").arg(relay, what)}};
        }
        return {};
    }
    if (context.board == Enums::AP_Modbus || context.board == Enums::AP_BACnet) {
        if (reg == kBusDeviceId || reg == kBusDeviceId + 1) {
            const QString what =
                context.board == Enums::AP_BACnet ? Names::tr("BACnet-Geräte-ID") : Names::tr("Modbus-Adresse");
            return {{kBusDeviceId, 2, -1, Kind::UInt32, Names::tr("BUS: %1").arg(what)}};
        }
        if (reg >= kBusDescription && reg < kBusDescription + uint(KivRs485::kDescriptionRegisters))
            return {{kBusDescription, KivRs485::kDescriptionRegisters, -1, Kind::Text,
                     Names::tr("BUS: %1").arg(Names::tr("Beschreibung"))}};
    }
    return {};
}

QList<Setting> dataBlockSettings(uint reg, const Context &context)
{
    if (reg < kDataBlockFirst || reg >= kDataBlockEnd)
        return {};
    const int index = int((reg - kDataBlockFirst) / KivRegisterMap::kBlockStride);
    const uint base = kDataBlockFirst + KivRegisterMap::kBlockStride * uint(index);
    const uint offset = (reg - base) & ~1u;
    const Enums::TypeDatenblock type = context.blockTypes.value(index, Enums::Invalid);
    const QString channel = type == Enums::Invalid
        ? Names::tr("Messkanal %1").arg(index + 1)
        : Names::tr("Messkanal %1 (%2)").arg(index + 1).arg(Enums::typeToString(type));
    const bool floatRange = type == Enums::Volumenstrom || type == Enums::Druck;
    QString what;
    Kind kind = Kind::Int32;
    if (offset == kOffLowerRange || offset == kOffUpperRange) {
        what = offset == kOffLowerRange ? Names::tr("Messbereich Anfang") : Names::tr("Messbereich Ende");
        kind = floatRange ? Kind::Float : Kind::Int32;
    } else if (offset == kOffOffset) {
        what = Names::tr("Korrekturfaktor");
    } else if (offset == kOffChannel) {
        what = Names::tr("Kanal");
    } else if (offset >= kOffParameter0 && offset < kOffParameter0 + 2 * kParameters) {
        what = Names::tr("Parameter %1").arg((offset - kOffParameter0) / 2);
    } else {
        return {};
    }
    return {{base + offset, 2, -1, kind, QStringLiteral("%1: %2").arg(channel, what)}};
}

QList<Setting> settingsAt(uint reg, const Context &context)
{
    QList<Setting> found = generalSettings(reg, context);
    if (found.isEmpty())
        found = boardSettings(reg, context);
    if (found.isEmpty())
        found = dataBlockSettings(reg, context);
    if (found.isEmpty())
        found = {{reg, 1, -1, Kind::Word, Names::tr("Register %1").arg(reg)}};
    return found;
}

std::optional<QString> valueText(const Setting &setting, const QList<quint16> &image)
{
    if (qsizetype(setting.last()) >= image.size())
        return std::nullopt;
    const quint16 word = image.at(setting.first);
    const quint8 byte = setting.byte == Functions::LowByte ? Functions::lowByte(word) : Functions::highByte(word);
    const auto u32 = [&] { return Functions::toUInt32(image, int(setting.first)); };
    switch (setting.kind) {
    case Kind::Word:
        return QString::number(word);
    case Kind::Int32:
        return QString::number(qint32(u32()));
    case Kind::UInt32:
        return QString::number(u32());
    case Kind::Float: {
        const float value = Functions::toFloat(image.at(setting.first), image.at(setting.first + 1));
        return std::isfinite(value) ? QString::number(double(value), 'g', 7) : QStringLiteral("–");
    }
    case Kind::Byte:
        return QString::number(byte);
    case Kind::OnOff:
        return byte ? Names::tr("an") : Names::tr("aus");
    case Kind::Text: {
        QString text;
        for (int i = 0; i < setting.words; ++i) {
            const quint16 w = image.at(setting.first + uint(i));
            for (const quint8 c : {Functions::lowByte(w), Functions::highByte(w)}) {
                if (c == 0)
                    return text.trimmed();
                text += c >= 0x20 && c < 0x7F ? QChar(c) : QChar(u'?');
            }
        }
        return text.trimmed();
    }
    case Kind::UnitSystem:
        switch (u32()) {
        case 1:
            return Names::tr("metrisch (SI)");
        case 2:
            return Names::tr("imperial");
        default:
            return Names::tr("Unbekannt (%1)").arg(u32());
        }
    }
    return std::nullopt;
}

bool sameSetting(const Setting &a, const Setting &b)
{
    return a.first == b.first && a.byte == b.byte && a.words == b.words;
}

} // namespace

QList<Change> changes(const QList<quint16> &before, const QList<quint16> &after, const QSet<uint> &changed,
                      const Context &context)
{
    QList<uint> registers(changed.cbegin(), changed.cend());
    std::sort(registers.begin(), registers.end());
    QList<Setting> listed;
    QList<Change> result;
    for (uint reg : registers) {
        for (const Setting &setting : settingsAt(reg, context)) {
            if (std::any_of(listed.cbegin(), listed.cend(), [&](const Setting &s) { return sameSetting(s, setting); }))
                continue;
            const std::optional<QString> device = valueText(setting, before);
            const std::optional<QString> file = valueText(setting, after);
            // A register pair's other byte may be the one that changed.
            if (device && file && *device == *file && setting.byte >= 0)
                continue;
            listed.append(setting);
            result.append(
                {setting.name, device.value_or(QString()), file.value_or(QString()), setting.first, setting.last()});
        }
    }
    return result;
}

} // namespace KivSettingCatalog
