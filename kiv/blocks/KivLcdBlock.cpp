#include "KivLcdBlock.h"

namespace {
constexpr uint kOffAvailable = 0; // low byte: display present, high byte: brightness
} // namespace

KivLcdBlock::KivLcdBlock(QObject *parent)
    : Enums(parent)
{
}

KivLcdBlock::KivLcdBlock(const QList<quint16> &registerImage, uint startRegister, QObject *parent)
    : Enums(parent)
    , m_startRegister(startRegister)
{
    updateFromImage(registerImage);
}

void KivLcdBlock::updateFromImage(const QList<quint16> &registerImage)
{
    if (registerImage.size() - qsizetype(m_startRegister) < kBlockRegisters)
        return;
    setAvailable(Functions::lowByte(registerImage.at(int(m_startRegister + kOffAvailable))));
}

void KivLcdBlock::setAvailable(quint8 available)
{
    if (m_available == available)
        return;
    m_available = available;
    emit availableChanged(m_available);
    emit hasLcd(hasDisplay());
}

void KivLcdBlock::setIsAvailaAbleReferenceCheck(bool isAvailaAbleReferenceCheck)
{
    if (m_isAvailaAbleReferenceCheck == isAvailaAbleReferenceCheck)
        return;
    m_isAvailaAbleReferenceCheck = isAvailaAbleReferenceCheck;
    emit isAvailaAbleReferenceCheckChanged(m_isAvailaAbleReferenceCheck);
    emit hasLcd(hasDisplay());
}
