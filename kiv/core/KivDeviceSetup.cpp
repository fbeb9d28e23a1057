#include "KivDeviceSetup.h"

#include "KivBackendProperty.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcKivDeviceSetup, "kiv.devicesetup")

namespace {
// Identification registers of a KIV device.
constexpr int kRegNameFirstHalf = 4; // registers 4..13: characters 1..20
constexpr int kRegNameSecondHalf = 14; // registers 14..23: characters 21..40
constexpr int kNameHalfRegisters = 10;
constexpr int kRegSerialNumber = 24; // 24, 25: serial number, low word first
constexpr int kRegGpFirmware = 50; // 50, 51: main-board firmware, high word first
constexpr int kRegApFirmware = 54; // 54, 55: option-board firmware, high word first
constexpr int kRegBoardType = 144; // 144, 145: option-board type, low word first
// Shorter images (for instance from an aborted read) carry no identity.
constexpr int kMinImageSize = 144;

const QString kDummySuffix = QStringLiteral(" Dummy");

// Two characters per register, low byte first; the text ends at the first NUL.
QString textFromRegisters(const QList<quint16> &image, int first, int count)
{
    QByteArray bytes;
    bytes.reserve(count * 2);
    for (int reg = first; reg < first + count; ++reg) {
        const char low = char(image.at(reg) & 0xFF);
        const char high = char(image.at(reg) >> 8);
        if (low == 0)
            break;
        bytes.append(low);
        if (high == 0)
            break;
        bytes.append(high);
    }
    return QString::fromLatin1(bytes);
}

// "high.low" of the first register, then ".high.low" of the second unless it is 0.
QString versionText(quint16 r0, quint16 r1)
{
    QString text = QStringLiteral("%1.%2").arg(r0 >> 8).arg(r0 & 0xFF);
    if (r1 != 0)
        text += QStringLiteral(".%1.%2").arg(r1 >> 8).arg(r1 & 0xFF);
    return text;
}

// The register pair is read high word first; its bytes go to the version least significant
// first, so the version reads in the same order as versionText().
ApplicationVersion versionFromRegisters(quint16 r0, quint16 r1)
{
    const quint32 value = quint32(r1) | (quint32(r0) << 16);
    return ApplicationVersion(quint8(value & 0xFF), quint8((value >> 8) & 0xFF), quint8((value >> 16) & 0xFF),
                              quint8((value >> 24) & 0xFF));
}
} // namespace

KivDeviceSetup::KivDeviceSetup(QObject *parent)
    : QObject(parent)
{
}

QString KivDeviceSetup::gpVersionText() const
{
    return QStringLiteral("%1.%2").arg(m_gpVersion.major()).arg(m_gpVersion.minor());
}

QString KivDeviceSetup::apVersionText() const
{
    return QStringLiteral("%1.%2").arg(m_apVersion.major()).arg(m_apVersion.minor());
}

QString KivDeviceSetup::deviceName() const
{
    return m_testMode ? m_deviceName + kDummySuffix : m_deviceName;
}

void KivDeviceSetup::updateFromImage(const QList<quint16> &image)
{
    if (image.size() < kMinImageSize) {
        qCDebug(lcKivDeviceSetup) << "image too short for the identity:" << image.size();
        return;
    }

    const QString name = textFromRegisters(image, kRegNameFirstHalf, kNameHalfRegisters) + QLatin1Char(' ') +
        textFromRegisters(image, kRegNameSecondHalf, kNameHalfRegisters);
    setMainBoard(deviceNameToMainBoard(name));
    updateIsYJorYJPlus(name);
    updateIsZR07Plus(name);
    setDeviceName(name);

    // An image of exactly 144 or 145 registers does not reach the board type; keep the old one
    // rather than read past the end.
    if (image.size() > kRegBoardType + 1) {
        const quint32 board = quint32(image.at(kRegBoardType)) | (quint32(image.at(kRegBoardType + 1)) << 16);
        setBoardType(board > quint32(Enums::AP_Max) ? Enums::AP_Unknown : Enums::TypeCircuitBoard(board));
    }

    // Serial numbers outgrew 16 bits; the low word alone shows another device's number.
    setSeriennummer(double(quint32(image.at(kRegSerialNumber)) | (quint32(image.at(kRegSerialNumber + 1)) << 16)));

    const quint16 gp0 = image.at(kRegGpFirmware);
    const quint16 gp1 = image.at(kRegGpFirmware + 1);
    const quint16 ap0 = image.at(kRegApFirmware);
    const quint16 ap1 = image.at(kRegApFirmware + 1);
    setFirmware(versionText(gp0, gp1) + QStringLiteral(" | ") + versionText(ap0, ap1));
    setGpVersion(versionFromRegisters(gp0, gp1));
    setApVersion(versionFromRegisters(ap0, ap1));
}

void KivDeviceSetup::setMainBoard(Enums::TypeMainBoard mainBoard)
{
    if (m_mainBoard == mainBoard)
        return;
    m_mainBoard = mainBoard;
    emit mainBoardChanged(m_mainBoard);
}

void KivDeviceSetup::setBoardType(Enums::TypeCircuitBoard boardType)
{
    if (m_boardType == boardType)
        return;
    m_boardType = boardType;
    emit boardTypeChanged(m_boardType);
}

void KivDeviceSetup::setGpVersion(const ApplicationVersion &gpVersion)
{
    if (m_gpVersion == gpVersion)
        return;
    m_gpVersion = gpVersion;
    emit gpVersionChanged();
}

void KivDeviceSetup::setApVersion(const ApplicationVersion &apVersion)
{
    if (m_apVersion == apVersion)
        return;
    m_apVersion = apVersion;
    emit apVersionChanged();
    emit apVersionTextChanged();
}

void KivDeviceSetup::setSeriennummer(double seriennummer)
{
    if (KivBackendProperty::isFuzzyEqual(m_seriennummer, seriennummer))
        return;
    m_seriennummer = seriennummer;
    emit seriennummerChanged(m_seriennummer);
}

void KivDeviceSetup::setDeviceName(const QString &deviceName)
{
    if (m_deviceName == deviceName)
        return;
    m_deviceName = deviceName;
    emit deviceNameChanged(this->deviceName());
    setHasLcdReference(m_deviceName.contains(QLatin1String("LCD"), Qt::CaseInsensitive));
}

void KivDeviceSetup::setFirmware(const QString &firmware)
{
    if (m_firmware == firmware)
        return;
    m_firmware = firmware;
    emit firmwareChanged(m_firmware);
}

void KivDeviceSetup::setTestMode(bool testMode)
{
    if (m_testMode == testMode)
        return;
    m_testMode = testMode;
    emit testModeChanged(m_testMode);
    // The displayed name carries the " Dummy" mark only in test mode.
    emit deviceNameChanged(deviceName());
}

void KivDeviceSetup::setIsYJorYJPlus(bool isYJorYJPlus)
{
    if (m_isYJorYJPlus == isYJorYJPlus)
        return;
    m_isYJorYJPlus = isYJorYJPlus;
    emit isYJorYJPlusChanged(m_isYJorYJPlus);
}

void KivDeviceSetup::setIsZR07Plus(bool isZR07Plus)
{
    if (m_isZR07Plus == isZR07Plus)
        return;
    m_isZR07Plus = isZR07Plus;
    emit isZR07PlusChanged(m_isZR07Plus);
}

Enums::TypeMainBoard KivDeviceSetup::deviceNameToMainBoard(const QString &name)
{
    // Order matters: some names carry more than one family word, the first hit wins.
    static const struct
    {
        QLatin1String word;
        Enums::TypeMainBoard board;
    } families[] = {
        {QLatin1String("qev"), Enums::MP_Qev},   {QLatin1String("kiv"), Enums::MP_Kiv},
        {QLatin1String("ro52"), Enums::MP_Ro52}, {QLatin1String("wsk"), Enums::MP_WSK},
        {QLatin1String("vdx"), Enums::MP_VDX},   {QLatin1String("hb+"), Enums::MP_HBplus},
    };
    for (const auto &family : families) {
        if (name.contains(family.word, Qt::CaseInsensitive))
            return family.board;
    }
    return Enums::MP_Unknown;
}

void KivDeviceSetup::updateIsYJorYJPlus(const QString &name)
{
    setIsYJorYJPlus(name.contains(QLatin1String("YJ"), Qt::CaseSensitive));
}

void KivDeviceSetup::updateIsZR07Plus(const QString &name)
{
    setIsZR07Plus(name.contains(QLatin1String("ZR07"), Qt::CaseInsensitive));
}

void KivDeviceSetup::setHasLcdReference(bool hasLcdReference)
{
    if (m_hasLcdReference == hasLcdReference)
        return;
    m_hasLcdReference = hasLcdReference;
    emit hasLcdReferenceChanged(m_hasLcdReference);
}
