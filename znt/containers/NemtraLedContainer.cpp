#include "NemtraLedContainer.h"

NemtraLedContainer::NemtraLedContainer(QObject *parent)
    : NemtraBaseContainer(parent)
{
    static bool registered = false;
    registerPropertyEnum(&staticMetaObject, "LedEnums", "Property Enums for NemtraLedContainer class", &registered);
}

bool NemtraLedContainer::hasAllProperties() const
{
    return propertyCount() > 8;
}
