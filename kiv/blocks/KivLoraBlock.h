#pragma once

#include "BaseContainer.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

// LoRaWAN identity and parameters (registers 146 .. 205). Created on the first read whatever the
// board and fed after every read; only a LoRaWAN board lets it write.
class KivLoraBlock : public BaseContainer
{
    Q_OBJECT
    Q_PROPERTY(QString devEUI READ devEUI WRITE setDevEUI NOTIFY devEUIChanged)
    Q_PROPERTY(QString appEUI READ appEUI WRITE setAppEUI NOTIFY appEUIChanged)
    Q_PROPERTY(QString appKey READ appKey WRITE setAppKey NOTIFY appKeyChanged)
    Q_PROPERTY(QString version READ version WRITE setVersion NOTIFY versionChanged)
    Q_PROPERTY(int region READ region WRITE setRegion NOTIFY regionChanged)
    Q_PROPERTY(int port READ port WRITE setPort NOTIFY portChanged)
    Q_PROPERTY(int adr READ adr WRITE setAdr NOTIFY adrChanged)
    Q_PROPERTY(int dataRateDefault READ dataRateDefault WRITE setDataRateDefault NOTIFY dataRateDefaultChanged)
    Q_PROPERTY(int txPower READ txPower WRITE setTxPower NOTIFY txPowerChanged)
    Q_PROPERTY(quint32 channelMask READ channelMask WRITE setChannelMask NOTIFY channelMaskChanged)
    Q_PROPERTY(QString channelMaskBin READ channelMaskBin NOTIFY channelMaskChanged)
    Q_PROPERTY(QString channelMaskHex READ channelMaskHex NOTIFY channelMaskChanged)
    Q_PROPERTY(int nbTrans READ nbTrans WRITE setNbTrans NOTIFY nbTransChanged)
    Q_PROPERTY(int reJoinInterval READ reJoinInterval WRITE setReJoinInterval NOTIFY reJoinIntervalChanged)
    Q_PROPERTY(int confirmActivation READ confirmActivation WRITE setConfirmActivation NOTIFY confirmActivationChanged)
    Q_PROPERTY(int heartbeatTimer READ heartbeatTimer WRITE setHeartbeatTimer NOTIFY heartbeatTimerChanged)
    Q_PROPERTY(int controlCommands READ controlCommands WRITE setControlCommands NOTIFY controlCommandsChanged)
    Q_PROPERTY(int uplinkInterval READ uplinkInterval WRITE setUplinkInterval NOTIFY uplinkIntervalChanged)
    Q_PROPERTY(int ledActivation READ ledActivation WRITE setLedActivation NOTIFY ledActivationChanged)
    // Entry limits of the editable parameters, {name: [minimum, maximum]}.
    Q_PROPERTY(QVariantMap limits READ limits CONSTANT)

public:
    // The image must reach register 205.
    static constexpr int kMinImageSize = 206;
    static constexpr uint kDevEui = 146;
    static constexpr uint kAppEui = 150;
    static constexpr uint kAppKey = 154;
    static constexpr uint kVersion = 162;
    static constexpr uint kRegion = 164;
    static constexpr uint kPort = 166;
    static constexpr uint kAdr = 168;
    static constexpr uint kDataRate = 170;
    static constexpr uint kTxPower = 172;
    static constexpr uint kChannelMask = 174;
    static constexpr uint kNbTrans = 176;
    static constexpr uint kReJoinInterval = 178;
    static constexpr uint kConfirmActivation = 180;
    static constexpr uint kHeartbeat = 182;
    static constexpr uint kControlCommands = 184;
    static constexpr uint kUplinkInterval = 186;
    static constexpr uint kLedActivation = 204;
    static constexpr int kEuiRegisters = 4;
    static constexpr int kKeyRegisters = 8;
    // Control command: reset the LoRaWAN configuration to its factory settings.
    static constexpr int kCommandFactoryReset = 1;

    explicit KivLoraBlock(QObject *parent = nullptr);

    QString devEUI() const { return m_devEUI; }
    QString appEUI() const { return m_appEUI; }
    QString appKey() const { return m_appKey; }
    QString version() const { return m_version; }
    int region() const { return m_region; }
    int port() const { return m_port; }
    int adr() const { return m_adr; }
    int dataRateDefault() const { return m_dataRateDefault; }
    int txPower() const { return m_txPower; }
    quint32 channelMask() const { return m_channelMask; }
    QString channelMaskBin() const;
    QString channelMaskHex() const;
    int nbTrans() const { return m_nbTrans; }
    int reJoinInterval() const { return m_reJoinInterval; }
    int confirmActivation() const { return m_confirmActivation; }
    int heartbeatTimer() const { return m_heartbeatTimer; }
    int controlCommands() const { return m_controlCommands; }
    int uplinkInterval() const { return m_uplinkInterval; }
    int ledActivation() const { return m_ledActivation; }
    static QVariantMap limits();

    bool writeEnabled() const { return m_writeEnable; }
    // Whether the device carries a LoRaWAN board: without one the registers belong to another
    // board and the block never writes.
    void setBoardPresent(bool present) { m_boardPresent = present; }
    bool boardPresent() const { return m_boardPresent; }

    // Registers as the identity text shows them: "12 34 56 78" for 0x3412, 0x7856.
    static QString identityText(const QList<quint16> &registers);
    // Hexadecimal digits, blanks between groups allowed, into registers (first pair in the low
    // byte); false when the text holds anything else or not exactly registerCount * 4 digits.
    static bool hexToRegisters(const QString &hex, int registerCount, QList<quint16> *registers);
    static QString versionText(quint16 high, quint16 low);
    static QString valueToVersionText(double value, int precision = 4);

    Q_INVOKABLE void sendCommand();
    // Sends the factory-reset control command, also when the block already shows it.
    Q_INVOKABLE void resetConfiguration();

public slots:
    void setDevEUI(const QString &devEUI);
    void setAppEUI(const QString &appEUI);
    bool appEuiFromHex(const QString &hexString);
    void setAppKey(const QString &appKey);
    bool appKeyFromHex(const QString &hexString);
    void setVersion(const QString &version);
    void setRegion(int region);
    void setPort(int port);
    void setAdr(int adr);
    void setDataRateDefault(int dataRateDefault);
    void setTxPower(int txPower);
    void setChannelMask(quint32 channelMask);
    bool channelMaskFromHex(const QString &hexString, bool byteFlipped = false);
    bool channelMaskFromBin(const QString &binString);
    void setNbTrans(int nbTrans);
    void setReJoinInterval(int reJoinInterval);
    void setConfirmActivation(int confirmActivation);
    void setHeartbeatTimer(int heartbeatTimer);
    void setControlCommands(int controlCommands);
    void setUplinkInterval(int uplinkInterval);
    void setLedActivation(int ledActivation);
    void setData(QList<quint16> data) override;
    void reset() override;

private slots:
    void attemptToWrite(uint16_t address, QList<quint16> values);
    QString valueToVersion(double value, int precision = 4);

signals:
    void devEUIChanged(QString devEUI);
    void appEUIChanged(QString appEUI);
    void appKeyChanged(QString appKey);
    void versionChanged(QString version);
    void regionChanged(int region);
    void portChanged(int port);
    void adrChanged(int adr);
    void dataRateDefaultChanged(int dataRateDefault);
    void txPowerChanged(int txPower);
    void channelMaskChanged(quint32 channelMask);
    void nbTransChanged(int nbTrans);
    void reJoinIntervalChanged(int reJoinInterval);
    void confirmActivationChanged(int confirmActivation);
    void heartbeatTimerChanged(int heartbeatTimer);
    void controlCommandsChanged(int controlCommands);
    void uplinkIntervalChanged(int uplinkInterval);
    void ledActivationChanged(int ledActivation);
    // An entry that was refused; nothing was written.
    void errorPlainText(QString text);

private:
    bool identityFromHex(const QString &hex, uint reg, int registerCount, QString *member,
                         void (KivLoraBlock::*signal)(QString));
    template<typename T>
    void connectWriter(void (KivLoraBlock::*signal)(T), uint reg);

    bool m_writeEnable = true;
    bool m_boardPresent = true;
    QString m_devEUI;
    QString m_appEUI;
    QString m_appKey;
    QString m_version;
    int m_region = 0;
    int m_port = 0;
    int m_adr = 0;
    int m_dataRateDefault = 0;
    int m_txPower = 0;
    quint32 m_channelMask = 0;
    int m_nbTrans = 0;
    int m_reJoinInterval = 0;
    int m_confirmActivation = 0;
    int m_heartbeatTimer = 0;
    int m_controlCommands = 0;
    int m_uplinkInterval = 0;
    int m_ledActivation = 0;
};
