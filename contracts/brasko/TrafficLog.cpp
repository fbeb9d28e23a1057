#include "TrafficLog.h"

#include <QMutexLocker>

#include <algorithm>
#include <utility>

TrafficLog::TrafficLog(int capacity)
    : m_ring(size_t(std::max(capacity, 1)))
{
}

void TrafficLog::record(TrafficRecord entry)
{
    QMutexLocker lock(&m_mutex);
    entry.sequence = m_recorded.load(std::memory_order_relaxed) + 1;
    m_ring[m_next] = std::move(entry);
    m_next = (m_next + 1) % m_ring.size();
    m_held = std::min(m_held + 1, m_ring.size());
    m_recorded.fetch_add(1, std::memory_order_release);
    m_changes.fetch_add(1, std::memory_order_release);
}

void TrafficLog::clear()
{
    QMutexLocker lock(&m_mutex);
    // Values may be long; give their memory back rather than keep it in stale slots.
    for (TrafficRecord &slot : m_ring)
        slot = TrafficRecord();
    m_next = 0;
    m_held = 0;
    m_changes.fetch_add(1, std::memory_order_release);
}

QList<TrafficRecord> TrafficLog::records(quint64 after) const
{
    QMutexLocker lock(&m_mutex);
    QList<TrafficRecord> out;
    out.reserve(qsizetype(m_held));
    const size_t size = m_ring.size();
    const size_t first = (m_next + size - m_held) % size;
    for (size_t i = 0; i < m_held; ++i) {
        const TrafficRecord &entry = m_ring[(first + i) % size];
        if (entry.sequence > after)
            out.append(entry);
    }
    return out;
}
