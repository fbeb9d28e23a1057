#pragma once

#include "ModbusCallPair.h"

#include <QList>
#include <QObject>

#include <functional>

class QTimer;

// The live-value cycle: reads the data-block area one request after another while polling is
// on, and pauses between complete cycles. Exactly one poll request is on the wire at a time.
class KivPoller : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPauseMs = 1500;

    // mayPoll is asked before every request: polling is on and the link is up.
    explicit KivPoller(std::function<bool()> mayPoll, QObject *parent = nullptr);

    void setPlan(const ModbusCallPair &plan);
    bool hasPlan() const { return !m_plan.isEmpty(); }
    bool inFlight() const { return m_inFlight; }
    bool isPausing() const;

    // Follows the polling switch: starts a cycle from its first request when polling is on
    // (unless an answer is still on its way, which then continues it).
    void restartCycle();
    // The link is gone: nothing is on the wire any more.
    void stop();
    // Starts the pause after a completed cycle.
    void pause();
    // A full read takes the link; the cycle starts again when polling is switched back on.
    void cancelPause();

public slots:
    // A poll answer arrived; the next request follows from the event loop.
    void onAnswer();

signals:
    void requestPoll(uint start, uint count);
    void cycleComplete();

private:
    void nextStep();
    void restart();
    void request(const QList<uint> &pair);

    ModbusCallPair m_plan;
    QTimer *m_pauseTimer = nullptr;
    std::function<bool()> m_mayPoll;
    bool m_inFlight = false;
    bool m_stepScheduled = false;
};
