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
