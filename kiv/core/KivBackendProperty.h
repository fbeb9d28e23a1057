#pragma once

#include "Enums.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

class KivDeviceSetup;

// Observable state of the KIV back end, without any device logic: KivBackend and the QML pages
// read and set these properties, and KivBackend reacts to their change signals.
class KivBackendProperty : public Enums
{
    Q_OBJECT
    Q_PROPERTY(QString appVersion READ appVersion NOTIFY noSignal)
    Q_PROPERTY(bool updateOngoing READ updateOngoing NOTIFY updateOngoingChanged)
    Q_PROPERTY(bool doPoll READ doPoll WRITE setDoPoll NOTIFY doPollChanged)
    Q_PROPERTY(bool connected READ connected WRITE setConnected NOTIFY connectedChanged)
    Q_PROPERTY(int modbusID READ modbusID WRITE setModbusID NOTIFY modbusIDChanged)
    Q_PROPERTY(QString Port READ port WRITE setPort NOTIFY portChanged)
    Q_PROPERTY(int baudRate READ baudRate WRITE setBaudRate NOTIFY baudRateChanged)
    Q_PROPERTY(int parity READ parity WRITE setParity NOTIFY parityChanged)
    Q_PROPERTY(int dataBit READ dataBit WRITE setDataBit NOTIFY dataBitChanged)
    Q_PROPERTY(int stopBit READ stopBit WRITE setStopBit NOTIFY stopBitChanged)
    Q_PROPERTY(int timeout READ timeout WRITE setTimeout NOTIFY timeoutChanged)
    Q_PROPERTY(int retries READ retries WRITE setRetries NOTIFY retriesChanged)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum NOTIFY maximumChanged)
    Q_PROPERTY(int progress READ progress WRITE setProgress NOTIFY progressChanged)
    Q_PROPERTY(QVariant deviceInfo READ deviceInfo NOTIFY noSignal)
    Q_PROPERTY(QVariant tlf READ tlf NOTIFY noSignal)
    Q_PROPERTY(int hoehe READ hoehe WRITE setHoehe NOTIFY hoeheChanged)
    Q_PROPERTY(double secToWartung READ secToWartung WRITE setSecToWartung NOTIFY secToWartungChanged)
    Q_PROPERTY(
        double secToKalibrierung READ secToKalibrierung WRITE setSecToKalibrierung NOTIFY secToKalibrierungChanged)
    Q_PROPERTY(QString lastWartung READ lastWartung WRITE setLastWartung NOTIFY lastWartungChanged)
    Q_PROPERTY(QString lastKalibrierung READ lastKalibrierung WRITE setLastKalibrierung NOTIFY lastKalibrierungChanged)
    Q_PROPERTY(int intervalWartung READ intervalWartung WRITE setIntervalWartung NOTIFY intervalWartungChanged)
    Q_PROPERTY(int intervalKalibrierung READ intervalKalibrierung WRITE setIntervalKalibrierung NOTIFY
                   intervalKalibrierungChanged)
    Q_PROPERTY(int unitSystem READ unitSystem WRITE setUnitSystem NOTIFY unitSystemChanged)
    Q_PROPERTY(int minVoltage READ minVoltage WRITE setMinVoltage NOTIFY minVoltageChanged)
    Q_PROPERTY(int maxVoltage READ maxVoltage WRITE setMaxVoltage NOTIFY maxVoltageChanged)
    Q_PROPERTY(QStringList voltageRange READ voltageRange WRITE setVoltageRange NOTIFY voltageRangeChanged)
    Q_PROPERTY(QVariant lcd READ lcd NOTIFY noSignal)
    Q_PROPERTY(int clearance READ clearance WRITE setClearance NOTIFY clearanceChanged)
    Q_PROPERTY(bool btIsConnecting READ btIsConnecting WRITE setBtIsConnecting NOTIFY btIsConnectingChanged)
    Q_PROPERTY(int verbindungsMode READ verbindungsMode WRITE setVerbindungsMode NOTIFY verbindungsModeChanged)
    Q_PROPERTY(QVariant dataBlocks READ dataBlocks NOTIFY dataBlocksChanged)
    Q_PROPERTY(QVariant activeChannels READ activeChannels NOTIFY activeChannelsChanged)
    Q_PROPERTY(bool factoryReset READ factoryReset WRITE setFactoryReset NOTIFY factoryResetChanged)
    Q_PROPERTY(QVariant relais READ relais NOTIFY noSignal)
    Q_PROPERTY(QVariant bootLoader READ bootLoader NOTIFY noSignal)
    Q_PROPERTY(bool emergencyMode READ emergencyMode WRITE setEmergencyMode NOTIFY emergencyModeChanged)
    Q_PROPERTY(bool testMode READ testMode WRITE setTestMode NOTIFY testModeChanged)
    Q_PROPERTY(QVariant saveLoadBackend READ saveLoadBackend NOTIFY noSignal)
    Q_PROPERTY(bool isLoadingFromDisc READ isLoadingFromDisc WRITE setIsLoadingFromDisc NOTIFY isLoadingFromDiscChanged)
    Q_PROPERTY(QVariant rs485 READ rs485 NOTIFY noSignal)

public:
    explicit KivBackendProperty(QObject *parent = nullptr);
    ~KivBackendProperty() override;

    // True when a and b agree within a relative tolerance of 1e-12 (the framework's rule).
    static bool isFuzzyEqual(double a, double b);

    QString appVersion() const;
    bool updateOngoing() const { return m_updateOngoing; }
    void setUpdateOngoing(bool updateOngoing);

    bool doPoll() const { return m_doPoll; }
    bool connected() const { return m_connected; }
    int modbusID() const { return m_modbusID; }
    QString port() const { return m_port; }
    int baudRate() const { return m_baudRate; }
    int parity() const { return m_parity; }
    int dataBit() const { return m_dataBit; }
    int stopBit() const { return m_stopBit; }
    int timeout() const { return m_timeout; }
    int retries() const { return m_retries; }
    int maximum() const { return m_maximum; }
    int progress() const { return m_progress; }
    int hoehe() const { return m_hoehe; }
    double secToWartung() const { return m_secToWartung; }
    double secToKalibrierung() const { return m_secToKalibrierung; }
    QString lastWartung() const { return m_lastWartung; }
    QString lastKalibrierung() const { return m_lastKalibrierung; }
    int intervalWartung() const { return m_intervalWartung; }
    int intervalKalibrierung() const { return m_intervalKalibrierung; }
    int unitSystem() const { return m_unitSystem; }
    int minVoltage() const { return m_minVoltage; }
    int maxVoltage() const { return m_maxVoltage; }
    QStringList voltageRange() const { return m_voltageRange; }
    int clearance() const { return m_clearance; }
    bool btIsConnecting() const { return m_btIsConnecting; }
    int verbindungsMode() const { return m_verbindungsMode; }
    bool factoryReset() const { return m_factoryReset; }
    bool emergencyMode() const { return m_emergencyMode; }
    bool testMode() const { return m_testMode; }
    bool isLoadingFromDisc() const { return m_isLoadingFromDisc; }

    QVariant deviceInfo() const;
    QVariant tlf() const;
    QVariant lcd() const;
    QVariant rs485() const;
    QVariant bootLoader() const;
    QVariant saveLoadBackend() const;
    QVariant dataBlocks() const;
    QVariant activeChannels() const;
    QVariant relais() const;

public slots:
    void setDoPoll(bool doPoll);
    void setConnected(bool connected);
    void setModbusID(int modbusID);
    void setPort(const QString &port);
    void setBaudRate(int baudRate);
    void setParity(int parity);
    void setDataBit(int dataBit);
    void setStopBit(int stopBit);
    void setTimeout(int timeout);
    void setRetries(int retries);
    void setMaximum(int maximum);
    void setProgress(int progress);
    void setHoehe(int hoehe);
    void setSecToWartung(double secToWartung);
    void setSecToKalibrierung(double secToKalibrierung);
    void setLastWartung(const QString &lastWartung);
    void setLastKalibrierung(const QString &lastKalibrierung);
    void setIntervalWartung(int intervalWartung);
    void setIntervalKalibrierung(int intervalKalibrierung);
    void setUnitSystem(int unitSystem);
    void setMinVoltage(int minVoltage);
    void setMaxVoltage(int maxVoltage);
    void setVoltageRange(const QStringList &voltageRange);
    void setClearance(int clearance);
    void setBtIsConnecting(bool btIsConnecting);
    void setVerbindungsMode(int verbindungsMode);
    void setFactoryReset(bool factoryReset);
    void setEmergencyMode(bool emergencyMode);
    void setTestMode(bool testMode);
    void setIsLoadingFromDisc(bool isLoadingFromDisc);

signals:
    // Never emitted: lets QML bind to the constant and object-handle properties.
    void noSignal();
    void updateOngoingChanged(bool updateOngoing);
    // Always delivered queued, so the poll logic runs after the caller's current work.
    void doPollChanged();
    void connectedChanged(bool connected);
    void modbusIDChanged(int modbusID);
    void portChanged(const QString &port);
    void baudRateChanged(int baudRate);
    void parityChanged(int parity);
    void dataBitChanged(int dataBit);
    void stopBitChanged(int stopBit);
    void timeoutChanged(int timeout);
    void retriesChanged(int retries);
    void maximumChanged(int maximum);
    void progressChanged(int progress);
    void hoeheChanged(int hoehe);
    void secToWartungChanged(double secToWartung);
    void secToKalibrierungChanged(double secToKalibrierung);
    void lastWartungChanged(const QString &lastWartung);
    void lastKalibrierungChanged(const QString &lastKalibrierung);
    void intervalWartungChanged(int intervalWartung);
    void intervalKalibrierungChanged(int intervalKalibrierung);
    void unitSystemChanged(int unitSystem);
    void minVoltageChanged(int minVoltage);
    void maxVoltageChanged(int maxVoltage);
    void voltageRangeChanged(const QStringList &voltageRange);
    void clearanceChanged(int clearance);
    void btIsConnectingChanged(bool btIsConnecting);
    void verbindungsModeChanged(int verbindungsMode);
    void dataBlocksChanged();
    void activeChannelsChanged();
    void factoryResetChanged(bool factoryReset);
    void emergencyModeChanged(bool emergencyMode);
    void testModeChanged(bool testMode);
    void isLoadingFromDiscChanged(bool isLoadingFromDisc);

protected:
    bool m_updateOngoing = true;
    bool m_doPoll = false;
    bool m_connected = false;
    bool m_btIsConnecting = false;
    bool m_factoryReset = false;
    bool m_emergencyMode = false;
    bool m_testMode = false;
    bool m_isLoadingFromDisc = false;
    int m_baudRate = 115200;
    int m_dataBit = 8;
    int m_stopBit = 1;
    int m_parity = 0;
    int m_modbusID = 1;
    int m_timeout = 1000;
    int m_retries = 3;
    int m_maximum = 100;
    int m_progress = 0;
    int m_hoehe = 0;
    int m_unitSystem = 1;
    int m_minVoltage = -1;
    int m_maxVoltage = -1;
    int m_clearance = 0;
    int m_verbindungsMode = 0; // 0 cable, 1 Bluetooth
    double m_secToWartung = 0.0; // hours
    double m_secToKalibrierung = 0.0; // hours
    QString m_port;
    QString m_lastWartung;
    QString m_lastKalibrierung;
    QStringList m_voltageRange;
    int m_intervalWartung = 0; // months
    int m_intervalKalibrierung = 0; // months

    // Handles only: the back end's block set owns the blocks, the back end the device setup.
    KivDeviceSetup *m_deviceInfo = nullptr;
    QObject *m_lcd = nullptr;
    QObject *m_rs485 = nullptr;
    QObject *m_tlf = nullptr;
    QObject *m_bootLoader = nullptr;
    // The save/load back end (KivSaveAndLoad, a child of this), given &m_registerImage.
    QObject *m_saveLoadBackend = nullptr;
    QList<QObject *> m_relais;
    QList<QObject *> m_dataBlocks;
    QList<QObject *> m_activeChannels;

    QList<quint16> m_registerImage;
};
