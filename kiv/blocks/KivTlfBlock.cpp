#include "KivTlfBlock.h"

#include "Functions.h"

KivTlfBlock::KivTlfBlock(QObject *parent)
    : Enums(parent)
{
}

KivTlfBlock::KivTlfBlock(const QList<quint16> &registerImage, uint startRegister, KivDeviceSetup *deviceSetup,
                         QObject *parent)
    : Enums(parent)
    , m_startRegister(startRegister)
    , m_deviceSetup(deviceSetup)
{
    updateFromImage(registerImage);
}

void KivTlfBlock::updateFromImage(const QList<quint16> &registerImage)
{
    if (registerImage.size() - qsizetype(m_startRegister) < kBlockRegisters)
        return;
    setChannel(Functions::lowByte(registerImage.at(int(m_startRegister + kOffChannelColor1))));
}

void KivTlfBlock::setChannel(quint8 channel)
{
    if (m_channel == channel)
        return;
    m_channel = channel;
    emit channelChanged(m_channel);
}

void KivTlfBlock::setMin(double min)
{
    if (Functions::isFuzzyEqual(m_min, min))
        return;
    m_min = min;
    emit minChanged(m_min);
}

void KivTlfBlock::setMax(double max)
{
    if (Functions::isFuzzyEqual(m_max, max))
        return;
    m_max = max;
    emit maxChanged(m_max);
}

void KivTlfBlock::setModel(const QStringList &model)
{
    if (m_model == model)
        return;
    m_model = model;
    emit modelChanged(m_model);
}
