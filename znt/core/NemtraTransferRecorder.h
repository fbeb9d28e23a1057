#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class ConnectionManagerBase;
class QTimer;
class TrafficLog;
struct TrafficRecord;

// Turns the link's traffic into readable lines for the transfer log. The link thread only
// appends to a bounded TrafficLog under a short lock; this side collects the new records on a
// timer in the GUI thread while a link is open, so logging never holds up a request.
class NemtraTransferRecorder : public QObject
{
    Q_OBJECT

public:
    // As many as the transfer log keeps.
    static constexpr int kCapacity = 1000;
    static constexpr int kCollectIntervalMs = 50;

    explicit NemtraTransferRecorder(ConnectionManagerBase *link, QObject *parent = nullptr);
    ~NemtraTransferRecorder() override;

    std::shared_ptr<TrafficLog> log() const { return m_log; }

    // "00AB": registers and values are always shown as four hexadecimal digits, which read the
    // same after the transfer log turns its entries into capitals.
    static QString hexText(uint value);
    // "0001 0002"
    static QString wordsText(const QList<quint16> &values);
    // "READ 000A (1)", "WRITE 0100 = 1234", "WRITE 0100 (2) = 0001 0002".
    static QString requestText(const TrafficRecord &record);
    // "000A: 1234", "0100: OK" or the register followed by the error.
    static QString answerText(const TrafficRecord &record);

public slots:
    // Hands on every record taken since the last call.
    void collect();

signals:
    void requestRecorded(QString text);
    void answerRecorded(QString text);

private:
    void updateTimer();

    ConnectionManagerBase *m_link = nullptr;
    std::shared_ptr<TrafficLog> m_log;
    QTimer *m_timer = nullptr;
    quint64 m_lastSequence = 0;
    quint64 m_lastChange = 0;
};
