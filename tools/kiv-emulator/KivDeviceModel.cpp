#include "KivDeviceModel.h"

#include "BootloaderEmulation.h"
#include "KivRegisters.h"
#include "LoraCommands.h"
#include "RegisterImage.h"
#include "SensorAdjustment.h"

#include <QLoggingCategory>
#include <QTimer>

#include <cmath>

Q_LOGGING_CATEGORY(lcKivDevice, "kiv.emulator.device")

using namespace KivRegisters;

namespace {
// How far a live value wanders per step and how strongly it is pulled back to its centre.
float driftStepFor(quint32 measure, float centre)
{
    switch (measure) {
    case Temperatur:
    case Taupunkt:
        return 0.05f;
    case RelativeFeuchte:
        return 0.3f;
    case CO2:
        return 6.0f;
    case VOC:
        return 0.5f;
    default:
        return 0.002f * std::fabs(centre) + 0.01f;
    }
}
constexpr float kPullBack = 0.1f;
constexpr float kMaxExcursionSteps = 40.0f;
} // namespace

KivDeviceModel::KivDeviceModel(const QList<quint16> &factoryImage, QObject *parent)
    : RegisterDevice(parent)
    , m_factory(factoryImage)
    , m_bootloader(std::make_unique<BootloaderEmulation>())
{
    m_registers = m_factory;
    m_registers.resize(kRegisterCount, 0);
    m_stored = m_registers;
    rememberLiveCentres();
    m_driftTimer = new QTimer(this);
    m_driftTimer->setInterval(kDriftIntervalMs);
    connect(m_driftTimer, &QTimer::timeout, this, &KivDeviceModel::driftLiveValues);
}

KivDeviceModel::~KivDeviceModel() = default;

KivDeviceModel::Exception KivDeviceModel::read(int start, int count, QList<quint16> *values) const
{
    if (m_mode == Mode::Bootloader) {
        const BootloaderEmulation::Result result = m_bootloader->read(start, count, values);
        reportBootloaderEvents();
        switch (result) {
        case BootloaderEmulation::Result::Ok:
            return NoException;
        case BootloaderEmulation::Result::NoAnswer:
            return NoAnswer;
        default:
            return IllegalAddress;
        }
    }
    if (start < 0 || count < 1 || start + count > kRegisterCount)
        return IllegalAddress;
    *values = m_registers.mid(start, count);
    return NoException;
}

KivDeviceModel::Exception KivDeviceModel::write(int start, const QList<quint16> &values)
{
    if (m_mode == Mode::Bootloader) {
        const BootloaderEmulation::Result result = m_bootloader->write(start, values);
        reportBootloaderEvents();
        switch (result) {
        case BootloaderEmulation::Result::NoAnswer:
            return NoAnswer;
        case BootloaderEmulation::Result::IllegalAddress:
            return IllegalAddress;
        case BootloaderEmulation::Result::IllegalValue:
            emit diagnostic(QStringLiteral("bootloader: %1").arg(m_bootloader->lastError()));
            return IllegalValue;
        case BootloaderEmulation::Result::Ok:
            break;
        }
        if (m_bootloader->state() == BootloaderEmulation::State::Finished) {
            if (!m_bootloader->lastError().isEmpty())
                emit diagnostic(QStringLiteral("bootloader: %1").arg(m_bootloader->lastError()));
            const QByteArray image = m_bootloader->image();
            // The new firmware starts from the configuration kept in non-volatile memory.
            m_mode = Mode::Application;
            m_registers = m_stored;
            emit bootloaderFinished(image);
            emit registersChanged();
            emit restarting(kRestartSilenceMs);
        }
        return NoException;
    }
    if (start < 0 || values.isEmpty() || start + values.size() > kRegisterCount)
        return IllegalAddress;
    for (int i = 0; i < values.size(); ++i)
        m_registers[start + i] = values.at(i);
    runCommands(start, int(values.size()));
    emit registersChanged();
    return NoException;
}

void KivDeviceModel::markerReceived()
{
    enterBootloader();
}

QByteArray KivDeviceModel::bootloaderEntryText()
{
    return QByteArrayLiteral("StartBootloader");
}

KivDeviceModel::Mode KivDeviceModel::mode() const
{
    return m_mode;
}

void KivDeviceModel::enterBootloader()
{
    if (m_mode == Mode::Bootloader) {
        m_bootloader->reconnect();
        reportBootloaderEvents();
        return;
    }
    m_mode = Mode::Bootloader;
    m_bootloader->reset();
    qCInfo(lcKivDevice) << "bootloader entered";
    emit bootloaderEntered();
}

const BootloaderEmulation &KivDeviceModel::bootloader() const
{
    return *m_bootloader;
}

void KivDeviceModel::setBootloaderFault(const BootloaderFault &fault)
{
    m_bootloader->setFault(fault);
}

void KivDeviceModel::reportBootloaderEvents() const
{
    // Signals from a const reader: the model's state does not change by reporting.
    auto *self = const_cast<KivDeviceModel *>(this);
    for (const QString &event : m_bootloader->takeEvents())
        emit self->bootloaderEvent(event);
}

QList<quint16> KivDeviceModel::registers() const
{
    return m_registers;
}

QList<quint16> KivDeviceModel::storedRegisters() const
{
    return m_stored;
}

void KivDeviceModel::setDriftEnabled(bool enabled)
{
    if (enabled)
        m_driftTimer->start();
    else
        m_driftTimer->stop();
}

void KivDeviceModel::setAdjustmentSilenceMs(int ms)
{
    m_adjustmentSilenceMs = qMax(0, ms);
}

void KivDeviceModel::setRandomSeed(quint32 seed)
{
    m_random.seed(seed);
}

void KivDeviceModel::driftLiveValues()
{
    if (m_mode != Mode::Application)
        return;
    const int blocks = qMin(int(m_registers.at(kBlockCount)), kMaxBlocks);
    for (int i = 0; i < blocks && i < m_liveCentres.size(); ++i) {
        const float centre = m_liveCentres.at(i);
        if (std::isnan(centre))
            continue;
        const int base = blockBase(i);
        const float step = driftStepFor(RegisterImage::get32(m_registers, base + kBlockType), centre);
        const float current = RegisterImage::getFloat(m_registers, base + kBlockValue);
        const float noise = float(m_random.generateDouble() * 2.0 - 1.0) * step;
        float next = current + kPullBack * (centre - current) + noise;
        next = qBound(centre - kMaxExcursionSteps * step, next, centre + kMaxExcursionSteps * step);
        // Keep the value inside the sensor's own limits (humidity never exceeds 100 %).
        const auto lower = qint32(RegisterImage::get32(m_registers, base + kBlockLowerLimit));
        const auto upper = qint32(RegisterImage::get32(m_registers, base + kBlockUpperLimit));
        if (lower < upper)
            next = qBound(float(lower), next, float(upper));
        RegisterImage::putFloat(m_registers, base + kBlockValue, next);
    }
}

void KivDeviceModel::runCommands(int start, int count)
{
    const auto touches = [start, count](int reg) { return start <= reg && reg < start + count; };
    if (touches(kStoreCommand)) {
        const quint16 command = m_registers.at(kStoreCommand);
        m_registers[kStoreCommand] = 0;
        if (command == kStoreValue) {
            m_stored = m_registers;
            qCInfo(lcKivDevice) << "configuration stored";
            emit diagnostic(QStringLiteral("configuration stored in non-volatile memory"));
        }
    }
    if (touches(kResetCommand) || touches(kResetCommand + 1)) {
        const quint16 low = m_registers.at(kResetCommand);
        const quint16 high = m_registers.at(kResetCommand + 1);
        if (low == kFactoryResetWord && high == kFactoryResetWord) {
            m_registers[kResetCommand] = m_registers[kResetCommand + 1] = 0;
            factoryReset();
        } else if (low == kRestartValue && high == 0) {
            m_registers[kResetCommand] = 0;
            restart();
        }
        // Anything else may be the first half of a two-step write of -1; it stays pending.
    }
    if (touches(kAdjustCommand)) {
        const quint16 command = m_registers.at(kAdjustCommand);
        m_registers[kAdjustCommand] = 0;
        if (command == kAdjustStart)
            adjust();
    }
    if (LoraCommands::run(m_registers, m_factory, start, count)) {
        qCInfo(lcKivDevice) << "LoRaWAN factory settings";
        emit diagnostic(QStringLiteral("LoRaWAN configuration reset to factory settings"));
    }
}

void KivDeviceModel::adjust()
{
    QStringList report = SensorAdjustment::apply(m_registers, m_liveCentres);
    if (report.isEmpty())
        report.append(QStringLiteral("adjustment: nothing prepared"));
    // The adjusted sensor values survive the restart that follows.
    m_stored = m_registers;
    qCInfo(lcKivDevice) << "adjustment" << report;
    emit adjusted(report);
    emit restarting(m_adjustmentSilenceMs);
}

void KivDeviceModel::restart()
{
    // Unsaved changes live in RAM only and are lost on a restart.
    m_registers = m_stored;
    qCInfo(lcKivDevice) << "restart";
    emit diagnostic(QStringLiteral("restart: unsaved changes discarded"));
    emit restarting(kRestartSilenceMs);
}

void KivDeviceModel::factoryReset()
{
    m_registers = m_factory;
    m_registers.resize(kRegisterCount, 0);
    m_stored = m_registers;
    rememberLiveCentres();
    qCInfo(lcKivDevice) << "factory reset";
    emit diagnostic(QStringLiteral("factory reset: factory configuration restored"));
    emit restarting(kRestartSilenceMs);
}

void KivDeviceModel::rememberLiveCentres()
{
    m_liveCentres.clear();
    const int blocks = qMin(int(m_registers.at(kBlockCount)), kMaxBlocks);
    for (int i = 0; i < blocks; ++i) {
        const int base = blockBase(i);
        const float value = RegisterImage::getFloat(m_registers, base + kBlockValue);
        const bool live = RegisterImage::get32(m_registers, base + kBlockType) != 0 && std::isfinite(value);
        m_liveCentres.append(live ? value : std::nanf(""));
    }
}
