#include "ModbusCallPair.h"

#include "MirrelLogging.h"

ModbusCallPair::ModbusCallPair(uint start, uint end, uint chunk)
    : m_requests(cut(start, end, chunk))
{
}

ModbusCallPair::ModbusCallPair(uint blockCount, uint chunk, uint blockSize, uint firstStart, uint stride)
{
    for (uint i = 0; i < blockCount; ++i) {
        const quint64 start = quint64(firstStart) + quint64(stride) * i;
        if (start >= kRegisterSpace)
            break;
        m_requests += cut(uint(start), start + blockSize, chunk);
    }
}

QList<ModbusCallPair::Request> ModbusCallPair::cut(uint start, quint64 end, uint chunk)
{
    QList<Request> result;
    if (chunk == 0) {
        // A zero chunk would never advance; an empty plan is the safe answer.
        qCWarning(lcMirrel) << "ModbusCallPair: chunk size 0 for range" << start << end;
        return result;
    }
    end = qMin(end, kRegisterSpace);
    for (quint64 s = start; s < end; s += chunk)
        result.append({uint(s), uint(qMin<quint64>(chunk, end - s))});
    return result;
}

QList<uint> ModbusCallPair::getPair() const
{
    if (m_position < 0 || m_position >= m_requests.size())
        return {};
    const Request &r = m_requests.at(m_position);
    return {r.start, r.count};
}

QList<uint> ModbusCallPair::getNextPair()
{
    if (m_position < m_requests.size())
        ++m_position;
    return getPair();
}

bool ModbusCallPair::hasNextPair() const
{
    return m_position + 1 < m_requests.size();
}

int ModbusCallPair::size() const
{
    return m_requests.size();
}

bool ModbusCallPair::isEmpty() const
{
    return m_requests.isEmpty();
}

int ModbusCallPair::position() const
{
    return m_position;
}

bool ModbusCallPair::split()
{
    if (m_position >= m_requests.size())
        return false;
    const Request current = m_requests.at(m_position);
    if (current.count <= 1) {
        qCWarning(lcMirrel) << "ModbusCallPair: dropping unreadable register" << current.start;
        m_requests.removeAt(m_position);
    } else {
        const uint first = current.count / 2;
        m_requests[m_position] = {current.start, first};
        m_requests.insert(m_position + 1, {current.start + first, current.count - first});
    }
    return m_position < m_requests.size();
}

void ModbusCallPair::append(const ModbusCallPair &other)
{
    m_requests += other.m_requests;
}

void ModbusCallPair::append(uint start, uint end, uint chunk)
{
    m_requests += cut(start, end, chunk);
}

bool ModbusCallPair::appendUnique(uint start, uint end, uint chunk)
{
    bool added = false;
    for (const Request &r : cut(start, end, chunk)) {
        if (!m_requests.contains(r)) {
            m_requests.append(r);
            added = true;
        }
    }
    return added;
}

void ModbusCallPair::reset()
{
    m_position = 0;
}

void ModbusCallPair::clear()
{
    m_requests.clear();
    m_position = 0;
}

bool ModbusCallPair::operator==(const ModbusCallPair &other) const
{
    return m_requests == other.m_requests;
}
