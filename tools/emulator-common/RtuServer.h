#pragma once

#include "FaultInjection.h"
#include "RtuFrameParser.h"
#include "WireModel.h"

#include <QElapsedTimer>
#include <QObject>

class ModbusSlave;
class RegisterDevice;
class QIODevice;
class QTimer;

// Modbus RTU slave on a byte stream (normally a QSerialPort): frames requests, honours the
// slave id, answers through the device, applies injected faults and watches the raw stream
// for the device's marker text (if it has one).
class RtuServer : public QObject
{
    Q_OBJECT
public:
    static constexpr quint8 kBroadcastId = 0;
    static constexpr int kIdleMs = 10;

    RtuServer(RegisterDevice *device, quint8 slaveId, QObject *parent = nullptr);
    ~RtuServer() override;

    void setFault(const FaultInjection &fault);
    // Raw text recognised anywhere in the stream; the device is told when it arrives.
    void setMarker(const QByteArray &marker);
    // Holds every answer until it would have crossed a real line (off by default).
    void setWireModel(const WireModel &wire);
    // The stream is not owned; it must outlive the server or be detached first.
    void attach(QIODevice *stream);

signals:
    void requestHandled(quint8 function);

private:
    void onReadyRead();
    void onIdle();
    void process(const QList<RtuFrameParser::Event> &events);
    void handleFrame(const RtuFrameParser::Event &frame);
    void send(const QByteArray &frame);
    void sendOverWire(const QByteArray &frame, qint64 requestAtNs, qint64 requestBytes);
    void onWireDue();
    void beSilent(int ms);

    RegisterDevice *m_device = nullptr;
    ModbusSlave *m_slave = nullptr;
    quint8 m_slaveId = 1;
    QIODevice *m_stream = nullptr;
    RtuFrameParser m_parser;
    FaultInjection m_fault;
    QTimer *m_idleTimer = nullptr;
    QElapsedTimer m_silence;
    int m_silenceMs = 0;
    int m_pendingSilenceMs = 0;

    struct HeldAnswer
    {
        qint64 dueNs = 0;
        QByteArray frame;
    };
    WireModel m_wire;
    QElapsedTimer m_clock;
    QTimer *m_wireTimer = nullptr;
    QList<HeldAnswer> m_held;
    qint64 m_rxAtNs = 0;
    qint64 m_lineFreeAtNs = 0;
};
