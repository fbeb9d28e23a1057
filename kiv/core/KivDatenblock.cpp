#include "KivDatenblock.h"

#include "ApplicationVersion.h"
#include "Functions.h"
#include "KivBackendProperty.h"
#include "KivDeviceSetup.h"

#include <QLoggingCategory>

#include <cmath>
#include <limits>

Q_LOGGING_CATEGORY(lcKivDatenblock, "kiv.datenblock")

namespace {
// Shown instead of a measured value while the device reports no measure for the block.
constexpr double kInvalidValue = -1000000.0;
constexpr int kKFactorFine = 1000;
constexpr int kKFactorCoarse = 10;
// Qev main boards newer than this firmware scale flow k values by 1000.
const ApplicationVersion kFineKFactorAfter(0, 0, 9, 2);
const QString kRangeSeparator = QStringLiteral(" .. ");
// A 4 to 20 mA current output.
constexpr double kMinCurrent = 4.0;
constexpr double kCurrentSpan = 16.0;

bool rangeHasIndex(const Enums::RangeList &list, const Enums::Range &range)
{
    for (const Enums::Range &entry : list) {
        if (KivBackendProperty::isFuzzyEqual(entry.first, range.first) &&
            KivBackendProperty::isFuzzyEqual(entry.second, range.second))
            return true;
    }
    return false;
}
} // namespace

bool KivDatenblock::isWritable(Enums::TypeDatenblock type, uint offset)
{
    static const QList<uint> measureReadOnly{0, 2, 4, 6, 8, 12, 14, 22, 26};
    static const QList<uint> flowReadOnly{0, 2, 4, 6, 8, 10, 12, 14, 22, 26, 30, 32, 34};
    static const QList<uint> pressureReadOnly{0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 22, 26, 28, 30, 32, 34};

    if (type >= Temperatur && type <= CO2_VOC)
        return !measureReadOnly.contains(offset);
    if (type == Volumenstrom || type == Volumenstrom2)
        return !flowReadOnly.contains(offset);
    if (type == Druck || type == Druck2)
        return !pressureReadOnly.contains(offset);
    return true;
}

KivDatenblock::KivDatenblock(const QList<quint16> &registerImage, uint baseRegister, int blockNumber,
                             KivDeviceSetup *deviceSetup, QObject *parent)
    : KivDatenblockProperties(parent)
    , m_baseRegister(baseRegister)
    , m_deviceSetup(deviceSetup)
{
    setIsValid(true);
    setIndex(blockNumber);
    updateFromImage(registerImage);
    // Wired after the first refresh: taking over the device's own values must not write them back.
    wireWriteBack();
}

KivDatenblock::KivDatenblock(quint32 outputChannel, QObject *parent)
    : KivDatenblockProperties(parent)
{
    setChannel(outputChannel);
}

int KivDatenblock::kFactor() const
{
    if (m_deviceSetup && m_deviceSetup->mainBoard() == MP_Qev && m_deviceSetup->gpVersion() > kFineKFactorAfter &&
        parameter6() >= 1)
        return kKFactorFine;
    return kKFactorCoarse;
}

bool KivDatenblock::rangeIsFloat() const
{
    return type() == Volumenstrom || type() == Druck;
}

void KivDatenblock::updateFromImage(const QList<quint16> &registerImage)
{
    const qsizetype available = registerImage.size() - qsizetype(m_baseRegister);
    if (available < kBlockRegisters) {
        emit errorString(tr("Falsche ByteArray größe: %1 of %2").arg(registerImage.size()).arg(kBlockRegisters));
        rebuildRangeList();
        return;
    }

    m_refreshing = true;
    const int base = int(m_baseRegister);
    const auto word32 = [&](uint offset) { return Functions::toUInt32(registerImage, base + int(offset)); };
    const auto float32 = [&](uint offset) {
        return double(
            Functions::toFloat(registerImage.at(base + int(offset)), registerImage.at(base + int(offset) + 1)));
    };

    setSensorError(qint32(word32(kOffSensorError)));
    setType(Enums::TypeDatenblock(qint32(word32(kOffType))));
    setValue(type() == Invalid ? kInvalidValue : float32(kOffValue));
    setUnit(Enums::UnitDatenBlock(qint32(word32(kOffUnit))));
    const auto limit = [&](uint offset) { return rangeIsFloat() ? float32(offset) : double(qint32(word32(offset))); };
    setLowerLimit(limit(kOffLowerLimit));
    setUpperLimit(limit(kOffUpperLimit));
    setLowerRange(limit(kOffLowerRange));
    setUpperRange(limit(kOffUpperRange));
    setOffset(qint32(word32(kOffOffset)));
    setBaseOffset(qint32(word32(kOffBaseOffset)));
    setChannel(word32(kOffChannel));
    setLastErrorTime(word32(kOffLastErrorTime));
    for (int i = 0; i < kParameterCount; ++i)
        setParameter(uchar(i), qint32(word32(kOffParameter0 + 2 * uint(i))));

    updateOutputs();
    m_registerImage = registerImage;
    rebuildRangeList();
    if (type() == Volumenstrom)
        setAdjustedKValue(double(parameter4()) / kFactor());
    m_refreshing = false;
}

void KivDatenblock::updateOutputs()
{
    if (channel() == 0) {
        setVoltage(0.0);
        setAmps(0.0);
        return;
    }
    const double span = upperRange() - lowerRange();
    // An empty range would divide by zero; the output then sits at the bottom of its span.
    if (span == 0.0 || !std::isfinite(span)) {
        setVoltage(m_outputMinVoltage);
        setAmps(kMinCurrent);
        return;
    }
    const double ratio = (value() - lowerRange()) / span;
    setVoltage(m_outputMinVoltage + ratio * (m_outputMaxVoltage - m_outputMinVoltage));
    setAmps(kMinCurrent + kCurrentSpan * ratio);
}

void KivDatenblock::rebuildRangeList()
{
    const Enums::RangeTable table = Enums::rangesForType(type());
    m_ranges = m_metric ? table.first : table.second;

    QStringList texts;
    int current = -1;
    for (qsizetype i = 0; i < m_ranges.size(); ++i) {
        const Enums::Range &range = m_ranges.at(i);
        texts << QString::number(range.first, 'g', 6) + kRangeSeparator + QString::number(range.second, 'g', 6);
        if (current < 0 && KivBackendProperty::isFuzzyEqual(range.first, lowerRange()) &&
            KivBackendProperty::isFuzzyEqual(range.second, upperRange()))
            current = int(i);
    }
    setRangeList(texts);
    setRangeIndex(current);
}

void KivDatenblock::onRangeIndexChanged(int index)
{
    if (index < 0 || index >= m_ranges.size())
        return;
    const Enums::Range range = m_ranges.at(index);
    setLowerRange(range.first);
    setUpperRange(range.second);
}

void KivDatenblock::setUnitSystem(int unitSystem)
{
    m_metric = (unitSystem == 1);
    rebuildRangeList();
}

void KivDatenblock::updateUnitSystem(int unitSystem)
{
    const bool metric = (unitSystem == 1);
    if (metric == m_metric) {
        rebuildRangeList();
        return;
    }
    m_metric = metric;

    const Enums::Range current{lowerRange(), upperRange()};
    const Enums::RangeTable table = Enums::rangesForType(type());
    const Enums::RangeList &target = metric ? table.first : table.second;
    const Enums::RangeList &source = metric ? table.second : table.first;
    Enums::Range converted = current;
    // A range that only exists in the new system already is in it (the block was read after the
    // device switched); converting it again would fall back to the first entry.
    if (rangeHasIndex(source, current) || !rangeHasIndex(target, current))
        converted = Enums::convertRange(current, type(), !metric);
    setLowerRange(converted.first);
    setUpperRange(converted.second);
    rebuildRangeList();
}

void KivDatenblock::setLowerVoltage(int voltage)
{
    m_outputMinVoltage = voltage;
    updateOutputs();
}

void KivDatenblock::setUpperVoltage(int voltage)
{
    m_outputMaxVoltage = voltage;
    updateOutputs();
}

void KivDatenblock::adjustedKValueToParameter()
{
    if (type() != Volumenstrom)
        return;
    const double product = double(quint16(kFactor())) * adjustedKValue();
    // Drop binary noise before truncating: 1.001 * 1000 is 1000.9999999999999, not 1001.
    const double cleaned = std::trunc(std::round(product * 1e6) / 1e6);
    if (!std::isfinite(cleaned) || cleaned < double(std::numeric_limits<qint32>::min()) ||
        cleaned > double(std::numeric_limits<qint32>::max())) {
        qCWarning(lcKivDatenblock) << "k value out of range:" << adjustedKValue();
        return;
    }
    setParameter4(qint32(cleaned));
}

void KivDatenblock::wireWriteBack()
{
    const auto initTimer = [](QTimer &timer, int ms) {
        timer.setSingleShot(true);
        timer.setInterval(ms);
    };
    initTimer(m_lowerRangeTimer, kRangeDebounceMs);
    initTimer(m_upperRangeTimer, kRangeDebounceMs);
    initTimer(m_offsetTimer, kOffsetDebounceMs);
    initTimer(m_parameter5Timer, kParameter5ReadBackMs);
    initTimer(m_kValueTimer, kKValueDebounceMs);

    const auto restart = qOverload<>(&QTimer::start);
    connect(this, &KivDatenblock::lowerRangeChanged, &m_lowerRangeTimer, restart);
    connect(this, &KivDatenblock::upperRangeChanged, &m_upperRangeTimer, restart);
    connect(this, &KivDatenblock::offsetChanged, &m_offsetTimer, restart);
    connect(&m_lowerRangeTimer, &QTimer::timeout, this, [this] { writeRange(kOffLowerRange, lowerRange()); });
    connect(&m_upperRangeTimer, &QTimer::timeout, this, [this] { writeRange(kOffUpperRange, upperRange()); });
    connect(&m_offsetTimer, &QTimer::timeout, this, [this] { writeInt32(kOffOffset, offset()); });

    connect(this, &KivDatenblock::channelChanged, this, [this] { writeInt32(kOffChannel, qint32(channel())); });
    connect(this, &KivDatenblock::parameter0Changed, this, [this] { writeParameter(0); });
    connect(this, &KivDatenblock::parameter1Changed, this, [this] { writeParameter(1); });
    connect(this, &KivDatenblock::parameter2Changed, this, [this] { writeParameter(2); });
    connect(this, &KivDatenblock::parameter3Changed, this, [this] { writeParameter(3); });
    connect(this, &KivDatenblock::parameter4Changed, this, [this] { writeParameter(4); });
    connect(this, &KivDatenblock::parameter5Changed, this, [this] { writeParameter(5); });
    connect(this, &KivDatenblock::parameter6Changed, this, [this] { writeParameter(6); });
    connect(this, &KivDatenblock::parameter7Changed, this, [this] { writeParameter(7); });
    connect(this, &KivDatenblock::parameter8Changed, this, [this] { writeParameter(8); });
    connect(this, &KivDatenblock::parameter9Changed, this, [this] { writeParameter(9); });

    // The device recomputes other registers of the block after parameter 5 changed; a value
    // taken from the image is already the device's, so only edits trigger the re-read.
    connect(this, &KivDatenblock::parameter5Changed, this, [this] {
        if (!m_refreshing)
            m_parameter5Timer.start();
    });
    connect(&m_parameter5Timer, &QTimer::timeout, this, [this] { emit updateThisBlock(m_baseRegister); });

    connect(this, &KivDatenblock::parameter6Changed, &m_kValueTimer, restart);
    connect(this, &KivDatenblock::parameter7Changed, &m_kValueTimer, restart);
    connect(this, &KivDatenblock::parameter8Changed, &m_kValueTimer, restart);
    connect(this, &KivDatenblock::adjustedKValueChanged, &m_kValueTimer, restart);
    connect(&m_kValueTimer, &QTimer::timeout, this, &KivDatenblock::adjustedKValueToParameter);

    connect(this, &KivDatenblock::rangeIndexChanged, this, &KivDatenblock::onRangeIndexChanged);
}

void KivDatenblock::writeInt32(uint offset, qint32 value)
{
    if (!isValid() || !isWritable(type(), offset))
        return;
    emit writeMultipleRegisters(m_baseRegister + offset, Functions::fromUInt32(quint32(value)));
}

void KivDatenblock::writeRange(uint offset, double value)
{
    if (!isValid() || !isWritable(type(), offset))
        return;
    if (rangeIsFloat()) {
        emit writeMultipleRegisters(m_baseRegister + offset, Functions::fromFloat(float(value)));
        return;
    }
    const double whole = std::trunc(value);
    // Beyond 64 bits the conversion is undefined; such a range cannot be meant.
    if (!std::isfinite(whole) || std::abs(whole) > 9.0e18) {
        qCWarning(lcKivDatenblock) << "range not writable:" << value;
        return;
    }
    emit writeMultipleRegisters(m_baseRegister + offset, Functions::fromUInt32(quint32(qint64(whole))));
}

void KivDatenblock::writeParameter(int i)
{
    writeInt32(kOffParameter0 + 2 * uint(i), parameter(i));
}
