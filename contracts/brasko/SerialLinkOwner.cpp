#include "SerialLinkOwner.h"

#include "BraskoLogging.h"
#include "SerialIo.h"

#include <QThread>
#include <QTimer>

SerialLinkOwner::SerialLinkOwner(QObject *parent)
    : QObject(parent)
{
    m_portGuard = new QTimer(this);
    m_portGuard->setSingleShot(true);
    m_portGuard->setInterval(kStopWaitMs);
    // A retired thread that never ends must not keep the next connection waiting forever; the
    // new link then reports the busy port itself.
    connect(m_portGuard, &QTimer::timeout, this, [this] {
        qCWarning(lcBrasko) << "retired serial thread still holds the port; starting anyway";
        startNow();
    });
}

SerialLinkOwner::~SerialLinkOwner()
{
    shutdown();
}

void SerialLinkOwner::adopt(SerialIo *link)
{
    Q_ASSERT(link && !link->parent());
    if (m_thread)
        retire({});
    auto *thread = new QThread;
    thread->setObjectName(QStringLiteral("SerialLink"));
    link->moveToThread(thread);
    // Deleted in its thread while that thread ends, before the finished signal reaches anyone
    // else: the port must be free once the owner hears of the end. A deleteLater would run only
    // after isFinished() already reports true.
    connect(
        thread, &QThread::finished, link, [link] { delete link; }, Qt::DirectConnection);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_link = link;
    m_thread = thread;
    startWhenPortFree();
}

bool SerialLinkOwner::isWaitingForPort() const
{
    return m_thread && !m_thread->isRunning() && !m_thread->isFinished();
}

int SerialLinkOwner::retiringCount() const
{
    int count = 0;
    for (const QPointer<QThread> &thread : m_retiring)
        count += thread && !thread->isFinished() ? 1 : 0;
    return count;
}

void SerialLinkOwner::startWhenPortFree()
{
    m_retiring.removeAll(nullptr);
    if (retiringCount() == 0) {
        startNow();
        return;
    }
    for (const QPointer<QThread> &old : std::as_const(m_retiring)) {
        if (old)
            connect(old.data(), &QThread::finished, this, &SerialLinkOwner::startWhenPortFree, Qt::UniqueConnection);
    }
    if (!m_portGuard->isActive())
        m_portGuard->start();
}

void SerialLinkOwner::startNow()
{
    m_portGuard->stop();
    if (!m_thread || m_thread->isRunning() || m_thread->isFinished())
        return;
    m_thread->start();
    emit linkStarted();
}

void SerialLinkOwner::retire(std::initializer_list<QObject *> peers)
{
    if (!m_thread)
        return;
    // Answers still on their way belong to the old link and must not reach a new session, nor
    // may requests of a new session reach the old link.
    if (m_link) {
        for (QObject *peer : peers) {
            if (!peer)
                continue;
            m_link->disconnect(peer);
            QObject::disconnect(peer, nullptr, m_link.data(), nullptr);
        }
    }
    QThread *thread = m_thread;
    if (!thread->isRunning() && !thread->isFinished()) {
        // Never started: nothing runs in it, so both go at once.
        delete m_link.data();
        delete thread;
    } else {
        thread->quit();
        m_retiring.removeAll(nullptr);
        m_retiring.append(thread);
    }
    m_thread = nullptr;
    m_link = nullptr;
    m_portGuard->stop();
}

bool SerialLinkOwner::waitForCurrent(int ms)
{
    return !m_thread || !m_thread->isRunning() || m_thread->wait(ms);
}

void SerialLinkOwner::shutdown()
{
    retire({});
    for (const QPointer<QThread> &thread : std::as_const(m_retiring)) {
        if (!thread)
            continue;
        thread->quit();
        if (thread->wait(kStopWaitMs))
            delete thread.data();
        else
            qCWarning(lcBrasko) << "serial thread did not end in time";
    }
    m_retiring.clear();
}
