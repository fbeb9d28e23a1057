#pragma once

#include "BraskoGlobal.h"
#include "Datagram.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class QModbusReply;
class QModbusRtuSerialClient;
class QSerialPort;
class QTimer;
class TrafficLog;

// Modbus RTU client on one serial port with a request queue. Framing, CRC, the protocol's
// silence, time-outs and retries are QtSerialBus's; this class adds the queue (one request on
// the wire at a time), a guard against replies that never finish, raw byte writes and error
// texts a technician can act on. Lives in the thread of its owner; create it there.
class BRASKO_EXPORT ModbusClientSerial : public QObject
{
    Q_OBJECT

public:
    // Transport failures keep QModbusDevice's numbering; device exception answers are
    // ExceptionBase + the Modbus exception code.
    enum ModbusClientErrors {
        NoError = 0,
        ReadError = 1,
        WriteError = 2,
        ConnectionError = 3,
        ConfigurationError = 4,
        TimeoutError = 5,
        ProtocolError = 6,
        ReplyAbortedError = 7,
        UnknownError = 8,
        InvalidResponseError = 9,
        NotConnectedError = 10,
        InvalidRequestError = 11,
        ExceptionBase = 0x100,
        IllegalFunction = 0x101,
        IllegalDataAddress = 0x102,
        IllegalDataValue = 0x103,
        ServerDeviceFailure = 0x104,
        Acknowledge = 0x105,
        ServerDeviceBusy = 0x106,
        NegativeAcknowledge = 0x107,
        MemoryParityError = 0x108,
        GatewayPathUnavailable = 0x10A,
        GatewayTargetDeviceFailedToRespond = 0x10B
    };
    Q_ENUM(ModbusClientErrors)

    struct PortSettings
    {
        QString port;
        int baudRate = 115200;
        int parity = 0; // QSerialPort::Parity
        int dataBits = 8;
        int stopBits = 1;
        int timeoutMs = 1000;
        int retries = 3;
    };

    static constexpr int DefaultBaudRate = 115200;
    static constexpr int DefaultTimeoutMs = 1000;
    static constexpr int DefaultRetries = 3;
    static constexpr int MaxReadCount = 125;
    static constexpr int MaxWriteCount = 123;

    explicit ModbusClientSerial(QObject *parent = nullptr);
    ~ModbusClientSerial() override;

    // [baud rate, parity, data bits, stop bits, timeout ms, retries]; missing entries take the
    // defaults, extra entries are ignored. Parity: 0 none, 2 even, 3 odd, 4 space, 5 mark
    // (1 is read as odd). Nothing when a value is out of range.
    static std::optional<PortSettings> settingsFromParameters(const QString &port, const QList<int> &parameters);
    static bool isModbusException(int code);

    // Opens the port; reports state 2 on success, otherwise an error and state 0.
    bool connectPort(const PortSettings &settings);
    // The same from a parameter list; parameters out of range are an error and state 0.
    bool connectPort(const QString &port, const QList<int> &parameters);
    // Drops the queue and the request on the wire, closes the port; reports state 0 once.
    void disconnectPort();
    bool isConnected() const;
    PortSettings settings() const { return m_settings; }

    void setServerAddress(int address) { m_serverAddress = address; }
    int serverAddress() const { return m_serverAddress; }

    // Appends a request; it leaves at once only when nothing is on the wire or waiting.
    void enqueue(const Datagram &request);
    // Puts a request at the head of the queue (a repeat of a failed one) and sends it if idle.
    void sendFirst(const Datagram &request);
    // Sends the next waiting request unless one is on the wire. Returns whether one left.
    bool processPendingRequests();

    bool queueIsEmpty() const { return m_queue.isEmpty(); }
    int pendingCount() const { return int(m_queue.size()); }
    bool isBusy() const { return m_busy; }
    Datagram lastDatagram() const { return m_last; }
    // Every request from now on is recorded there with its outcome; null records nothing.
    void setTrafficLog(std::shared_ptr<TrafficLog> log) { m_traffic = std::move(log); }
    QString errorString() const { return m_errorString; }
    ModbusClientErrors lastError() const { return m_lastError; }

signals:
    void stateChanged(int state);
    void requestSent(const Datagram &request);
    void datagramReceived(const Datagram &answer);
    void errorOccurred(ModbusClientSerial::ModbusClientErrors code);
    // A request's bytes went out and the device took them (or raw bytes were written).
    void allBytesWritten();

private:
    void ensureClient();
    void applySettings();
    void reportState(int state);
    void dispatch(const Datagram &request);
    void failLater(ModbusClientErrors code, const QString &text);
    void fail(ModbusClientErrors code, const QString &text);
    void onReplyFinished(QModbusReply *reply);
    void onGuardTimeout();
    void onClientStateChanged(int state);
    void onClientError(int error);
    void onLinkLost(const QString &detail);
    void abandonReply();
    void startHandover(const QByteArray &bytes);
    void finishHandover(bool written, const QString &writeError);
    void closeHandoverPort();
    QString openErrorText(const QString &fallback) const;
    int guardIntervalMs() const;
    void logOutcome(const Datagram &request, const QList<quint16> &values, const QString &error);

    QModbusRtuSerialClient *m_client = nullptr;
    QTimer *m_guard = nullptr;
    QPointer<QModbusReply> m_reply;
    QSerialPort *m_rawPort = nullptr;
    QList<Datagram> m_queue;
    Datagram m_current;
    Datagram m_last;
    std::shared_ptr<TrafficLog> m_traffic;
    QElapsedTimer m_sentClock;
    qint64 m_sentMsecs = 0;
    PortSettings m_settings;
    QString m_errorString;
    ModbusClientErrors m_lastError = NoError;
    int m_serverAddress = 1;
    int m_reportedState = 0;
    quint64 m_epoch = 0;
    bool m_busy = false;
    bool m_ownTransition = false;
    bool m_handover = false;
    bool m_linkFailed = false;
};
