#include "BootLoaderProperty.h"

#include "Functions.h"

BootLoaderProperty::BootLoaderProperty(QObject *parent)
    : QObject(parent)
{
}

int BootLoaderProperty::maxProgress() const
{
    return m_maxProgress;
}
int BootLoaderProperty::curProgress() const
{
    return m_curProgress;
}
double BootLoaderProperty::bytesPerSec() const
{
    return m_bytesPerSec;
}
int BootLoaderProperty::maxBytes() const
{
    return m_maxBytes;
}
int BootLoaderProperty::curBytes() const
{
    return m_curBytes;
}
bool BootLoaderProperty::blActive() const
{
    return m_blActive;
}
int BootLoaderProperty::remainingTime() const
{
    return m_remainingTime;
}

void BootLoaderProperty::setMaxProgress(int maxProgress)
{
    Functions::assignAndSignal(this, m_maxProgress, maxProgress, &BootLoaderProperty::maxProgressChanged);
}

void BootLoaderProperty::setCurProgress(int curProgress)
{
    Functions::assignAndSignal(this, m_curProgress, curProgress, &BootLoaderProperty::curProgressChanged);
}

void BootLoaderProperty::setBytesPerSec(double bytesPerSec)
{
    Functions::assignAndSignal(this, m_bytesPerSec, bytesPerSec, &BootLoaderProperty::bytesPerSecChanged);
}

void BootLoaderProperty::setMaxBytes(int maxBytes)
{
    Functions::assignAndSignal(this, m_maxBytes, maxBytes, &BootLoaderProperty::maxBytesChanged);
}

void BootLoaderProperty::setCurBytes(int curBytes)
{
    Functions::assignAndSignal(this, m_curBytes, curBytes, &BootLoaderProperty::curBytesChanged);
}

void BootLoaderProperty::setBlActive(bool blActive)
{
    Functions::assignAndSignal(this, m_blActive, blActive, &BootLoaderProperty::blActiveChanged);
}

void BootLoaderProperty::setRemainingTime(int remainingTime)
{
    Functions::assignAndSignal(this, m_remainingTime, remainingTime, &BootLoaderProperty::remainingTimeChanged);
}
