#pragma once

#include <QList>
#include <QObject>
#include <QString>

class KivBackendProperty;
class KivBlockSet;
class KivWriteGate;
class QTimer;

// The device commands of the back end and the general values it writes: store, restart and
// factory reset with its check, forced relays and their restore, service intervals and dates,
// the unit system with its acknowledged write, altitude and voltage limits. Every write goes
// through the write gate; nothing here talks to the link.
class KivDeviceCommands : public QObject
{
    Q_OBJECT

public:
    static constexpr int kAltitudeDebounceMs = 500;
    static constexpr int kHoursPerMonth = 720;
    static constexpr int kFactoryCheckReads = 6;

    KivDeviceCommands(KivBackendProperty *state, QList<quint16> *image, KivWriteGate *gate, KivBlockSet *blocks,
                      QObject *parent = nullptr);

    // Date of the last service: interval months before the hours still to go ran out, or the
    // invalid-date text.
    static QString calculateDates(int interval, int hoursTo);

    void writeUInt32(uint reg, quint32 value);
    void storeToEeprom();
    void restartDevice();

    void startAltitudeDebounce();
    // Values just read from the device are not echoed back.
    void cancelAltitudeWrite();
    void writeAltitude();
    void onUnitSystemChanged();
    void writeUnitSystem();
    void writeMinVoltage();
    void writeMaxVoltage();

    void updateService(int type, int intervall);

    void writeFactoryRegisters(const QString &hardwareVersion, const QString &serialNumber);
    void onFactoryResetChanged();
    void checkFactoryRegisters();
    bool expectsFactoryCheck() const { return m_factoryCheck; }
    void onSingleAnswer(uint reg, const QList<quint16> &data);

    bool relayForced(int index) const;
    bool anyRelayForced() const;
    void forceRelais(int index, bool on);
    void updateRelaisDevice(int index);
    // index -1 restores both relays.
    void resetForcedRelais(int index);

    // The link drained after the unit-system write: one poll cycle then finishes the change.
    void onAllWritten();
    // A unit-system write held back by a load preview is leaving now: ask for its acknowledgement.
    void expectUnitSystemAck();
    bool takeUnitPollPending();

    // Forgets everything that belonged to the device.
    void reset();

signals:
    void readSingleRegister(uint reg);
    void expectWriteFinishedSignal(bool expectIt);
    void changeUnitSystemDone();
    void factoryResetChecked(bool checked);

private:
    KivBackendProperty *m_state = nullptr;
    QList<quint16> *m_image = nullptr;
    KivWriteGate *m_gate = nullptr;
    KivBlockSet *m_blocks = nullptr;
    QTimer *m_altitudeTimer = nullptr;
    bool m_relayForced[2] = {false, false};
    bool m_expectWrittenAck = false;
    bool m_unitPollPending = false;
    bool m_factoryCheck = false;
    int m_factoryAnswers = 0;
    bool m_factoryAllEqual = true;
};
