#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class NemtraConnectionManager;
class QTimer;

// Register requests a technician types on the test page. They go through the connection
// manager's own single-read and write queues, so they never cut into a request in flight; the
// answers are picked out of the link's read answers. One request at a time.
class NemtraManualRequests : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString lastSent READ lastSent NOTIFY lastSentChanged)
    Q_PROPERTY(QString lastReceived READ lastReceived NOTIFY lastReceivedChanged)
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    static constexpr qint64 kLastRegister = 65534;
    static constexpr qint64 kMaxValue = 65535;
    // Modbus limits of one read and one multiple write.
    static constexpr int kMaxReadCount = 125;
    static constexpr int kMaxWriteCount = 123;
    // Without any answer for this long a request counts as failed.
    static constexpr int kAnswerTimeoutMs = 15000;

    explicit NemtraManualRequests(NemtraConnectionManager *link, QObject *parent = nullptr);

    QString lastSent() const { return m_lastSent; }
    QString lastReceived() const { return m_lastReceived; }
    // Why the last request was refused or failed; empty after one that was accepted.
    QString message() const { return m_message; }
    bool busy() const { return m_kind != Idle; }

    bool readHolding(qint64 start, qint64 count);
    bool writeSingle(qint64 reg, qint64 value);
    bool writeMulti(qint64 start, const QList<qint64> &values);

    // The page's text forms: registers and values hexadecimal (with or without "0x"), the count
    // decimal; several values are separated by blanks, commas or semicolons.
    Q_INVOKABLE bool requestHolding(const QString &start, const QString &count);
    Q_INVOKABLE bool writeSingleHolding(const QString &reg, const QString &value);
    Q_INVOKABLE bool writeMultiHolding(const QString &start, const QString &values);

signals:
    void readFinished(uint start, QList<quint16> values);
    void writeFinished(uint start, int count);
    // Refused input (nothing was sent) or a request that failed on the link.
    void requestFailed(QString text);
    void lastSentChanged();
    void lastReceivedChanged();
    void messageChanged();
    void busyChanged();

private:
    enum Kind { Idle, Reading, Writing };

    bool refuse(const QString &text);
    bool checkLink();
    bool checkNotReadingAll();
    bool checkRange(qint64 start, qint64 count, int maxCount);
    void begin(Kind kind, uint start, int count, const QString &sent);
    void finish(const QString &received);
    void fail(const QString &text);
    void onReadAnswer(uint start, const QList<quint16> &words);
    void onAllWritten();
    void onLinkError(const QString &text);
    void onConnectedChanged(bool connected);
    void setLastSent(const QString &text);
    void setLastReceived(const QString &text);
    void setMessage(const QString &text);

    NemtraConnectionManager *m_link = nullptr;
    QTimer *m_guard = nullptr;
    Kind m_kind = Idle;
    uint m_start = 0;
    int m_count = 0;
    // Registers of the running read still waiting for their answer, and those answered.
    QList<uint> m_waiting;
    QMap<uint, quint16> m_answered;
    QString m_lastSent;
    QString m_lastReceived;
    QString m_message;
};
