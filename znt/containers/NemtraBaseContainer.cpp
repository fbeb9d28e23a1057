#include "NemtraBaseContainer.h"

#include <NemtraProperty.h>

#include <QQmlEngine>

NemtraBaseContainer::NemtraBaseContainer(QObject *parent)
    : BaseContainer(parent)
{
}

NemtraBaseContainer::~NemtraBaseContainer()
{
    clearProperties();
}

QVariant NemtraBaseContainer::property(uchar propertyEnum) const
{
    NemtraProperty *p = propertyAt(propertyEnum);
    return p ? QVariant::fromValue(p) : QVariant();
}

NemtraProperty *NemtraBaseContainer::propertyAt(int position) const
{
    return position >= 0 && position < m_properties.size() ? m_properties.at(position) : nullptr;
}

int NemtraBaseContainer::propertyCount() const
{
    return int(std::count_if(m_properties.cbegin(), m_properties.cend(), [](NemtraProperty *p) { return p; }));
}

void NemtraBaseContainer::setData(QList<quint16> data)
{
    for (NemtraProperty *p : std::as_const(m_properties)) {
        if (p)
            p->setRawValue(data);
    }
    setValid(true);
}

void NemtraBaseContainer::reset()
{
    for (NemtraProperty *p : std::as_const(m_properties)) {
        if (p)
            p->reset();
    }
}

void NemtraBaseContainer::setProperties(QList<NemtraProperty *> properties)
{
    clearProperties(properties);
    for (NemtraProperty *p : std::as_const(properties)) {
        if (!p)
            continue;
        p->setParent(this);
        if (!p->readOnly()) {
            connect(p, &BaseProperty::writeSingleRegister, this, &BaseContainer::writeSingleRegister);
            connect(p, &BaseProperty::writeMultipleRegister, this, &BaseContainer::writeMultipleRegister);
        }
    }
    m_properties = properties;
    m_ownsProperties = true;
    emit propertiesPassedOn();
}

bool NemtraBaseContainer::hasAllProperties() const
{
    return true;
}

void NemtraBaseContainer::setForeignProperties(const QList<NemtraProperty *> &properties)
{
    clearProperties(properties);
    m_properties = properties;
    m_ownsProperties = false;
    // The owner may replace its properties first; a position must then read as missing, not
    // point at a deleted property.
    for (NemtraProperty *p : properties) {
        if (p)
            connect(p, &QObject::destroyed, this, [this, p] {
                const qsizetype at = m_properties.indexOf(p);
                if (at >= 0)
                    m_properties[at] = nullptr;
            });
    }
}

void NemtraBaseContainer::registerPropertyEnum(const QMetaObject *meta, const char *module, const char *reason,
                                               bool *done)
{
    if (*done)
        return;
    *done = true;
    qmlRegisterUncreatableMetaObject(*meta, module, 1, 0, "PropertyEnum", QString::fromLatin1(reason));
}

void NemtraBaseContainer::clearProperties(const QList<NemtraProperty *> &keep)
{
    const QList<NemtraProperty *> old = std::exchange(m_properties, {});
    if (!m_ownsProperties) {
        for (NemtraProperty *p : old) {
            if (p)
                disconnect(p, &QObject::destroyed, this, nullptr);
        }
        return;
    }
    for (NemtraProperty *p : old) {
        if (p && p->parent() == this && !keep.contains(p))
            delete p;
    }
}
