#include "Functions.h"
#include "KivLcdBlock.h"

#include <QSignalSpy>
#include <QTest>

namespace {
constexpr uint kB = KivLcdBlock::kStartRegister;

QList<quint16> lcdImage()
{
    QList<quint16> image(100, 0);
    image[kB] = quint16((80 << 8) | 1); // available, 80 %
    image[kB + 1] = quint16((1 << 8) | 2); // traffic light on, rotation 180°
    image[kB + 3] = quint16(1 << 8); // service note
    image[kB + 4] = quint16((1 << 8) | 1); // calibration note, relay 1
    image[kB + 5] = quint16((6 << 8) | 0); // relay 2 off, 6 sensors
    image[kB + 6] = quint16((0 << 8) | 1); // channel 1 shown
    image[kB + 7] = quint16((1 << 8) | 0); // channel 4 shown
    return image;
}

QMap<uint, uint> byRegister(const QSignalSpy &spy)
{
    QMap<uint, uint> writes;
    for (const QList<QVariant> &args : spy)
        writes.insert(args.at(0).toUInt(), args.at(1).toUInt());
    return writes;
}
} // namespace

class tst_KivLcdBlock : public QObject
{
    Q_OBJECT

private slots:
    void image_everyByteFromItsPlace_thenQuiet();
    void pairedSettings_oneWritePerRegisterWithTheOtherByteKept();
    void rotation_writesLowByteAtOnce_serviceNoteNeverWritten();
    void hasLcd_needsDisplayAndNameReference();
    void shortImage_leavesEveryValue();
};

void tst_KivLcdBlock::image_everyByteFromItsPlace_thenQuiet()
{
    KivLcdBlock block(lcdImage(), kB);
    QCOMPARE(block.available(), quint8(1));
    QCOMPARE(block.brightness(), quint8(80));
    QCOMPARE(block.rotation(), quint8(2));
    QCOMPARE(block.showService(), quint8(1));
    QCOMPARE(block.showCalibration(), quint8(1));
    QCOMPARE(block.showRelais1(), quint8(1));
    QCOMPARE(block.showRelais2(), quint8(0));
    QCOMPARE(block.cntSensors(), quint8(6));
    QCOMPARE(block.showChannel1(), quint8(1));
    QCOMPARE(block.showChannel2(), quint8(0));
    QCOMPARE(block.showChannel3(), quint8(0));
    QCOMPARE(block.showChannel4(), quint8(1));
    QTRY_VERIFY(!block.writesPending());

    QSignalSpy singles(&block, &KivLcdBlock::writeSingleRegister);
    QSignalSpy halves(&block, &KivLcdBlock::writeHalfRegister);
    QSignalSpy brightness(&block, &KivLcdBlock::brightnessChanged);
    block.updateFromImage(lcdImage());
    QVERIFY(!block.writesPending());
    QVERIFY(singles.isEmpty() && halves.isEmpty() && brightness.isEmpty());
}

void tst_KivLcdBlock::pairedSettings_oneWritePerRegisterWithTheOtherByteKept()
{
    KivLcdBlock block(lcdImage(), kB);
    QTRY_VERIFY(!block.writesPending());
    QSignalSpy singles(&block, &KivLcdBlock::writeSingleRegister);

    block.setBrightness(60);
    block.setShowRelais1(0);
    block.setShowRelais2(1);
    block.setShowChannel2(1);
    block.setShowChannel3(1);
    block.setCntSensors(6); // unchanged: no write of its own
    QVERIFY(singles.isEmpty());
    QTRY_VERIFY(!block.writesPending());
    QCOMPARE(singles.count(), 5);
    const QMap<uint, uint> writes = byRegister(singles);
    QCOMPARE(writes.value(kB), uint(60 * 256 + 1));
    QCOMPARE(writes.value(kB + 4), uint(0 * 256 + 1));
    QCOMPARE(writes.value(kB + 5), uint(6 * 256 + 1));
    QCOMPARE(writes.value(kB + 6), uint(1 * 256 + 1));
    QCOMPARE(writes.value(kB + 7), uint(1 * 256 + 1));

    // Toggling the name reference rewrites register 82 with its unchanged values.
    singles.clear();
    block.setIsAvailaAbleReferenceCheck(true);
    QTRY_VERIFY(!block.writesPending());
    QCOMPARE(singles.count(), 1);
    QCOMPARE(singles.at(0).at(0).toUInt(), kB);
    QCOMPARE(singles.at(0).at(1).toUInt(), uint(60 * 256 + 1));
}

void tst_KivLcdBlock::rotation_writesLowByteAtOnce_serviceNoteNeverWritten()
{
    KivLcdBlock block(lcdImage(), kB);
    QTRY_VERIFY(!block.writesPending());
    QSignalSpy singles(&block, &KivLcdBlock::writeSingleRegister);
    QSignalSpy halves(&block, &KivLcdBlock::writeHalfRegister);

    block.setRotation(3);
    QCOMPARE(halves.count(), 1);
    QCOMPARE(halves.at(0).at(0).toUInt(), kB + 1);
    QCOMPARE(halves.at(0).at(1).value<uchar>(), uchar(3));
    QCOMPARE(halves.at(0).at(2).value<Functions::Byte>(), Functions::LowByte);

    block.setShowService(0);
    QCOMPARE(block.showService(), quint8(0));
    QVERIFY(!block.writesPending());
    QVERIFY(singles.isEmpty());
    QCOMPARE(halves.count(), 1);
}

void tst_KivLcdBlock::hasLcd_needsDisplayAndNameReference()
{
    KivLcdBlock block(QList<quint16>(100, 0), kB);
    QSignalSpy hasLcd(&block, &KivLcdBlock::hasLcd);

    block.updateFromImage(lcdImage());
    QCOMPARE(hasLcd.count(), 1);
    QCOMPARE(hasLcd.last().at(0).toBool(), false);
    block.setIsAvailaAbleReferenceCheck(true);
    QCOMPARE(hasLcd.last().at(0).toBool(), true);
    block.setAvailable(0);
    QCOMPARE(hasLcd.last().at(0).toBool(), false);
    QCOMPARE(hasLcd.count(), 3);
}

void tst_KivLcdBlock::shortImage_leavesEveryValue()
{
    KivLcdBlock block(lcdImage(), kB);
    QTRY_VERIFY(!block.writesPending());
    QList<quint16> image(kB + KivLcdBlock::kBlockRegisters - 1, 0);
    QSignalSpy singles(&block, &KivLcdBlock::writeSingleRegister);
    block.updateFromImage(image);
    QCOMPARE(block.brightness(), quint8(80));
    QCOMPARE(block.showChannel4(), quint8(1));
    QCOMPARE(block.rotation(), quint8(2));
    QVERIFY(!block.writesPending());
    QVERIFY(singles.isEmpty());
}

QTEST_GUILESS_MAIN(tst_KivLcdBlock)
#include "tst_KivLcdBlock.moc"
