#include "KivLcdBlock.h"

#include <algorithm>

namespace {
struct Location
{
    uint offset;
    Functions::Byte byte;
};

// Where each field lies in the block, in field order.
constexpr std::array<Location, KivLcdBlock::FieldCount> kLocations{{
    {0, Functions::LowByte}, // available
    {0, Functions::HighByte}, // brightness
    {KivLcdBlock::kOffRotation, Functions::LowByte}, // rotation
    {3, Functions::HighByte}, // service note
    {4, Functions::LowByte}, // calibration note
    {4, Functions::HighByte}, // relay 1
    {5, Functions::LowByte}, // relay 2
    {5, Functions::HighByte}, // number of sensors
    {6, Functions::LowByte}, // channel 1
    {6, Functions::HighByte}, // channel 2
    {7, Functions::LowByte}, // channel 3
    {7, Functions::HighByte}, // channel 4
}};
} // namespace

const std::array<KivLcdBlock::PairedRegister, 5> KivLcdBlock::kPairs{{
    {0, Available, Brightness},
    {4, ShowCalibration, ShowRelais1},
    {5, ShowRelais2, CntSensors},
    {6, ShowChannel1, ShowChannel2},
    {7, ShowChannel3, ShowChannel4},
}};

KivLcdBlock::KivLcdBlock(QObject *parent)
    : Enums(parent)
{
    initTimers();
}

KivLcdBlock::KivLcdBlock(const QList<quint16> &registerImage, uint startRegister, QObject *parent)
    : Enums(parent)
    , m_startRegister(startRegister)
{
    initTimers();
    updateFromImage(registerImage);
}

void KivLcdBlock::initTimers()
{
    for (size_t i = 0; i < kPairs.size(); ++i) {
        QTimer &timer = m_timers.at(i);
        timer.setSingleShot(true);
        timer.setInterval(kDebounceMs);
        const PairedRegister pair = kPairs.at(i);
        connect(&timer, &QTimer::timeout, this, [this, pair] {
            emit writeSingleRegister(m_startRegister + pair.offset,
                                     Functions::makeWord(field(pair.high), field(pair.low)));
        });
    }
}

bool KivLcdBlock::writesPending() const
{
    return std::any_of(m_timers.cbegin(), m_timers.cend(), [](const QTimer &timer) { return timer.isActive(); });
}

int KivLcdBlock::pairOf(Field field)
{
    for (size_t i = 0; i < kPairs.size(); ++i) {
        if (kPairs.at(i).low == field || kPairs.at(i).high == field)
            return int(i);
    }
    return -1;
}

void KivLcdBlock::updateFromImage(const QList<quint16> &registerImage)
{
    if (registerImage.size() - qsizetype(m_startRegister) < kBlockRegisters)
        return;
    for (int f = 0; f < FieldCount; ++f) {
        const Location at = kLocations.at(size_t(f));
        const quint16 word = registerImage.at(qsizetype(m_startRegister + at.offset));
        setField(Field(f), at.byte == Functions::LowByte ? Functions::lowByte(word) : Functions::highByte(word));
    }
}

void KivLcdBlock::setField(Field field, quint8 value)
{
    if (field < 0 || field >= FieldCount || m_fields.at(size_t(field)) == value)
        return;
    m_fields.at(size_t(field)) = value;
    emitChanged(field);
    if (field == Rotation) {
        emit writeHalfRegister(m_startRegister + kOffRotation, value, Functions::LowByte);
    } else if (const int pair = pairOf(field); pair >= 0) {
        m_timers.at(size_t(pair)).start();
    }
    if (field == Available)
        emit hasLcd(hasDisplay());
}

void KivLcdBlock::setIsAvailaAbleReferenceCheck(bool isAvailaAbleReferenceCheck)
{
    if (m_isAvailaAbleReferenceCheck == isAvailaAbleReferenceCheck)
        return;
    m_isAvailaAbleReferenceCheck = isAvailaAbleReferenceCheck;
    emit isAvailaAbleReferenceCheckChanged(m_isAvailaAbleReferenceCheck);
    m_timers.at(size_t(pairOf(Available))).start();
    emit hasLcd(hasDisplay());
}

void KivLcdBlock::emitChanged(Field field)
{
    const quint8 value = m_fields.at(size_t(field));
    switch (field) {
    case Available:
        emit availableChanged(value);
        break;
    case Brightness:
        emit brightnessChanged(value);
        break;
    case Rotation:
        emit rotationChanged(value);
        break;
    case ShowService:
        emit showServiceChanged(value);
        break;
    case ShowCalibration:
        emit showCalibrationChanged(value);
        break;
    case ShowRelais1:
        emit showRelais1Changed(value);
        break;
    case ShowRelais2:
        emit showRelais2Changed(value);
        break;
    case CntSensors:
        emit cntSensorsChanged(value);
        break;
    case ShowChannel1:
        emit showChannel1Changed(value);
        break;
    case ShowChannel2:
        emit showChannel2Changed(value);
        break;
    case ShowChannel3:
        emit showChannel3Changed(value);
        break;
    case ShowChannel4:
        emit showChannel4Changed(value);
        break;
    case FieldCount:
        break;
    }
}
