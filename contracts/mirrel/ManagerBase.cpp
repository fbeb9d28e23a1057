#include "ManagerBase.h"

ManagerBase::ManagerBase(QObject *parent)
    : QObject(parent)
{
}

ManagerBase::~ManagerBase() = default;

void ManagerBase::updateRegs(int, const QList<quint16> &) { }
void ManagerBase::updateCoil(int, bool) { }
void ManagerBase::valuesFromSave(const QList<quint16> &) { }
QList<quint16> ManagerBase::gatherAllData()
{
    return {};
}
void ManagerBase::forceUpdate() { }

void ManagerBase::reset()
{
    setPageIndex(0);
}

int ManagerBase::pageIndex() const
{
    return m_pageIndex;
}

void ManagerBase::setPageIndex(int index)
{
    if (m_pageIndex == index)
        return;
    m_pageIndex = index;
    emit pageIndexChanged(index);
}

void ManagerBase::goHome()
{
    emit homeRequested();
}
