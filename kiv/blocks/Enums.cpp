#include "Enums.h"

#include <QCoreApplication>
#include <QMetaType>
#include <QtGlobal>

namespace {

constexpr auto kTranslationContext = "EnumTranslation";
const QString kIconFolder = QStringLiteral("qrc:/images/Menu Icons/");

const char *typeText(Enums::TypeDatenblock type)
{
    switch (type) {
    case Enums::Temperatur:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Temperatur");
    case Enums::Relative_Feuchte:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Relative Feuchte");
    case Enums::Absolute_Feuchte:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Absolute Feuchte");
    case Enums::Enthalpie:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Enthalpie");
    case Enums::Taupunkt:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Taupunkt");
    case Enums::CO2:
        return QT_TRANSLATE_NOOP("EnumTranslation", "CO2");
    case Enums::VOC:
        return QT_TRANSLATE_NOOP("EnumTranslation", "VOC");
    case Enums::CO2_VOC:
        return QT_TRANSLATE_NOOP("EnumTranslation", "CO2/VOC");
    case Enums::Volumenstrom:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Volumenstrom");
    case Enums::Druck:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Differenzdruck");
    case Enums::Helligkeit:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Helligkeit");
    case Enums::Kondensat:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Kondensat");
    case Enums::Luftdruck:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Luftdruck");
    case Enums::MAX1:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Max1");
    case Enums::Invalid:
    case Enums::Volumenstrom2:
    case Enums::Druck2:
        break;
    }
    return nullptr;
}

const char *unitText(Enums::UnitDatenBlock unit)
{
    switch (unit) {
    case Enums::Grad_C:
        return QT_TRANSLATE_NOOP("EnumTranslation", "°C");
    case Enums::Grad_F:
        return QT_TRANSLATE_NOOP("EnumTranslation", "°F");
    case Enums::Prozent:
        return QT_TRANSLATE_NOOP("EnumTranslation", "%");
    case Enums::g_m3:
        return QT_TRANSLATE_NOOP("EnumTranslation", "g/m³");
    case Enums::kJ_kg:
        return QT_TRANSLATE_NOOP("EnumTranslation", "kJ/kg");
    case Enums::BTU_lb:
        return QT_TRANSLATE_NOOP("EnumTranslation", "BTU/lb");
    case Enums::ppm:
        return QT_TRANSLATE_NOOP("EnumTranslation", "ppm");
    case Enums::ppb:
        return QT_TRANSLATE_NOOP("EnumTranslation", "ppb");
    case Enums::Pa:
        return QT_TRANSLATE_NOOP("EnumTranslation", "Pa");
    case Enums::hPa:
        return QT_TRANSLATE_NOOP("EnumTranslation", "hPa");
    case Enums::kPa:
        return QT_TRANSLATE_NOOP("EnumTranslation", "kPa");
    case Enums::mbar:
        return QT_TRANSLATE_NOOP("EnumTranslation", "mbar");
    case Enums::bar:
        return QT_TRANSLATE_NOOP("EnumTranslation", "bar");
    case Enums::inchWC:
        return QT_TRANSLATE_NOOP("EnumTranslation", "inch wc");
    case Enums::m3_s:
        return QT_TRANSLATE_NOOP("EnumTranslation", "m³/s");
    case Enums::m3_h:
        return QT_TRANSLATE_NOOP("EnumTranslation", "m³/h");
    case Enums::cfm:
        return QT_TRANSLATE_NOOP("EnumTranslation", "CFM");
    case Enums::klux:
        return QT_TRANSLATE_NOOP("EnumTranslation", "klux");
    case Enums::lux:
        return QT_TRANSLATE_NOOP("EnumTranslation", "lux");
    case Enums::fc:
        return QT_TRANSLATE_NOOP("EnumTranslation", "fc");
    case Enums::grain_ft3:
        return QT_TRANSLATE_NOOP("EnumTranslation", "grain/ft³");
    case Enums::raw:
        return QT_TRANSLATE_NOOP("EnumTranslation", "raw");
    case Enums::onoff:
        return QT_TRANSLATE_NOOP("EnumTranslation", "On/Off");
    case Enums::MAX2:
        break;
    }
    return nullptr;
}

QString translated(const char *text)
{
    return text ? QCoreApplication::translate(kTranslationContext, text) : QString();
}

Enums::RangeList pairs(std::initializer_list<Enums::Range> list)
{
    return Enums::RangeList(list);
}

} // namespace

Enums::Enums(QObject *parent)
    : QObject(parent)
{
    // These travel in queued signals and QVariants between the back end, the blocks and QML.
    qRegisterMetaType<Enums::TypeDatenblock>();
    qRegisterMetaType<Enums::UnitDatenBlock>();
}

QString Enums::typeToString(Enums::TypeDatenblock type)
{
    return translated(typeText(type));
}

QString Enums::unitToString(Enums::UnitDatenBlock unit)
{
    return translated(unitText(unit));
}

Enums::OsIdentifier Enums::currentOS()
{
#if defined(Q_OS_WIN)
    return Win;
#elif defined(Q_OS_IOS)
    return Ios;
#elif defined(Q_OS_MACOS)
    return MacOS;
#elif defined(Q_OS_ANDROID)
    return Android;
#elif defined(Q_OS_LINUX)
    return Linux;
#else
    return Unknown;
#endif
}

QString Enums::getImageSource(Enums::TypeDatenblock type)
{
    const char *file = "altitude.png";
    switch (type) {
    case Temperatur:
        file = "Temperature.png";
        break;
    case Relative_Feuchte:
        file = "Humidity.png";
        break;
    case Absolute_Feuchte:
        file = "Absolute_Feuchte.png";
        break;
    case Enthalpie:
        file = "Enthalpie.png";
        break;
    case Taupunkt:
        file = "Drew.png";
        break;
    case CO2:
        file = "Co2.png";
        break;
    case VOC:
        file = "Voc.png";
        break;
    case CO2_VOC:
        file = "Co2+Voc.png";
        break;
    case Volumenstrom:
        file = "Flow.png";
        break;
    case Druck:
        file = "Druck.png";
        break;
    case Helligkeit:
        file = "licht.png";
        break;
    case Luftdruck:
        file = "Druck.png";
        break;
    case Invalid:
    case Kondensat:
    case Volumenstrom2:
    case Druck2:
    case MAX1:
        break;
    }
    return kIconFolder + QLatin1String(file);
}

QString Enums::getImageSource(Enums::TypeDatenblock type, int multi)
{
    static const char *const temperatureIcons[] = {"Temperatur1.png", "Temperatur2.png", "Temperatur_Avg.png",
                                                   "Temperatur_Min.png", "Temperatur_Max.png"};
    static const char *const brightnessIcons[] = {"Helligkeit1.png", "Helligkeit2.png", "Helligkeit_Avg.png",
                                                  "Helligkeit_Min.png", "Helligkeit_Max.png"};
    const bool inTable = multi >= 1 && multi <= 5;
    if (type == Temperatur && inTable)
        return kIconFolder + QLatin1String(temperatureIcons[multi - 1]);
    if (type == Helligkeit && inTable)
        return kIconFolder + QLatin1String(brightnessIcons[multi - 1]);
    return getImageSource(type);
}

Enums::RangeTable Enums::rangesForType(TypeDatenblock type)
{
    switch (type) {
    case Temperatur:
        return {pairs({{-50, 50}, {-10, 120}, {0, 100}, {0, 250}, {-15, 35}, {0, 160}, {-20, 80}}),
                pairs({{-30, 130}, {0, 250}, {40, 140}, {30, 480}, {0, 100}, {0, 150}, {40, 90}, {40, 240}})};
    case Relative_Feuchte:
        return {pairs({{0, 100}}), pairs({{0, 100}})};
    case Absolute_Feuchte:
        return {pairs({{0, 50}, {0, 80}}), pairs({{0, 22}, {0, 50}})};
    case Enthalpie:
        return {pairs({{0, 85}}), pairs({{0, 40}})};
    case Taupunkt:
        return {pairs({{0, 50}, {-20, 80}}), pairs({{40, 140}, {0, 200}})};
    case CO2:
        return {pairs({{0, 2000}, {0, 5000}}), pairs({{0, 2000}, {0, 5000}})};
    case VOC:
        return {pairs({{0, 100}}), pairs({{0, 100}})};
    case CO2_VOC: {
        // The device's fifth mixing step really is 60/50.
        const RangeList mix = pairs({{100, 0},
                                     {90, 10},
                                     {80, 20},
                                     {70, 30},
                                     {60, 50},
                                     {50, 50},
                                     {40, 60},
                                     {30, 70},
                                     {20, 80},
                                     {10, 90},
                                     {0, 100}});
        return {mix, mix};
    }
    case Helligkeit:
        return {pairs({{0, 200}, {0, 1000}, {0, 2000}, {0, 10000}, {0, 20000}, {0, 50000}}),
                pairs({{0, 20}, {0, 100}, {0, 200}, {0, 1000}, {0, 2000}, {0, 5000}})};
    default:
        return {};
    }
}

Enums::Range Enums::convertRange(Range range, TypeDatenblock type, bool siToImperial)
{
    const RangeTable table = rangesForType(type);
    // Lists of unequal length have no index correspondence (temperature), so nothing is converted.
    if (table.first.isEmpty() || table.second.isEmpty() || table.first.size() != table.second.size())
        return range;

    const RangeList &from = siToImperial ? table.first : table.second;
    const RangeList &to = siToImperial ? table.second : table.first;
    for (qsizetype i = 0; i < from.size(); ++i) {
        if (qFuzzyCompare(from.at(i).first, range.first) && qFuzzyCompare(from.at(i).second, range.second))
            return to.at(i);
    }
    return to.first();
}
