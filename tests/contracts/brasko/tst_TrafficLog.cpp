#include "TrafficLog.h"

#include <QTest>
#include <QThread>

namespace {
TrafficRecord readOf(uint start, uint count)
{
    TrafficRecord record;
    record.function = TrafficRecord::ReadHolding;
    record.start = start;
    record.count = count;
    record.values = QList<quint16>(qsizetype(count), quint16(start));
    return record;
}
} // namespace

class tst_TrafficLog : public QObject
{
    Q_OBJECT

private slots:
    void full_oldestGiveWay_orderAndNumbersKept();
    void recordsAfter_onlyNewer_evenAcrossAClear();
    void writerThread_readerSeesEveryRecordOnceInOrder();
};

void tst_TrafficLog::full_oldestGiveWay_orderAndNumbersKept()
{
    TrafficLog log(3);
    for (uint i = 0; i < 5; ++i)
        log.record(readOf(100 * i, 1));
    QCOMPARE(log.recorded(), quint64(5));
    const QList<TrafficRecord> held = log.records();
    QCOMPARE(held.size(), 3);
    QCOMPARE(held.at(0).sequence, quint64(3));
    QCOMPARE(held.at(0).start, 200u);
    QCOMPARE(held.at(2).sequence, quint64(5));
    QCOMPARE(held.at(2).start, 400u);
}

void tst_TrafficLog::recordsAfter_onlyNewer_evenAcrossAClear()
{
    TrafficLog log(10);
    log.record(readOf(0, 2));
    log.record(readOf(2, 2));
    const quint64 change = log.changeCount();
    QCOMPARE(log.records(1).size(), 1);
    QCOMPARE(log.records(2).size(), 0);

    log.clear();
    QVERIFY(log.changeCount() != change);
    QVERIFY(log.records().isEmpty());
    // Numbering goes on, so a reader that remembered the last number sees only what is new.
    log.record(readOf(4, 1));
    const QList<TrafficRecord> after = log.records(2);
    QCOMPARE(after.size(), 1);
    QCOMPARE(after.first().sequence, quint64(3));
}

void tst_TrafficLog::writerThread_readerSeesEveryRecordOnceInOrder()
{
    constexpr int kRecords = 20000;
    TrafficLog log(kRecords);
    QThread *writer = QThread::create([&log] {
        for (int i = 0; i < kRecords; ++i)
            log.record(readOf(uint(i), 3));
    });
    writer->start();
    quint64 last = 0;
    int seen = 0;
    bool ordered = true;
    while (!writer->isFinished() || log.recorded() > last) {
        for (const TrafficRecord &record : log.records(last)) {
            ordered = ordered && record.sequence == last + 1 && record.start == uint(record.sequence - 1) &&
                record.values.size() == 3;
            last = record.sequence;
            ++seen;
        }
    }
    writer->wait();
    delete writer;
    QVERIFY(ordered);
    QCOMPARE(seen, kRecords);
}

QTEST_GUILESS_MAIN(tst_TrafficLog)
#include "tst_TrafficLog.moc"
