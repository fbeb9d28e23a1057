#pragma once

#include "ModbusCallPair.h"

#include <QList>
#include <QObject>

// Reads a device into the register image: identification (the block count in registers 0/1),
// the full read of the general area and every data block, and the re-read of one block. Each
// answer is copied into the image; the next request leaves only after the previous answer.
class KivReadSequencer : public QObject
{
    Q_OBJECT

public:
    // Same values as KivBackend::serialOperation.
    enum Operation { NoOp = 0, Identify = 1, FullRead = 2, OneBlock = 3 };
    Q_ENUM(Operation)

    // The image is the back end's register image, not owned.
    explicit KivReadSequencer(QList<quint16> *image, QObject *parent = nullptr);

    Operation operation() const { return m_operation; }
    quint16 blockCount() const { return m_blockCount; }
    // A simulated device sets its count from the image instead of asking for it.
    void setBlockCount(quint16 count) { m_blockCount = count; }

    // The data-block area of the last full read; the live page polls it.
    const ModbusCallPair &blockPlan() const { return m_blockCalls; }
    // The requests of a full read of blockCount blocks in requests of at most chunk registers.
    static ModbusCallPair blockPlanFor(quint16 blockCount, uint chunk);
    static ModbusCallPair fullReadPlanFor(quint16 blockCount, uint chunk);

    void identify();
    // Returns the number of requests the read takes.
    int startFullRead(uint chunk);
    // Re-reads the first registers of the block at index; false when another read is running
    // (the caller retries later) or the plan is empty.
    bool startBlockRead(uint index, uint chunk);
    // Forgets any running read; late answers are ignored.
    void reset() { m_operation = NoOp; }

    // Copies data into image at start; values beyond the image's end are dropped.
    static void insert(QList<quint16> &image, uint start, const QList<quint16> &data);

public slots:
    void onAnswer(uint start, const QList<quint16> &data);

signals:
    void requestRead(uint start, uint count);
    void identified(quint16 blockCount);
    // Block count out of range or an implausible device name.
    void unsupportedDevice();
    void fullReadAnswered();
    void fullReadDone();
    void blockReadDone();

private:
    void request(const QList<uint> &pair);

    QList<quint16> *m_image = nullptr;
    Operation m_operation = NoOp;
    quint16 m_blockCount = 0;
    ModbusCallPair m_allCalls;
    ModbusCallPair m_blockCalls;
    ModbusCallPair m_oneBlockCalls;
};
