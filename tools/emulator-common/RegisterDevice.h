#pragma once

#include <QList>
#include <QObject>

// What an emulated device offers the Modbus side: reads and writes of holding registers,
// answered with a Modbus exception code. Framing, faults and the wire live elsewhere.
class RegisterDevice : public QObject
{
    Q_OBJECT
public:
    // Modbus exception codes as the device answers them; 0 means success.
    // NoAnswer is no Modbus code: the request stays unanswered.
    enum Exception : quint8 {
        NoException = 0,
        IllegalFunction = 1,
        IllegalAddress = 2,
        IllegalValue = 3,
        NoAnswer = 0xFF
    };

    using QObject::QObject;

    virtual Exception read(int start, int count, QList<quint16> *values) const = 0;
    virtual Exception write(int start, const QList<quint16> &values) = 0;
    // The stream carried the device's raw marker text (if the server was given one).
    virtual void markerReceived() { }

signals:
    // The device reboots and stays silent for the given time.
    void restarting(int silenceMs);
};
