#include "SerialIo.h"
#include "SerialLinkOwner.h"

#include <QPointer>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

constexpr int kWaitMs = 5000;
// Longer than any test waits; a held thread is always let go before that.
constexpr int kHoldLimitMs = 15000;
// A port that takes a moment to close, so that a start before the close is caught.
constexpr int kSlowCloseMs = 100;

// A link that never opens a port; it records when it is gone.
class FakeLink : public SerialIo
{
public:
    explicit FakeLink(std::shared_ptr<std::atomic<bool>> gone = std::make_shared<std::atomic<bool>>(false),
                      int closeMs = 0)
        : m_gone(std::move(gone))
        , m_closeMs(closeMs)
    {
    }
    ~FakeLink() override
    {
        if (m_closeMs > 0)
            QThread::msleep(m_closeMs);
        m_gone->store(true);
    }

private:
    std::shared_ptr<std::atomic<bool>> m_gone;
    int m_closeMs = 0;
};

// Keeps a link's thread busy, as a link stuck in a port call would, until released.
struct Hold
{
    QSemaphore entered;
    QSemaphore release;
};

std::shared_ptr<Hold> hold(QObject *link)
{
    auto h = std::make_shared<Hold>();
    QMetaObject::invokeMethod(
        link,
        [h] {
        h->entered.release();
        h->release.tryAcquire(1, kHoldLimitMs);
        },
        Qt::QueuedConnection);
    if (!h->entered.tryAcquire(1, kWaitMs))
        qWarning("link thread did not pick up the hold");
    return h;
}

class Peer : public QObject
{
    Q_OBJECT
signals:
    void request();
};

} // namespace

class tst_SerialLinkOwner : public QObject
{
    Q_OBJECT
private slots:
    void newLink_waitsForRetiredThread_andStartsOnlyAfterOldLinkIsGone();
    void newLink_retiredThreadHangs_guardStartsItAfterBoundedWait();
    void retire_linkNeverStarted_deletedAtOnceAndItsCallsNeverRun();
    void retire_cutsSignalsBothWays_othersKeepTheirs();
    void shutdown_endsAndDeletesThreadsAndLinks();
    void shutdown_threadHangs_returnsAfterBoundedWait();
};

void tst_SerialLinkOwner::newLink_waitsForRetiredThread_andStartsOnlyAfterOldLinkIsGone()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("starting anyway")));
    SerialLinkOwner owner;
    auto firstGone = std::make_shared<std::atomic<bool>>(false);
    auto *first = owner.start(new FakeLink(firstGone, kSlowCloseMs));
    const auto held = hold(first);
    QPointer<QThread> firstThread = owner.thread();
    // Whoever hears of the thread's end hears it after the link (and its port) is gone.
    auto goneWhenFinished = std::make_shared<std::atomic<bool>>(false);
    connect(
        firstThread, &QThread::finished, firstThread,
        [firstGone, goneWhenFinished] { *goneWhenFinished = firstGone->load(); }, Qt::DirectConnection);
    owner.retire({});
    QVERIFY(!owner.hasLink());
    QCOMPARE(owner.retiringCount(), 1);

    QSignalSpy started(&owner, &SerialLinkOwner::linkStarted);
    bool firstGoneAtStart = false;
    connect(&owner, &SerialLinkOwner::linkStarted, this, [&] { firstGoneAtStart = firstGone->load(); });
    auto *second = owner.start(new FakeLink);
    auto secondCalled = std::make_shared<std::atomic<bool>>(false);
    QMetaObject::invokeMethod(
        second, [secondCalled] { *secondCalled = true; }, Qt::QueuedConnection);

    QVERIFY(owner.isWaitingForPort());
    QCOMPARE(started.count(), 0);
    QCoreApplication::processEvents();
    QVERIFY(!owner.thread()->isRunning());
    QVERIFY(!*secondCalled);

    held->release.release();
    QVERIFY(started.wait(kWaitMs));
    // The old link (and the port it holds) is gone before the new thread runs.
    QVERIFY(firstGoneAtStart);
    QVERIFY(*goneWhenFinished);
    QVERIFY(owner.thread()->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(*secondCalled, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(firstThread.isNull(), kWaitMs);
    QCOMPARE(owner.retiringCount(), 0);
}

void tst_SerialLinkOwner::newLink_retiredThreadHangs_guardStartsItAfterBoundedWait()
{
    SerialLinkOwner owner;
    auto firstGone = std::make_shared<std::atomic<bool>>(false);
    const auto held = hold(owner.start(new FakeLink(firstGone)));
    owner.retire({});

    QSignalSpy started(&owner, &SerialLinkOwner::linkStarted);
    owner.start(new FakeLink);
    QVERIFY(owner.isWaitingForPort());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("starting anyway")));
    QVERIFY(started.wait(SerialLinkOwner::kStopWaitMs + kWaitMs));
    QVERIFY(owner.thread()->isRunning());
    QVERIFY(!*firstGone);
    QCOMPARE(owner.retiringCount(), 1);

    held->release.release();
    QTRY_VERIFY_WITH_TIMEOUT(firstGone->load() && owner.retiringCount() == 0, kWaitMs);
}

void tst_SerialLinkOwner::retire_linkNeverStarted_deletedAtOnceAndItsCallsNeverRun()
{
    SerialLinkOwner owner;
    const auto held = hold(owner.start(new FakeLink));
    owner.retire({});

    auto waitingGone = std::make_shared<std::atomic<bool>>(false);
    auto waitingCalled = std::make_shared<std::atomic<bool>>(false);
    auto *waiting = owner.start(new FakeLink(waitingGone));
    QMetaObject::invokeMethod(
        waiting, [waitingCalled] { *waitingCalled = true; }, Qt::QueuedConnection);
    QPointer<QThread> waitingThread = owner.thread();
    owner.retire({});
    QVERIFY(*waitingGone);
    QVERIFY(waitingThread.isNull());
    QCOMPARE(owner.retiringCount(), 1);

    // The next link still waits for the thread that really holds the port.
    QSignalSpy started(&owner, &SerialLinkOwner::linkStarted);
    owner.start(new FakeLink);
    QVERIFY(owner.isWaitingForPort());
    held->release.release();
    QVERIFY(started.wait(kWaitMs));
    QCOMPARE(started.count(), 1);
    QVERIFY(!*waitingCalled);
}

void tst_SerialLinkOwner::retire_cutsSignalsBothWays_othersKeepTheirs()
{
    SerialLinkOwner owner;
    auto *link = owner.start(new FakeLink);
    Peer peer;
    QObject bystander;
    int peerHeard = 0;
    int bystanderHeard = 0;
    auto linkAsked = std::make_shared<std::atomic<int>>(0);
    connect(link, &SerialIo::isConnected, &peer, [&] { ++peerHeard; });
    connect(link, &SerialIo::isConnected, &bystander, [&] { ++bystanderHeard; });
    connect(&peer, &Peer::request, link, [linkAsked] { ++*linkAsked; });
    connect(&peer, &Peer::request, link, &SerialIo::disconnectDevice);

    // Both directions work while the link is current.
    emit peer.request();
    QTRY_COMPARE_WITH_TIMEOUT(linkAsked->load(), 1, kWaitMs);
    emit link->isConnected(true);
    QCOMPARE(peerHeard, 1);

    // The held link outlives its retirement, as a link still busy on the wire does.
    const auto held = hold(link);
    owner.retire({&peer});
    emit link->isConnected(true);
    emit peer.request();
    QCOMPARE(peerHeard, 1);
    QCOMPARE(bystanderHeard, 2);

    QPointer<SerialIo> gone = link;
    held->release.release();
    QTRY_VERIFY_WITH_TIMEOUT(gone.isNull(), kWaitMs);
    QCOMPARE(linkAsked->load(), 1);
}

void tst_SerialLinkOwner::shutdown_endsAndDeletesThreadsAndLinks()
{
    SerialLinkOwner owner;
    auto firstGone = std::make_shared<std::atomic<bool>>(false);
    auto secondGone = std::make_shared<std::atomic<bool>>(false);
    const auto held = hold(owner.start(new FakeLink(firstGone)));
    QPointer<QThread> firstThread = owner.thread();
    owner.retire({});
    owner.start(new FakeLink(secondGone));
    QPointer<QThread> secondThread = owner.thread();
    held->release.release();

    owner.shutdown();
    QVERIFY(!owner.hasLink());
    QVERIFY(*firstGone);
    QVERIFY(*secondGone);
    QVERIFY(firstThread.isNull());
    QVERIFY(secondThread.isNull());
    QCOMPARE(owner.retiringCount(), 0);
}

void tst_SerialLinkOwner::shutdown_threadHangs_returnsAfterBoundedWait()
{
    auto gone = std::make_shared<std::atomic<bool>>(false);
    QPointer<QThread> thread;
    std::shared_ptr<Hold> held;
    {
        SerialLinkOwner owner;
        held = hold(owner.start(new FakeLink(gone)));
        thread = owner.thread();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("did not end in time")));
        owner.shutdown();
        QVERIFY(!owner.hasLink());
        QVERIFY(!*gone);
    }
    // The owner is gone; the stuck thread still cleans up after itself once it ends.
    held->release.release();
    QTRY_VERIFY_WITH_TIMEOUT(gone->load() && thread.isNull(), kWaitMs);
}

QTEST_GUILESS_MAIN(tst_SerialLinkOwner)
#include "tst_SerialLinkOwner.moc"
