#include "NemtraProperty.h"

#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>

// One definition line in, one property out: the field conversions and the lines that must
// not give a usable property.
class tst_NemtraProperty : public QObject
{
    Q_OBJECT

private slots:
    void line_fieldsConvertedIntoTheProperty();
    void line_withoutBraces_isParsedWhole();
    void line_quotedUnitWithSpaces_losesTheSpaces();
    void typeNames_qualifiedBareAndShared_data();
    void typeNames_qualifiedBareAndShared();
    void unusableLines_giveInvalidProperties_data();
    void unusableLines_giveInvalidProperties();
    void nineFieldLine_isValidWithoutUnit();
    void commasInsideNestedBraces_doNotSplitFields();
    void sendWithoutMemory_writesButKeepsTheValue();
    void datablockType_nameOf99IsSetPointAndReachableThroughTheMetaObject();
};

void tst_NemtraProperty::line_fieldsConvertedIntoTheProperty()
{
    NemtraProperty p(
        QStringLiteral("  {33027, 0, 0, 10.0, 1, DatablockType::Temperature, BaseProperty::Int16, 1, 3, \"K\"},"));
    QVERIFY(p.isValid());
    QCOMPARE(p.registerIndex(), 33027u);
    QCOMPARE(p.divisor(), 10.0);
    QVERIFY(p.readOnly());
    QCOMPARE(p.type(), NemtraEnums::Temperature);
    QCOMPARE(p.propertyType(), BaseProperty::Int16);
    QCOMPARE(p.span(), 1);
    QCOMPARE(p.order(), 3);
    QCOMPARE(p.unit(), QStringLiteral("K"));

    NemtraProperty writable(
        QStringLiteral("{49414, 60000, 604800000, 1.6666666666666667e-05, 0, Lora, UInt16, 1, 4, \"ms\"}"));
    QVERIFY(writable.isValid());
    QVERIFY(!writable.readOnly());
    QCOMPARE(writable.minimum(), 60000.0);
    QCOMPARE(writable.maximum(), 604800000.0);
    QVERIFY(qFuzzyCompare(writable.divisor(), 1.0 / 60000.0));
}

void tst_NemtraProperty::line_withoutBraces_isParsedWhole()
{
    NemtraProperty p(QStringLiteral("33024,-50,200,10,1,Temperature,Int16,1,0,\"°C\""));
    QVERIFY(p.isValid());
    QCOMPARE(p.registerIndex(), 33024u);
    QCOMPARE(p.minimum(), -50.0);
    QCOMPARE(p.unit(), QStringLiteral("°C"));

    // Without a closing brace the text runs to the end of the line.
    NemtraProperty open(QStringLiteral("{33025,0,65535,1,1,Temperature,UInt16,1,1,\"\""));
    QVERIFY(open.isValid());
    QCOMPARE(open.registerIndex(), 33025u);
}

void tst_NemtraProperty::line_quotedUnitWithSpaces_losesTheSpaces()
{
    NemtraProperty p(QStringLiteral("{100, 0, 10, 1, 0, Led, UInt16, 1, 0, \"m s per step\"}"));
    QVERIFY(p.isValid());
    QCOMPARE(p.unit(), QStringLiteral("msperstep"));
}

void tst_NemtraProperty::typeNames_qualifiedBareAndShared_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::newRow("qualified") << "DatablockType::Temperature" << 16;
    QTest::newRow("fully qualified") << "NemtraEnums::DatablockType::Gateway" << 105;
    QTest::newRow("bare") << "Temperature" << 16;
    QTest::newRow("Encoder") << "Encoder" << 99;
    QTest::newRow("SetPoint") << "DatablockType::SetPoint" << 99;
    QTest::newRow("Button_1") << "Button_1" << 38224;
    QTest::newRow("unknown") << "Temperatur" << 65535;
    QTest::newRow("wrong case") << "temperature" << 65535;
    QTest::newRow("number") << "16" << 65535;
    QTest::newRow("empty qualifier tail") << "DatablockType::" << 65535;
}

void tst_NemtraProperty::typeNames_qualifiedBareAndShared()
{
    QFETCH(QString, name);
    QFETCH(int, type);
    NemtraProperty p(QStringLiteral("{100, 0, 10, 1, 0, %1, UInt16, 1, 0, \"\"}").arg(name));
    QCOMPARE(int(p.typeValue()), type);
    // An unknown type is still a valid property; it just matches no container.
    QVERIFY(p.isValid());
}

void tst_NemtraProperty::unusableLines_giveInvalidProperties_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << "";
    QTest::newRow("two characters") << "{1,}";
    QTest::newRow("blanks only") << "{   \t }";
    QTest::newRow("three fields") << "{100, 0, 10}";
    QTest::newRow("register not a number") << "{abc, 0, 10, 1, 0, Led, UInt16, 1, 0, \"\"}";
    QTest::newRow("register empty") << "{, 0, 10, 1, 0, Led, UInt16, 1, 0, \"\"}";
    QTest::newRow("register negative") << "{-1, 0, 10, 1, 0, Led, UInt16, 1, 0, \"\"}";
    QTest::newRow("register fraction") << "{100.5, 0, 10, 1, 0, Led, UInt16, 1, 0, \"\"}";
    QTest::newRow("register past the map") << "{65536, 0, 10, 1, 0, Led, UInt16, 1, 0, \"\"}";
    QTest::newRow("register wraps 32 bits") << "{4294967296, 0, 10, 1, 0, Led, UInt16, 1, 0, \"\"}";
    QTest::newRow("span 0") << "{100, 0, 10, 1, 0, Led, UInt16, 0, 0, \"\"}";
    QTest::newRow("span 256 would wrap to 0") << "{100, 0, 10, 1, 0, Led, UInt16, 256, 0, \"\"}";
    QTest::newRow("span 257 would wrap to 1") << "{100, 0, 10, 1, 0, Led, UInt16, 257, 0, \"\"}";
    QTest::newRow("span negative") << "{100, 0, 10, 1, 0, Led, UInt16, -1, 0, \"\"}";
    QTest::newRow("span malformed") << "{100, 0, 10, 1, 0, Led, UInt16, x, 0, \"\"}";
    QTest::newRow("span too short for 32 bits") << "{100, 0, 10, 1, 0, Led, UInt32, 1, 0, \"\"}";
    QTest::newRow("divisor 0") << "{100, 0, 10, 0, 0, Led, UInt16, 1, 0, \"\"}";
    QTest::newRow("divisor malformed") << "{100, 0, 10, ten, 0, Led, UInt16, 1, 0, \"\"}";
    QTest::newRow("divisor infinite") << "{100, 0, 10, inf, 0, Led, UInt16, 1, 0, \"\"}";
    QTest::newRow("registers run past 65535") << "{65535, 0, 10, 1, 0, Led, UInt32, 2, 0, \"\"}";
    QTest::newRow("unknown property type") << "{100, 0, 10, 1, 0, Led, Word, 1, 0, \"\"}";
    QTest::newRow("minimum above maximum") << "{100, 10, 0, 1, 0, Led, UInt16, 1, 0, \"\"}";
}

void tst_NemtraProperty::unusableLines_giveInvalidProperties()
{
    QFETCH(QString, line);
    NemtraProperty p(line);
    QVERIFY(!p.isValid());
}

void tst_NemtraProperty::nineFieldLine_isValidWithoutUnit()
{
    NemtraProperty p(QStringLiteral("{65534, 0, 10, 1, 0, Led, UInt32, 2, 7}"));
    QVERIFY(p.isValid());
    QCOMPARE(p.registerIndex(), 65534u);
    QCOMPARE(p.order(), 7);
    QVERIFY(p.unit().isEmpty());

    NemtraProperty noQuotes(QStringLiteral("{100, 0, 10, 1, 0, Led, UInt16, 1, 0, ms}"));
    QVERIFY(noQuotes.isValid());
    QVERIFY(noQuotes.unit().isEmpty());
}

void tst_NemtraProperty::commasInsideNestedBraces_doNotSplitFields()
{
    // The nested group is one field (the minimum), which is then not a number.
    NemtraProperty p(QStringLiteral("{100, {1,2,3}, 10, 1, 0, Led, UInt16, 1, 4, \"%\"}"));
    QVERIFY(p.isValid());
    QCOMPARE(p.minimum(), 0.0);
    QCOMPARE(p.maximum(), 10.0);
    QCOMPARE(p.order(), 4);
    QCOMPARE(p.unit(), QStringLiteral("%"));
}

void tst_NemtraProperty::sendWithoutMemory_writesButKeepsTheValue()
{
    NemtraProperty p(0xC100, 0, 100, 1, false, NemtraEnums::DeviceInformation, BaseProperty::UInt16, 1, 15, QString());
    QList<quint16> image(0x10000 - 1, 0);
    image[0xC100] = 5;
    p.setRawValue(image);
    QSignalSpy writes(&p, &BaseProperty::writeSingleRegister);
    QSignalSpy changes(&p, &BaseProperty::valueChanged);
    p.sendWithoutMemory(2);
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.at(0).at(0).toUInt(), 0xC100u);
    QCOMPARE(writes.at(0).at(1).toUInt(), 2u);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(p.value(), 5.0);
}

void tst_NemtraProperty::datablockType_nameOf99IsSetPointAndReachableThroughTheMetaObject()
{
    const QMetaEnum types = QMetaEnum::fromType<NemtraEnums::DatablockType>();
    QCOMPARE(QByteArray(types.valueToKey(99)), QByteArray("SetPoint"));
    QCOMPARE(types.keyToValue("Encoder"), 99);
    QCOMPARE(QMetaEnum::fromType<NemtraEnums::DeviceType>().keyToValue("F3_ZNT"), 16386);

    NemtraProperty p(0x9630, 0, 100, 10, false, NemtraEnums::Encoder, BaseProperty::Int16, 1, 0, QString());
    const QVariant type = p.property("type");
    QVERIFY(type.isValid());
    QCOMPARE(type.value<NemtraEnums::DatablockType>(), NemtraEnums::SetPoint);
    QCOMPARE(p.property("order").toInt(), 0);
}

QTEST_GUILESS_MAIN(tst_NemtraProperty)
#include "tst_NemtraProperty.moc"
