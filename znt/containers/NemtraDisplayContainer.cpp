#include "NemtraDisplayContainer.h"

#include <MappedModel.h>
#include <NemtraProperty.h>

#include <QCoreApplication>

namespace {
const char kContext[] = "NemtraDisplayContainer";

struct Entry
{
    const char *text;
    int value;
};

const Entry kUnits[] = {{QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Dummy"), 0},
                        {"°C", 1},
                        {"°F", 2},
                        {"%", 3},
                        {"g/m³", 4},
                        {"kJ/kg", 5},
                        {"BTU/lb", 6},
                        {"ppm", 7},
                        {"ppb", 8},
                        {"Pa", 9},
                        {"hPa", 10},
                        {"kPa", 11},
                        {"mbar", 12},
                        {"bar", 13},
                        {"inWC", 14},
                        {"m³/s", 15},
                        {"m³/h", 16},
                        {"cfm", 17},
                        {"klux", 18},
                        {"lux", 19},
                        {"fc", 20},
                        {"gr/ft³", 21},
                        {"raw", 22},
                        {"on/off", 23},
                        {"l/s", 24},
                        {"lpm", 25},
                        {"gpm", 26},
                        {"kW", 27},
                        {"kWH", 28},
                        {"kBTU", 29},
                        {"ton*h", 30},
                        {"kBTU/h", 31},
                        {"RT", 32},
                        {"inHg", 33},
                        {"ug_m3", 34},
                        {"mV", 35},
                        {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Rohwert (0 Nachkommastellen)"), 40},
                        {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Rohwert (1 Nachkommastelle)"), 41},
                        {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Rohwert (2 Nachkommastellen)"), 42},
                        {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Rohwert (3 Nachkommastellen)"), 43},
                        {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Rohwert (4 Nachkommastellen)"), 44}};

// Values are the registers the display reads its value from.
const Entry kReferences[] = {{QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Temperatur"), 33024},
                             {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Feuchte"), 33040},
                             {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "CO2"), 33056},
                             {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Sollwert (Encoder)"), 38448},
                             {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Externer Wert 1"), 49556},
                             {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Externer Wert 2"), 49564},
                             {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Externer Wert 3"), 49572},
                             {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Externer Wert 4"), 49580}};

const Entry kPhysical[] = {{QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Temperatur"), 1},
                           {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Relative Feuchte"), 2},
                           {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Absolute Feuchte"), 3},
                           {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Enthalpie"), 4},
                           {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Taupunkt"), 5},
                           {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "CO2"), 6},
                           {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "VOC"), 7},
                           {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "CO2/VOC"), 8},
                           {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Luftdruck"), 13},
                           {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Solltemperatur"), 15},
                           {QT_TRANSLATE_NOOP("NemtraDisplayContainer", "Rohwert"), 20}};

template<size_t N>
QList<MappedPair> pairs(const Entry (&entries)[N])
{
    QList<MappedPair> out;
    for (const Entry &e : entries)
        out.append(MappedPair(QCoreApplication::translate(kContext, e.text), e.value));
    return out;
}
} // namespace

NemtraDisplayContainer::NemtraDisplayContainer(QObject *parent)
    : NemtraBaseContainer(parent)
{
    static bool registered = false;
    registerPropertyEnum(&staticMetaObject, "DisplayEnums", "Property Enums for NemtraDisplayContainer class",
                         &registered);
    connect(this, &NemtraBaseContainer::propertiesPassedOn, this, &NemtraDisplayContainer::onPropertiesPassedOn);
}

bool NemtraDisplayContainer::hasAllProperties() const
{
    return propertyCount() > 18;
}

void NemtraDisplayContainer::onPropertiesPassedOn()
{
    if (NemtraProperty *command = propertyAt(DisplayCommand))
        command->setSignalDelay(CommandDelayMs);
    if (NemtraProperty *count = propertyAt(DisplayedValuesCount))
        connect(count, &BaseProperty::valueChanged, this, &NemtraDisplayContainer::displayCountChanged);
    // Only the user's edits ask for a refresh: values arriving from the device must not cause
    // a write once the image push is over.
    for (int i = DisplayCommand + 1; i < propertyCount(); ++i) {
        if (NemtraProperty *p = propertyAt(i)) {
            connect(p, &BaseProperty::writeSingleRegister, this, &NemtraDisplayContainer::requestRefresh);
            connect(p, &BaseProperty::writeMultipleRegister, this, &NemtraDisplayContainer::requestRefresh);
        }
    }
}

void NemtraDisplayContainer::requestRefresh()
{
    NemtraProperty *command = propertyAt(DisplayCommand);
    if (!command)
        return;
    if (command->value() == RefreshCommand && !command->hasPendingWrite())
        command->sendWithoutMemory(RefreshCommand);
    else
        command->setValue(RefreshCommand);
}

void NemtraDisplayContainer::setReference(DisplayProperty which, ushort reg, bool set)
{
    NemtraProperty *reference = propertyAt(which);
    if (!reference)
        return;
    if (reference->value() == 0 && set)
        reference->setValue(reg);
    else if (reference->value() == reg && !set)
        reference->setValue(0);
}

void NemtraDisplayContainer::onEpdReferenceOccupancy(ushort reg, bool set)
{
    setReference(OccupancyReference, reg, set);
}

void NemtraDisplayContainer::onEpdReferenceFan(ushort reg, bool set)
{
    setReference(FanReference, reg, set);
}

MappedModel *NemtraDisplayContainer::modelUnit()
{
    if (!m_modelUnit)
        m_modelUnit = new MappedModel(pairs(kUnits), this);
    return m_modelUnit;
}

MappedModel *NemtraDisplayContainer::modelReference()
{
    if (!m_modelReference)
        m_modelReference = new MappedModel(pairs(kReferences), this);
    return m_modelReference;
}

MappedModel *NemtraDisplayContainer::modelPysicalValue()
{
    if (!m_modelPhysical)
        m_modelPhysical = new MappedModel(pairs(kPhysical), this);
    return m_modelPhysical;
}

void NemtraDisplayContainer::onLanguageChanged()
{
    if (m_modelUnit)
        m_modelUnit->setPairs(pairs(kUnits));
    if (m_modelReference)
        m_modelReference->setPairs(pairs(kReferences));
    if (m_modelPhysical)
        m_modelPhysical->setPairs(pairs(kPhysical));
}
