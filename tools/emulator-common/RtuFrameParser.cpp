#include "RtuFrameParser.h"

#include "ModbusCrc.h"

namespace {
constexpr quint8 kReadCoils = 1;
constexpr quint8 kReadDiscreteInputs = 2;
constexpr quint8 kReadHolding = 3;
constexpr quint8 kReadInput = 4;
constexpr quint8 kWriteCoil = 5;
constexpr quint8 kWriteSingle = 6;
constexpr quint8 kWriteCoils = 15;
constexpr quint8 kWriteMultiple = 16;
constexpr int kFixedRequestSize = 8; // id, fc, 2 x 16-bit field, crc
constexpr int kMultipleHeaderSize = 7; // id, fc, start, count, byte count
constexpr int kMultipleOverhead = 9; // header plus crc
} // namespace

void RtuFrameParser::setMarker(const QByteArray &marker)
{
    m_marker = marker;
}

QList<RtuFrameParser::Event> RtuFrameParser::feed(const QByteArray &bytes)
{
    QList<Event> events;
    m_buffer.append(bytes);
    // The text may come more than once in one read; a copy left in front would stall the scan
    // and be shed with the frames behind it.
    while (takeMarker(&events)) { }
    scan(&events);
    // Nothing legitimate is longer than an RTU frame (or the marker); shed the excess.
    const int limit = qMax(kMaxFrameSize, int(m_marker.size()));
    if (m_buffer.size() > limit)
        dropFront(m_buffer.size() - limit);
    return events;
}

QList<RtuFrameParser::Event> RtuFrameParser::flush()
{
    QList<Event> events;
    while (takeMarker(&events)) { }
    while (!m_buffer.isEmpty()) {
        int length = 0;
        const Candidate c = candidateAt0(&length);
        if (c == Candidate::Complete && ModbusCrc::isValid(m_buffer.left(length))) {
            takeFrame(length, &events);
            continue;
        }
        if (c != Candidate::Complete && m_buffer.size() >= 4 && ModbusCrc::isValid(m_buffer)) {
            // An unknown function code (or a short frame) framed by silence alone.
            takeFrame(m_buffer.size(), &events);
            continue;
        }
        if (c == Candidate::Complete)
            ++m_crcErrors;
        dropFront(1);
        scan(&events);
    }
    return events;
}

int RtuFrameParser::pendingBytes() const
{
    return int(m_buffer.size());
}

int RtuFrameParser::discardedBytes() const
{
    return m_discarded;
}

int RtuFrameParser::crcErrors() const
{
    return m_crcErrors;
}

RtuFrameParser::Candidate RtuFrameParser::candidateAt0(int *length) const
{
    if (m_buffer.size() < 2)
        return Candidate::Incomplete;
    switch (quint8(m_buffer.at(1))) {
    case kReadCoils:
    case kReadDiscreteInputs:
    case kReadHolding:
    case kReadInput:
    case kWriteCoil:
    case kWriteSingle:
        *length = kFixedRequestSize;
        break;
    case kWriteCoils:
    case kWriteMultiple:
        if (m_buffer.size() < kMultipleHeaderSize)
            return Candidate::Incomplete;
        *length = kMultipleOverhead + quint8(m_buffer.at(6));
        break;
    default:
        return Candidate::UnknownLength;
    }
    return m_buffer.size() >= *length ? Candidate::Complete : Candidate::Incomplete;
}

void RtuFrameParser::takeFrame(int length, QList<Event> *events)
{
    Event e;
    e.kind = Event::Frame;
    e.raw = m_buffer.left(length);
    e.slaveId = quint8(e.raw.at(0));
    e.function = quint8(e.raw.at(1));
    e.pdu = e.raw.mid(1, length - 3);
    m_buffer.remove(0, length);
    events->append(e);
}

bool RtuFrameParser::takeMarker(QList<Event> *events)
{
    if (m_marker.isEmpty())
        return false;
    const qsizetype at = m_buffer.indexOf(m_marker);
    if (at < 0)
        return false;
    // Complete frames before the marker still count; the rest before it is noise.
    QByteArray after = m_buffer.mid(at + m_marker.size());
    m_buffer.truncate(at);
    scan(events);
    m_discarded += int(m_buffer.size());
    m_buffer = after;
    Event e;
    e.kind = Event::Marker;
    e.raw = m_marker;
    events->append(e);
    return true;
}

void RtuFrameParser::scan(QList<Event> *events)
{
    for (;;) {
        int length = 0;
        const Candidate c = candidateAt0(&length);
        if (c != Candidate::Complete)
            return;
        if (ModbusCrc::isValid(m_buffer.left(length))) {
            takeFrame(length, events);
        } else {
            // Slide by one byte: a valid frame may start inside the garbage.
            ++m_crcErrors;
            dropFront(1);
        }
    }
}

void RtuFrameParser::dropFront(int count)
{
    m_discarded += count;
    m_buffer.remove(0, count);
}
