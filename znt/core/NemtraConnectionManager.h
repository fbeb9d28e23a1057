#pragma once

#include "ConnectionManagerBase.h"
#include "ModbusCallPair.h"

#include <QList>
#include <QPair>

#include <functional>

class NemtraTransferRecorder;
class QTimer;

// Drives the ZNT device link through a small state machine: identify the device, read its
// setup block, read every register range of the property file, then poll live values, write
// with read-back and serve single reads. Every next step is queued through the event loop so
// that no step runs inside the hook that delivered the previous answer.
class NemtraConnectionManager : public ConnectionManagerBase
{
    Q_OBJECT
    Q_PROPERTY(TaskMode currentTask READ currentTask WRITE setCurrentTask NOTIFY currentTaskChanged)
    Q_PROPERTY(int progressMax READ progressMax WRITE setProgressMax NOTIFY progressMaxChanged)
    Q_PROPERTY(int progressValue READ progressValue WRITE setProgressValue NOTIFY progressValueChanged)
    Q_PROPERTY(bool doSimulation READ doSimulation WRITE setDoSimulation NOTIFY doSimulationChanged)
    Q_PROPERTY(bool valuesModified READ valuesModified WRITE setValuesModified NOTIFY valuesModifiedChanged)

public:
    enum TaskMode {
        NothingToDo = 0,
        GetAllData = 1,
        IdTheDevice = 2,
        IdDeviceSetup = 3,
        WriteWithCheck = 4,
        WriteWithoutCheck = 5,
        Polling = 6,
        ReadData = 7,
        DebugMode = 8,
        LiveValues = 9
    };
    Q_ENUM(TaskMode)

    // Inclusive (first, last) register ranges.
    using Range = QPair<uint, uint>;
    enum class RangeKind { Container, Channel };
    using RangeProvider = std::function<QList<Range>(RangeKind)>;

    struct WriteRequest
    {
        uint start = 0;
        QList<quint16> words;
        int count = 0;
    };

    static constexpr uint kIdentificationRegister = 10;
    static constexpr quint16 kSupportedDeviceMark = 0xFFFF;
    static constexpr int kPollIntervalMs = 1000;
    static constexpr int kReadBackDelayMs = 100;
    static constexpr int kRetryDelayMs = 10;

    explicit NemtraConnectionManager(QObject *parent = nullptr);
    ~NemtraConnectionManager() override;

    TaskMode currentTask() const { return m_currentTask; }
    int progressMax() const { return m_progressMax; }
    int progressValue() const { return m_progressValue; }
    bool doSimulation() const { return m_doSimulation; }
    bool valuesModified() const { return m_valuesModified; }

    void setCurrentTask(TaskMode task);
    void setProgressMax(int progressMax);
    void setProgressValue(int progressValue);
    void setDoSimulation(bool doSimulation);
    void setValuesModified(bool valuesModified);

    // Where the register ranges come from; the property file unless a test replaces it.
    void setRangeProvider(RangeProvider provider);

    QList<WriteRequest> writeQueue() const { return m_writeQueue; }
    QList<ushort> singleReadQueue() const { return m_singleReadQueue; }
    const ModbusCallPair &getAllQueue() const { return m_getAllQueue; }
    const ModbusCallPair &liveQueue() const { return m_liveQueue; }
    const ModbusCallPair &deviceSetupQueue() const { return m_deviceSetupQueue; }
    QList<quint16> deviceSetupWords() const { return m_deviceSetupWords; }
    bool pollTimerActive() const;
    // Feeds sendMessage() and receivedMessage() from the link's traffic.
    NemtraTransferRecorder *transferRecorder() const { return m_recorder; }

public slots:
    void attemptToReadSingle(ushort regValue);
    void attemptToWriteSingle(uint start, ushort value);
    void attemptToWriteMulti(uint start, QList<quint16> data);
    void updateAllData();
    void onSaveCommand();
    void requestLiveData();

signals:
    void receivedMessage(QString message);
    void sendMessage(QString message);
    void allDataReceived();
    void allLiveDataReceived();
    void allDataWritten();
    void currentTaskChanged(NemtraConnectionManager::TaskMode currentTask);
    void progressMaxChanged(int progressMax);
    void progressValueChanged(int progressValue);
    void doSimulationChanged(bool doSimulation);
    void valuesModifiedChanged(bool valuesModified);

protected slots:
    void onDataReceived(uint start, QList<quint16> words) override;
    void onRegisterWritten(uint reg) override;
    void onReadRetry() override;

private slots:
    void onConnected();
    void createGetAllQueue();
    void createDeviceSetupQueue();
    void processGetAllQueue();
    void processDeviceSetupQueue();
    void processPollQueue();
    void initGetAllData();
    void initPollData();
    void readPollData();
    void onIdleEntered();

private:
    // Registers per request where the link allows larger answers.
    int wideChunk() const;
    void queueStep(const char *slot);
    void sendRead(const QList<uint> &pair);
    void sendSingleRead(uint reg);
    void startPollTimer();
    void continuePolling();
    void finishGetAll();
    void reportUnreadRegisters();
    void clearPending();
    QList<Range> ranges(RangeKind kind) const;
    void onGetAllReply(uint start);
    void onLiveReply();
    void onRefusedOutsideFullRead();
    void startLiveCycle();
    void enqueueWrite(uint start, const QList<quint16> &words);

    ModbusCallPair m_liveQueue;
    ModbusCallPair m_getAllQueue;
    ModbusCallPair m_deviceSetupQueue;
    QList<quint16> m_deviceSetupWords;
    QList<Range> m_rangeList;
    QList<WriteRequest> m_writeQueue;
    QList<ushort> m_singleReadQueue;
    QTimer *m_pollTimer = nullptr;
    NemtraTransferRecorder *m_recorder = nullptr;
    RangeProvider m_rangeProvider;
    TaskMode m_currentTask = NothingToDo;
    int m_progressMax = 100;
    int m_progressValue = -1;
    bool m_doSimulation = false;
    bool m_valuesModified = false;
    // The read last sent, to name it when the device refuses it.
    uint m_lastReadStart = 0;
    uint m_lastReadCount = 0;
    // Registers of the running full read that the device refused to deliver.
    int m_unreadRegisters = 0;
};
