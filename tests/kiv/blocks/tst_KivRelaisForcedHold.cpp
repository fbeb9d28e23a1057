#include "KivRelaisBlock.h"

#include <QSignalSpy>
#include <QTest>

// A forced relay: the device holds the forced switching values, the block keeps the settings
// that the restore writes back.
class tst_KivRelaisForcedHold : public QObject
{
    Q_OBJECT

private slots:
    void forced_readOfForcedValuesKeepsSettingsAndWritesNothing();
};

void tst_KivRelaisForcedHold::forced_readOfForcedValuesKeepsSettingsAndWritesNothing()
{
    QList<quint16> image(300, 0);
    image[146] = 1; // channel
    image[154] = 24; // threshold 1
    image[158] = 2; // hysteresis
    KivRelaisBlock block(image, KivRelaisBlock::kRelais1Register, nullptr);
    QSignalSpy forced(&block, &KivRelaisBlock::forcedChanged);
    block.setForced(true);
    block.setForced(true);
    QCOMPARE(forced.count(), 1);

    // What a full read finds while the relay is forced open.
    QList<quint16> forcedImage = image;
    forcedImage[148] = forcedImage[150] = forcedImage[152] = 1;
    forcedImage[158] = 0;
    QSignalSpy states(&block, &KivRelaisBlock::relais1Changed);
    QSignalSpy hysteresis(&block, &KivRelaisBlock::hysteresisChanged);
    block.updateFromImage(forcedImage);
    QCOMPARE(block.relaisState1(), 0);
    QCOMPARE(block.hysteresis(), 2);
    QCOMPARE(states.count(), 0);
    QCOMPARE(hysteresis.count(), 0);

    // Released, the block follows the device again.
    block.setForced(false);
    image[158] = 4;
    block.updateFromImage(image);
    QCOMPARE(block.hysteresis(), 4);
    QCOMPARE(hysteresis.count(), 1);
    QCOMPARE(forced.count(), 2);
}

QTEST_MAIN(tst_KivRelaisForcedHold)
#include "tst_KivRelaisForcedHold.moc"
