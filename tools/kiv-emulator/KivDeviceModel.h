#pragma once

#include "RegisterDevice.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

#include <memory>

class BootloaderEmulation;
class BootloaderFault;
class QTimer;

// What a KIV device holds and does: the holding registers 0..4999, a non-volatile copy,
// the command registers (store, restart, factory reset), drifting live values and the
// bootloader. Register-level only; Modbus framing lives elsewhere.
class KivDeviceModel : public RegisterDevice
{
    Q_OBJECT
public:
    enum class Mode { Application, Bootloader };

    static constexpr int kRestartSilenceMs = 500;
    static constexpr int kDriftIntervalMs = 1000;
    // A real sensor needs a few seconds to restart after an adjustment.
    static constexpr int kDefaultAdjustmentSilenceMs = 3000;

    explicit KivDeviceModel(const QList<quint16> &factoryImage, QObject *parent = nullptr);
    ~KivDeviceModel() override;

    Exception read(int start, int count, QList<quint16> *values) const override;
    Exception write(int start, const QList<quint16> &values) override;
    // The bootloader entry text arrived on the line.
    void markerReceived() override;
    static QByteArray bootloaderEntryText();

    Mode mode() const;
    void enterBootloader();
    const BootloaderEmulation &bootloader() const;
    void setBootloaderFault(const BootloaderFault &fault);

    QList<quint16> registers() const;
    QList<quint16> storedRegisters() const;

    void setDriftEnabled(bool enabled);
    // How long the device stays silent after the adjustment command (tests shorten it).
    void setAdjustmentSilenceMs(int ms);
    void setRandomSeed(quint32 seed);
    // One step of the live-value random walk (normally driven by a timer).
    void driftLiveValues();

signals:
    // A write or command changed the register image (live drift does not report here).
    void registersChanged();
    void bootloaderEntered();
    void bootloaderFinished(const QByteArray &image);
    // Start, page commits and injected faults, one line each.
    void bootloaderEvent(const QString &text);
    void diagnostic(const QString &text);
    // The adjustment command ran; one line per adjusted block, or a note that none was prepared.
    void adjusted(const QStringList &report);

private:
    void runCommands(int start, int count);
    void restart();
    void factoryReset();
    void adjust();
    void rememberLiveCentres();
    void reportBootloaderEvents() const;

    QList<quint16> m_registers;
    QList<quint16> m_stored;
    const QList<quint16> m_factory;
    QList<float> m_liveCentres; // per data block; NaN where the block has no live value
    Mode m_mode = Mode::Application;
    int m_adjustmentSilenceMs = kDefaultAdjustmentSilenceMs;
    std::unique_ptr<BootloaderEmulation> m_bootloader;
    QTimer *m_driftTimer = nullptr;
    QRandomGenerator m_random{0x4b4956u};
};
