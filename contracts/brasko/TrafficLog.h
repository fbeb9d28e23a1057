#pragma once

#include "BraskoGlobal.h"

#include <QList>
#include <QMutex>
#include <QString>

#include <atomic>
#include <vector>

// One request on the link and how it ended: what was asked (function, register range, the
// values written) and what came back (the values read, or the error text).
struct BRASKO_EXPORT TrafficRecord
{
    enum Function { Raw = 0, ReadHolding = 3, WriteSingle = 6, WriteMultiple = 16 };

    quint64 sequence = 0; // numbered from 1 in the order recorded
    qint64 sentMsecs = 0; // wall clock, ms since the epoch
    qint64 roundTripUs = 0;
    Function function = Raw;
    uint start = 0;
    uint count = 0;
    QList<quint16> values;
    QString error; // empty when the request succeeded

    bool failed() const { return !error.isEmpty(); }
};

// A bounded record of the link's traffic, written by the link's thread and read by any other.
// Writing costs one short lock and no signal, so a reader polls (changeCount() is cheap and
// lock-free); the oldest records give way when the buffer is full.
class BRASKO_EXPORT TrafficLog
{
public:
    static constexpr int kDefaultCapacity = 2000;

    explicit TrafficLog(int capacity = kDefaultCapacity);

    int capacity() const { return int(m_ring.size()); }
    // Records ever taken, also those that gave way since.
    quint64 recorded() const { return m_recorded.load(std::memory_order_acquire); }
    // Moves on with every record and every clear().
    quint64 changeCount() const { return m_changes.load(std::memory_order_acquire); }

    void record(TrafficRecord entry);
    void clear();
    // The records still held, oldest first; with after > 0 only those numbered above it.
    QList<TrafficRecord> records(quint64 after = 0) const;

private:
    mutable QMutex m_mutex;
    std::vector<TrafficRecord> m_ring;
    // Next slot to write, and how many slots hold a record.
    size_t m_next = 0;
    size_t m_held = 0;
    std::atomic<quint64> m_recorded{0};
    std::atomic<quint64> m_changes{0};
};
