#include "KivScaling.h"

KivScaling::KivScaling(QObject *parent)
    : Scaling(parent)
{
    init();
}

void KivScaling::init()
{
    calculateNewValues();
}

bool KivScaling::isMobileLayout(double windowWidth) const
{
    return isMobile() || (windowWidth > 0 && windowWidth < kMobileMaxWidth);
}
