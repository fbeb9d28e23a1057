#include "NemtraTransferRecorder.h"

#include "ConnectionManagerBase.h"
#include "TrafficLog.h"

#include <QStringList>
#include <QTimer>

NemtraTransferRecorder::NemtraTransferRecorder(ConnectionManagerBase *link, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_log(std::make_shared<TrafficLog>(kCapacity))
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(kCollectIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &NemtraTransferRecorder::collect);
    if (m_link) {
        m_link->setTrafficLog(m_log);
        connect(m_link, &ConnectionManagerBase::isConnecting, this, &NemtraTransferRecorder::updateTimer);
        connect(m_link, &ConnectionManagerBase::connectedChanged, this, &NemtraTransferRecorder::updateTimer);
    }
}

NemtraTransferRecorder::~NemtraTransferRecorder() = default;

void NemtraTransferRecorder::updateTimer()
{
    // The failure that closed a link is recorded before the link reports itself closed.
    collect();
    if (m_link && (m_link->connecting() || m_link->connected()))
        m_timer->start();
    else
        m_timer->stop();
}

void NemtraTransferRecorder::collect()
{
    const quint64 change = m_log->changeCount();
    if (change == m_lastChange)
        return;
    m_lastChange = change;
    const QList<TrafficRecord> fresh = m_log->records(m_lastSequence);
    if (fresh.isEmpty())
        return;
    m_lastSequence = fresh.last().sequence;
    for (const TrafficRecord &record : fresh) {
        emit requestRecorded(requestText(record));
        emit answerRecorded(answerText(record));
    }
}

QString NemtraTransferRecorder::requestText(const TrafficRecord &record)
{
    switch (record.function) {
    case TrafficRecord::ReadHolding:
        return QStringLiteral("READ %1 (%2)").arg(hexText(record.start)).arg(record.count);
    case TrafficRecord::WriteSingle:
        return QStringLiteral("WRITE %1 = %2").arg(hexText(record.start), wordsText(record.values));
    case TrafficRecord::WriteMultiple:
        return QStringLiteral("WRITE %1 (%2) = %3")
            .arg(hexText(record.start))
            .arg(record.count)
            .arg(wordsText(record.values));
    case TrafficRecord::Raw:
        break;
    }
    return QStringLiteral("RAW (%1 BYTES)").arg(record.count);
}

QString NemtraTransferRecorder::answerText(const TrafficRecord &record)
{
    const QString where = record.function == TrafficRecord::Raw ? QStringLiteral("RAW") : hexText(record.start);
    if (record.failed())
        return tr("%1: Fehler: %2").arg(where, record.error);
    if (record.function == TrafficRecord::ReadHolding)
        return QStringLiteral("%1: %2").arg(where, wordsText(record.values));
    return QStringLiteral("%1: OK").arg(where);
}

QString NemtraTransferRecorder::hexText(uint value)
{
    return QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

QString NemtraTransferRecorder::wordsText(const QList<quint16> &values)
{
    QStringList texts;
    texts.reserve(values.size());
    for (quint16 value : values)
        texts.append(hexText(value));
    return texts.join(QLatin1Char(' '));
}
