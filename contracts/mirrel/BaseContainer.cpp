#include "BaseContainer.h"

BaseContainer::BaseContainer(QObject *parent)
    : QObject(parent)
{
}

bool BaseContainer::valid() const
{
    return m_valid;
}

void BaseContainer::setValid(bool valid)
{
    if (m_valid == valid)
        return;
    m_valid = valid;
    emit validChanged(valid);
}

void BaseContainer::setData(QList<quint16>) { }

void BaseContainer::reset()
{
    setValid(false);
}
