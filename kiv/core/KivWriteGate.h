#pragma once

#include <QList>
#include <QObject>
#include <QPair>

#include <functional>

class KivBackendProperty;
class QTimer;

// Every register write of every block passes here. Outside a file load a write reaches the
// device only while the device's data is ready and polling is off; during a file load writes
// are queued and leave one every 50 ms once the load stops adding to the queue. A capture
// queues the same way but holds the writes until the caller decides whether they leave.
class KivWriteGate : public QObject
{
    Q_OBJECT

public:
    using Write = QPair<uint, QList<quint16>>;

    static constexpr int kQueueStartMs = 1000;
    static constexpr int kQueueStepMs = 50;
    // Longer than the slowest block debounce (a measuring range's 1000 ms), so a capture only
    // counts as settled once every setter has written.
    static constexpr int kCaptureQuietMs = 1500;

    // state supplies the flags the gate obeys and receives the progress of a queued load; the
    // image is the back end's register image. Neither is owned.
    KivWriteGate(KivBackendProperty *state, QList<quint16> *image, QObject *parent = nullptr);

    // The one rule for writes that go to the device at once.
    static bool isOpen(bool connected, bool updateOngoing, bool doPoll);
    bool isOpen() const;
    // A write made now leaves: at once through the open gate, or later from the load queue.
    bool acceptsWrites() const;

    // How a multi-register write goes out: in slices of 50 (3 on the radio link) once it is at
    // least half the request limit of 100 (7), else as one request.
    static QList<Write> slices(uint start, const QList<quint16> &values, bool radioLink);

    int pendingWrites() const { return int(m_singles.size() + m_multis.size()); }
    // Starts sending the queue after the start delay (a loaded image has been applied).
    void startQueue();
    // Drops every queued and held write and ends a capture; the device they were meant for is gone.
    void clear();

    // From now on writes are queued and held; captureSettled() follows once none came for
    // kCaptureQuietMs.
    void beginCapture();
    bool isCapturing() const { return m_capturing; }
    // The queued writes in the order they would leave.
    QList<Write> queuedWrites() const;
    // Keeps only the queued writes for which keep() is true, in their order.
    void retainWrites(const std::function<bool(const Write &)> &keep);
    // Ends the capture: the held writes leave as a file load's do, or are dropped.
    void endCapture(bool send);

    // While the link is being restored, writes that the closed gate would drop wait instead;
    // they belong to the lost device and leave only once it is back.
    void setHolding(bool on) { m_holding = on; }
    bool isHolding() const { return m_holding; }
    int heldWrites() const { return int(m_held.size()); }
    // Puts the held values into the image again after it was read anew.
    void applyHeldToImage();
    // Sends the held writes through the gate (open by now) and forgets them.
    void releaseHeld();

public slots:
    void singleWrite(uint reg, quint16 value);
    void multiWrite(uint start, const QList<quint16> &values);
    // which == 1 replaces the low byte of the register's current value, anything else the high byte.
    void halfWrite(uint reg, uchar value, int which);

signals:
    void writeSingleRegister(uint reg, ushort value);
    void writeMultiRegister(uint start, QList<quint16> values);
    // One queued write has been handed on.
    void queuedWriteSent();
    // The last queued write has been handed on.
    void queueDrained();
    // A capture has seen no write for kCaptureQuietMs.
    void captureSettled();

private:
    void flush();
    void onQueueTimer();
    bool queuing() const;
    void restartQueueTimer();
    void storeInImage(uint start, const QList<quint16> &values);
    void updatePendingMaximum();

    KivBackendProperty *m_state = nullptr;
    QList<quint16> *m_image = nullptr;
    QList<QPair<uint, quint16>> m_singles;
    QList<Write> m_multis;
    QTimer *m_queueTimer = nullptr;
    bool m_capturing = false;
    // Single writes keep their function: a held single write is sent as a single write.
    struct Held
    {
        bool single;
        Write write;
    };
    QList<Held> m_held;
    bool m_holding = false;
};
