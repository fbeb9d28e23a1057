#include "KivBackendProperty.h"
#include "KivWriteGate.h"

#include <QSignalSpy>
#include <QTest>

// The gate against a bare property state: the rule, the slicing, and the queued file load.
class tst_KivWriteGate : public QObject
{
    Q_OBJECT

private slots:
    void rule_onlyConnectedReadyAndNotPolling();
    void directWrites_droppedWhileClosed_storedAndSentWhileOpen();
    void slicing_halfTheLimitAndAbove_goesInSlices();
    void halfWrite_replacesOneByteOfTheImageValue();
    void fileLoad_queuesEveryWrite_thenSendsOneAtATimeAndDrains();
    void clear_dropsQueuedWrites();
};

namespace {
struct Rig
{
    KivBackendProperty state;
    QList<quint16> image = QList<quint16>(5000, 0);
    KivWriteGate gate{&state, &image};
    QSignalSpy singles{&gate, &KivWriteGate::writeSingleRegister};
    QSignalSpy multis{&gate, &KivWriteGate::writeMultiRegister};

    void open()
    {
        state.setConnected(true);
        state.setUpdateOngoing(true);
        state.setDoPoll(false);
    }
};

QList<quint16> counting(int n)
{
    QList<quint16> values;
    for (int i = 0; i < n; ++i)
        values.append(quint16(i + 1));
    return values;
}
} // namespace

void tst_KivWriteGate::rule_onlyConnectedReadyAndNotPolling()
{
    QVERIFY(KivWriteGate::isOpen(true, true, false));
    QVERIFY(!KivWriteGate::isOpen(false, true, false));
    QVERIFY(!KivWriteGate::isOpen(true, false, false));
    QVERIFY(!KivWriteGate::isOpen(true, true, true));

    Rig rig;
    rig.open();
    QVERIFY(rig.gate.isOpen());
    rig.state.setDoPoll(true);
    QVERIFY(!rig.gate.acceptsWrites());
    // A file load queues even while the live page polls.
    rig.state.setIsLoadingFromDisc(true);
    QVERIFY(rig.gate.acceptsWrites());
}

void tst_KivWriteGate::directWrites_droppedWhileClosed_storedAndSentWhileOpen()
{
    Rig rig;
    rig.gate.singleWrite(10, 7);
    rig.gate.multiWrite(20, {1, 2});
    QCOMPARE(rig.singles.count() + rig.multis.count(), 0);
    QCOMPARE(rig.image.at(10), quint16(0));

    rig.open();
    rig.gate.singleWrite(10, 7);
    rig.gate.multiWrite(20, {1, 2});
    QCOMPARE(rig.singles.count(), 1);
    QCOMPARE(rig.multis.count(), 1);
    QCOMPARE(rig.image.at(10), quint16(7));
    QCOMPARE(rig.image.at(21), quint16(2));

    // Past the image the write still goes out; the image is left alone.
    rig.gate.multiWrite(4999, {5, 6});
    QCOMPARE(rig.multis.count(), 2);
    QCOMPARE(rig.image.size(), 5000);
    QCOMPARE(rig.image.at(4999), quint16(0));
}

void tst_KivWriteGate::slicing_halfTheLimitAndAbove_goesInSlices()
{
    QCOMPARE(KivWriteGate::slices(100, counting(49), false).size(), 1);
    const auto cable = KivWriteGate::slices(100, counting(120), false);
    QCOMPARE(cable.size(), 3);
    QCOMPARE(cable.at(1).first, 150u);
    QCOMPARE(cable.at(2).second.size(), 20);
    QCOMPARE(cable.at(2).second.first(), quint16(101));

    QCOMPARE(KivWriteGate::slices(0, counting(3), true).size(), 1);
    const auto radio = KivWriteGate::slices(0, counting(4), true);
    QCOMPARE(radio.size(), 2);
    QCOMPARE(radio.at(1).first, 3u);
}

void tst_KivWriteGate::halfWrite_replacesOneByteOfTheImageValue()
{
    Rig rig;
    rig.open();
    rig.image[83] = 0x1234;
    rig.gate.halfWrite(83, 0xAB, 1);
    QCOMPARE(rig.singles.last().at(1).value<ushort>(), ushort(0x12AB));
    rig.gate.halfWrite(83, 0xCD, 0);
    QCOMPARE(rig.singles.last().at(1).value<ushort>(), ushort(0xCDAB));
    rig.gate.halfWrite(5000, 1, 1);
    QCOMPARE(rig.singles.count(), 2);
}

void tst_KivWriteGate::fileLoad_queuesEveryWrite_thenSendsOneAtATimeAndDrains()
{
    Rig rig;
    rig.open();
    rig.state.setDoPoll(true);
    rig.state.setIsLoadingFromDisc(true);
    rig.gate.singleWrite(30, 120);
    rig.gate.multiWrite(1000, counting(60));
    QCOMPARE(rig.gate.pendingWrites(), 3);
    QCOMPARE(rig.image.at(30), quint16(120));
    QCOMPARE(rig.singles.count() + rig.multis.count(), 0);
    QCOMPARE(rig.state.maximum(), 21);

    // Polling off again (the load page stops it) before the queue starts to move.
    rig.state.setDoPoll(false);
    QSignalSpy sent(&rig.gate, &KivWriteGate::queuedWriteSent);
    QSignalSpy drained(&rig.gate, &KivWriteGate::queueDrained);
    rig.gate.startQueue();
    QVERIFY(drained.wait(5000));
    QCOMPARE(sent.count(), 3);
    QCOMPARE(rig.singles.count(), 1);
    QCOMPARE(rig.multis.count(), 2);
    QCOMPARE(rig.multis.at(1).at(0).toUInt(), 1050u);
    QVERIFY(!rig.state.isLoadingFromDisc());
    QCOMPARE(rig.gate.pendingWrites(), 0);
}

void tst_KivWriteGate::clear_dropsQueuedWrites()
{
    Rig rig;
    rig.state.setIsLoadingFromDisc(true);
    rig.gate.singleWrite(30, 1);
    rig.gate.clear();
    QCOMPARE(rig.gate.pendingWrites(), 0);
    QCOMPARE(rig.singles.count(), 0);
}

QTEST_MAIN(tst_KivWriteGate)
#include "tst_KivWriteGate.moc"
