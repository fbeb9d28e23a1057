#pragma once

#include "RegisterDevice.h"

#include <QList>
#include <QRandomGenerator>

class QTimer;

// What a ZNT device holds and does on its register interface: 65535 holding registers, a
// non-volatile copy kept by the store command, a command register that always reads 0 and
// channel values that wander like measurements.
class ZntDeviceModel : public RegisterDevice
{
    Q_OBJECT
public:
    static constexpr int kDefaultDriftIntervalMs = 1000;

    explicit ZntDeviceModel(const QList<quint16> &factoryImage, QObject *parent = nullptr);

    Exception read(int start, int count, QList<quint16> *values) const override;
    Exception write(int start, const QList<quint16> &values) override;

    QList<quint16> registers() const;
    QList<quint16> storedRegisters() const;
    // Value registers of the data blocks the device setup announces and that drift.
    QList<int> liveRegisters() const;

    // 0 stops the drift.
    void setDriftInterval(int ms);
    void setRandomSeed(quint32 seed);
    // One step of the live-value random walk (normally driven by a timer).
    void driftLiveValues();

signals:
    // A write changed the register image (live drift does not report here).
    void registersChanged();
    // The store command ran: the current image survives a restart.
    void stored();

private:
    struct Live
    {
        int reg = 0;
        bool isSigned = false;
        double centre = 0;
        double current = 0;
        double step = 0;
    };
    void findLiveValues();
    void runCommand(int start, int count);

    QList<quint16> m_registers;
    QList<quint16> m_stored;
    QList<Live> m_live;
    QTimer *m_driftTimer = nullptr;
    QRandomGenerator m_random{0x5a4e54u};
};
