#pragma once

#include <QByteArray>
#include <QList>

// Splits a raw byte stream into Modbus RTU request frames. Known function codes are cut by
// their expected length so back-to-back frames need no silence; unknown ones and garbage are
// resolved when the line falls silent (flush). A configurable raw marker (the bootloader entry
// text) is recognised anywhere in the stream.
class RtuFrameParser
{
public:
    struct Event
    {
        enum Kind { Frame, Marker };
        Kind kind = Frame;
        quint8 slaveId = 0;
        quint8 function = 0;
        QByteArray pdu; // function code and data, without address and CRC
        QByteArray raw; // the complete frame as received
    };

    static constexpr int kMaxFrameSize = 256;

    void setMarker(const QByteArray &marker);
    QList<Event> feed(const QByteArray &bytes);
    // Called after an inter-frame silence: whatever is left is resolved or discarded.
    QList<Event> flush();

    int pendingBytes() const;
    int discardedBytes() const;
    int crcErrors() const;

private:
    enum class Candidate { Incomplete, Complete, UnknownLength };
    Candidate candidateAt0(int *length) const;
    void takeFrame(int length, QList<Event> *events);
    bool takeMarker(QList<Event> *events);
    void scan(QList<Event> *events);
    void dropFront(int count);

    QByteArray m_buffer;
    QByteArray m_marker;
    int m_discarded = 0;
    int m_crcErrors = 0;
};
