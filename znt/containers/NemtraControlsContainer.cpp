#include "NemtraControlsContainer.h"

#include "NemtraContainersLogging.h"

#include <MappedModel.h>
#include <NemtraEnums.h>
#include <NemtraProperty.h>

#include <QCoreApplication>

namespace {
constexpr uint kChannel1 = 0x8000;
constexpr uint kChannel2 = 0x9000;
constexpr uint kChannel3 = 0xA000;

// Which properties fill which positions: type, register window (exclusive) and count.
struct Group
{
    quint16 type;
    uint low;
    uint high;
    int first;
    int count;
};
const Group kGroups[] = {
    {NemtraEnums::Occupancy, kChannel1, kChannel2, NemtraControlsContainer::OccupancyValue, 6},
    {NemtraEnums::Button, kChannel1, kChannel2, NemtraControlsContainer::Button0Value, 5},
    {NemtraEnums::Button, kChannel2, kChannel3, NemtraControlsContainer::Button1Value, 5},
    {NemtraEnums::SetPoint, kChannel1, kChannel2, NemtraControlsContainer::Poti, 6},
    {NemtraEnums::SetPoint, kChannel2, kChannel3, NemtraControlsContainer::Encoder, 8},
};

QList<MappedPair> buttonModes(int from)
{
    static const char *const texts[] = {QT_TRANSLATE_NOOP("NemtraControls", "Occupancy (Nachlaufzeit)"),
                                        QT_TRANSLATE_NOOP("NemtraControls", "Occupancy (Toggle)"),
                                        QT_TRANSLATE_NOOP("NemtraControls", "Lüfterstufen"),
                                        QT_TRANSLATE_NOOP("NemtraControls", "Taster")};
    QList<MappedPair> pairs;
    for (int i = from; i < 4; ++i)
        pairs.append(MappedPair(QCoreApplication::translate("NemtraControls", texts[i]), i));
    return pairs;
}

// Device values of the button mode register.
constexpr int kModePushbutton = 0;
constexpr int kModeFanStages = 1;
constexpr int kModeOccupancyToggle = 2;
} // namespace

NemtraControlsContainer::NemtraControlsContainer(QObject *parent)
    : NemtraBaseContainer(parent)
{
    static bool registered = false;
    registerPropertyEnum(&staticMetaObject, "ControlsEnums", "Property Enums for NemtraControlsContainer class",
                         &registered);
}

MappedModel *NemtraControlsContainer::modelButton1()
{
    if (!m_modelButton1)
        m_modelButton1 = new MappedModel(buttonModes(0), this);
    return m_modelButton1;
}

MappedModel *NemtraControlsContainer::modelButton2()
{
    if (!m_modelButton2)
        m_modelButton2 = new MappedModel(buttonModes(1), this);
    return m_modelButton2;
}

void NemtraControlsContainer::onLanguageChanged()
{
    if (m_modelButton1)
        m_modelButton1->setPairs(buttonModes(0));
    if (m_modelButton2)
        m_modelButton2->setPairs(buttonModes(1));
}

void NemtraControlsContainer::setData(QList<quint16>)
{
    setValid(true);
}

void NemtraControlsContainer::setProperties(QList<NemtraProperty *> properties)
{
    QList<NemtraProperty *> positions(Max, nullptr);
    for (const Group &group : kGroups) {
        QList<NemtraProperty *> members;
        for (NemtraProperty *p : std::as_const(properties)) {
            if (p && p->typeValue() == group.type && p->registerIndex() > group.low && p->registerIndex() < group.high)
                members.append(p);
        }
        std::stable_sort(members.begin(), members.end(), [](const NemtraProperty *a, const NemtraProperty *b) {
            return a->registerIndex() < b->registerIndex();
        });
        // With a line missing or added, no member's position can be trusted: a write through a
        // shifted position would reach another register.
        if (members.size() != group.count) {
            if (!members.isEmpty())
                qCWarning(lcNemtraContainer) << "controls group of type" << group.type << "has" << members.size()
                                             << "properties instead of" << group.count << "- left out";
            continue;
        }
        for (int i = 0; i < group.count; ++i)
            positions[group.first + i] = members.at(i);
    }
    setForeignProperties(positions);
    emit propertiesPassedOn();
}

bool NemtraControlsContainer::hasAllProperties() const
{
    return propertyCount() == Max;
}

void NemtraControlsContainer::button1ModelSelection(ButtonMode mode)
{
    selectButtonMode(mode, Button0Mode, Button0Value, true);
}

void NemtraControlsContainer::button2ModelSelection(ButtonMode mode)
{
    selectButtonMode(mode, Button1Mode, Button1Value, false);
}

bool NemtraControlsContainer::selectButtonMode(ButtonMode mode, int modePosition, int valuePosition, bool withEnable)
{
    NemtraProperty *modeProperty = propertyAt(modePosition);
    NemtraProperty *value = propertyAt(valuePosition);
    NemtraProperty *enable = withEnable ? propertyAt(OccupancyEnable) : nullptr;
    if (!modeProperty || !value || (withEnable && !enable) || mode < Occupancy || mode > Pushbutton) {
        qCWarning(lcNemtraContainer) << "button mode" << mode << "not set: its registers are not known";
        return false;
    }
    switch (mode) {
    case OccupancyToggle:
        modeProperty->setValue(kModeOccupancyToggle);
        break;
    case FanStages:
        modeProperty->setValue(kModeFanStages);
        break;
    case Pushbutton:
        modeProperty->setValue(kModePushbutton);
        break;
    default:
        break;
    }
    if (enable)
        enable->setValue(mode == Occupancy ? 1 : 0);
    value->setValue(0);
    const ushort reg = ushort(value->registerIndex());
    emit setEpdReferenceOccupancy(reg, mode == OccupancyToggle);
    emit setEpdReferenceFan(reg, mode == FanStages);
    return true;
}

NemtraControlsContainer::ButtonMode NemtraControlsContainer::buttonMode1Index() const
{
    return modeIndex(Button0Mode, true);
}

NemtraControlsContainer::ButtonMode NemtraControlsContainer::buttonMode2Index() const
{
    return modeIndex(Button1Mode, false);
}

NemtraControlsContainer::ButtonMode NemtraControlsContainer::modeIndex(int modePosition, bool withEnable) const
{
    if (withEnable) {
        if (const NemtraProperty *enable = propertyAt(OccupancyEnable); enable && enable->value() == 1)
            return Occupancy;
    }
    const NemtraProperty *modeProperty = propertyAt(modePosition);
    if (!modeProperty)
        return Invalid;
    switch (int(modeProperty->value())) {
    case kModePushbutton:
        return Pushbutton;
    case kModeFanStages:
        return FanStages;
    case kModeOccupancyToggle:
        return OccupancyToggle;
    default:
        return Invalid;
    }
}
