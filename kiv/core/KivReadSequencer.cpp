#include "KivReadSequencer.h"

#include "Functions.h"
#include "KivRegisterMap.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcKivReads, "kiv.reads")

using namespace KivRegisterMap;

KivReadSequencer::KivReadSequencer(QList<quint16> *image, QObject *parent)
    : QObject(parent)
    , m_image(image)
{
}

ModbusCallPair KivReadSequencer::blockPlanFor(quint16 blockCount, uint chunk)
{
    return ModbusCallPair(blockCount, chunk, kBlockRegisters, kFirstBlock, kBlockStride);
}

ModbusCallPair KivReadSequencer::fullReadPlanFor(quint16 blockCount, uint chunk)
{
    ModbusCallPair plan(0, kGeneralAreaEnd, chunk);
    plan.append(blockPlanFor(blockCount, chunk));
    return plan;
}

void KivReadSequencer::request(const QList<uint> &pair)
{
    emit requestRead(pair.first(), pair.last());
}

void KivReadSequencer::identify()
{
    m_operation = Identify;
    emit requestRead(kBlockCount, 2);
}

int KivReadSequencer::startFullRead(uint chunk)
{
    m_blockCalls = blockPlanFor(m_blockCount, chunk);
    m_allCalls = fullReadPlanFor(m_blockCount, chunk);
    m_operation = FullRead;
    request(m_allCalls.getPair());
    return m_allCalls.size();
}

bool KivReadSequencer::startBlockRead(uint index, uint chunk)
{
    if (m_operation != NoOp)
        return false;
    m_oneBlockCalls = ModbusCallPair(index, index + kBlockUpdateRegisters, chunk);
    const QList<uint> pair = m_oneBlockCalls.getPair();
    if (pair.isEmpty())
        return false;
    m_operation = OneBlock;
    request(pair);
    return true;
}

void KivReadSequencer::insert(QList<quint16> &image, uint start, const QList<quint16> &data)
{
    const qsizetype size = image.size();
    for (qsizetype i = 0; i < data.size() && qsizetype(start) + i < size; ++i)
        image[qsizetype(start) + i] = data.at(i);
}

void KivReadSequencer::onAnswer(uint start, const QList<quint16> &data)
{
    switch (m_operation) {
    case Identify:
        m_operation = NoOp;
        // Registers 0 and 1 form one 32-bit value; only its low 16 bits count.
        m_blockCount = quint16(Functions::toUInt32(data, 0) & 0xFFFF);
        if (m_blockCount >= 1 && m_blockCount <= kMaxBlocks) {
            emit identified(m_blockCount);
        } else {
            qCInfo(lcKivReads) << "unsupported block count" << m_blockCount;
            emit unsupportedDevice();
        }
        break;
    case FullRead: {
        insert(*m_image, start, data);
        emit fullReadAnswered();
        const QList<uint> next = m_allCalls.getNextPair();
        if (!next.isEmpty()) {
            request(next);
            break;
        }
        m_operation = NoOp;
        if (isPlausibleDeviceName(*m_image)) {
            emit fullReadDone();
        } else {
            qCInfo(lcKivReads) << "implausible device name";
            emit unsupportedDevice();
        }
        break;
    }
    case OneBlock: {
        insert(*m_image, start, data);
        const QList<uint> next = m_oneBlockCalls.getNextPair();
        if (!next.isEmpty()) {
            request(next);
            break;
        }
        m_operation = NoOp;
        emit blockReadDone();
        break;
    }
    case NoOp:
        break;
    }
}
