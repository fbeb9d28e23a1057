#include "Datagram.h"

Datagram::Datagram(uint startAdress, const QList<quint16> &values, quint32 flag)
    : m_kind(Kind::Read)
    , m_startAdress(startAdress)
    , m_count(uint(values.size()))
    , m_values(values)
    , m_flag(flag)
{
}

Datagram Datagram::readRequest(uint startAdress, uint count, int requestType)
{
    Datagram d;
    d.m_kind = Kind::Read;
    d.m_startAdress = startAdress;
    d.m_count = count;
    d.m_requestType = requestType;
    return d;
}

Datagram Datagram::writeRequest(uint startAdress, const QList<quint16> &values, int requestType)
{
    Datagram d;
    d.m_kind = Kind::Write;
    d.m_startAdress = startAdress;
    d.m_count = uint(values.size());
    d.m_values = values;
    d.m_requestType = requestType;
    return d;
}

Datagram Datagram::rawRequest(const QByteArray &bytes)
{
    Datagram d;
    d.m_kind = Kind::Raw;
    d.m_raw = bytes;
    return d;
}

uint Datagram::count() const
{
    return m_kind == Kind::Read ? m_count : uint(m_values.size());
}

bool Datagram::operator==(const Datagram &other) const
{
    return m_kind == other.m_kind && m_startAdress == other.m_startAdress && m_count == other.m_count &&
        m_values == other.m_values && m_raw == other.m_raw && m_requestType == other.m_requestType &&
        m_flag == other.m_flag;
}
