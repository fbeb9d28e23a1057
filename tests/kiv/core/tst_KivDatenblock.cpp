#include "ApplicationVersion.h"
#include "Functions.h"
#include "KivDatenblock.h"
#include "KivDeviceSetup.h"

#include <QSignalSpy>
#include <QTest>

namespace {
constexpr int kImageSize = 5000;
constexpr uint kBase = 1000; // block 0

struct BlockSetup
{
    Enums::TypeDatenblock type = Enums::Temperatur;
    double value = 0.0;
    double lowerRange = 0.0;
    double upperRange = 100.0;
    quint32 channel = 0;
    QList<qint32> parameters;
};

void putWord32(QList<quint16> &image, uint reg, quint32 value)
{
    const QList<quint16> words = Functions::fromUInt32(value);
    image[int(reg)] = words.at(0);
    image[int(reg) + 1] = words.at(1);
}

void putFloat(QList<quint16> &image, uint reg, float value)
{
    const QList<quint16> words = Functions::fromFloat(value);
    image[int(reg)] = words.at(0);
    image[int(reg) + 1] = words.at(1);
}

QList<quint16> imageFor(const BlockSetup &setup)
{
    QList<quint16> image(kImageSize, 0);
    const bool floats = setup.type == Enums::Volumenstrom || setup.type == Enums::Druck;
    putWord32(image, kBase + KivDatenblock::kOffType, quint32(setup.type));
    putFloat(image, kBase + KivDatenblock::kOffValue, float(setup.value));
    if (floats) {
        putFloat(image, kBase + KivDatenblock::kOffLowerRange, float(setup.lowerRange));
        putFloat(image, kBase + KivDatenblock::kOffUpperRange, float(setup.upperRange));
    } else {
        putWord32(image, kBase + KivDatenblock::kOffLowerRange, quint32(qint32(setup.lowerRange)));
        putWord32(image, kBase + KivDatenblock::kOffUpperRange, quint32(qint32(setup.upperRange)));
    }
    putWord32(image, kBase + KivDatenblock::kOffChannel, setup.channel);
    for (int i = 0; i < setup.parameters.size(); ++i)
        putWord32(image, kBase + KivDatenblock::kOffParameter0 + 2 * uint(i), quint32(setup.parameters.at(i)));
    return image;
}

// Start register of every write the spy saw.
QList<uint> writtenRegisters(const QSignalSpy &spy)
{
    QList<uint> registers;
    for (const QList<QVariant> &args : spy)
        registers << args.at(0).toUInt();
    return registers;
}
} // namespace

class tst_KivDatenblock : public QObject
{
    Q_OBJECT

private slots:
    void decode_takesTypedFieldsFromTheBlockRegisters();
    void decode_shortImage_reportsAndKeepsValues();
    void outputs_followValueRangeAndVoltageSpan_data();
    void outputs_followValueRangeAndVoltageSpan();
    void rangeList_formatsTableAndPicksCurrentEntry();
    void rangeIndex_setsBothBounds();
    void unitSystem_convertsRangesOnlyOnARealSwitch();
    void pressureLowerRange_writesNothing();
    void temperatureLowerRange_writesTruncatedWrappedInteger();
    void offset_threeEditsGiveOneWrite();
    void parameter5_writesAtOnceAndAsksForReRead();
    void kFactor_rules_data();
    void kFactor_rules();
    void kValue_convertsToParameter4WithoutTruncationLoss();
    void placeholder_neverWrites();
};

void tst_KivDatenblock::decode_takesTypedFieldsFromTheBlockRegisters()
{
    BlockSetup setup;
    setup.type = Enums::Volumenstrom;
    setup.value = 12.5;
    setup.lowerRange = 0.5;
    setup.upperRange = 7.25;
    setup.channel = 3;
    setup.parameters = {1, -2, 3, 4, 5, 6, 7, 8, 9, 10};
    QList<quint16> image = imageFor(setup);
    putWord32(image, kBase + KivDatenblock::kOffUnit, Enums::m3_h);
    putWord32(image, kBase + KivDatenblock::kOffOffset, quint32(-15));
    putWord32(image, kBase + KivDatenblock::kOffSensorError, 7);

    KivDatenblock block(image, kBase, 0, nullptr);
    QVERIFY(block.isValid());
    QCOMPARE(block.getIndex(), 0);
    QCOMPARE(block.type(), Enums::Volumenstrom);
    QCOMPARE(block.unit(), Enums::m3_h);
    QCOMPARE(block.value(), 12.5);
    QCOMPARE(block.lowerRange(), 0.5); // float for flow
    QCOMPARE(block.upperRange(), 7.25);
    QCOMPARE(block.offset(), -15);
    QCOMPARE(block.sensorError(), 7);
    QCOMPARE(block.channel(), 3u);
    QCOMPARE(block.parameter1(), -2);
    QCOMPARE(block.parameter9(), 10);

    // A block without a measure shows the marker value, whatever the value registers hold.
    BlockSetup invalid;
    invalid.type = Enums::Invalid;
    invalid.value = 21.0;
    KivDatenblock empty(imageFor(invalid), kBase, 1, nullptr);
    QCOMPARE(empty.value(), -1000000.0);
}

void tst_KivDatenblock::decode_shortImage_reportsAndKeepsValues()
{
    BlockSetup setup;
    setup.value = 21.0;
    KivDatenblock block(imageFor(setup), kBase, 0, nullptr);
    QSignalSpy errors(&block, &KivDatenblock::errorString);
    QSignalSpy values(&block, &KivDatenblock::valueChanged);

    block.updateFromImage(QList<quint16>(kBase + 46, 0));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("Falsche ByteArray größe: 1046 of 47"));
    QCOMPARE(block.value(), 21.0);
    QCOMPARE(values.count(), 0);

    // The back end refreshes its blocks by name.
    QVERIFY(QMetaObject::invokeMethod(&block, "updateFromImage", Q_ARG(QList<quint16>, QList<quint16>(10, 0))));
    QCOMPARE(errors.count(), 2);

    // An image that ends before the block starts must not be read either.
    block.updateFromImage(QList<quint16>(10, 0));
    QCOMPARE(errors.count(), 3);
    QCOMPARE(block.type(), Enums::Temperatur);
}

void tst_KivDatenblock::outputs_followValueRangeAndVoltageSpan_data()
{
    QTest::addColumn<quint32>("channel");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("upper");
    QTest::addColumn<int>("minVoltage");
    QTest::addColumn<double>("voltage");
    QTest::addColumn<double>("amps");

    QTest::newRow("no output") << 0u << 25.0 << 100.0 << 0 << 0.0 << 0.0;
    QTest::newRow("quarter of 0..10 V") << 1u << 25.0 << 100.0 << 0 << 2.5 << 8.0;
    QTest::newRow("quarter of 2..10 V") << 2u << 25.0 << 100.0 << 2 << 4.0 << 8.0;
    // An empty range must not divide by zero; the output rests at its lower end.
    QTest::newRow("empty range") << 1u << 25.0 << 0.0 << 0 << 0.0 << 4.0;
}

void tst_KivDatenblock::outputs_followValueRangeAndVoltageSpan()
{
    QFETCH(quint32, channel);
    QFETCH(double, value);
    QFETCH(double, upper);
    QFETCH(int, minVoltage);
    QFETCH(double, voltage);
    QFETCH(double, amps);

    BlockSetup setup;
    setup.type = Enums::Relative_Feuchte;
    setup.value = value;
    setup.upperRange = upper;
    setup.channel = channel;
    const QList<quint16> image = imageFor(setup);
    KivDatenblock block(image, kBase, 0, nullptr);
    block.setLowerVoltage(minVoltage);
    block.setUpperVoltage(10);
    block.updateFromImage(image);

    QCOMPARE(block.voltage(), voltage);
    QCOMPARE(block.amps(), amps);
}

void tst_KivDatenblock::rangeList_formatsTableAndPicksCurrentEntry()
{
    BlockSetup setup;
    setup.lowerRange = -10;
    setup.upperRange = 120;
    KivDatenblock block(imageFor(setup), kBase, 0, nullptr);
    QCOMPARE(block.rangeList(),
             QStringList({"-50 .. 50", "-10 .. 120", "0 .. 100", "0 .. 250", "-15 .. 35", "0 .. 160", "-20 .. 80"}));
    QCOMPARE(block.rangeIndex(), 1);

    // A range outside the table selects nothing; a measure without a table offers nothing.
    setup.upperRange = 119;
    block.updateFromImage(imageFor(setup));
    QCOMPARE(block.rangeIndex(), -1);

    BlockSetup pressure;
    pressure.type = Enums::Druck;
    KivDatenblock pressureBlock(imageFor(pressure), kBase, 0, nullptr);
    QVERIFY(pressureBlock.rangeList().isEmpty());
    QCOMPARE(pressureBlock.rangeIndex(), -1);
}

void tst_KivDatenblock::rangeIndex_setsBothBounds()
{
    BlockSetup setup;
    setup.type = Enums::Helligkeit;
    setup.upperRange = 200;
    KivDatenblock block(imageFor(setup), kBase, 0, nullptr);
    QCOMPARE(block.rangeIndex(), 0);

    block.setRangeIndex(3);
    QCOMPARE(block.lowerRange(), 0.0);
    QCOMPARE(block.upperRange(), 10000.0);

    block.setRangeIndex(42); // stale index from a page
    QCOMPARE(block.upperRange(), 10000.0);
}

void tst_KivDatenblock::unitSystem_convertsRangesOnlyOnARealSwitch()
{
    BlockSetup setup;
    setup.type = Enums::Helligkeit;
    setup.upperRange = 1000;
    KivDatenblock block(imageFor(setup), kBase, 0, nullptr);
    QSignalSpy writes(&block, &KivDatenblock::writeMultipleRegisters);

    block.updateUnitSystem(2);
    QCOMPARE(block.upperRange(), 100.0);
    QCOMPARE(block.rangeList().first(), QStringLiteral("0 .. 20"));
    QCOMPARE(block.rangeIndex(), 1);
    // The converted bound reaches the device after the range debounce.
    QVERIFY(writes.wait(3000));
    QCOMPARE(writtenRegisters(writes), QList<uint>({kBase + KivDatenblock::kOffUpperRange}));

    // Telling the block the unit system it already has converts nothing.
    block.updateUnitSystem(2);
    QCOMPARE(block.upperRange(), 100.0);
    block.updateUnitSystem(1);
    QCOMPARE(block.upperRange(), 1000.0);

    // Ranges read from a device that already works in the new system stay as they are.
    BlockSetup humidity;
    humidity.type = Enums::Absolute_Feuchte;
    humidity.upperRange = 22;
    KivDatenblock absolute(imageFor(humidity), kBase, 0, nullptr);
    absolute.updateUnitSystem(2);
    QCOMPARE(absolute.upperRange(), 22.0);
    QCOMPARE(absolute.rangeIndex(), 0);

    // Without conversion: the block only learns the system its ranges are in.
    KivDatenblock imperial(imageFor(setup), kBase, 0, nullptr);
    imperial.setUnitSystem(2);
    QCOMPARE(imperial.upperRange(), 1000.0);
    QCOMPARE(imperial.rangeIndex(), 3);
}

void tst_KivDatenblock::pressureLowerRange_writesNothing()
{
    BlockSetup setup;
    setup.type = Enums::Druck;
    setup.upperRange = 500;
    KivDatenblock block(imageFor(setup), kBase, 0, nullptr);
    QSignalSpy writes(&block, &KivDatenblock::writeMultipleRegisters);

    block.setLowerRange(-50);
    block.setParameter0(3);
    // The offset is writable for pressure and debounced like the range: once its write is
    // out, the range write would have been too.
    block.setOffset(4);
    QTRY_COMPARE_WITH_TIMEOUT(writes.count(), 1, 3000);
    QCOMPARE(writtenRegisters(writes), QList<uint>({kBase + KivDatenblock::kOffOffset}));
}

void tst_KivDatenblock::temperatureLowerRange_writesTruncatedWrappedInteger()
{
    KivDatenblock block(imageFor(BlockSetup{}), kBase, 0, nullptr);
    QSignalSpy writes(&block, &KivDatenblock::writeMultipleRegisters);

    block.setLowerRange(-10.7);
    QCOMPARE(writes.count(), 0);
    QVERIFY(writes.wait(3000));
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.at(0).at(0).toUInt(), kBase + KivDatenblock::kOffLowerRange);
    QCOMPARE(writes.at(0).at(1).value<QList<quint16>>(), QList<quint16>({0xFFF6, 0xFFFF}));

    // Flow ranges travel as floats.
    BlockSetup flow;
    flow.type = Enums::Volumenstrom;
    KivDatenblock flowBlock(imageFor(flow), kBase, 0, nullptr);
    QSignalSpy flowWrites(&flowBlock, &KivDatenblock::writeMultipleRegisters);
    flowBlock.setUpperRange(2.5);
    QVERIFY(flowWrites.wait(3000));
    QCOMPARE(flowWrites.at(0).at(1).value<QList<quint16>>(), Functions::fromFloat(2.5f));
}

void tst_KivDatenblock::offset_threeEditsGiveOneWrite()
{
    KivDatenblock block(imageFor(BlockSetup{}), kBase, 0, nullptr);
    QSignalSpy writes(&block, &KivDatenblock::writeMultipleRegisters);

    block.setOffset(1);
    block.setOffset(2);
    block.setOffset(-3);
    QVERIFY(writes.wait(3000));
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.at(0).at(0).toUInt(), kBase + KivDatenblock::kOffOffset);
    QCOMPARE(writes.at(0).at(1).value<QList<quint16>>(), QList<quint16>({0xFFFD, 0xFFFF}));
}

void tst_KivDatenblock::parameter5_writesAtOnceAndAsksForReRead()
{
    KivDatenblock block(imageFor(BlockSetup{}), kBase, 0, nullptr);
    QSignalSpy writes(&block, &KivDatenblock::writeMultipleRegisters);
    QSignalSpy reRead(&block, &KivDatenblock::updateThisBlock);

    block.setParameter5(2);
    block.setParameter(5, 3);
    QCOMPARE(writes.count(), 2);
    QCOMPARE(writes.at(1).at(0).toUInt(), kBase + KivDatenblock::kOffParameter0 + 10);
    QCOMPARE(writes.at(1).at(1).value<QList<quint16>>(), QList<quint16>({3, 0}));
    QCOMPARE(reRead.count(), 0);

    QVERIFY(reRead.wait(4000));
    QCOMPARE(reRead.count(), 1);
    QCOMPARE(reRead.at(0).at(0).toUInt(), kBase);

    // Parameter indexes beyond 9 are ignored.
    block.setParameter(10, 5);
    QCOMPARE(writes.count(), 2);
}

void tst_KivDatenblock::kFactor_rules_data()
{
    QTest::addColumn<Enums::TypeMainBoard>("mainBoard");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("parameter6");
    QTest::addColumn<int>("kFactor");

    QTest::newRow("Qev 2.10, p6 1") << Enums::MP_Qev << 10 << 1 << 1000;
    QTest::newRow("Qev 2.8") << Enums::MP_Qev << 8 << 1 << 10;
    QTest::newRow("Qev 2.9 is not newer") << Enums::MP_Qev << 9 << 1 << 10;
    QTest::newRow("Qev 2.10, p6 0") << Enums::MP_Qev << 10 << 0 << 10;
    QTest::newRow("Kiv 2.10") << Enums::MP_Kiv << 10 << 1 << 10;
}

void tst_KivDatenblock::kFactor_rules()
{
    QFETCH(Enums::TypeMainBoard, mainBoard);
    QFETCH(int, minor);
    QFETCH(int, parameter6);
    QFETCH(int, kFactor);

    KivDeviceSetup setup;
    setup.setMainBoard(mainBoard);
    setup.setGpVersion(ApplicationVersion(0, 0, quint8(minor), 2));
    BlockSetup flow;
    flow.type = Enums::Volumenstrom;
    flow.parameters = {0, 0, 0, 0, 1500, 0, parameter6};
    KivDatenblock block(imageFor(flow), kBase, 0, &setup);

    QCOMPARE(block.kFactor(), kFactor);
    QCOMPARE(block.adjustedKValue(), 1500.0 / kFactor);
}

void tst_KivDatenblock::kValue_convertsToParameter4WithoutTruncationLoss()
{
    KivDeviceSetup setup;
    setup.setMainBoard(Enums::MP_Qev);
    setup.setGpVersion(ApplicationVersion(0, 0, 10, 2));
    BlockSetup flow;
    flow.type = Enums::Volumenstrom;
    flow.parameters = {0, 0, 0, 0, 0, 0, 1};
    KivDatenblock block(imageFor(flow), kBase, 0, &setup);
    QSignalSpy writes(&block, &KivDatenblock::writeMultipleRegisters);

    // 1.001 * 1000 is 1000.9999999999999 in binary floating point.
    block.setAdjustedKValue(1.001);
    QVERIFY(writes.wait(3000));
    QCOMPARE(block.parameter4(), 1001);
    QCOMPARE(writes.at(0).at(0).toUInt(), kBase + KivDatenblock::kOffParameter0 + 8);
    QCOMPARE(writes.at(0).at(1).value<QList<quint16>>(), QList<quint16>({1001, 0}));

    // Other measures keep their parameters.
    KivDatenblock temperature(imageFor(BlockSetup{}), kBase, 0, &setup);
    temperature.setAdjustedKValue(5);
    temperature.adjustedKValueToParameter();
    QCOMPARE(temperature.parameter4(), 0);
}

void tst_KivDatenblock::placeholder_neverWrites()
{
    KivDatenblock placeholder(2);
    QVERIFY(!placeholder.isValid());
    QCOMPARE(placeholder.getIndex(), -1);
    QCOMPARE(placeholder.channel(), 2u);
    QSignalSpy writes(&placeholder, &KivDatenblock::writeMultipleRegisters);
    placeholder.setChannel(0);
    placeholder.setParameter0(1);
    QCOMPARE(writes.count(), 0);
}

QTEST_GUILESS_MAIN(tst_KivDatenblock)
#include "tst_KivDatenblock.moc"
