#pragma once

#include "BluetoothIoEnums.h"
#include "KivBackendProperty.h"
#include "ModbusCallPair.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

class BootLoader;
class KivBlockSet;
class KivDeviceCommands;
class KivLoadPreview;
class KivOutputAssignment;
class KivPoller;
class KivReadSequencer;
class KivReconnect;
class KivShareBackend;
class KivTrafficLogModel;
class KivWriteGate;
class SerialLinkOwner;

// The root of the KIV device model and the object the QML pages talk to ("Kiv"). It owns the
// register image, the device identity and the boot loader, and behind its fixed interface the
// collaborators that do the work: the link owner (serial link in its own thread), the read
// sequencer, the poller, the write gate, the block set and the device commands.
class KivBackend : public KivBackendProperty
{
    Q_OBJECT
    Q_PROPERTY(QVariant expertBackend READ expertBackend NOTIFY noSignal)
    Q_PROPERTY(QVariant lora READ lora NOTIFY noSignal)
    Q_PROPERTY(bool showUi READ showUi NOTIFY showUiChanged)
    Q_PROPERTY(bool outputBusy READ outputBusy NOTIFY outputBusyChanged)
    Q_PROPERTY(QObject *trafficLog READ trafficLog CONSTANT)
    Q_PROPERTY(QObject *loadPreview READ loadPreview CONSTANT)
    // The wait for a device that dropped off its port (countdown, cancel).
    Q_PROPERTY(QObject *reconnect READ reconnectObject CONSTANT)

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
    // True while an output selection is being applied.
    bool outputBusy() const;
    // The link's recorded requests and answers; outlives every link.
    KivTrafficLogModel *trafficLogModel() const { return m_traffic; }
    QObject *trafficLog() const;
    // What a load would change on the connected device, shown before it writes.
    KivLoadPreview *loadPreviewObject() const { return m_preview; }
    QObject *loadPreview() const;
    KivReconnect *reconnectControl() const { return m_reconnect; }
    QObject *reconnectObject() const;

    // Registers the image mirrors: addresses 0 to 4999.
    static constexpr int kImageSize = 5000;
    // Resuming after a longer suspension drops the link: the device may have been swapped.
    static constexpr qint64 kMaxSuspendSeconds = 300;
    static constexpr int kPollPauseMs = 1500;
    static constexpr int kAltitudeDebounceMs = 500;
    static constexpr int kBlockUpdateRetryMs = 500;
    // How long closing waits for writes still on their way to leave.
    static constexpr int kDrainWaitMs = 1500;

    // Read-only views for diagnostics and tests.
    const QList<quint16> &registerImage() const { return m_registerImage; }
    serialOperation currentSerialOperation() const;
    bool hasSerialLink() const;
    // For watching the link's lifetime only; never call into it (it lives in its own thread).
    QObject *serialLink() const;
    // Writes not sent yet: queued by a file load or held while a lost device is waited for.
    int pendingWrites() const;
    // The resource path of the simulation image; tests point it at the source tree.
    void setSimulationFile(const QString &path) { m_simulationFile = path; }

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
    // Loads a ".cfg" or ".json" file with its writes held and opens the preview of its changes;
    // false (with the refusal reported, where there is one) when nothing is to be shown.
    Q_INVOKABLE bool previewLoad(const QString &filePath);
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
    void outputBusyChanged();
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

    // The write gate: every block write passes here (KivWriteGate says when it lets one through).
    void singleWrite(uint reg, quint16 value);
    void multiWrite(uint start, const QList<quint16> &values);
    void halfWrite(uint reg, uchar value, int which);

private slots:
    void insertData(uint start, const QList<quint16> &data);
    void readSingle(uint start, const QList<quint16> &data);
    void readMultiple(uint start, const QList<quint16> &data);
    void readPoll(uint start, const QList<quint16> &data);
    void connectChanged(bool connected);
    void resetToStart();
    void allWritten();
    void manageReceivedData();
    void updateData();
    QString calculateDates(int interval, int hoursTo);
    void updateLastWartung();
    void updateLastKalibrierung();
    void updateRelaisDevice(ushort index);
    void factoryResetOngoing();
    void checkFResetRegs();
    void progressProgressbar();
    void onLoadedFromFile(QList<quint16> values);
    void onLoadJsonFromFilePath(QString filePath);
    void onWriteJson(QString filePath);
    void onWritePdf(QString filePath);
    void onLinkError(const QString &text);
    // The device was told to restart (an adjustment): wait for it rather than lose it.
    void onDeviceRestarting();

private:
    // A lost link may be waited for: a cable device that was read and is not being updated.
    bool mayReconnect() const;
    bool beginReconnect(int firstTryMs);
    void openPort(const QString &port);
    void onReconnectGaveUp();
    void flushLossText();
    QList<int> serialParameters() const;
    void setShowUi(bool showUi);
    int readChunk() const;
    void onPollCycleComplete();
    void onQueuedWritesDrained();
    void updateChannelLabels();
    void publishBlocks();
    void stopSerialThread();
    void finishDisconnect();
    void queueDisconnect();
    void wireBootLoaderOutcome(BootLoader *bootLoader);
    bool applyJsonDocument(const QString &filePath);
    void sendPreviewedLoad();

    KivShareBackend *m_shareBackend = nullptr;
    SerialLinkOwner *m_link = nullptr;
    KivWriteGate *m_gate = nullptr;
    KivReadSequencer *m_reads = nullptr;
    KivPoller *m_poller = nullptr;
    KivBlockSet *m_blocks = nullptr;
    KivDeviceCommands *m_commands = nullptr;
    KivOutputAssignment *m_outputs = nullptr;
    KivTrafficLogModel *m_traffic = nullptr;
    KivLoadPreview *m_preview = nullptr;
    KivReconnect *m_reconnect = nullptr;
    // The device on the current link has been read completely at least once.
    bool m_wasRead = false;
    QString m_stablePort;
    // The link's text of a loss that a reconnect may still make good; shown if it does not.
    QString m_lossText;
    bool m_pollWasOn = false;
    bool m_manualRead = false;
    bool m_showUi = false;
    // Bumped by every read and reset; a deferred data-ready step of an older one is void.
    quint64 m_readGeneration = 0;
    QDateTime m_suspendedAt;
    // Lives while a disconnect waits for the restore of forced relays to leave.
    QObject *m_disconnectWait = nullptr;
    bool m_disconnectQueued = false;
    bool m_connectAfterDisconnect = false;
    QString m_pendingConnectAddress;
    QString m_simulationFile = QStringLiteral(":/KivTestData.txt");
    // Set while the main-board upload runs and the add-on upload is still to follow.
    bool m_addOnUploadFollows = false;
};
