#include "NemtraTlfContainer.h"

#include <NemtraProperty.h>

NemtraTlfContainer::NemtraTlfContainer(QObject *parent)
    : NemtraBaseContainer(parent)
{
    static bool registered = false;
    registerPropertyEnum(&staticMetaObject, "TlfEnums", "Property Enums for NemtraTlfContainer class", &registered);
    connect(this, &NemtraBaseContainer::propertiesPassedOn, this, &NemtraTlfContainer::onPropertiesPassedOn);
}

QColor NemtraTlfContainer::colorOfCode(qint64 code)
{
    return QColor((code & 1) ? 255 : 0, (code & 2) ? 255 : 0, (code & 4) ? 255 : 0, 255);
}

QStringList NemtraTlfContainer::availableColors() const
{
    return {tr("schwarz"), tr("rot"), tr("grün"), tr("gelb"), tr("blau"), tr("magenta"), tr("türkis"), tr("weiß")};
}

bool NemtraTlfContainer::hasAllProperties() const
{
    return propertyCount() > 18;
}

void NemtraTlfContainer::onPropertiesPassedOn()
{
    for (int i = 0; i < 5; ++i) {
        if (NemtraProperty *color = propertyAt(Color1 + i)) {
            connect(color, &BaseProperty::rawValueChanged, this,
                    [this, i](qint64 raw) { setActual(i, colorOfCode(raw)); });
        }
    }
}

void NemtraTlfContainer::setActual(int index, const QColor &color)
{
    if (m_actual[index] == color)
        return;
    m_actual[index] = color;
    switch (index) {
    case 0:
        emit actualColor1Changed();
        break;
    case 1:
        emit actualColor2Changed();
        break;
    case 2:
        emit actualColor3Changed();
        break;
    case 3:
        emit actualColor4Changed();
        break;
    default:
        emit actualColor5Changed();
        break;
    }
}
