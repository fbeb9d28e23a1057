#include "Enums.h"

#include <QMetaType>
#include <QSignalSpy>
#include <QTest>
#include <QVariant>

class tst_Enums : public QObject
{
    Q_OBJECT

private slots:
    void typeToString_givesTheDeviceWordsAndEmptyForUnnamedTypes_data();
    void typeToString_givesTheDeviceWordsAndEmptyForUnnamedTypes();
    void unitToString_coversEveryUnitAndEmptyOutsideTheTable();
    void imageSource_singleSensorIconsShareFilesWhereTheDeviceDoes_data();
    void imageSource_singleSensorIconsShareFilesWhereTheDeviceDoes();
    void imageSource_multiSensorIconsOnlyForTemperatureAndBrightness_data();
    void imageSource_multiSensorIconsOnlyForTemperatureAndBrightness();
    void rangesForType_listsBothUnitSystemsInDeviceOrder();
    void convertRange_mapsByIndexBothWays_data();
    void convertRange_mapsByIndexBothWays();
    void construction_registersMeasureAndUnitForQueuedSignals();
};

void tst_Enums::typeToString_givesTheDeviceWordsAndEmptyForUnnamedTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::newRow("invalid") << int(Enums::Invalid) << QString();
    QTest::newRow("temperature") << int(Enums::Temperatur) << QStringLiteral("Temperatur");
    QTest::newRow("mixed") << int(Enums::CO2_VOC) << QStringLiteral("CO2/VOC");
    QTest::newRow("pressure is differential") << int(Enums::Druck) << QStringLiteral("Differenzdruck");
    QTest::newRow("condensate") << int(Enums::Kondensat) << QStringLiteral("Kondensat");
    QTest::newRow("air pressure") << int(Enums::Luftdruck) << QStringLiteral("Luftdruck");
    QTest::newRow("second flow") << int(Enums::Volumenstrom2) << QString();
    QTest::newRow("max") << int(Enums::MAX1) << QStringLiteral("Max1");
    QTest::newRow("undeclared value") << 42 << QString();
}

void tst_Enums::typeToString_givesTheDeviceWordsAndEmptyForUnnamedTypes()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QCOMPARE(Enums::typeToString(Enums::TypeDatenblock(type)), text);
}

void tst_Enums::unitToString_coversEveryUnitAndEmptyOutsideTheTable()
{
    QCOMPARE(Enums::unitToString(Enums::Grad_C), QStringLiteral("°C"));
    QCOMPARE(Enums::unitToString(Enums::m3_h), QStringLiteral("m³/h"));
    QCOMPARE(Enums::unitToString(Enums::inchWC), QStringLiteral("inch wc"));
    QCOMPARE(Enums::unitToString(Enums::onoff), QStringLiteral("On/Off"));

    QCOMPARE(Enums::unitToString(Enums::UnitDatenBlock(0)), QString());
    QCOMPARE(Enums::unitToString(Enums::UnitDatenBlock(24)), QString());
    QCOMPARE(Enums::unitToString(Enums::MAX2), QString());
}

void tst_Enums::imageSource_singleSensorIconsShareFilesWhereTheDeviceDoes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("file");
    QTest::newRow("invalid") << int(Enums::Invalid) << QStringLiteral("altitude.png");
    QTest::newRow("temperature") << int(Enums::Temperatur) << QStringLiteral("Temperature.png");
    QTest::newRow("mixed") << int(Enums::CO2_VOC) << QStringLiteral("Co2+Voc.png");
    QTest::newRow("pressure") << int(Enums::Druck) << QStringLiteral("Druck.png");
    QTest::newRow("air pressure shares pressure icon") << int(Enums::Luftdruck) << QStringLiteral("Druck.png");
    QTest::newRow("brightness") << int(Enums::Helligkeit) << QStringLiteral("licht.png");
    QTest::newRow("condensate has none of its own") << int(Enums::Kondensat) << QStringLiteral("altitude.png");
    QTest::newRow("second flow") << int(Enums::Volumenstrom2) << QStringLiteral("altitude.png");
    QTest::newRow("max") << int(Enums::MAX1) << QStringLiteral("altitude.png");
}

void tst_Enums::imageSource_singleSensorIconsShareFilesWhereTheDeviceDoes()
{
    QFETCH(int, type);
    QFETCH(QString, file);
    QCOMPARE(Enums::getImageSource(Enums::TypeDatenblock(type)), QStringLiteral("qrc:/images/Menu Icons/") + file);
}

void tst_Enums::imageSource_multiSensorIconsOnlyForTemperatureAndBrightness_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("multi");
    QTest::addColumn<QString>("file");
    QTest::newRow("temperature 0") << int(Enums::Temperatur) << 0 << QStringLiteral("Temperature.png");
    QTest::newRow("temperature 1") << int(Enums::Temperatur) << 1 << QStringLiteral("Temperatur1.png");
    QTest::newRow("temperature 3") << int(Enums::Temperatur) << 3 << QStringLiteral("Temperatur_Avg.png");
    QTest::newRow("temperature 6") << int(Enums::Temperatur) << 6 << QStringLiteral("Temperature.png");
    QTest::newRow("temperature -1") << int(Enums::Temperatur) << -1 << QStringLiteral("Temperature.png");
    QTest::newRow("brightness 2") << int(Enums::Helligkeit) << 2 << QStringLiteral("Helligkeit2.png");
    QTest::newRow("brightness 4") << int(Enums::Helligkeit) << 4 << QStringLiteral("Helligkeit_Min.png");
    QTest::newRow("brightness 9") << int(Enums::Helligkeit) << 9 << QStringLiteral("licht.png");
    QTest::newRow("co2 3") << int(Enums::CO2) << 3 << QStringLiteral("Co2.png");
    QTest::newRow("condensate 1") << int(Enums::Kondensat) << 1 << QStringLiteral("altitude.png");
}

void tst_Enums::imageSource_multiSensorIconsOnlyForTemperatureAndBrightness()
{
    QFETCH(int, type);
    QFETCH(int, multi);
    QFETCH(QString, file);
    QCOMPARE(Enums::getImageSource(Enums::TypeDatenblock(type), multi),
             QStringLiteral("qrc:/images/Menu Icons/") + file);
}

void tst_Enums::rangesForType_listsBothUnitSystemsInDeviceOrder()
{
    const Enums::RangeTable temperature = Enums::rangesForType(Enums::Temperatur);
    QCOMPARE(temperature.first.size(), 7);
    QCOMPARE(temperature.second.size(), 8);
    QCOMPARE(temperature.first.first(), Enums::Range(-50, 50));
    QCOMPARE(temperature.second.last(), Enums::Range(40, 240));

    const Enums::RangeTable mixed = Enums::rangesForType(Enums::CO2_VOC);
    QCOMPARE(mixed.first.size(), 11);
    QCOMPARE(mixed.first, mixed.second);
    QCOMPARE(mixed.first.at(4), Enums::Range(60, 50));

    const Enums::RangeTable brightness = Enums::rangesForType(Enums::Helligkeit);
    QCOMPARE(brightness.first, Enums::RangeList({{0, 200}, {0, 1000}, {0, 2000}, {0, 10000}, {0, 20000}, {0, 50000}}));
    QCOMPARE(brightness.second, Enums::RangeList({{0, 20}, {0, 100}, {0, 200}, {0, 1000}, {0, 2000}, {0, 5000}}));

    QCOMPARE(Enums::rangesForType(Enums::Taupunkt), Enums::RangeTable({{0, 50}, {-20, 80}}, {{40, 140}, {0, 200}}));

    for (Enums::TypeDatenblock none : {Enums::Invalid, Enums::Volumenstrom, Enums::Druck, Enums::Kondensat,
                                       Enums::Luftdruck, Enums::Volumenstrom2, Enums::MAX1}) {
        QVERIFY2(Enums::rangesForType(none).first.isEmpty(), qPrintable(QString::number(none)));
        QVERIFY(Enums::rangesForType(none).second.isEmpty());
    }
}

void tst_Enums::convertRange_mapsByIndexBothWays_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("siToImperial");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("expectedLower");
    QTest::addColumn<double>("expectedUpper");

    QTest::newRow("brightness to imperial") << int(Enums::Helligkeit) << true << 0.0 << 1000.0 << 0.0 << 100.0;
    QTest::newRow("brightness back to SI") << int(Enums::Helligkeit) << false << 0.0 << 100.0 << 0.0 << 1000.0;
    // (0, 1000) exists in both brightness lists: the source list decides the index.
    QTest::newRow("brightness 1000 from imperial")
        << int(Enums::Helligkeit) << false << 0.0 << 1000.0 << 0.0 << 10000.0;
    QTest::newRow("unknown range gives first entry") << int(Enums::Helligkeit) << true << 0.0 << 300.0 << 0.0 << 20.0;
    // Each bound alone matches the second dew-point entry; together they match none.
    QTest::newRow("lower bound alone is no match") << int(Enums::Taupunkt) << true << -20.0 << 50.0 << 40.0 << 140.0;
    QTest::newRow("upper bound alone is no match") << int(Enums::Taupunkt) << true << 0.0 << 80.0 << 40.0 << 140.0;
    QTest::newRow("absolute humidity second entry")
        << int(Enums::Absolute_Feuchte) << true << 0.0 << 80.0 << 0.0 << 50.0;
    QTest::newRow("dew point with negative bound") << int(Enums::Taupunkt) << true << -20.0 << 80.0 << 0.0 << 200.0;
    QTest::newRow("temperature never converted") << int(Enums::Temperatur) << true << -50.0 << 50.0 << -50.0 << 50.0;
    QTest::newRow("temperature unknown stays") << int(Enums::Temperatur) << false << 1.0 << 2.0 << 1.0 << 2.0;
    QTest::newRow("flow has no table") << int(Enums::Volumenstrom) << true << 0.0 << 300.0 << 0.0 << 300.0;
    QTest::newRow("mixed keeps its step") << int(Enums::CO2_VOC) << true << 60.0 << 50.0 << 60.0 << 50.0;
}

void tst_Enums::convertRange_mapsByIndexBothWays()
{
    QFETCH(int, type);
    QFETCH(bool, siToImperial);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, expectedLower);
    QFETCH(double, expectedUpper);

    const Enums::Range result = Enums::convertRange({lower, upper}, Enums::TypeDatenblock(type), siToImperial);
    QCOMPARE(result.first, expectedLower);
    QCOMPARE(result.second, expectedUpper);
}

void tst_Enums::construction_registersMeasureAndUnitForQueuedSignals()
{
    Enums enums;
    QVERIFY(QMetaType::fromName("Enums::TypeDatenblock").isValid());
    QVERIFY(QMetaType::fromName("Enums::UnitDatenBlock").isValid());

    const QVariant unit = QVariant::fromValue(Enums::ppm);
    QCOMPARE(unit.value<Enums::UnitDatenBlock>(), Enums::ppm);

    // The QML-facing methods must be reachable by name.
    QString text;
    QVERIFY(QMetaObject::invokeMethod(&enums, "typeToString", Q_RETURN_ARG(QString, text),
                                      Q_ARG(Enums::TypeDatenblock, Enums::Druck)));
    QCOMPARE(text, QStringLiteral("Differenzdruck"));
    QVERIFY(QMetaObject::invokeMethod(&enums, "getImageSource", Q_RETURN_ARG(QString, text),
                                      Q_ARG(Enums::TypeDatenblock, Enums::Helligkeit), Q_ARG(int, 3)));
    QCOMPARE(text, QStringLiteral("qrc:/images/Menu Icons/Helligkeit_Avg.png"));
}

QTEST_GUILESS_MAIN(tst_Enums)
#include "tst_Enums.moc"
