#include "KivRs485.h"

#include "Functions.h"

#include <QVariantMap>

#include <cmath>

namespace {
// The keys of the increment table; second-sensor keys are never created.
const Enums::TypeDatenblock kIncrementKeys[] = {Enums::Temperatur, Enums::Relative_Feuchte, Enums::Absolute_Feuchte,
                                                Enums::Enthalpie,  Enums::Taupunkt,         Enums::CO2,
                                                Enums::VOC,        Enums::CO2_VOC,          Enums::Volumenstrom,
                                                Enums::Druck,      Enums::Helligkeit,       Enums::Kondensat,
                                                Enums::Luftdruck,  Enums::Volumenstrom2,    Enums::Druck2};

// Float fuzziness of the increments: |a - b| * 100000 <= min(|a|, |b|).
bool sameIncrement(float a, float b)
{
    return std::fabs(a - b) * 100000.f <= qMin(std::fabs(a), std::fabs(b));
}

quint32 keyOf(Enums::TypeDatenblock type, bool multi)
{
    return quint32(type) + (multi ? KivRs485::kSecondSensorKey : 0);
}
} // namespace

KivRs485::KivRs485(QObject *parent)
    : Enums(parent)
{
    for (Enums::TypeDatenblock type : kIncrementKeys)
        m_increments.append({quint32(type), kIncrementNotSet});
}

KivRs485::KivRs485(const QList<quint16> &registerImage, uint startRegister,
                   const QList<Enums::TypeDatenblock> &blockTypes, QObject *parent)
    : KivRs485(parent)
{
    m_startRegister = startRegister;
    m_blockTypes = blockTypes;
    updateFromImage(registerImage);
}

int KivRs485::incrementOffset(Enums::TypeDatenblock type, bool multi)
{
    switch (type) {
    case Temperatur:
        return multi ? 52 : 34;
    case Relative_Feuchte:
        return 36;
    case Absolute_Feuchte:
        return 38;
    case Enthalpie:
        return 40;
    case Taupunkt:
        return 42;
    case CO2:
        return 44;
    case VOC:
        return 46;
    case CO2_VOC:
        return 48;
    case Volumenstrom:
        return multi ? 56 : 52;
    case Druck:
    case Helligkeit:
        return multi ? 54 : 50;
    default:
        return -1;
    }
}

bool KivRs485::fitsDevice(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() > 0xFF || c.isNull())
            return false;
    }
    return true;
}

void KivRs485::setBlockTypes(const QList<Enums::TypeDatenblock> &blockTypes)
{
    if (m_blockTypes == blockTypes)
        return;
    m_blockTypes = blockTypes;
    emit covIncrementsChanged();
}

QString KivRs485::decodeDescription(const QList<quint16> &registerImage, int start)
{
    QString text;
    for (int i = 0; i < kDescriptionRegisters; ++i) {
        const quint16 word = registerImage.at(start + i);
        for (quint8 byte : {Functions::lowByte(word), Functions::highByte(word)}) {
            if (byte == 0)
                return text;
            text.append(QChar::fromLatin1(char(byte)));
        }
    }
    return text;
}

void KivRs485::updateFromImage(const QList<quint16> &registerImage)
{
    if (registerImage.size() - qsizetype(m_startRegister) < kBlockRegisters)
        return;
    const int start = int(m_startRegister);
    const auto word32 = [&](uint offset) { return Functions::toUInt32(registerImage, start + int(offset)); };
    const auto float32 = [&](int offset) {
        return Functions::toFloat(registerImage.at(start + offset), registerImage.at(start + offset + 1));
    };
    setDipAdress(word32(kOffDipAdress));
    setDeviceId(word32(kOffDeviceId));
    setBaudrate(word32(kOffBaudrate));
    setModus(word32(kOffModus));
    setParity(word32(kOffParity));
    setStopBit(word32(kOffStopBit));

    const QString text = decodeDescription(registerImage, start + int(kOffDescription));
    if (text != m_description) {
        m_description = text;
        emit descriptionChanged(m_description);
        writeDescription();
    }

    setCovEnable(double(float32(int(kOffCovEnable))));

    for (Enums::TypeDatenblock type : kIncrementKeys) {
        const qsizetype sensors = m_blockTypes.count(type);
        if (sensors == 0) {
            setIncrementValue(type, kIncrementNotSet);
            continue;
        }
        const int first = incrementOffset(type, false);
        if (first < 0)
            continue;
        setIncrementValue(type, float32(first));
        if (sensors > 1)
            setIncrementValue(type, float32(incrementOffset(type, true)), true);
    }
}

void KivRs485::setIsBacNet(bool isBacNet)
{
    Functions::assignAndSignal(this, m_isBacNet, isBacNet, &KivRs485::isBacNetChanged);
}

void KivRs485::setDipAdress(quint32 dipAdress)
{
    Functions::assignAndSignal(this, m_dipAdress, dipAdress, &KivRs485::dipAdressChanged);
}

void KivRs485::setDeviceId(quint32 deviceId)
{
    if (Functions::assignAndSignal(this, m_deviceId, deviceId, &KivRs485::deviceIdChanged))
        emit writeMultipleRegister(m_startRegister + kOffDeviceId, Functions::fromUInt32(m_deviceId));
}

void KivRs485::setBaudrate(quint32 baudrate)
{
    Functions::assignAndSignal(this, m_baudrate, baudrate, &KivRs485::baudrateChanged);
}

void KivRs485::setModus(quint32 modus)
{
    Functions::assignAndSignal(this, m_modus, modus, &KivRs485::modusChanged);
}

void KivRs485::setParity(quint32 parity)
{
    Functions::assignAndSignal(this, m_parity, parity, &KivRs485::parityChanged);
}

void KivRs485::setStopBit(quint32 stopBit)
{
    Functions::assignAndSignal(this, m_stopBit, stopBit, &KivRs485::stopBitChanged);
}

void KivRs485::setCovEnable(double covEnable)
{
    // The device keeps a whole number; 0.7 is stored as 0 and written again on the next 0.7.
    if (qFuzzyCompare(m_covEnable, covEnable))
        return;
    m_covEnable = std::floor(covEnable);
    emit covEnableChanged(m_covEnable);
    emit writeMultipleRegister(m_startRegister + kOffCovEnable, Functions::fromFloat(float(m_covEnable)));
}

void KivRs485::setDescription(const QString &description)
{
    // A character beyond 8 bits would reach the device as another character.
    if (!fitsDevice(description)) {
        emit errorPlainText(
            tr("Die Beschreibung enthält Zeichen, die das Gerät nicht speichern kann. Erlaubt sind nur Zeichen des "
               "westeuropäischen Zeichensatzes (Latin-1)."));
        return;
    }
    const QString text = description.left(kDescriptionChars);
    if (text == m_description)
        return;
    m_description = text;
    emit descriptionChanged(m_description);
    writeDescription();
}

void KivRs485::writeDescription()
{
    QList<quint16> words(kDescriptionRegisters, 0);
    for (qsizetype i = 0; i < m_description.size(); ++i) {
        const auto byte = quint16(m_description.at(i).unicode() & 0xFF);
        words[i / 2] |= (i % 2 == 0) ? byte : quint16(byte << 8);
    }
    emit writeMultipleRegister(m_startRegister + kOffDescription, words);
}

float KivRs485::getIncrementValue(Enums::TypeDatenblock type, bool multi) const
{
    const quint32 key = keyOf(type, multi);
    for (const auto &entry : m_increments) {
        if (entry.first == key)
            return entry.second;
    }
    return kIncrementNotSet;
}

void KivRs485::setIncrementValue(Enums::TypeDatenblock type, float value, bool multi)
{
    const quint32 key = keyOf(type, multi);
    for (auto &entry : m_increments) {
        if (entry.first != key)
            continue;
        if (sameIncrement(entry.second, value))
            return;
        entry.second = value;
        emit covIncrementsChanged();
        const int offset = incrementOffset(type, multi);
        if (offset >= 0)
            emit writeMultipleRegister(m_startRegister + uint(offset), Functions::fromFloat(value));
        return;
    }
}

QVariantList KivRs485::covIncrements() const
{
    QVariantList list;
    for (const auto &entry : m_increments) {
        const auto type = Enums::TypeDatenblock(entry.first);
        if (incrementOffset(type, false) < 0 || !m_blockTypes.contains(type))
            continue;
        list.append(QVariantMap{{QStringLiteral("type"), int(type)},
                                {QStringLiteral("name"), Enums::typeToString(type)},
                                {QStringLiteral("value"), double(entry.second)}});
    }
    return list;
}
