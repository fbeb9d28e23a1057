#pragma once

#include "BootLoaderProperty.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <functional>

class QTimer;

// Writes a firmware image into a KIV device through its bootloader, over the back end's serial
// link. Owned by KivBackend, which connects it to the link. Every step after a request waits
// for the link's confirmation (wasWritten) or answer (modbusResponse); delays are single-shot
// timers on this object.
class BootLoader : public BootLoaderProperty
{
    Q_OBJECT

public:
    // Bootloader key, written with every command and read back as the presence words.
    static constexpr quint16 kKey1 = 8603;
    static constexpr quint16 kKey2 = 8519;
    static constexpr int kPageBytes = 2048;
    static constexpr int kFastBlockWords = 50;
    static constexpr int kSlowBlockWords = 5;
    // Start attempts beyond the first before the upload gives up.
    static constexpr int kMaxAttempts = 15;

    // Delays of the upload in ms. The defaults suit the devices; tests shorten them.
    struct Timing
    {
        int entryWaitMs = 3000; // entry text -> presence check (device reboots)
        int startCommandDelayMs = 250; // info block read -> start command
        int firstBlockDelayMs = 1500; // start command confirmed -> first data block
        int nextPageDelayMs = 100; // page commit confirmed -> next data block
        int finishDelayMs = 3000; // last commit confirmed -> finish command
        int addOnDelayMs = 2000; // main board finished -> add-on upload
        // Longest wait for the link's answer to one request; 0 derives it from the link's
        // stored time-out and retries.
        int answerTimeoutMs = 0;
    };

    explicit BootLoader(QObject *parent = nullptr);

    // Set when the bootloader talks through the cable link: 50-register blocks instead of 5.
    void setFast(bool fast);
    bool fast() const;

    void setTiming(const Timing &timing);
    Timing timing() const;

    Q_INVOKABLE void uploadLastFile();
    Q_INVOKABLE void updateGpAndAp();
    Q_INVOKABLE void updateAP();
    Q_INVOKABLE void loadFile(QString filePath);

signals:
    void writeRegs(uint Start, QList<quint16> data);
    void writeRawString(QByteArray);
    void readMultiReg(uint Start, uint RegCount);
    void bootLoaderFinished();
    void bootLoaderStarted();
    void updatingGp();
    void updatingAP();
    // The bootloader did not identify itself after every start attempt.
    void errorCouldNotStartBL();
    // The image file is missing, unreadable, empty or too large.
    void errorFileUnavailable();
    // The link stopped confirming the transfer after the bootloader had started; the device
    // holds an incomplete image and stays in its bootloader.
    void errorUploadInterrupted();

public slots:
    void wasWritten();
    void checkBootLoaderActive();
    void modbusResponse(uint address, QList<quint16> data);

private slots:
    void bytesPerSecond();

private:
    void startAttempt();
    void sendStartCommand();
    void writeNextBlock();
    void commitPage();
    void sendFinishCommand();
    void sendRead(uint start, uint count);
    void sendWrite(uint start, const QList<quint16> &values);
    QList<quint16> commandBlock(quint16 pageCount, quint16 pageIndex, quint16 command) const;
    bool takeAnswer();
    void onAnswerTimeout();
    void after(int ms, std::function<void()> step);
    void endUpload();
    void storeRate();
    int answerTimeoutMs() const;

    QByteArray m_image;
    quint16 m_pageCount = 0;
    quint16 m_pageIndex = 0;
    int m_pageOffset = 0;
    state m_state = startBL;
    int m_blockWords = kSlowBlockWords;
    int m_blockIndex = 0;
    // Monotonic, so an upload across midnight still measures its rate.
    QElapsedTimer m_startTime;
    bool m_restartTimer = true;
    bool m_readSecondHalf = false;
    int m_attempts = 0;
    bool m_fast = false;
    QString m_filePath;
    bool m_addOnNext = false;
    int m_lastRate = 0;

    // An upload runs from an accepted file to its end or failure; a second one must wait.
    bool m_busy = false;
    // Requests sent and not yet answered; answers beyond them are strays and ignored.
    int m_outstanding = 0;
    Timing m_timing;
    QTimer *m_stepTimer = nullptr;
    std::function<void()> m_step;
    QTimer *m_answerGuard = nullptr;
};
