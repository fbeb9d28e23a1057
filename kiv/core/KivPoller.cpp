#include "KivPoller.h"

#include <QTimer>

#include <utility>

KivPoller::KivPoller(std::function<bool()> mayPoll, QObject *parent)
    : QObject(parent)
    , m_mayPoll(std::move(mayPoll))
{
    m_pauseTimer = new QTimer(this);
    m_pauseTimer->setSingleShot(true);
    // The pause between poll cycles must never be shorter than promised to the device.
    m_pauseTimer->setTimerType(Qt::PreciseTimer);
    connect(m_pauseTimer, &QTimer::timeout, this, &KivPoller::restart);
}

void KivPoller::setPlan(const ModbusCallPair &plan)
{
    m_plan = plan;
}

bool KivPoller::isPausing() const
{
    return m_pauseTimer->isActive();
}

void KivPoller::restartCycle()
{
    m_pauseTimer->stop();
    // An answer still on its way, or one whose next step is already scheduled, continues the
    // cycle where it stands: a second chain would double the rate, and starting the plan over
    // under it would poll the same block twice.
    if (m_mayPoll() && (m_inFlight || m_stepScheduled))
        return;
    m_plan.reset();
    if (!m_mayPoll() || m_plan.isEmpty())
        return;
    request(m_plan.getPair());
}

void KivPoller::stop()
{
    m_inFlight = false;
    m_stepScheduled = false;
    m_pauseTimer->stop();
}

void KivPoller::pause()
{
    m_pauseTimer->start(kPauseMs);
}

void KivPoller::cancelPause()
{
    m_pauseTimer->stop();
}

void KivPoller::request(const QList<uint> &pair)
{
    if (pair.isEmpty())
        return;
    m_inFlight = true;
    emit requestPoll(pair.first(), pair.last());
}

void KivPoller::onAnswer()
{
    m_inFlight = false;
    if (m_mayPoll() && !m_stepScheduled) {
        m_stepScheduled = true;
        QTimer::singleShot(0, this, &KivPoller::nextStep);
    }
}

void KivPoller::nextStep()
{
    m_stepScheduled = false;
    if (!m_mayPoll() || m_inFlight)
        return;
    const QList<uint> next = m_plan.getNextPair();
    if (!next.isEmpty()) {
        request(next);
        return;
    }
    emit cycleComplete();
}

void KivPoller::restart()
{
    // The pause may end after polling was switched off or the link went away.
    if (!m_mayPoll() || m_inFlight)
        return;
    m_plan.reset();
    request(m_plan.getPair());
}
