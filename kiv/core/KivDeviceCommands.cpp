#include "KivDeviceCommands.h"

#include "Functions.h"
#include "KivBackendProperty.h"
#include "KivBlockSet.h"
#include "KivRegisterMap.h"
#include "KivRelaisBlock.h"
#include "KivWriteGate.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcKivCommands, "kiv.commands")

using namespace KivRegisterMap;

namespace {
constexpr int kUnitPollDelayMs = 2000;
constexpr int kTestModeUnitDoneMs = 2000;
constexpr int kEepromAfterFactoryMs = 10;
constexpr int kCheckAfterFactoryMs = 100;
// Forcing a relay sets its three switch states; 0 switches it on, 1 off.
constexpr quint32 kForceOn = 0;
constexpr quint32 kForceOff = 1;
} // namespace

KivDeviceCommands::KivDeviceCommands(KivBackendProperty *state, QList<quint16> *image, KivWriteGate *gate,
                                     KivBlockSet *blocks, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_image(image)
    , m_gate(gate)
    , m_blocks(blocks)
{
    m_altitudeTimer = new QTimer(this);
    m_altitudeTimer->setSingleShot(true);
    m_altitudeTimer->setInterval(kAltitudeDebounceMs);
    connect(m_altitudeTimer, &QTimer::timeout, this, &KivDeviceCommands::writeAltitude);
}

void KivDeviceCommands::reset()
{
    m_altitudeTimer->stop();
    m_relayForced[0] = m_relayForced[1] = false;
    for (KivRelaisBlock *relay : m_blocks->relais())
        relay->setForced(false);
    m_expectWrittenAck = false;
    m_unitPollPending = false;
    m_factoryCheck = false;
}

void KivDeviceCommands::writeUInt32(uint reg, quint32 value)
{
    m_gate->multiWrite(reg, Functions::fromUInt32(value));
}

void KivDeviceCommands::storeToEeprom()
{
    if (m_state->connected())
        m_gate->singleWrite(kStoreCommand, kStoreValue);
}

void KivDeviceCommands::restartDevice()
{
    if (m_state->connected())
        m_gate->singleWrite(kResetCommand, kRestartValue);
}

void KivDeviceCommands::startAltitudeDebounce()
{
    m_altitudeTimer->start();
}

void KivDeviceCommands::cancelAltitudeWrite()
{
    m_altitudeTimer->stop();
}

void KivDeviceCommands::writeAltitude()
{
    if (m_state->updateOngoing() && m_image->size() > qsizetype(kAltitude) + 1)
        writeUInt32(kAltitude, quint32(m_state->hoehe()));
}

void KivDeviceCommands::onUnitSystemChanged()
{
    // Only a write that leaves (now or from the load queue) can be acknowledged; a value taken
    // over from a read or a reset is not one.
    if (m_state->updateOngoing() && m_gate->acceptsWrites() && m_image->size() > qsizetype(kUnitSystem)) {
        // A held write may never leave; its acknowledgement is asked for once it does.
        if (!m_gate->isCapturing())
            expectUnitSystemAck();
        writeUInt32(kUnitSystem, quint32(m_state->unitSystem()));
    }
    if (m_state->testMode())
        QTimer::singleShot(kTestModeUnitDoneMs, this, &KivDeviceCommands::changeUnitSystemDone);
}

void KivDeviceCommands::writeUnitSystem()
{
    if (m_state->updateOngoing() && m_image->size() > qsizetype(kUnitSystem) + 1)
        writeUInt32(kUnitSystem, quint32(m_state->unitSystem()));
}

void KivDeviceCommands::onAllWritten()
{
    if (!m_expectWrittenAck)
        return;
    m_expectWrittenAck = false;
    QTimer::singleShot(kUnitPollDelayMs, this, [this] {
        if (!m_state->connected())
            return;
        m_unitPollPending = true;
        m_state->setDoPoll(true);
    });
}

void KivDeviceCommands::expectUnitSystemAck()
{
    emit expectWriteFinishedSignal(true);
    m_expectWrittenAck = true;
}

bool KivDeviceCommands::takeUnitPollPending()
{
    const bool pending = m_unitPollPending;
    m_unitPollPending = false;
    return pending;
}

void KivDeviceCommands::writeMinVoltage()
{
    if (m_state->updateOngoing())
        writeUInt32(kMinVoltage, quint32(m_state->minVoltage()));
}

void KivDeviceCommands::writeMaxVoltage()
{
    if (m_state->updateOngoing())
        writeUInt32(kMaxVoltage, quint32(m_state->maxVoltage()));
}

QString KivDeviceCommands::calculateDates(int interval, int hoursTo)
{
    // The texts keep the translation context of the back end, whose pages show them.
    QString result = QCoreApplication::translate("KivBackend", "Ungültiges Datum");
    if (interval < 1)
        return result;
    const qint64 total = qint64(interval) * kHoursPerMonth;
    if (total >= hoursTo)
        result = QDateTime::currentDateTime().addSecs(-(total - hoursTo) * 3600).toString(QStringLiteral("dd.MM.yyyy"));
    return result;
}

void KivDeviceCommands::updateService(int type, int intervall)
{
    if (type != 0 && type != 1)
        return;
    const int hours = intervall * kHoursPerMonth;
    writeUInt32(kMaintenanceInterval + 2 * uint(type), quint32(intervall));
    writeUInt32(kHoursToMaintenance + 2 * uint(type), quint32(hours));
    if (type == 0) {
        m_state->setSecToWartung(hours);
        m_state->setIntervalWartung(intervall);
    } else {
        m_state->setSecToKalibrierung(hours);
        m_state->setIntervalKalibrierung(intervall);
    }
}

void KivDeviceCommands::writeFactoryRegisters(const QString &hardwareVersion, const QString &serialNumber)
{
    QString hex;
    for (const QString &part : hardwareVersion.split(QLatin1Char('.')))
        hex += part.size() == 1 ? QLatin1Char('0') + part : part;
    bool ok = false;
    const quint32 hardware = hex.toUInt(&ok, 16);
    if (!ok)
        qCWarning(lcKivCommands) << "hardware version is not a version:" << hardwareVersion;
    writeUInt32(kSerialNumber, serialNumber.toUInt());
    writeUInt32(kHardwareVersion, hardware);
    writeUInt32(kFactoryDate, QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toUInt());
    m_state->setFactoryReset(false);
}

void KivDeviceCommands::onFactoryResetChanged()
{
    if (m_state->factoryReset()) {
        writeUInt32(kResetCommand, kFactoryResetValue);
        return;
    }
    QTimer::singleShot(kEepromAfterFactoryMs, this, &KivDeviceCommands::storeToEeprom);
    QTimer::singleShot(kCheckAfterFactoryMs, this, &KivDeviceCommands::checkFactoryRegisters);
}

void KivDeviceCommands::checkFactoryRegisters()
{
    m_factoryCheck = true;
    m_factoryAnswers = 0;
    m_factoryAllEqual = true;
    for (uint reg :
         {kSerialNumber, kSerialNumber + 1, kFactoryDate, kFactoryDate + 1, kHardwareVersion, kHardwareVersion + 1})
        emit readSingleRegister(reg);
}

void KivDeviceCommands::onSingleAnswer(uint reg, const QList<quint16> &data)
{
    if (!m_factoryCheck || data.isEmpty())
        return;
    ++m_factoryAnswers;
    if (qsizetype(reg) >= m_image->size() || m_image->at(reg) != data.first())
        m_factoryAllEqual = false;
    if (m_factoryAnswers >= kFactoryCheckReads) {
        m_factoryCheck = false;
        emit factoryResetChecked(m_factoryAllEqual);
    }
}

bool KivDeviceCommands::relayForced(int index) const
{
    return index >= 0 && index < KivBlockSet::kRelayCount && m_relayForced[index];
}

void KivDeviceCommands::forceRelais(int index, bool on)
{
    const QList<KivRelaisBlock *> &relais = m_blocks->relais();
    if (index < 0 || index >= KivBlockSet::kRelayCount || index >= relais.size())
        return;
    const uint base = index == 0 ? kRelay1 : kRelay2;
    const quint32 switchValue = on ? kForceOn : kForceOff;
    QList<quint16> values;
    uint start = base + kRelayThresholds;
    // A relay without a channel has nothing to switch on; give it one first.
    if (relais.at(index)->channel() == 0) {
        values += Functions::fromUInt32(1);
        start = base;
    }
    for (int i = 0; i < 3; ++i)
        values += Functions::fromUInt32(switchValue);
    m_gate->multiWrite(start, values);
    m_relayForced[index] = true;
    relais.at(index)->setForced(true);
    writeUInt32(base + kRelayHysteresis, 0);
}

void KivDeviceCommands::updateRelaisDevice(int index)
{
    const QList<KivRelaisBlock *> &relais = m_blocks->relais();
    if (index < 0 || index >= KivBlockSet::kRelayCount || index >= relais.size())
        return;
    const KivRelaisBlock *block = relais.at(index);
    const uint base = index == 0 ? kRelay1 : kRelay2;
    if (block->channel() == 0) {
        writeUInt32(base, 0);
        return;
    }
    QList<quint16> values;
    for (qint32 state : {block->relaisState1(), block->relaisState2(), block->relaisState3()})
        values += Functions::fromUInt32(quint32(state));
    m_gate->multiWrite(base + kRelayThresholds, values);
    writeUInt32(base + kRelayHysteresis, quint32(block->hysteresis()));
}

void KivDeviceCommands::resetForcedRelais(int index)
{
    for (int i = 0; i < KivBlockSet::kRelayCount; ++i) {
        if (index != -1 && index != i)
            continue;
        if (m_relayForced[i]) {
            const QList<KivRelaisBlock *> &relais = m_blocks->relais();
            if (i < relais.size())
                relais.at(i)->setForced(false);
            updateRelaisDevice(i);
        }
        m_relayForced[i] = false;
    }
}

bool KivDeviceCommands::anyRelayForced() const
{
    for (bool forced : m_relayForced) {
        if (forced)
            return true;
    }
    return false;
}
