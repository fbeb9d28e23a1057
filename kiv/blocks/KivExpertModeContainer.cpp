#include "KivExpertModeContainer.h"

#include "KivDatenblock.h"

KivExpertModeContainer::KivExpertModeContainer(QObject *parent)
    : BaseContainer(parent)
{
}

void KivExpertModeContainer::setData(QList<quint16> data)
{
    Q_UNUSED(data)
}

void KivExpertModeContainer::reset()
{
    m_co2Block = nullptr;
    m_vocBlock = nullptr;
}

void KivExpertModeContainer::setCo2Block(KivDatenblock *block)
{
    m_co2Block = block;
}

void KivExpertModeContainer::setVocBlock(KivDatenblock *block)
{
    m_vocBlock = block;
}
