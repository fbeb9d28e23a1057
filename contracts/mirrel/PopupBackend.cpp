#include "PopupBackend.h"

#include <QQmlEngine>

PopupBackend::PopupBackend(QObject *parent)
    : QObject(parent)
{
}

PopupBackend *PopupBackend::getInstance()
{
    static PopupBackend *instance = [] {
        auto *created = new PopupBackend;
        QQmlEngine::setObjectOwnership(created, QQmlEngine::CppOwnership);
        return created;
    }();
    return instance;
}

double PopupBackend::popupWidth() const
{
    return m_popupWidth;
}
double PopupBackend::popupHeight() const
{
    return m_popupHeight;
}

void PopupBackend::setPopupWidth(double width)
{
    if (qFuzzyCompare(m_popupWidth + 1.0, width + 1.0) || width < 0)
        return;
    m_popupWidth = width;
    emit popupWidthChanged(width);
}

void PopupBackend::setPopupHeight(double height)
{
    if (qFuzzyCompare(m_popupHeight + 1.0, height + 1.0) || height < 0)
        return;
    m_popupHeight = height;
    emit popupHeightChanged(height);
}
