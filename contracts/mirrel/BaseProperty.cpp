#include "BaseProperty.h"

#include "Functions.h"
#include "MirrelLogging.h"

#include <QRegularExpression>
#include <QTimer>

#include <cmath>
#include <limits>

namespace {
int wordsNeeded(BaseProperty::PropertyType type)
{
    switch (type) {
    case BaseProperty::UInt32:
    case BaseProperty::Int32:
    case BaseProperty::Float:
        return 2;
    default:
        return 1;
    }
}

bool knownType(BaseProperty::PropertyType type)
{
    return type <= BaseProperty::HexByte;
}
} // namespace

BaseProperty::BaseProperty(uint registerIndex, double minimum, double maximum, double divisor, bool readOnly,
                           PropertyType propertyType, uchar span, const QString &unit, QObject *parent)
    : QObject(parent)
    , m_registerIndex(registerIndex)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_divisor(divisor)
    , m_readOnly(readOnly)
    , m_propertyType(propertyType)
    , m_span(span)
    , m_unit(unit)
    , m_registers(span, 0)
{
    m_valid = knownType(propertyType) && m_span >= 1 && m_span >= wordsNeeded(propertyType) && std::isfinite(divisor) &&
        divisor != 0.0 && std::isfinite(minimum) && std::isfinite(maximum) && minimum <= maximum &&
        quint64(registerIndex) + quint64(m_span) <= 0x10000;
}

int BaseProperty::decimals() const
{
    const double d = std::fabs(m_divisor);
    if (!m_valid || d <= 1.0)
        return 0;
    return qBound(0, int(std::ceil(std::log10(d) - 1e-9)), 6);
}

bool BaseProperty::isNumeric() const
{
    return m_propertyType != Text && m_propertyType != HexString;
}

qint64 BaseProperty::rawValue() const
{
    if (m_registers.isEmpty())
        return 0;
    const quint16 r0 = m_registers.at(0);
    const quint16 r1 = m_registers.value(1);
    switch (m_propertyType) {
    case Flag:
    case UInt16:
    case HexByte:
        return r0;
    case Int16:
        return qint16(r0);
    case UInt32:
    case Float:
        return Functions::toUInt32(r0, r1);
    case Int32:
        return qint32(Functions::toUInt32(r0, r1));
    default:
        return 0;
    }
}

double BaseProperty::value() const
{
    if (!m_valid || !isNumeric())
        return 0;
    if (m_propertyType == Float)
        return double(Functions::toFloat(m_registers.at(0), m_registers.at(1))) / m_divisor;
    return double(rawValue()) / m_divisor;
}

QString BaseProperty::text() const
{
    switch (m_propertyType) {
    case Text:
        return Functions::registersToText(m_registers);
    case HexString:
    case HexByte:
        return toHex();
    default:
        return QString::number(value(), 'f', m_propertyType == Float ? qMax(decimals(), 2) : decimals());
    }
}

QString BaseProperty::toHex() const
{
    switch (m_propertyType) {
    case HexString:
    case Text:
        return registersToHex(m_registers);
    case HexByte:
        return QStringLiteral("%1").arg(rawValue() & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    case UInt32:
    case Int32:
    case Float:
        return QStringLiteral("%1").arg(quint32(rawValue()), 8, 16, QLatin1Char('0')).toUpper();
    default:
        return QStringLiteral("%1").arg(m_registers.value(0), 4, 16, QLatin1Char('0')).toUpper();
    }
}

QString BaseProperty::registersToHex(const QList<quint16> &registers)
{
    QString hex;
    for (quint16 reg : registers)
        hex += QStringLiteral("%1").arg(reg, 4, 16, QLatin1Char('0')).toUpper();
    return hex;
}

QList<quint16> BaseProperty::hexToRegisters(const QString &hex, bool *ok)
{
    QString digits = hex;
    digits.remove(QRegularExpression(QStringLiteral("[\\s:\\-]")));
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        digits.remove(0, 2);
    static const QRegularExpression hexOnly(QStringLiteral("^[0-9A-Fa-f]+$"));
    if (!hexOnly.match(digits).hasMatch()) {
        if (ok)
            *ok = false;
        return {};
    }
    // Left-pad to whole registers so "1" means 0x0001.
    while (digits.size() % 4 != 0)
        digits.prepend(QLatin1Char('0'));
    QList<quint16> registers;
    for (int i = 0; i < digits.size(); i += 4)
        registers.append(quint16(digits.mid(i, 4).toUInt(nullptr, 16)));
    if (ok)
        *ok = true;
    return registers;
}

void BaseProperty::setSignalDelay(int milliseconds)
{
    m_signalDelay = qMax(0, milliseconds);
    if (m_signalDelay > 0 && !m_writeTimer) {
        m_writeTimer = new QTimer(this);
        m_writeTimer->setSingleShot(true);
        connect(m_writeTimer, &QTimer::timeout, this, &BaseProperty::sendWrite);
    }
}

void BaseProperty::setResetAfterWrite(bool reset)
{
    m_resetAfterWrite = reset;
}

bool BaseProperty::hasPendingWrite() const
{
    return m_writeTimer && m_writeTimer->isActive();
}

bool BaseProperty::rawInTypeRange(qint64 raw) const
{
    switch (m_propertyType) {
    case Flag:
        return raw == 0 || raw == 1;
    case HexByte:
        return raw >= 0 && raw <= 0xFF;
    case UInt16:
        return raw >= 0 && raw <= 0xFFFF;
    case Int16:
        return raw >= std::numeric_limits<qint16>::min() && raw <= std::numeric_limits<qint16>::max();
    case UInt32:
        return raw >= 0 && raw <= qint64(std::numeric_limits<quint32>::max());
    case Int32:
        return raw >= std::numeric_limits<qint32>::min() && raw <= std::numeric_limits<qint32>::max();
    default:
        return false;
    }
}

QList<quint16> BaseProperty::encode(qint64 raw) const
{
    QList<quint16> words(m_span, 0);
    if (wordsNeeded(m_propertyType) == 2) {
        const QList<quint16> pair = Functions::fromUInt32(quint32(raw));
        words[0] = pair.at(0);
        words[1] = pair.at(1);
    } else {
        words[0] = quint16(raw);
    }
    return words;
}

void BaseProperty::setValue(double value)
{
    if (!m_valid || m_readOnly || !isNumeric()) {
        qCWarning(lcMirrel) << "property" << m_registerIndex << "cannot take a value";
        return;
    }
    // Equal minimum and maximum mean the definition sets no limits beyond the type's.
    const bool limited = m_minimum < m_maximum;
    if (!std::isfinite(value) || (limited && (value < m_minimum - 1e-9 || value > m_maximum + 1e-9))) {
        emit errorPlainText(tr("Der Wert %1 liegt außerhalb des erlaubten Bereichs %2 bis %3.")
                                .arg(value)
                                .arg(m_minimum)
                                .arg(m_maximum));
        return;
    }
    QList<quint16> words;
    if (m_propertyType == Float) {
        const QList<quint16> pair = Functions::fromFloat(float(value * m_divisor));
        words = QList<quint16>(m_span, 0);
        words[0] = pair.at(0);
        words[1] = pair.at(1);
    } else {
        const double scaled = value * m_divisor;
        const qint64 raw = std::llround(scaled);
        if (!std::isfinite(scaled) || !rawInTypeRange(raw)) {
            emit errorPlainText(tr("Der Wert %1 kann in diesem Register nicht gespeichert werden.").arg(value));
            return;
        }
        words = encode(raw);
    }
    acceptUserRegisters(words);
}

void BaseProperty::setHexValue(const QString &hex)
{
    fromHex(hex);
}

bool BaseProperty::fromHex(const QString &hex)
{
    if (!m_valid || m_readOnly)
        return false;
    bool ok = false;
    QList<quint16> words = hexToRegisters(hex, &ok);
    if (ok && (m_propertyType == HexString || m_propertyType == Text)) {
        // Identifiers must be complete: a short EUI is a typing error, not a smaller number.
        ok = words.size() == m_span && hex.trimmed().size() >= m_span * 4;
    } else if (ok) {
        while (words.size() > 1 && words.first() == 0)
            words.removeFirst();
        quint64 raw = 0;
        ok = words.size() <= 2;
        for (quint16 w : words)
            raw = (raw << 16) | w;
        if (ok && m_propertyType == Int16)
            raw = quint64(qint64(qint16(quint16(raw))));
        else if (ok && m_propertyType == Int32)
            raw = quint64(qint64(qint32(quint32(raw))));
        ok = ok && (m_propertyType == Float ? raw <= 0xFFFFFFFFu : rawInTypeRange(qint64(raw)));
        if (ok)
            words = encode(qint64(raw));
    }
    if (!ok) {
        emit errorPlainText(tr("Ungültige Hex-Eingabe: %1").arg(hex));
        return false;
    }
    return acceptUserRegisters(words);
}

bool BaseProperty::setText(const QString &text)
{
    if (!m_valid || m_readOnly || m_propertyType != Text)
        return false;
    if (text.size() > m_span * 2 || text.toLatin1() != text.toUtf8()) {
        emit errorPlainText(tr("Der Text \"%1\" ist zu lang oder enthält ungültige Zeichen.").arg(text));
        return false;
    }
    return acceptUserRegisters(Functions::textToRegisters(text, m_span));
}

bool BaseProperty::acceptUserRegisters(const QList<quint16> &words)
{
    if (!storeRegisters(words))
        return false;
    if (m_signalDelay > 0 && m_writeTimer)
        m_writeTimer->start(m_signalDelay);
    else
        sendWrite();
    return true;
}

bool BaseProperty::storeRegisters(const QList<quint16> &words)
{
    if (words == m_registers)
        return false;
    m_registers = words;
    emit rawValueChanged(rawValue());
    emit valueChanged(value());
    return true;
}

void BaseProperty::sendWrite()
{
    if (m_span == 1)
        emit writeSingleRegister(m_registerIndex, m_registers.at(0));
    else
        emit writeMultipleRegister(m_registerIndex, m_registers);
    if (m_resetAfterWrite)
        storeRegisters(QList<quint16>(m_span, 0));
}

void BaseProperty::setRawValue(QList<quint16> image)
{
    if (!m_valid || quint64(m_registerIndex) + quint64(m_span) > quint64(image.size()))
        return;
    // A user edit still waiting for its write wins over older device data.
    if (hasPendingWrite())
        return;
    storeRegisters(image.mid(m_registerIndex, m_span));
}

void BaseProperty::reset()
{
    if (m_writeTimer)
        m_writeTimer->stop();
    storeRegisters(QList<quint16>(m_span, 0));
}
