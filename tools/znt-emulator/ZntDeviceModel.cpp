#include "ZntDeviceModel.h"

#include "ZntDeviceImage.h"
#include "ZntRegisters.h"

#include <QLoggingCategory>
#include <QTimer>

#include <cmath>

Q_LOGGING_CATEGORY(lcZntDevice, "znt.emulator.device")

using namespace ZntRegisters;

namespace {
// Raw units a value wanders per step: tenths of a kelvin, tenths of a percent, ppm, ...
double driftStepFor(int type)
{
    switch (type) {
    case kTemperature:
        return 1.0;
    case kRelHumidity:
        return 3.0;
    case kCo2:
        return 6.0;
    case kPressureAbs:
        return 2.0;
    case kIlluminance:
        return 5.0;
    default:
        return 1.0;
    }
}
constexpr double kPullBack = 0.1;
constexpr double kMaxExcursionSteps = 40.0;
} // namespace

ZntDeviceModel::ZntDeviceModel(const QList<quint16> &factoryImage, QObject *parent)
    : RegisterDevice(parent)
    , m_registers(factoryImage)
{
    m_registers.resize(kRegisterCount, 0);
    m_stored = m_registers;
    findLiveValues();
    m_driftTimer = new QTimer(this);
    connect(m_driftTimer, &QTimer::timeout, this, &ZntDeviceModel::driftLiveValues);
}

RegisterDevice::Exception ZntDeviceModel::read(int start, int count, QList<quint16> *values) const
{
    if (start < 0 || count < 1 || start + count > kRegisterCount)
        return IllegalAddress;
    *values = m_registers.mid(start, count);
    return NoException;
}

RegisterDevice::Exception ZntDeviceModel::write(int start, const QList<quint16> &values)
{
    if (start < 0 || values.isEmpty() || start + values.size() > kRegisterCount)
        return IllegalAddress;
    for (int i = 0; i < values.size(); ++i) {
        const int reg = start + i;
        m_registers[reg] = values.at(i);
        // A value set from outside becomes the centre the measurement wanders around.
        for (Live &live : m_live) {
            if (live.reg == reg) {
                live.current = live.centre = live.isSigned ? double(qint16(values.at(i))) : double(values.at(i));
            }
        }
    }
    runCommand(start, int(values.size()));
    emit registersChanged();
    return NoException;
}

void ZntDeviceModel::runCommand(int start, int count)
{
    if (kCommand < start || kCommand >= start + count)
        return;
    const quint16 command = m_registers.at(kCommand);
    // The device acts on the command and clears the register at once.
    m_registers[kCommand] = 0;
    if (command == kStoreCommand) {
        m_stored = m_registers;
        qCInfo(lcZntDevice) << "configuration stored";
        emit stored();
    } else {
        qCInfo(lcZntDevice) << "command" << command << "ignored";
    }
}

QList<quint16> ZntDeviceModel::registers() const
{
    return m_registers;
}

QList<quint16> ZntDeviceModel::storedRegisters() const
{
    return m_stored;
}

QList<int> ZntDeviceModel::liveRegisters() const
{
    QList<int> regs;
    for (const Live &live : m_live)
        regs.append(live.reg);
    return regs;
}

void ZntDeviceModel::setDriftInterval(int ms)
{
    if (ms > 0)
        m_driftTimer->start(ms);
    else
        m_driftTimer->stop();
}

void ZntDeviceModel::setRandomSeed(quint32 seed)
{
    m_random.seed(seed);
}

void ZntDeviceModel::findLiveValues()
{
    const QList<quint16> setup = m_registers.mid(kDeviceSetup, kChannels * kSetupWordsPerChannel);
    for (int c = 0; c < kChannels; ++c) {
        for (int type = 0; type < kSetupWordsPerChannel * 16; ++type) {
            const bool present = setup.at(c * kSetupWordsPerChannel + type / 16) & (1u << (type % 16));
            if (!present || !ZntDeviceImage::drifts(type))
                continue;
            Live live;
            live.reg = blockBase(c + 1, type) + kBlockValue;
            live.isSigned = type == kTemperature;
            const quint16 raw = m_registers.at(live.reg);
            live.centre = live.current = live.isSigned ? double(qint16(raw)) : double(raw);
            live.step = driftStepFor(type);
            m_live.append(live);
        }
    }
}

void ZntDeviceModel::driftLiveValues()
{
    for (Live &live : m_live) {
        const double noise = (m_random.generateDouble() * 2.0 - 1.0) * live.step;
        double next = live.current + kPullBack * (live.centre - live.current) + noise;
        next = qBound(live.centre - kMaxExcursionSteps * live.step, next, live.centre + kMaxExcursionSteps * live.step);
        next = live.isSigned ? qBound(-32768.0, next, 32767.0) : qBound(0.0, next, 65535.0);
        live.current = next;
        const int raw = int(std::lround(next));
        m_registers[live.reg] = live.isSigned ? quint16(qint16(raw)) : quint16(raw);
    }
}
