#include "ModbusCallPair.h"

#include <QTest>

namespace {
using Pair = QList<uint>;

QList<Pair> walk(ModbusCallPair &plan)
{
    QList<Pair> pairs;
    plan.reset();
    for (Pair p = plan.getPair(); !p.isEmpty(); p = plan.getNextPair())
        pairs << p;
    return pairs;
}
} // namespace

class tst_ModbusCallPair : public QObject
{
    Q_OBJECT
private slots:
    void rangePlan_registers0to299_threeRequestsOf100();
    void rangePlan_unevenChunk_lastRequestShorter();
    void blockPlan_fiveBlocks_fiftyRegistersAt1000Plus100i();
    void blockPlan_smallChunk_eachBlockCutSeparately();
    void fullReadPlan_rangeFollowedByBlocks_walkedInOrder();
    void oneBlockPlan_twentyRegisters_singleRequest();
    void degeneratePlans_emptyRangeOrZeroChunk_empty();
    void rangePlan_beyondRegisterSpace_clippedNotWrapped();
    void walking_pastEnd_staysEmptyUntilReset();
    void split_halvesCurrentRequest_laterRequestsKept();
    void split_singleRegister_droppedAndPlanMovesOn();
    void split_lastSingleRegister_noRequestLeft();
    void appendUnique_sameEntryTwice_addedOnce();
    void clear_removesEverything();
};

void tst_ModbusCallPair::rangePlan_registers0to299_threeRequestsOf100()
{
    ModbusCallPair plan(0, 300, 100);
    QCOMPARE(plan.size(), 3);
    QCOMPARE(walk(plan), (QList<Pair>{{0, 100}, {100, 100}, {200, 100}}));
}

void tst_ModbusCallPair::rangePlan_unevenChunk_lastRequestShorter()
{
    ModbusCallPair plan(0, 300, 7);
    QCOMPARE(plan.size(), 43);
    const QList<Pair> pairs = walk(plan);
    QCOMPARE(pairs.first(), (Pair{0, 7}));
    QCOMPARE(pairs.last(), (Pair{294, 6}));
    uint total = 0;
    for (const Pair &p : pairs)
        total += p.last();
    QCOMPARE(total, 300u);
}

void tst_ModbusCallPair::blockPlan_fiveBlocks_fiftyRegistersAt1000Plus100i()
{
    ModbusCallPair plan(5, 100, 50, 1000, 100);
    QCOMPARE(walk(plan), (QList<Pair>{{1000, 50}, {1100, 50}, {1200, 50}, {1300, 50}, {1400, 50}}));
}

void tst_ModbusCallPair::blockPlan_smallChunk_eachBlockCutSeparately()
{
    // A request must never run from one block into the gap before the next.
    ModbusCallPair plan(2, 7, 50, 1000, 100);
    const QList<Pair> pairs = walk(plan);
    QCOMPARE(pairs.size(), 16);
    QCOMPARE(pairs.at(7), (Pair{1049, 1}));
    QCOMPARE(pairs.at(8), (Pair{1100, 7}));
    QCOMPARE(pairs.last(), (Pair{1149, 1}));
}

void tst_ModbusCallPair::fullReadPlan_rangeFollowedByBlocks_walkedInOrder()
{
    ModbusCallPair blocks(15, 100, 50, 1000, 100);
    ModbusCallPair all(0, 300, 100);
    all.append(blocks);
    QCOMPARE(all.size(), 18);
    const QList<Pair> pairs = walk(all);
    QCOMPARE(pairs.at(2), (Pair{200, 100}));
    QCOMPARE(pairs.at(3), (Pair{1000, 50}));
    QCOMPARE(pairs.last(), (Pair{2400, 50}));
    // The block plan alone is still intact for the polling cycle.
    QCOMPARE(blocks.size(), 15);
}

void tst_ModbusCallPair::oneBlockPlan_twentyRegisters_singleRequest()
{
    ModbusCallPair plan(1300, 1320, 100);
    QCOMPARE(walk(plan), (QList<Pair>{{1300, 20}}));
    QVERIFY(!plan.hasNextPair());
}

void tst_ModbusCallPair::degeneratePlans_emptyRangeOrZeroChunk_empty()
{
    QVERIFY(ModbusCallPair(300, 300, 100).isEmpty());
    QVERIFY(ModbusCallPair(300, 0, 100).isEmpty());
    QVERIFY(ModbusCallPair(0, 300, 0).isEmpty());
    QVERIFY(ModbusCallPair(0, 100, 50, 1000, 100).isEmpty());
    ModbusCallPair empty;
    QVERIFY(empty.getPair().isEmpty());
    QVERIFY(empty.getNextPair().isEmpty());
    QVERIFY(!empty.hasNextPair());
    QVERIFY(!empty.split());
}

void tst_ModbusCallPair::rangePlan_beyondRegisterSpace_clippedNotWrapped()
{
    ModbusCallPair plan(65500, 70000, 100);
    QCOMPARE(walk(plan), (QList<Pair>{{65500, 36}}));
    ModbusCallPair blocks(3, 100, 50, 65400, 100);
    QCOMPARE(walk(blocks), (QList<Pair>{{65400, 50}, {65500, 36}}));
}

void tst_ModbusCallPair::walking_pastEnd_staysEmptyUntilReset()
{
    ModbusCallPair plan(0, 200, 100);
    QCOMPARE(plan.getPair(), (Pair{0, 100}));
    QVERIFY(plan.hasNextPair());
    QCOMPARE(plan.getNextPair(), (Pair{100, 100}));
    QVERIFY(!plan.hasNextPair());
    QVERIFY(plan.getNextPair().isEmpty());
    QVERIFY(plan.getNextPair().isEmpty());
    QVERIFY(plan.getPair().isEmpty());
    plan.reset();
    QCOMPARE(plan.position(), 0);
    QCOMPARE(plan.getPair(), (Pair{0, 100}));
}

void tst_ModbusCallPair::split_halvesCurrentRequest_laterRequestsKept()
{
    ModbusCallPair plan(0, 300, 100);
    plan.getNextPair();
    QVERIFY(plan.split());
    QCOMPARE(plan.size(), 4);
    QCOMPARE(plan.getPair(), (Pair{100, 50}));
    QVERIFY(plan.split());
    QCOMPARE(plan.getPair(), (Pair{100, 25}));
    QVERIFY(plan.split());
    QCOMPARE(plan.getPair(), (Pair{100, 12}));
    QCOMPARE(plan.getNextPair(), (Pair{112, 13}));
    QCOMPARE(plan.getNextPair(), (Pair{125, 25}));
    QCOMPARE(plan.getNextPair(), (Pair{150, 50}));
    QCOMPARE(plan.getNextPair(), (Pair{200, 100}));
}

void tst_ModbusCallPair::split_singleRegister_droppedAndPlanMovesOn()
{
    ModbusCallPair plan(10, 12, 1);
    QVERIFY(plan.split());
    QCOMPARE(plan.size(), 1);
    QCOMPARE(plan.getPair(), (Pair{11, 1}));
}

void tst_ModbusCallPair::split_lastSingleRegister_noRequestLeft()
{
    ModbusCallPair plan(10, 11, 100);
    QVERIFY(!plan.split());
    QVERIFY(plan.isEmpty());
    QVERIFY(plan.getPair().isEmpty());
}

void tst_ModbusCallPair::appendUnique_sameEntryTwice_addedOnce()
{
    ModbusCallPair plan(0, 8, 8);
    QVERIFY(plan.appendUnique(49160, 49161));
    QVERIFY(!plan.appendUnique(49160, 49161));
    QVERIFY(!plan.appendUnique(0, 8, 8));
    QCOMPARE(plan.size(), 2);
    QVERIFY(plan.appendUnique(49161, 49162));
    QCOMPARE(walk(plan), (QList<Pair>{{0, 8}, {49160, 1}, {49161, 1}}));
    // Plain append does not deduplicate.
    plan.append(0, 8, 8);
    QCOMPARE(plan.size(), 4);
}

void tst_ModbusCallPair::clear_removesEverything()
{
    ModbusCallPair plan(0, 300, 100);
    plan.getNextPair();
    plan.clear();
    QCOMPARE(plan.size(), 0);
    QCOMPARE(plan.position(), 0);
    QVERIFY(plan.getPair().isEmpty());
    plan.append(ModbusCallPair(5, 6, 1));
    QCOMPARE(plan.getPair(), (Pair{5, 1}));
}

QTEST_GUILESS_MAIN(tst_ModbusCallPair)
#include "tst_ModbusCallPair.moc"
