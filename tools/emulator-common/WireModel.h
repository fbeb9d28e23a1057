#pragma once

#include <QtGlobal>

// Time a serial line at a given baud rate needs: 11 bits a byte (start, 8 data, parity or a
// second stop bit, stop) and the frame silence a device keeps before it takes a frame as
// ended. Over a pty there is no wire time; the emulator holds its answers by these figures
// so that link timings can be set against a real RS485 line.
class WireModel
{
public:
    static constexpr int kBitsPerByte = 11;
    // Above this rate the frame silence is fixed rather than 3.5 characters.
    static constexpr int kFixedSilenceAboveBaud = 19200;
    static constexpr qint64 kFixedSilenceNs = 1750000;

    explicit WireModel(int baud = 0);

    bool isEnabled() const { return m_baud > 0; }
    int baud() const { return m_baud; }

    qint64 bytesNs(qint64 bytes) const;
    qint64 frameSilenceNs() const;
    // From the moment a request has been handed to the line until its answer has fully
    // arrived: request bytes, the device's frame silence, answer bytes.
    qint64 answerDelayNs(qint64 requestBytes, qint64 answerBytes) const;
    // The least time one request/answer exchange occupies the line, both frame silences
    // included: the floor for a client that sends one request after another.
    qint64 exchangeNs(qint64 requestBytes, qint64 answerBytes) const;

private:
    int m_baud = 0;
};
