#include "Scaling.h"

#include <QGuiApplication>
#include <QScreen>

Scaling::Scaling(QObject *parent)
    : QObject(parent)
{
    calculateNewValues();
}

double Scaling::scaleFactor() const
{
    return m_scaleFactor;
}
double Scaling::fontSize() const
{
    return kBaseFontSize * m_scaleFactor;
}
bool Scaling::isPortrait() const
{
    return m_isPortrait;
}

bool Scaling::isMobile() const
{
#if defined(Q_OS_ANDROID) || defined(Q_OS_IOS)
    return true;
#else
    return false;
#endif
}

double Scaling::scaleFor(double screenWidth, double screenHeight)
{
    if (screenWidth <= 0 || screenHeight <= 0)
        return 1.0;
    const double landscapeWidth = qMax(screenWidth, screenHeight);
    const double landscapeHeight = qMin(screenWidth, screenHeight);
    return qBound(kMinScale, qMin(landscapeWidth / kDesignWidth, landscapeHeight / kDesignHeight), kMaxScale);
}

void Scaling::calculateNewValues()
{
    double factor = 1.0;
    bool portrait = false;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QSize size = screen->availableGeometry().size();
            factor = scaleFor(size.width(), size.height());
            portrait = size.height() > size.width();
        }
    }
    if (qFuzzyCompare(factor, m_scaleFactor) && portrait == m_isPortrait)
        return;
    m_scaleFactor = factor;
    m_isPortrait = portrait;
    emit scaleChanged();
}
