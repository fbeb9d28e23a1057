#include "KivLoraBlock.h"

#include "Functions.h"

#include <QRegularExpression>

#include <cmath>

namespace {
constexpr int kMaskBits = 32;
constexpr int kMaskHexDigits = 8;

// Blanks (and tabs) between groups are how the pages show identities and masks.
QString withoutBlanks(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return QString(text).remove(blanks);
}

bool allDigitsOfBase(const QString &text, int base)
{
    for (QChar c : text) {
        bool ok = false;
        QString(c).toUInt(&ok, base);
        if (!ok)
            return false;
    }
    return true;
}
} // namespace

KivLoraBlock::KivLoraBlock(QObject *parent)
    : BaseContainer(parent)
{
    connectWriter(&KivLoraBlock::regionChanged, kRegion);
    connectWriter(&KivLoraBlock::portChanged, kPort);
    connectWriter(&KivLoraBlock::adrChanged, kAdr);
    connectWriter(&KivLoraBlock::dataRateDefaultChanged, kDataRate);
    connectWriter(&KivLoraBlock::txPowerChanged, kTxPower);
    connectWriter(&KivLoraBlock::channelMaskChanged, kChannelMask);
    connectWriter(&KivLoraBlock::nbTransChanged, kNbTrans);
    connectWriter(&KivLoraBlock::reJoinIntervalChanged, kReJoinInterval);
    connectWriter(&KivLoraBlock::confirmActivationChanged, kConfirmActivation);
    connectWriter(&KivLoraBlock::heartbeatTimerChanged, kHeartbeat);
    connectWriter(&KivLoraBlock::controlCommandsChanged, kControlCommands);
    connectWriter(&KivLoraBlock::uplinkIntervalChanged, kUplinkInterval);
    connectWriter(&KivLoraBlock::ledActivationChanged, kLedActivation);
}

template<typename T>
void KivLoraBlock::connectWriter(void (KivLoraBlock::*signal)(T), uint reg)
{
    connect(this, signal, this,
            [this, reg](T value) { attemptToWrite(uint16_t(reg), Functions::fromUInt32(quint32(value))); });
}

QVariantMap KivLoraBlock::limits()
{
    const auto range = [](int min, int max) { return QVariantList{min, max}; };
    return {{QStringLiteral("region"), range(0, 15)},       {QStringLiteral("port"), range(1, 223)},
            {QStringLiteral("dataRate"), range(0, 5)},      {QStringLiteral("txPower"), range(0, 15)},
            {QStringLiteral("nbTrans"), range(1, 15)},      {QStringLiteral("reJoinInterval"), range(0, 525600)},
            {QStringLiteral("heartbeat"), range(0, 10080)}, {QStringLiteral("uplinkInterval"), range(1, 10080)}};
}

QString KivLoraBlock::identityText(const QList<quint16> &registers)
{
    QStringList bytes;
    for (quint16 word : registers) {
        for (quint8 byte : {Functions::lowByte(word), Functions::highByte(word)})
            bytes.append(QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper());
    }
    return bytes.join(QLatin1Char(' '));
}

bool KivLoraBlock::hexToRegisters(const QString &hex, int registerCount, QList<quint16> *registers)
{
    const QString digits = withoutBlanks(hex);
    if (digits.size() != 4 * registerCount || !allDigitsOfBase(digits, 16))
        return false;
    registers->clear();
    for (int i = 0; i < registerCount; ++i) {
        const auto low = quint8(digits.mid(4 * i, 2).toUInt(nullptr, 16));
        const auto high = quint8(digits.mid(4 * i + 2, 2).toUInt(nullptr, 16));
        registers->append(Functions::makeWord(high, low));
    }
    return true;
}

QString KivLoraBlock::versionText(quint16 high, quint16 low)
{
    const quint32 value = (quint32(high) << 16) | low;
    return QStringLiteral("%1.%2.%3").arg(value >> 24).arg((value >> 16) & 0xFF).arg((value >> 8) & 0xFF);
}

QString KivLoraBlock::valueToVersionText(double value, int precision)
{
    const auto raw = quint32(qint64(value));
    const quint32 swapped = (raw << 16) | (raw >> 16);
    QStringList parts;
    for (int i = 0; i < qMin(precision, 4); ++i)
        parts.append(QString::number((swapped >> (24 - 8 * i)) & 0xFF));
    return parts.join(QLatin1Char('.'));
}

QString KivLoraBlock::valueToVersion(double value, int precision)
{
    return valueToVersionText(value, precision);
}

QString KivLoraBlock::channelMaskBin() const
{
    const QString bits = QStringLiteral("%1").arg(m_channelMask, kMaskBits, 2, QLatin1Char('0'));
    QStringList groups;
    for (int i = 0; i < kMaskBits; i += 4)
        groups.append(bits.mid(i, 4));
    return groups.join(QLatin1Char(' '));
}

QString KivLoraBlock::channelMaskHex() const
{
    return QStringLiteral("0x") +
        QStringLiteral("%1").arg(m_channelMask, kMaskHexDigits, 16, QLatin1Char('0')).toUpper();
}

void KivLoraBlock::sendCommand() { }

void KivLoraBlock::resetConfiguration()
{
    if (m_controlCommands == kCommandFactoryReset)
        attemptToWrite(uint16_t(kControlCommands), Functions::fromUInt32(kCommandFactoryReset));
    else
        setControlCommands(kCommandFactoryReset);
}

void KivLoraBlock::setDevEUI(const QString &devEUI)
{
    Functions::assignAndSignal(this, m_devEUI, devEUI, &KivLoraBlock::devEUIChanged);
}

void KivLoraBlock::setAppEUI(const QString &appEUI)
{
    Functions::assignAndSignal(this, m_appEUI, appEUI, &KivLoraBlock::appEUIChanged);
}

void KivLoraBlock::setAppKey(const QString &appKey)
{
    Functions::assignAndSignal(this, m_appKey, appKey, &KivLoraBlock::appKeyChanged);
}

void KivLoraBlock::setVersion(const QString &version)
{
    Functions::assignAndSignal(this, m_version, version, &KivLoraBlock::versionChanged);
}

bool KivLoraBlock::identityFromHex(const QString &hex, uint reg, int registerCount, QString *member,
                                   void (KivLoraBlock::*signal)(QString))
{
    // A short or long text would spill into the registers behind the identity (version, region).
    QList<quint16> words;
    if (!hexToRegisters(hex, registerCount, &words)) {
        emit errorPlainText(tr("Bitte genau %1 hexadezimale Ziffern (0-9, A-F) eingeben; Leerzeichen zwischen "
                               "den Gruppen sind erlaubt. Es wurde nichts übertragen.")
                                .arg(4 * registerCount));
        return false;
    }
    if (!m_boardPresent)
        return false;
    emit writeMultipleRegister(reg, words);
    Functions::assignAndSignal(this, *member, identityText(words), signal);
    return true;
}

bool KivLoraBlock::appEuiFromHex(const QString &hexString)
{
    return identityFromHex(hexString, kAppEui, kEuiRegisters, &m_appEUI, &KivLoraBlock::appEUIChanged);
}

bool KivLoraBlock::appKeyFromHex(const QString &hexString)
{
    return identityFromHex(hexString, kAppKey, kKeyRegisters, &m_appKey, &KivLoraBlock::appKeyChanged);
}

void KivLoraBlock::setRegion(int region)
{
    Functions::assignAndSignal(this, m_region, region, &KivLoraBlock::regionChanged);
}

void KivLoraBlock::setPort(int port)
{
    Functions::assignAndSignal(this, m_port, port, &KivLoraBlock::portChanged);
}

void KivLoraBlock::setAdr(int adr)
{
    Functions::assignAndSignal(this, m_adr, adr, &KivLoraBlock::adrChanged);
}

void KivLoraBlock::setDataRateDefault(int dataRateDefault)
{
    Functions::assignAndSignal(this, m_dataRateDefault, dataRateDefault, &KivLoraBlock::dataRateDefaultChanged);
}

void KivLoraBlock::setTxPower(int txPower)
{
    Functions::assignAndSignal(this, m_txPower, txPower, &KivLoraBlock::txPowerChanged);
}

void KivLoraBlock::setChannelMask(quint32 channelMask)
{
    Functions::assignAndSignal(this, m_channelMask, channelMask, &KivLoraBlock::channelMaskChanged);
}

bool KivLoraBlock::channelMaskFromHex(const QString &hexString, bool byteFlipped)
{
    const QString digits = withoutBlanks(hexString);
    if (digits.isEmpty() || digits.size() > kMaskHexDigits || !allDigitsOfBase(digits, 16)) {
        emit errorPlainText(tr("Die Kanalmaske braucht 1 bis 8 hexadezimale Ziffern (0-9, A-F)."));
        return false;
    }
    QList<quint16> words;
    for (qsizetype i = 0; i < digits.size(); i += 4) {
        const QString chunk = digits.mid(i, 4);
        const auto first = quint8(chunk.left(2).toUInt(nullptr, 16));
        if (chunk.size() <= 2) {
            words.append(first);
            continue;
        }
        const auto second = quint8(chunk.mid(2, 2).toUInt(nullptr, 16));
        words.append(byteFlipped ? Functions::makeWord(second, first) : Functions::makeWord(first, second));
    }
    while (words.size() < 2)
        words.append(0);
    setChannelMask(Functions::toUInt32(words.at(0), words.at(1)));
    return true;
}

bool KivLoraBlock::channelMaskFromBin(const QString &binString)
{
    // Read most significant bit first, as channelMaskBin shows it, so that the text read back
    // gives the same registers.
    const QString digits = withoutBlanks(binString);
    if (digits.isEmpty() || digits.size() > kMaskBits || !allDigitsOfBase(digits, 2)) {
        emit errorPlainText(tr("Die Kanalmaske braucht 1 bis 32 Binärziffern (0 oder 1)."));
        return false;
    }
    setChannelMask(digits.toUInt(nullptr, 2));
    return true;
}

void KivLoraBlock::setNbTrans(int nbTrans)
{
    Functions::assignAndSignal(this, m_nbTrans, nbTrans, &KivLoraBlock::nbTransChanged);
}

void KivLoraBlock::setReJoinInterval(int reJoinInterval)
{
    Functions::assignAndSignal(this, m_reJoinInterval, reJoinInterval, &KivLoraBlock::reJoinIntervalChanged);
}

void KivLoraBlock::setConfirmActivation(int confirmActivation)
{
    Functions::assignAndSignal(this, m_confirmActivation, confirmActivation, &KivLoraBlock::confirmActivationChanged);
}

void KivLoraBlock::setHeartbeatTimer(int heartbeatTimer)
{
    Functions::assignAndSignal(this, m_heartbeatTimer, heartbeatTimer, &KivLoraBlock::heartbeatTimerChanged);
}

void KivLoraBlock::setControlCommands(int controlCommands)
{
    Functions::assignAndSignal(this, m_controlCommands, controlCommands, &KivLoraBlock::controlCommandsChanged);
}

void KivLoraBlock::setUplinkInterval(int uplinkInterval)
{
    Functions::assignAndSignal(this, m_uplinkInterval, uplinkInterval, &KivLoraBlock::uplinkIntervalChanged);
}

void KivLoraBlock::setLedActivation(int ledActivation)
{
    Functions::assignAndSignal(this, m_ledActivation, ledActivation, &KivLoraBlock::ledActivationChanged);
}

void KivLoraBlock::setData(QList<quint16> data)
{
    // Images that do not reach the LoRaWAN registers leave the block as it was.
    if (data.size() < kMinImageSize)
        return;
    setValid(true);
    setDevEUI(identityText(data.mid(kDevEui, kEuiRegisters)));
    setAppEUI(identityText(data.mid(kAppEui, kEuiRegisters)));
    setAppKey(identityText(data.mid(kAppKey, kKeyRegisters)));
    setVersion(versionText(data.at(kVersion), data.at(kVersion + 1)));
    const auto value = [&data](uint reg) { return Functions::toUInt32(data, int(reg)); };
    setRegion(int(value(kRegion)));
    setPort(int(value(kPort)));
    setAdr(int(value(kAdr)));
    setDataRateDefault(int(value(kDataRate)));
    setTxPower(int(value(kTxPower)));
    setChannelMask(value(kChannelMask));
    setNbTrans(int(value(kNbTrans)));
    setReJoinInterval(int(value(kReJoinInterval)));
    setConfirmActivation(int(value(kConfirmActivation)));
    setHeartbeatTimer(int(value(kHeartbeat)));
    setControlCommands(int(value(kControlCommands)));
    setUplinkInterval(int(value(kUplinkInterval)));
    setLedActivation(int(value(kLedActivation)));
}

void KivLoraBlock::reset()
{
    m_writeEnable = false;
    setValid(false);
    setDevEUI(QString());
    setAppEUI(QString());
    setAppKey(QString());
    setVersion(QString());
    setRegion(0);
    setPort(0);
    setAdr(0);
    setDataRateDefault(0);
    setTxPower(0);
    setChannelMask(0);
    setNbTrans(0);
    setReJoinInterval(0);
    setConfirmActivation(0);
    setHeartbeatTimer(0);
    setControlCommands(0);
    setUplinkInterval(0);
    setLedActivation(0);
    m_writeEnable = true;
}

void KivLoraBlock::attemptToWrite(uint16_t address, QList<quint16> values)
{
    if (m_writeEnable && m_boardPresent)
        emit writeMultipleRegister(address, values);
}
