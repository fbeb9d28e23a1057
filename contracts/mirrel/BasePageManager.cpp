#include "BasePageManager.h"

#include <QAbstractItemModel>

BasePageManager::BasePageManager(QObject *parent)
    : QObject(parent)
{
}

QAbstractItemModel *BasePageManager::navModelTop() const
{
    return m_navModelTop;
}

QAbstractItemModel *BasePageManager::navModelBottom() const
{
    return m_navModelBottom;
}

QString BasePageManager::getMaxWidthText()
{
    return {};
}

void BasePageManager::updateModels() { }

void BasePageManager::setNavModelTop(QAbstractItemModel *model)
{
    if (m_navModelTop == model)
        return;
    m_navModelTop = model;
    emit navModelTopChanged();
}

void BasePageManager::setNavModelBottom(QAbstractItemModel *model)
{
    if (m_navModelBottom == model)
        return;
    m_navModelBottom = model;
    emit navModelBottomChanged();
}
