#include "KivPoller.h"
#include "KivReadSequencer.h"
#include "KivRegisterMap.h"

#include <QSignalSpy>
#include <QTest>

// The read plans and the live-value cycle, driven by hand-made answers.
class tst_KivPollerAndReads : public QObject
{
    Q_OBJECT

private slots:
    void plan_generalAreaThenFiftyRegistersOfEachBlock();
    void identify_acceptsOneToFifteenBlocks();
    void fullRead_fillsImageAndChecksTheName();
    void blockRead_refusedWhileAnotherReadRuns();
    void poller_oneRequestOnTheWire_pauseAfterCycle();
    void poller_stopsWhenPollingGoesOff();
};

namespace {
QList<quint16> named()
{
    QList<quint16> image(5000, 0);
    const QByteArray name = "KIV-RT";
    for (int i = 0; i < name.size(); i += 2)
        image[int(KivRegisterMap::kNameStart) + i / 2] = quint16(quint8(name.at(i)) | (quint8(name.at(i + 1)) << 8));
    return image;
}
} // namespace

void tst_KivPollerAndReads::plan_generalAreaThenFiftyRegistersOfEachBlock()
{
    ModbusCallPair plan = KivReadSequencer::fullReadPlanFor(15, 100);
    QCOMPARE(plan.size(), 18);
    QList<QList<uint>> requests{plan.getPair()};
    for (QList<uint> next = plan.getNextPair(); !next.isEmpty(); next = plan.getNextPair())
        requests.append(next);
    QCOMPARE(requests.first(), (QList<uint>{0, 100}));
    QCOMPARE(requests.at(2), (QList<uint>{200, 100}));
    QCOMPARE(requests.at(3), (QList<uint>{1000, 50}));
    QCOMPARE(requests.last(), (QList<uint>{2400, 50}));
    // The radio link reads 7 registers at a time.
    QCOMPARE(KivReadSequencer::blockPlanFor(1, 7).size(), 8);
}

void tst_KivPollerAndReads::identify_acceptsOneToFifteenBlocks()
{
    QList<quint16> image(5000, 0);
    KivReadSequencer reads(&image);
    QSignalSpy identified(&reads, &KivReadSequencer::identified);
    QSignalSpy unsupported(&reads, &KivReadSequencer::unsupportedDevice);
    for (quint16 count : {quint16(0), quint16(16), quint16(15), quint16(1)}) {
        reads.identify();
        reads.onAnswer(0, {count, 0});
    }
    QCOMPARE(unsupported.count(), 2);
    QCOMPARE(identified.count(), 2);
    QCOMPARE(reads.blockCount(), quint16(1));
    // A high word in register 1 does not count.
    reads.identify();
    reads.onAnswer(0, {3, 7});
    QCOMPARE(reads.blockCount(), quint16(3));
    QCOMPARE(reads.operation(), KivReadSequencer::NoOp);
}

void tst_KivPollerAndReads::fullRead_fillsImageAndChecksTheName()
{
    for (bool plausible : {true, false}) {
        const QList<quint16> device = plausible ? named() : QList<quint16>(5000, 0x0101); // control characters
        QList<quint16> image(5000, 0);
        KivReadSequencer reads(&image);
        reads.setBlockCount(2);
        QSignalSpy requests(&reads, &KivReadSequencer::requestRead);
        QSignalSpy done(&reads, &KivReadSequencer::fullReadDone);
        QSignalSpy unsupported(&reads, &KivReadSequencer::unsupportedDevice);
        QCOMPARE(reads.startFullRead(100), 5);
        while (reads.operation() == KivReadSequencer::FullRead) {
            const uint start = requests.last().at(0).toUInt();
            const uint count = requests.last().at(1).toUInt();
            reads.onAnswer(start, device.mid(start, count));
        }
        QCOMPARE(requests.count(), 5);
        QCOMPARE(done.count(), plausible ? 1 : 0);
        QCOMPARE(unsupported.count(), plausible ? 0 : 1);
        QCOMPARE(image.mid(0, 300), device.mid(0, 300));
        // A late answer after the read changes nothing.
        reads.onAnswer(0, {9});
        QCOMPARE(image.at(0), device.at(0));
    }
}

void tst_KivPollerAndReads::blockRead_refusedWhileAnotherReadRuns()
{
    QList<quint16> image(5000, 0);
    KivReadSequencer reads(&image);
    QSignalSpy done(&reads, &KivReadSequencer::blockReadDone);
    reads.identify();
    QVERIFY(!reads.startBlockRead(1000, 100));
    reads.onAnswer(0, {1, 0});
    QVERIFY(reads.startBlockRead(1000, 100));
    QCOMPARE(reads.operation(), KivReadSequencer::OneBlock);
    reads.onAnswer(1000, QList<quint16>(20, 4));
    QCOMPARE(done.count(), 1);
    QCOMPARE(image.at(1019), quint16(4));
    QCOMPARE(image.at(1020), quint16(0));
}

void tst_KivPollerAndReads::poller_oneRequestOnTheWire_pauseAfterCycle()
{
    bool on = true;
    KivPoller poller([&on] { return on; });
    poller.setPlan(KivReadSequencer::blockPlanFor(2, 100));
    QSignalSpy requests(&poller, &KivPoller::requestPoll);
    QSignalSpy cycles(&poller, &KivPoller::cycleComplete);
    poller.restartCycle();
    poller.restartCycle(); // a second switch-on while the first request is out starts nothing
    QCOMPARE(requests.count(), 1);
    poller.onAnswer();
    QTRY_COMPARE(requests.count(), 2);
    QCOMPARE(requests.last().at(0).toUInt(), 1100u);
    poller.onAnswer();
    QTRY_COMPARE(cycles.count(), 1);
    QCOMPARE(requests.count(), 2);
    poller.pause();
    QVERIFY(poller.isPausing());
    QVERIFY(requests.wait(KivPoller::kPauseMs + 2000));
    QCOMPARE(requests.last().at(0).toUInt(), 1000u);
}

void tst_KivPollerAndReads::poller_stopsWhenPollingGoesOff()
{
    bool on = true;
    KivPoller poller([&on] { return on; });
    poller.setPlan(KivReadSequencer::blockPlanFor(2, 100));
    QSignalSpy requests(&poller, &KivPoller::requestPoll);
    poller.restartCycle();
    on = false;
    poller.onAnswer();
    QCoreApplication::processEvents();
    QCOMPARE(requests.count(), 1);
    QVERIFY(!poller.inFlight());
    // A pause that ends after polling went off asks for nothing.
    on = true;
    poller.pause();
    on = false;
    poller.cancelPause();
    QVERIFY(!poller.isPausing());
    on = true;
    poller.restartCycle();
    QCOMPARE(requests.count(), 2);
}

QTEST_GUILESS_MAIN(tst_KivPollerAndReads)
#include "tst_KivPollerAndReads.moc"
