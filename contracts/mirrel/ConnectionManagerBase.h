#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>

#include <memory>

class MirrelSerialIo;
class SerialLinkOwner;
class TrafficLog;

// A plugin's device link over serial Modbus RTU. Lives in the GUI thread; the link itself runs
// in a worker thread and is reached only through queued calls carrying copies. Subclasses send
// requests with the protected request methods and get the answers through the three hooks.
//
// Failures: a device exception answer to a read calls onReadRetry(), at most kMaxReadRetries
// times in a row without any answer in between; every other failure (no reply after the
// configured retries, broken answer, refused write, lost port) is reported with serialError()
// and failedCommunication() and ends the connection.
class ConnectionManagerBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool connected READ connected WRITE setConnected NOTIFY connectedChanged)

public:
    enum ConnectionType {
        Cable = 0,
        // Radio-bridged link: slow, answers of a few registers only.
        RadioBridge = 1
    };
    Q_ENUM(ConnectionType)

    // Refused reads in a row before the link is given up.
    static constexpr int kMaxReadRetries = 64;

    explicit ConnectionManagerBase(QObject *parent = nullptr);
    ~ConnectionManagerBase() override;

    bool connected() const { return m_connected; }
    // Between connectToSerial() and the link opening (or failing to).
    bool connecting() const { return m_connecting; }
    // As given at connectToSerial(); 0 (Cable) when none was given.
    int connectionType() const { return m_connectionType; }
    QString portName() const { return m_portName; }
    // Every link opened from now on records its requests and their outcomes into log.
    void setTrafficLog(std::shared_ptr<TrafficLog> log);

public slots:
    // data: [baud rate, parity, data bits, stop bits, timeout ms, retries, connection type];
    // the connection type may be left out. Any link still open is given up first.
    void connectToSerial(QVariantList data, QString port);
    void doDisconnect();
    // The flag can only be raised while the link is open; lowering it makes the manager drop
    // requests without closing the link.
    void setConnected(bool connected);
    // Puts the link's answers back to normal operation (after identification or boot loader).
    void setDeviceToNormal();

signals:
    void connectedChanged(bool connected);
    void isConnecting(bool connecting);
    // Every read answer, before onDataReceived().
    void readyRead(uint start, QList<quint16> words);
    void serialError(QString text);
    void errorPlainText(QString text);
    // A request failed or got no reply.
    void failedCommunication();

protected:
    // Dropped silently while not connected.
    void readSingleRegister(uint reg);
    void readMultiRegister(uint start, uint count);
    void writeSingleRegister(uint reg, quint16 value);
    void writeMultiRegister(uint start, QList<quint16> values);

protected slots:
    virtual void onDataReceived(uint start, QList<quint16> words);
    virtual void onRegisterWritten(uint reg);
    // The device refused a read (Modbus exception): a subclass may send smaller requests from
    // here. Without an override the refusal ends the connection like any other failure.
    virtual void onReadRetry();

private:
    bool canSend() const;
    void onLinkState(bool open);
    void onReadAnswered(uint start, const QList<quint16> &words);
    void onWriteAnswered(uint start);
    void onReadRefused(const QString &text);
    void onRequestFailed(const QString &text);
    void failAndDisconnect(const QString &text);
    void setConnecting(bool connecting);
    void releaseLink();

    // The current link, for queued calls only; null when there is none.
    MirrelSerialIo *link() const;
    template<typename Call>
    void post(Call call);

    SerialLinkOwner *m_links = nullptr;
    QString m_portName;
    QString m_lastRefusal;
    // Answers already queued by a link that was given up must not reach a newer session.
    quint64 m_session = 0;
    std::shared_ptr<TrafficLog> m_traffic;
    int m_connectionType = Cable;
    int m_readRetries = 0;
    bool m_linkOpen = false;
    bool m_connected = false;
    bool m_connecting = false;
};
