#pragma once

#include "BluetoothIoEnums.h"
#include "KivBackendProperty.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

class BootLoader;
class KivShareBackend;

// The root of the KIV device model and the object the QML pages talk to ("Kiv"). It owns the
// register image, the device identity, the boot loader and, once connected, the serial link and
// the function blocks.
class KivBackend : public KivBackendProperty
{
    Q_OBJECT
    Q_PROPERTY(QVariant expertBackend READ expertBackend NOTIFY noSignal)
    Q_PROPERTY(QVariant lora READ lora NOTIFY noSignal)
    Q_PROPERTY(bool showUi READ showUi NOTIFY showUiChanged)

public:
    enum serialOperation { noOp = 0, datenblock = 1, getAllOp = 2, getOneBlock = 3 };
    Q_ENUM(serialOperation)
    enum readSingleMode { None = 0, FactoryReset = 1 };
    Q_ENUM(readSingleMode)

    // The share back end is not owned; the plugin object deletes it.
    explicit KivBackend(KivShareBackend *shareBackend, QObject *parent = nullptr);
    ~KivBackend() override;

    QVariant expertBackend() const;
    QVariant lora() const;
    bool showUi() const { return m_showUi; }

    // Registers the image mirrors: addresses 0 to 4999.
    static constexpr int kImageSize = 5000;
    // Resuming after a longer suspension drops the link: the device may have been swapped.
    static constexpr qint64 kMaxSuspendSeconds = 300;

    Q_INVOKABLE void connectDevice(const QString &btAdress);
    Q_INVOKABLE void connectDevice();
    Q_INVOKABLE void disconnectDevice();
    Q_INVOKABLE void newOutputSelection(int outputSelection, int newIndex);
    Q_INVOKABLE void updateService(int type, int intervall);
    Q_INVOKABLE void forceRelaisOn(int index);
    Q_INVOKABLE void forceRelaisOff(int index);
    Q_INVOKABLE void resetForcedRelais(int index);
    Q_INVOKABLE QString loadJsonString(const QString &name);
    Q_INVOKABLE void continueLoading(const QString &filepath);
    Q_INVOKABLE void forceDeviceReset();
    Q_INVOKABLE void forceReloadAllData();
    Q_INVOKABLE void updateUnitByApp(int unit);
    Q_INVOKABLE void forceEepromWrite();
    Q_INVOKABLE void writeFResetRegs(const QString &HWMotherboard, const QString &SerialNumber);
    Q_INVOKABLE void changeActiveChannel(int oldBlockIndex, int activeChannelId, int newIndex);
    Q_INVOKABLE QObject *getActiveChannel(int index);
    Q_INVOKABLE bool channelIsVisible(int channel);
    Q_INVOKABLE void changeChannelVisibility(int channel, bool visible);
    Q_INVOKABLE int activeChannelsSize();
    Q_INVOKABLE void updateAvailableOutputs();
    Q_INVOKABLE int validActiveChannels();
    Q_INVOKABLE int sensorBlockCount();
    Q_INVOKABLE Enums::UnitDatenBlock unitOfChannel(int channel);
    Q_INVOKABLE void forceEmergencyMode();
    Q_INVOKABLE QString HomePath();

    // onApplicationStateChanged with the time passed in, so resume timing can be checked.
    void handleApplicationState(Qt::ApplicationState state, const QDateTime &now);

signals:
    void requestBaiscPermissions();
    // Asks the host for its home page (through the plugin's manager object).
    void closePlugin();
    void pluginLoaded();
    void showUiChanged();
    void switchToPoll();
    void showEmergencyPopup();
    void factoryResetChecked(bool checked);
    void requestFileShareName(QString currentName);
    void unknownFileOrigin(QString file);
    void appStateChanged(Qt::ApplicationState state);
    void forShowEmailPopup(QString filePath);
    void changeUnitSystemStart();
    void changeUnitSystemDone();
    void allDataRead();
    void isLcd(bool);
    void hasCo2(bool);
    void hasVoc(bool);
    void readSingleRegister(uint);
    void readMultiRegister(uint Start, uint RegCount);
    void readPollRegister(uint Start, uint RegCount);
    void writeSingleRegister(uint Start, ushort Value);
    void writeMultiRegister(uint Start, QList<quint16> data);
    void doDisconnect();
    void expectWriteFinishedSignal(bool expectIt);
    // Shorthand for expectWriteFinishedSignal(true).
    void expectWriteFinishedSignal();
    void onSaveFileCreateAt(QString filePath);
    void errorPlainText(QString);
    void infoPlainText(QString info);
    void serialError(QString);
    void setOperationMode(BluetoothIoEnums::OperationMode);
    void setOpModeBluetooth(BluetoothIoEnums::OperationMode);
    void blCouldNotStart();
    void blFileUnavailable();
    void setSerialParameter(QString port, QList<int> data);
    void sendModbusID(int);
    void connectToLastService(QString);
    void startBootLoader();
    void bootLoaderFinished();
    void writingFileSuccessfully();

public slots:
    void stopConnectAttempt();
    void getManuelData(bool flag);
    void getAllData();
    void getBlockUpdate(uint index);
    void getBlocks();
    void onDoPollChanged();
    void updateTlfMode();
    void onUnit();
    void onMaxVoltage();
    void setupSerial();
    void retranslate();
    void onApplicationStateChanged(Qt::ApplicationState state);
    void simulateDevice();
    void dumpDeviceDataToTextFile();
    void printCurrentRegistersToCsv();
    void createFileAt(QString filePath);

private:
    void setShowUi(bool showUi);

    KivShareBackend *m_shareBackend = nullptr;
    QObject *m_expertBackend = nullptr;
    QObject *m_lora = nullptr;
    serialOperation m_serialOperation = noOp;
    readSingleMode m_readSingleMode = None;
    quint16 m_blockCount = 0;
    bool m_pollWasOn = false;
    bool m_showUi = false;
    QDateTime m_suspendedAt;
};
