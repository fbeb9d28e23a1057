#include "BootLoaderProperty.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kRateTolerance = 1e-12;

// Relative comparison; unlike qFuzzyCompare it also treats 0 against 0 as equal.
bool sameRate(double a, double b)
{
    return std::abs(a - b) <= kRateTolerance * std::max(std::abs(a), std::abs(b));
}
} // namespace

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
    if (m_maxProgress == maxProgress)
        return;
    m_maxProgress = maxProgress;
    emit maxProgressChanged(m_maxProgress);
}

void BootLoaderProperty::setCurProgress(int curProgress)
{
    if (m_curProgress == curProgress)
        return;
    m_curProgress = curProgress;
    emit curProgressChanged(m_curProgress);
}

void BootLoaderProperty::setBytesPerSec(double bytesPerSec)
{
    if (sameRate(m_bytesPerSec, bytesPerSec))
        return;
    m_bytesPerSec = bytesPerSec;
    emit bytesPerSecChanged(m_bytesPerSec);
}

void BootLoaderProperty::setMaxBytes(int maxBytes)
{
    if (m_maxBytes == maxBytes)
        return;
    m_maxBytes = maxBytes;
    emit maxBytesChanged();
}

void BootLoaderProperty::setCurBytes(int curBytes)
{
    if (m_curBytes == curBytes)
        return;
    m_curBytes = curBytes;
    emit curBytesChanged();
}

void BootLoaderProperty::setBlActive(bool blActive)
{
    if (m_blActive == blActive)
        return;
    m_blActive = blActive;
    emit blActiveChanged();
}

void BootLoaderProperty::setRemainingTime(int remainingTime)
{
    if (m_remainingTime == remainingTime)
        return;
    m_remainingTime = remainingTime;
    emit remainingTimeChanged(m_remainingTime);
}
