#pragma once

#include "BraskoGlobal.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QThread>

#include <initializer_list>

class QTimer;
class SerialIo;

// Owns the worker thread of one serial link at a time. A link that is given up is cut off from
// its peers and its thread asked to quit without waiting; the next link's thread starts only
// once every retired thread has ended (or after a bounded wait), because the old link holds the
// port until then. Nothing here blocks the calling thread except shutdown().
class BRASKO_EXPORT SerialLinkOwner : public QObject
{
    Q_OBJECT

public:
    // The longest a retired thread may keep the port, and the longest shutdown() waits per thread.
    static constexpr int kStopWaitMs = 2000;

    explicit SerialLinkOwner(QObject *parent = nullptr);
    ~SerialLinkOwner() override;

    // Takes a link without parent, moves it into a new worker thread and makes it the current
    // link. Queued calls made before its thread runs wait in its event queue.
    template<typename Link>
    Link *start(Link *link)
    {
        adopt(link);
        return link;
    }
    void adopt(SerialIo *link);

    // For connecting signals only; never call into the link from another thread.
    SerialIo *link() const { return m_link.data(); }
    QThread *thread() const { return m_thread.data(); }
    bool hasLink() const { return !m_thread.isNull(); }
    // The current link's thread waits for a retired one to give up the port.
    bool isWaitingForPort() const;
    int retiringCount() const;

    // Cuts the current link off from every peer (both directions), asks its thread to quit and
    // forgets it. Its thread deletes the link and itself when it ends.
    void retire(std::initializer_list<QObject *> peers);
    // Bounded wait for the current link's thread to end, e.g. after a final drain was asked for.
    bool waitForCurrent(int ms);
    // Retires the current link and waits at most kStopWaitMs for every thread; for destructors.
    void shutdown();

signals:
    // The current link's thread has started.
    void linkStarted();

private:
    void startWhenPortFree();
    void startNow();

    QPointer<SerialIo> m_link;
    QPointer<QThread> m_thread;
    QList<QPointer<QThread>> m_retiring;
    QTimer *m_portGuard = nullptr;
};
