#include "KivBackend.h"
#include "KivDeviceCommands.h"
#include "KivDeviceSetup.h"
#include "KivRegisterMap.h"
#include "KivSerialIo.h"
#include "SerialLinkOwner.h"

#include <QTimer>

using namespace KivRegisterMap;

// KivBackend: the device commands the pages call (units, service dates, factory reset, forced relays).
namespace {
constexpr int kResetReloadMs = 3000;
constexpr int kReloadResetMs = 1000;
constexpr int kReloadReadMs = 1500;
} // namespace

void KivBackend::updateUnitByApp(int unit)
{
    emit changeUnitSystemStart();
    setUnitSystem(unit);
}

void KivBackend::onUnit()
{
    m_commands->writeUnitSystem();
}

void KivBackend::onMaxVoltage()
{
    m_commands->writeMaxVoltage();
    const QString max = QString::number(maxVoltage());
    setVoltageRange({QStringLiteral("0 - %1 [V]").arg(max), QStringLiteral("1 - %1 [V]").arg(max),
                     QStringLiteral("2 - %1 [V]").arg(max)});
}

QString KivBackend::calculateDates(int interval, int hoursTo)
{
    return KivDeviceCommands::calculateDates(interval, hoursTo);
}

void KivBackend::updateLastWartung()
{
    setLastWartung(calculateDates(intervalWartung(), int(secToWartung())));
}

void KivBackend::updateLastKalibrierung()
{
    setLastKalibrierung(calculateDates(intervalKalibrierung(), int(secToKalibrierung())));
}

void KivBackend::updateService(int type, int intervall)
{
    m_commands->updateService(type, intervall);
}

void KivBackend::writeFResetRegs(const QString &HWMotherboard, const QString &SerialNumber)
{
    m_commands->writeFactoryRegisters(HWMotherboard, SerialNumber);
}

void KivBackend::factoryResetOngoing()
{
    m_commands->onFactoryResetChanged();
}

void KivBackend::checkFResetRegs()
{
    m_commands->checkFactoryRegisters();
}

void KivBackend::forceEepromWrite()
{
    m_commands->storeToEeprom();
}

void KivBackend::forceDeviceReset()
{
    m_commands->restartDevice();
    QTimer::singleShot(kResetReloadMs, this, &KivBackend::forceReloadAllData);
}

void KivBackend::forceReloadAllData()
{
    QTimer::singleShot(kReloadResetMs, this, [this] {
        const bool wasLinked = connected() && m_link->hasLink();
        resetToStart();
        // The reset ends the link; a device that was connected is opened and read again
        // instead of leaving the read to a link that no longer exists.
        QTimer::singleShot(kReloadReadMs - kReloadResetMs, this, [this, wasLinked] {
            if (m_link->hasLink())
                getAllData();
            else if (wasLinked)
                connectDevice();
        });
    });
}

void KivBackend::forceEmergencyMode()
{
    setEmergencyMode(true);
    setBtIsConnecting(false);
    setUpdateOngoing(true);
}

void KivBackend::forceRelaisOn(int index)
{
    m_commands->forceRelais(index, true);
}

void KivBackend::forceRelaisOff(int index)
{
    m_commands->forceRelais(index, false);
}

void KivBackend::updateRelaisDevice(ushort index)
{
    m_commands->updateRelaisDevice(index);
}

void KivBackend::resetForcedRelais(int index)
{
    m_commands->resetForcedRelais(index);
}
