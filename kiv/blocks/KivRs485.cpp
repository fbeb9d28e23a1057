#include "KivRs485.h"

#include "Functions.h"

KivRs485::KivRs485(QObject *parent)
    : Enums(parent)
{
}

KivRs485::KivRs485(const QList<quint16> &registerImage, uint startRegister,
                   const QList<Enums::TypeDatenblock> &blockTypes, QObject *parent)
    : Enums(parent)
    , m_startRegister(startRegister)
    , m_blockTypes(blockTypes)
{
    updateFromImage(registerImage);
}

void KivRs485::setBlockTypes(const QList<Enums::TypeDatenblock> &blockTypes)
{
    m_blockTypes = blockTypes;
}

void KivRs485::updateFromImage(const QList<quint16> &registerImage)
{
    if (registerImage.size() - qsizetype(m_startRegister) < kBlockRegisters)
        return;
    const int start = int(m_startRegister);
    const auto word32 = [&](uint offset) { return Functions::toUInt32(registerImage, start + int(offset)); };
    setDipAdress(word32(kOffDipAdress));
    setDeviceId(word32(kOffDeviceId));
    setBaudrate(word32(kOffBaudrate));
    setModus(word32(kOffModus));
    setParity(word32(kOffParity));
    setStopBit(word32(kOffStopBit));
}

void KivRs485::setIsBacNet(bool isBacNet)
{
    if (m_isBacNet == isBacNet)
        return;
    m_isBacNet = isBacNet;
    emit isBacNetChanged(m_isBacNet);
}

void KivRs485::setDipAdress(quint32 dipAdress)
{
    if (m_dipAdress == dipAdress)
        return;
    m_dipAdress = dipAdress;
    emit dipAdressChanged(m_dipAdress);
}

void KivRs485::setDeviceId(quint32 deviceId)
{
    if (m_deviceId == deviceId)
        return;
    m_deviceId = deviceId;
    emit deviceIdChanged(m_deviceId);
    emit writeMultipleRegister(m_startRegister + kOffDeviceId, Functions::fromUInt32(m_deviceId));
}

void KivRs485::setBaudrate(quint32 baudrate)
{
    if (m_baudrate == baudrate)
        return;
    m_baudrate = baudrate;
    emit baudrateChanged(m_baudrate);
}

void KivRs485::setModus(quint32 modus)
{
    if (m_modus == modus)
        return;
    m_modus = modus;
    emit modusChanged(m_modus);
}

void KivRs485::setParity(quint32 parity)
{
    if (m_parity == parity)
        return;
    m_parity = parity;
    emit parityChanged(m_parity);
}

void KivRs485::setStopBit(quint32 stopBit)
{
    if (m_stopBit == stopBit)
        return;
    m_stopBit = stopBit;
    emit stopBitChanged(m_stopBit);
}
