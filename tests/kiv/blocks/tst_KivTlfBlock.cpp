#include "ApplicationVersion.h"
#include "Functions.h"
#include "KivDeviceSetup.h"
#include "KivTlfBlock.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {
constexpr uint kS = KivTlfBlock::kStartRegister;

// A device image with the traffic light on, channel 2, colours green/yellow/red and the given
// threshold words.
QList<quint16> tlfImage(const QList<quint16> &threshold1, const QList<quint16> &threshold2)
{
    QList<quint16> image(300, 0);
    image[kS] = quint16(1 << 8) | 2; // on, display rotation 180° in the low byte
    image[kS + 27] = quint16((1 << 8) | 2);
    image[kS + 28] = quint16((3 << 8) | 2);
    image[kS + 29] = threshold1.at(0);
    image[kS + 30] = threshold1.at(1);
    image[kS + 31] = threshold2.at(0);
    image[kS + 32] = threshold2.at(1);
    return image;
}

QList<quint16> words(const QSignalSpy &spy, int i)
{
    return spy.at(i).at(1).value<QList<quint16>>();
}
} // namespace

class tst_KivTlfBlock : public QObject
{
    Q_OBJECT

private slots:
    void channelAndColours_debouncedIntoOneWritePerRegister();
    void onOff_writesOnlyTheHighByteAtOnce();
    void thresholdFormat_followsBoardFirmwareAndMainBoard_data();
    void thresholdFormat_followsBoardFirmwareAndMainBoard();
    void integerThreshold_truncatedAndClampedToInt32();
    void conversions_scaleOnlyIntegerDevices();
    void image_takenOverOnceThenSilent_shortImageIgnored();
};

void tst_KivTlfBlock::channelAndColours_debouncedIntoOneWritePerRegister()
{
    KivTlfBlock block(QList<quint16>(300, 0), kS, nullptr);
    QSignalSpy writes(&block, &KivTlfBlock::writeSingleRegister);

    block.setChannel(3);
    block.setColor1(KivTlfBlock::Red);
    QVERIFY(writes.isEmpty());
    QVERIFY(writes.wait(1000));
    QVERIFY(!block.writesPending());
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.at(0).at(0).toUInt(), kS + 27);
    QCOMPARE(writes.at(0).at(1).toUInt(), uint(3 * 256 + 3));

    // Colour 2 alone carries the unchanged colour 3 along.
    writes.clear();
    block.setColor3(KivTlfBlock::Red);
    QVERIFY(writes.wait(1000));
    writes.clear();
    block.setColor2(KivTlfBlock::Yellow);
    block.setColor2(KivTlfBlock::Yellow);
    QVERIFY(writes.wait(1000));
    QVERIFY(!block.writesPending());
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.at(0).at(0).toUInt(), kS + 28);
    QCOMPARE(writes.at(0).at(1).toUInt(), uint(3 * 256 + 2));
}

void tst_KivTlfBlock::onOff_writesOnlyTheHighByteAtOnce()
{
    KivTlfBlock block(QList<quint16>(300, 0), kS, nullptr);
    QSignalSpy halves(&block, &KivTlfBlock::writeHalfRegister);
    QSignalSpy singles(&block, &KivTlfBlock::writeSingleRegister);
    block.setOnOff(1);
    block.setOnOff(1);
    QCOMPARE(halves.count(), 1);
    QCOMPARE(halves.at(0).at(0).toUInt(), kS);
    QCOMPARE(halves.at(0).at(1).value<uchar>(), uchar(1));
    QCOMPARE(halves.at(0).at(2).value<Functions::Byte>(), Functions::HighByte);
    QVERIFY(!block.writesPending());
    QVERIFY(singles.isEmpty());
}

void tst_KivTlfBlock::thresholdFormat_followsBoardFirmwareAndMainBoard_data()
{
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("mainBoard");
    QTest::addColumn<QString>("apVersion");
    QTest::addColumn<bool>("isFloat");
    QTest::newRow("analogue board") << int(Enums::AP_AA) << int(Enums::MP_Kiv) << "3.0" << false;
    QTest::newRow("modbus 2.2") << int(Enums::AP_Modbus) << int(Enums::MP_Kiv) << "2.2" << false;
    QTest::newRow("modbus 2.2.0.1") << int(Enums::AP_Modbus) << int(Enums::MP_Kiv) << "2.2.0.1" << true;
    QTest::newRow("bacnet 2.3") << int(Enums::AP_BACnet) << int(Enums::MP_Kiv) << "2.3" << true;
    QTest::newRow("qev analogue") << int(Enums::AP_AA) << int(Enums::MP_Qev) << "1.0" << true;
    // On a bus board the firmware decides, also on Qev main boards.
    QTest::newRow("qev modbus 2.1") << int(Enums::AP_Modbus) << int(Enums::MP_Qev) << "2.1" << false;
}

void tst_KivTlfBlock::thresholdFormat_followsBoardFirmwareAndMainBoard()
{
    QFETCH(int, board);
    QFETCH(int, mainBoard);
    QFETCH(QString, apVersion);
    QFETCH(bool, isFloat);
    KivDeviceSetup setup;
    setup.setBoardType(Enums::TypeCircuitBoard(board));
    setup.setMainBoard(Enums::TypeMainBoard(mainBoard));
    setup.setApVersion(ApplicationVersion::fromString(apVersion));
    KivTlfBlock block(QList<quint16>(300, 0), kS, &setup);
    QCOMPARE(block.thresholdsAreFloat(), isFloat);

    QSignalSpy writes(&block, &KivTlfBlock::writeMultipleRegister);
    block.setThreshold1(12.7);
    block.setThreshold2(-0.5);
    QCOMPARE(writes.count(), 2);
    QCOMPARE(writes.at(0).at(0).toUInt(), kS + 29);
    QCOMPARE(writes.at(1).at(0).toUInt(), kS + 31);
    if (isFloat) {
        QCOMPARE(words(writes, 0), Functions::fromFloat(12.7f));
        QCOMPARE(words(writes, 1), Functions::fromFloat(-0.5f));
    } else {
        QCOMPARE(words(writes, 0), QList<quint16>({12, 0}));
        QCOMPARE(words(writes, 1), QList<quint16>({0, 0}));
    }
}

void tst_KivTlfBlock::integerThreshold_truncatedAndClampedToInt32()
{
    QCOMPARE(KivTlfBlock::toInt32(-3.9), -3);
    QCOMPARE(KivTlfBlock::toInt32(1e12), std::numeric_limits<qint32>::max());
    QCOMPARE(KivTlfBlock::toInt32(-1e12), std::numeric_limits<qint32>::min());
    QCOMPARE(KivTlfBlock::toInt32(std::numeric_limits<double>::infinity()), std::numeric_limits<qint32>::max());
    QCOMPARE(KivTlfBlock::toInt32(-std::numeric_limits<double>::infinity()), std::numeric_limits<qint32>::min());
    QCOMPARE(KivTlfBlock::toInt32(std::numeric_limits<double>::quiet_NaN()), 0);

    KivTlfBlock block(QList<quint16>(300, 0), kS, nullptr);
    QSignalSpy writes(&block, &KivTlfBlock::writeMultipleRegister);
    block.setThreshold1(3e9);
    QCOMPARE(words(writes, 0), QList<quint16>({0xFFFF, 0x7FFF}));
}

void tst_KivTlfBlock::conversions_scaleOnlyIntegerDevices()
{
    KivDeviceSetup setup;
    setup.setBoardType(Enums::AP_AA);
    KivTlfBlock block(QList<quint16>(300, 0), kS, &setup);
    QCOMPARE(block.aThresholdToValue(0.5, Enums::inchWC), 500.0);
    QCOMPARE(block.adjustThreshold(500, Enums::inchWC), 0.5);
    QCOMPARE(block.aThresholdToValue(2.5, Enums::m3_s), 250.0);
    QCOMPARE(block.aThresholdToValue(300, Enums::m3_h), 300.0);
    QCOMPARE(block.aThresholdToValue(300, Enums::cfm), 300.0);
    QCOMPARE(block.aThresholdToValue(800, Enums::ppm), 800.0);

    // An integer Modbus board keeps flows in its own scale.
    setup.setBoardType(Enums::AP_Modbus);
    setup.setApVersion(ApplicationVersion::fromString(QStringLiteral("2.0")));
    QCOMPARE(block.aThresholdToValue(300, Enums::m3_h), 3.0);
    QCOMPARE(block.adjustThreshold(3, Enums::m3_h), 300.0);
    QCOMPARE(block.aThresholdToValue(300, Enums::cfm), 30.0);

    setup.setApVersion(ApplicationVersion::fromString(QStringLiteral("2.5")));
    QCOMPARE(block.aThresholdToValue(0.5, Enums::inchWC), 0.5);
    QCOMPARE(block.adjustThreshold(0.5, Enums::inchWC), 0.5);
}

void tst_KivTlfBlock::image_takenOverOnceThenSilent_shortImageIgnored()
{
    const QList<quint16> image = tlfImage({800, 0}, {0xFB50, 0xFFFF}); // 800 and -1200
    KivTlfBlock block(QList<quint16>(300, 0), kS, nullptr);
    QSignalSpy singles(&block, &KivTlfBlock::writeSingleRegister);
    QSignalSpy multiples(&block, &KivTlfBlock::writeMultipleRegister);
    QSignalSpy halves(&block, &KivTlfBlock::writeHalfRegister);

    block.updateFromImage(image);
    QCOMPARE(block.onOff(), quint8(1));
    QCOMPARE(block.channel(), quint8(2));
    QCOMPARE(block.color1(), quint8(1));
    QCOMPARE(block.color2(), quint8(2));
    QCOMPARE(block.color3(), quint8(3));
    QCOMPARE(block.threshold1(), 800.0);
    QCOMPARE(block.threshold2(), -1200.0);
    // A changed value is written back as a user change would be.
    QTRY_VERIFY(!block.writesPending());
    QCOMPARE(singles.count(), 2);
    QCOMPARE(multiples.count(), 2);
    QCOMPARE(halves.count(), 1);

    // The same image again: nothing changes, nothing is written.
    singles.clear();
    multiples.clear();
    halves.clear();
    QSignalSpy changes(&block, &KivTlfBlock::threshold1Changed);
    block.updateFromImage(image);
    QVERIFY(!block.writesPending());
    QVERIFY(singles.isEmpty() && multiples.isEmpty() && halves.isEmpty() && changes.isEmpty());

    // An image that ends inside the block leaves every value as it was.
    QList<quint16> shortImage = tlfImage({5, 0}, {6, 0});
    shortImage[kS + 27] = 0;
    shortImage.resize(kS + KivTlfBlock::kBlockRegisters - 1);
    block.updateFromImage(shortImage);
    QVERIFY(!block.writesPending());
    QCOMPARE(block.channel(), quint8(2));
    QCOMPARE(block.threshold1(), 800.0);
    QVERIFY(singles.isEmpty() && multiples.isEmpty() && halves.isEmpty());
}

QTEST_GUILESS_MAIN(tst_KivTlfBlock)
#include "tst_KivTlfBlock.moc"
