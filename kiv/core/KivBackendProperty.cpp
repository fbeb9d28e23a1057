#include "KivBackendProperty.h"

#include "Functions.h"
#include "KivDeviceSetup.h"

#include <QLoggingCategory>
#include <QMetaObject>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcKivBackendProperty, "kiv.backendproperty")

namespace {
const QString kAppVersion = QStringLiteral("4.2.1");

QVariant objectVariant(QObject *object)
{
    return QVariant::fromValue(object);
}
} // namespace

KivBackendProperty::KivBackendProperty(QObject *parent)
    : Enums(parent)
{
}

KivBackendProperty::~KivBackendProperty() = default;

bool KivBackendProperty::isFuzzyEqual(double a, double b)
{
    return Functions::isFuzzyEqual(a, b);
}

QString KivBackendProperty::appVersion() const
{
    return kAppVersion;
}

void KivBackendProperty::setUpdateOngoing(bool updateOngoing)
{
    if (m_updateOngoing == updateOngoing)
        return;
    m_updateOngoing = updateOngoing;
    emit updateOngoingChanged(m_updateOngoing);
}

void KivBackendProperty::setDoPoll(bool doPoll)
{
    if (m_doPoll == doPoll)
        return;
    m_doPoll = doPoll;
    qCDebug(lcKivBackendProperty) << "doPoll" << m_doPoll;
    // Queued on purpose: the poll step must not run inside whatever switched polling.
    QMetaObject::invokeMethod(this, &KivBackendProperty::doPollChanged, Qt::QueuedConnection);
}

void KivBackendProperty::setConnected(bool connected)
{
    if (m_connected == connected)
        return;
    m_connected = connected;
    emit connectedChanged(m_connected);
}

void KivBackendProperty::setModbusID(int modbusID)
{
    if (m_modbusID == modbusID)
        return;
    m_modbusID = modbusID;
    emit modbusIDChanged(m_modbusID);
}

void KivBackendProperty::setPort(const QString &port)
{
    if (m_port == port)
        return;
    m_port = port;
    emit portChanged(m_port);
}

void KivBackendProperty::setBaudRate(int baudRate)
{
    if (m_baudRate == baudRate)
        return;
    m_baudRate = baudRate;
    emit baudRateChanged(m_baudRate);
}

void KivBackendProperty::setParity(int parity)
{
    if (m_parity == parity)
        return;
    m_parity = parity;
    emit parityChanged(m_parity);
}

void KivBackendProperty::setDataBit(int dataBit)
{
    if (m_dataBit == dataBit)
        return;
    m_dataBit = dataBit;
    emit dataBitChanged(m_dataBit);
}

void KivBackendProperty::setStopBit(int stopBit)
{
    if (m_stopBit == stopBit)
        return;
    m_stopBit = stopBit;
    emit stopBitChanged(m_stopBit);
}

void KivBackendProperty::setTimeout(int timeout)
{
    if (m_timeout == timeout)
        return;
    m_timeout = timeout;
    emit timeoutChanged(m_timeout);
}

void KivBackendProperty::setRetries(int retries)
{
    if (m_retries == retries)
        return;
    m_retries = retries;
    emit retriesChanged(m_retries);
}

void KivBackendProperty::setMaximum(int maximum)
{
    if (m_maximum == maximum)
        return;
    m_maximum = maximum;
    emit maximumChanged(m_maximum);
}

void KivBackendProperty::setProgress(int progress)
{
    if (m_progress == progress)
        return;
    m_progress = progress;
    emit progressChanged(m_progress);
}

void KivBackendProperty::setHoehe(int hoehe)
{
    if (m_hoehe == hoehe)
        return;
    m_hoehe = hoehe;
    emit hoeheChanged(m_hoehe);
}

void KivBackendProperty::setSecToWartung(double secToWartung)
{
    if (isFuzzyEqual(m_secToWartung, secToWartung))
        return;
    m_secToWartung = secToWartung;
    emit secToWartungChanged(m_secToWartung);
}

void KivBackendProperty::setSecToKalibrierung(double secToKalibrierung)
{
    if (isFuzzyEqual(m_secToKalibrierung, secToKalibrierung))
        return;
    m_secToKalibrierung = secToKalibrierung;
    emit secToKalibrierungChanged(m_secToKalibrierung);
}

void KivBackendProperty::setLastWartung(const QString &lastWartung)
{
    if (m_lastWartung == lastWartung)
        return;
    m_lastWartung = lastWartung;
    emit lastWartungChanged(m_lastWartung);
}

void KivBackendProperty::setLastKalibrierung(const QString &lastKalibrierung)
{
    if (m_lastKalibrierung == lastKalibrierung)
        return;
    m_lastKalibrierung = lastKalibrierung;
    emit lastKalibrierungChanged(m_lastKalibrierung);
}

void KivBackendProperty::setIntervalWartung(int intervalWartung)
{
    if (m_intervalWartung == intervalWartung)
        return;
    m_intervalWartung = intervalWartung;
    emit intervalWartungChanged(m_intervalWartung);
}

void KivBackendProperty::setIntervalKalibrierung(int intervalKalibrierung)
{
    if (m_intervalKalibrierung == intervalKalibrierung)
        return;
    m_intervalKalibrierung = intervalKalibrierung;
    emit intervalKalibrierungChanged(m_intervalKalibrierung);
}

void KivBackendProperty::setUnitSystem(int unitSystem)
{
    if (m_unitSystem == unitSystem)
        return;
    m_unitSystem = unitSystem;
    emit unitSystemChanged(m_unitSystem);
}

void KivBackendProperty::setMinVoltage(int minVoltage)
{
    if (m_minVoltage == minVoltage)
        return;
    m_minVoltage = minVoltage;
    emit minVoltageChanged(m_minVoltage);
}

void KivBackendProperty::setMaxVoltage(int maxVoltage)
{
    if (m_maxVoltage == maxVoltage)
        return;
    m_maxVoltage = maxVoltage;
    emit maxVoltageChanged(m_maxVoltage);
}

void KivBackendProperty::setVoltageRange(const QStringList &voltageRange)
{
    if (m_voltageRange == voltageRange)
        return;
    m_voltageRange = voltageRange;
    emit voltageRangeChanged(m_voltageRange);
}

void KivBackendProperty::setClearance(int clearance)
{
    if (m_clearance == clearance)
        return;
    m_clearance = clearance;
    emit clearanceChanged(m_clearance);
}

void KivBackendProperty::setBtIsConnecting(bool btIsConnecting)
{
    if (m_btIsConnecting == btIsConnecting)
        return;
    m_btIsConnecting = btIsConnecting;
    emit btIsConnectingChanged(m_btIsConnecting);
}

void KivBackendProperty::setVerbindungsMode(int verbindungsMode)
{
    if (m_verbindungsMode == verbindungsMode)
        return;
    m_verbindungsMode = verbindungsMode;
    emit verbindungsModeChanged(m_verbindungsMode);
}

void KivBackendProperty::setFactoryReset(bool factoryReset)
{
    if (m_factoryReset == factoryReset)
        return;
    m_factoryReset = factoryReset;
    emit factoryResetChanged(m_factoryReset);
}

void KivBackendProperty::setEmergencyMode(bool emergencyMode)
{
    if (m_emergencyMode == emergencyMode)
        return;
    m_emergencyMode = emergencyMode;
    emit emergencyModeChanged(m_emergencyMode);
}

void KivBackendProperty::setTestMode(bool testMode)
{
    if (m_testMode == testMode)
        return;
    m_testMode = testMode;
    emit testModeChanged(m_testMode);
}

void KivBackendProperty::setIsLoadingFromDisc(bool isLoadingFromDisc)
{
    if (m_isLoadingFromDisc == isLoadingFromDisc)
        return;
    m_isLoadingFromDisc = isLoadingFromDisc;
    emit isLoadingFromDiscChanged(m_isLoadingFromDisc);
}

QVariant KivBackendProperty::deviceInfo() const
{
    return objectVariant(m_deviceInfo);
}

QVariant KivBackendProperty::tlf() const
{
    return objectVariant(m_tlf);
}

QVariant KivBackendProperty::lcd() const
{
    return objectVariant(m_lcd);
}

QVariant KivBackendProperty::rs485() const
{
    return objectVariant(m_rs485);
}

QVariant KivBackendProperty::bootLoader() const
{
    return objectVariant(m_bootLoader);
}

QVariant KivBackendProperty::saveLoadBackend() const
{
    return objectVariant(m_saveLoadBackend);
}

QVariant KivBackendProperty::dataBlocks() const
{
    return QVariant::fromValue(m_dataBlocks);
}

QVariant KivBackendProperty::activeChannels() const
{
    return QVariant::fromValue(m_activeChannels);
}

QVariant KivBackendProperty::relais() const
{
    return QVariant::fromValue(m_relais);
}
