#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

// The software side of a pty cable speaking raw bytes, so a test sees exactly what an
// emulator sends back (frames, CRC, silence).
class RtuTestLine
{
public:
    static constexpr int kAnswerTimeoutMs = 3000;
    static constexpr int kSilenceWindowMs = 400;

    bool open(const QString &path);
    // Sends the request and collects until `expected` bytes arrived or the time is up.
    QByteArray transact(const QByteArray &request, int expected, int timeoutMs = kAnswerTimeoutMs);
    // Sends and reports whether nothing at all came back within the window.
    bool staysSilent(const QByteArray &request);

private:
    QSerialPort m_port;
};
