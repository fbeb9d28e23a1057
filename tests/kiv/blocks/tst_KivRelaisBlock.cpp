#include "Functions.h"
#include "KivDeviceSetup.h"
#include "KivRelaisBlock.h"

#include <QSignalSpy>
#include <QTest>

class tst_KivRelaisBlock : public QObject
{
    Q_OBJECT

private slots:
    void threshold_encodingFollowsMainBoard();
    void image_secondBlockReadsItsOwnRegistersAndWritesChangesBack();
};

void tst_KivRelaisBlock::threshold_encodingFollowsMainBoard()
{
    KivDeviceSetup setup;
    const QList<quint16> image(300, 0);
    KivRelaisBlock block(image, KivRelaisBlock::kRelais1Register, &setup);
    QSignalSpy thresholds(&block, &KivRelaisBlock::threshold1Changed);

    block.setThreshold1(21.7);
    QCOMPARE(thresholds.count(), 1);
    QCOMPARE(thresholds.at(0).at(0).toUInt(), 154u);
    QCOMPARE(thresholds.at(0).at(1).value<QList<quint16>>(), QList<quint16>({21, 0}));
    block.setThreshold1(21.7);
    QCOMPARE(thresholds.count(), 1);

    // Negative and out-of-range thresholds keep their sign and never overflow.
    block.setThreshold1(-3.9);
    QCOMPARE(thresholds.at(1).at(1).value<QList<quint16>>(), QList<quint16>({0xFFFD, 0xFFFF}));
    block.setThreshold1(1e12);
    QCOMPARE(thresholds.at(2).at(1).value<QList<quint16>>(), QList<quint16>({0xFFFF, 0x7FFF}));

    setup.setMainBoard(Enums::MP_Qev);
    block.setThreshold1(21.5);
    QCOMPARE(thresholds.at(3).at(1).value<QList<quint16>>(), Functions::fromFloat(21.5f));
}

void tst_KivRelaisBlock::image_secondBlockReadsItsOwnRegistersAndWritesChangesBack()
{
    QList<quint16> image(300, 0);
    image[160] = 2; // channel
    image[164] = 1; // state 2
    image[168] = 30; // threshold 1 (integer format)
    image[172] = 5; // hysteresis
    KivRelaisBlock first(image, KivRelaisBlock::kRelais1Register, nullptr);
    KivRelaisBlock second(image, KivRelaisBlock::kRelais2Register, nullptr);
    QCOMPARE(first.channel(), 0);
    QCOMPARE(second.channel(), 2);
    QCOMPARE(second.relaisState2(), 1);
    QCOMPARE(second.threshold1(), 30.0);
    QCOMPARE(second.hysteresis(), 5);

    QSignalSpy channel(&second, &KivRelaisBlock::channelChanged);
    QSignalSpy hysteresis(&second, &KivRelaisBlock::hysteresisChanged);
    image[160] = 3;
    second.updateFromImage(image);
    QCOMPARE(channel.count(), 1);
    QCOMPARE(channel.at(0).at(0).toUInt(), 160u);
    QCOMPARE(hysteresis.count(), 0);

    // An image that ends inside the block changes nothing.
    second.updateFromImage(QList<quint16>(173, 0));
    QCOMPARE(second.channel(), 3);
}

QTEST_GUILESS_MAIN(tst_KivRelaisBlock)
#include "tst_KivRelaisBlock.moc"
