#include "KivOffsetBackend.h"

#include <QTest>

class tst_KivOffsetBackend : public QObject
{
    Q_OBJECT

private slots:
    void offsetLimits_followTheMeasure_data();
    void offsetLimits_followTheMeasure();
    void offsetLimits_reachableFromQmlByName();
};

void tst_KivOffsetBackend::offsetLimits_followTheMeasure_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::newRow("temperature") << int(Enums::Temperatur) << -3.0 << 3.0;
    QTest::newRow("relative humidity") << int(Enums::Relative_Feuchte) << -5.0 << 5.0;
    QTest::newRow("co2") << int(Enums::CO2) << -150.0 << 150.0;
    QTest::newRow("voc") << int(Enums::VOC) << -15.0 << 15.0;
    QTest::newRow("brightness only positive") << int(Enums::Helligkeit) << 0.0 << 9.999;
    QTest::newRow("absolute humidity has none") << int(Enums::Absolute_Feuchte) << 2147483647.0 << 4294967295.0;
    QTest::newRow("invalid") << int(Enums::Invalid) << 2147483647.0 << 4294967295.0;
    QTest::newRow("mixed co2/voc") << int(Enums::CO2_VOC) << 2147483647.0 << 4294967295.0;
    QTest::newRow("max") << int(Enums::MAX1) << 2147483647.0 << 4294967295.0;
}

void tst_KivOffsetBackend::offsetLimits_followTheMeasure()
{
    QFETCH(int, type);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    const KivOffsetBackend backend;
    QCOMPARE(backend.getMinOffset(Enums::TypeDatenblock(type)), minimum);
    QCOMPARE(backend.getMaxOffset(Enums::TypeDatenblock(type)), maximum);
}

void tst_KivOffsetBackend::offsetLimits_reachableFromQmlByName()
{
    KivOffsetBackend backend;
    double value = 0;
    QVERIFY(QMetaObject::invokeMethod(&backend, "getMaxOffset", Q_RETURN_ARG(double, value),
                                      Q_ARG(Enums::TypeDatenblock, Enums::CO2)));
    QCOMPARE(value, 150.0);
}

QTEST_GUILESS_MAIN(tst_KivOffsetBackend)
#include "tst_KivOffsetBackend.moc"
