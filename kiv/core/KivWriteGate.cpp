#include "KivWriteGate.h"

#include "Functions.h"
#include "KivBackendProperty.h"
#include "KivSaveAndLoad.h"

#include <QLoggingCategory>
#include <QTimer>

#include <utility>

Q_LOGGING_CATEGORY(lcKivWriteGate, "kiv.writegate")

namespace {
// Request sizes: the cable link carries 50 registers per write, the radio link (connection
// mode 1) only 3; a write of at least half the read limit is sliced.
constexpr int kCableWriteSlice = 50;
constexpr int kRadioWriteSlice = 3;
constexpr int kCableWriteLimit = 100;
constexpr int kRadioWriteLimit = 7;
} // namespace

KivWriteGate::KivWriteGate(KivBackendProperty *state, QList<quint16> *image, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_image(image)
{
    m_queueTimer = new QTimer(this);
    m_queueTimer->setSingleShot(true);
    connect(m_queueTimer, &QTimer::timeout, this, &KivWriteGate::onQueueTimer);
}

bool KivWriteGate::isOpen(bool connected, bool updateOngoing, bool doPoll)
{
    return connected && updateOngoing && !doPoll;
}

bool KivWriteGate::isOpen() const
{
    return isOpen(m_state->connected(), m_state->updateOngoing(), m_state->doPoll());
}

bool KivWriteGate::acceptsWrites() const
{
    return queuing() || isOpen();
}

bool KivWriteGate::queuing() const
{
    return m_capturing || m_state->isLoadingFromDisc();
}

void KivWriteGate::restartQueueTimer()
{
    m_queueTimer->start(m_capturing ? kCaptureQuietMs : kQueueStartMs);
}

void KivWriteGate::onQueueTimer()
{
    if (m_capturing)
        emit captureSettled();
    else
        flush();
}

void KivWriteGate::beginCapture()
{
    m_capturing = true;
    restartQueueTimer();
}

QList<KivWriteGate::Write> KivWriteGate::queuedWrites() const
{
    QList<Write> writes;
    for (const auto &single : m_singles)
        writes.append({single.first, {single.second}});
    writes.append(m_multis);
    return writes;
}

void KivWriteGate::retainWrites(const std::function<bool(const Write &)> &keep)
{
    m_singles.removeIf([&keep](const QPair<uint, quint16> &single) { return !keep({single.first, {single.second}}); });
    m_multis.removeIf([&keep](const Write &write) { return !keep(write); });
}

void KivWriteGate::endCapture(bool send)
{
    m_capturing = false;
    m_queueTimer->stop();
    if (send)
        startQueue();
    else
        clear();
}

QList<KivWriteGate::Write> KivWriteGate::slices(uint start, const QList<quint16> &values, bool radioLink)
{
    const int limit = radioLink ? kRadioWriteLimit : kCableWriteLimit;
    const int slice = radioLink ? kRadioWriteSlice : kCableWriteSlice;
    const qsizetype count = values.size();
    if (2 * count < limit)
        return {{start, values}};
    QList<Write> pieces;
    for (qsizetype i = 0; i < count; i += slice)
        pieces.append({start + uint(i), values.mid(i, slice)});
    return pieces;
}

void KivWriteGate::startQueue()
{
    m_queueTimer->start(kQueueStartMs);
}

void KivWriteGate::clear()
{
    m_capturing = false;
    m_queueTimer->stop();
    m_singles.clear();
    m_multis.clear();
    m_held.clear();
}

void KivWriteGate::applyHeldToImage()
{
    for (const Held &held : std::as_const(m_held))
        storeInImage(held.write.first, held.write.second);
}

void KivWriteGate::releaseHeld()
{
    const QList<Held> held = std::exchange(m_held, {});
    for (const Held &write : held) {
        if (write.single)
            singleWrite(write.write.first, write.write.second.constFirst());
        else
            multiWrite(write.write.first, write.write.second);
    }
}

void KivWriteGate::storeInImage(uint start, const QList<quint16> &values)
{
    if (qsizetype(start) + values.size() > m_image->size())
        return;
    for (qsizetype i = 0; i < values.size(); ++i)
        (*m_image)[qsizetype(start) + i] = values.at(i);
}

void KivWriteGate::singleWrite(uint reg, quint16 value)
{
    if (queuing()) {
        restartQueueTimer();
        storeInImage(reg, {value});
        m_singles.append({reg, value});
        updatePendingMaximum();
        return;
    }
    // Held even when the gate opens for a reopened port: that device is not known yet.
    if (m_holding) {
        storeInImage(reg, {value});
        m_held.append({true, {reg, {value}}});
        return;
    }
    if (!isOpen()) {
        qCDebug(lcKivWriteGate) << "write dropped" << reg << value;
        return;
    }
    storeInImage(reg, {value});
    emit writeSingleRegister(reg, value);
}

void KivWriteGate::multiWrite(uint start, const QList<quint16> &values)
{
    if (values.isEmpty())
        return;
    const bool queue = queuing();
    if (!queue && m_holding) {
        storeInImage(start, values);
        m_held.append({false, {start, values}});
        return;
    }
    if (!queue && !isOpen()) {
        qCDebug(lcKivWriteGate) << "write dropped" << start << values.size();
        return;
    }
    if (queue)
        restartQueueTimer();
    storeInImage(start, values);
    const QList<Write> pieces = slices(start, values, m_state->verbindungsMode() != 0);
    if (queue) {
        m_multis.append(pieces);
        updatePendingMaximum();
        return;
    }
    for (const Write &piece : pieces)
        emit writeMultiRegister(piece.first, piece.second);
}

void KivWriteGate::halfWrite(uint reg, uchar value, int which)
{
    if (qsizetype(reg) >= m_image->size())
        return;
    const auto byte = which == Functions::LowByte ? Functions::LowByte : Functions::HighByte;
    singleWrite(reg, Functions::replaceByte(m_image->at(reg), value, byte));
}

void KivWriteGate::updatePendingMaximum()
{
    m_state->setMaximum(KivSaveAndLoad::progressMaximumFor(pendingWrites()));
}

void KivWriteGate::flush()
{
    m_queueTimer->stop();
    m_state->setIsLoadingFromDisc(false);
    if (!m_singles.isEmpty()) {
        const auto write = m_singles.takeFirst();
        singleWrite(write.first, write.second);
    } else if (!m_multis.isEmpty()) {
        // Already sliced when queued; sent as it is.
        const Write write = m_multis.takeFirst();
        if (isOpen())
            emit writeMultiRegister(write.first, write.second);
    }
    emit queuedWriteSent();
    if (pendingWrites() == 0) {
        emit queueDrained();
        return;
    }
    m_queueTimer->start(kQueueStepMs);
}
