#include "ApplicationVersion.h"
#include "Functions.h"

#include <QTest>

class tst_ApplicationVersion : public QObject
{
    Q_OBJECT
private slots:
    void deviceRegisters_highWordFirst_readMajorFirst();
    void order_totalAndByFieldSignificance();
    void text_partsAndRoundTrip();
    void fromString_badInput_nullAndNotOk();
};

void tst_ApplicationVersion::deviceRegisters_highWordFirst_readMajorFirst()
{
    // Registers 50 = 0x0203, 51 = 0x0105, read high word first, bytes least significant first.
    const quint32 value = Functions::toUInt32(0x0203, 0x0105, Functions::HighWordFirst);
    const ApplicationVersion v(quint8(value), quint8(value >> 8), quint8(value >> 16), quint8(value >> 24));
    QCOMPARE(v.major(), 2);
    QCOMPARE(v.minor(), 3);
    QCOMPARE(v.revision(), 1);
    QCOMPARE(v.build(), 5);
    QCOMPARE(v.toString(), QStringLiteral("2.3.1.5"));
    QCOMPARE(v.toString(2), QStringLiteral("2.3"));
    QCOMPARE(ApplicationVersion::fromUInt32(value), v);
}

void tst_ApplicationVersion::order_totalAndByFieldSignificance()
{
    const QList<ApplicationVersion> ascending = {
        ApplicationVersion(),
        ApplicationVersion(255, 0, 0, 0), // 0.0.0.255
        ApplicationVersion(0, 1, 0, 0), // 0.0.1.0
        ApplicationVersion(0, 0, 9, 1), // 1.9.0.0
        ApplicationVersion(0, 0, 10, 1), // 1.10.0.0 (not below 1.9)
        ApplicationVersion(0, 0, 0, 2), // 2.0.0.0
        ApplicationVersion(255, 255, 255, 255),
    };
    for (int i = 0; i < ascending.size(); ++i) {
        for (int j = 0; j < ascending.size(); ++j) {
            QCOMPARE(ascending[i] < ascending[j], i < j);
            QCOMPARE(ascending[i] == ascending[j], i == j);
            QCOMPARE(ascending[i] >= ascending[j], i >= j);
        }
    }
    QVERIFY(ApplicationVersion().isNull());
}

void tst_ApplicationVersion::text_partsAndRoundTrip()
{
    const ApplicationVersion v = ApplicationVersion::fromString(QStringLiteral("4.2.1"));
    QCOMPARE(v.toString(), QStringLiteral("4.2.1.0"));
    QCOMPARE(v.toString(3), QStringLiteral("4.2.1"));
    QCOMPARE(v.toString(0), QStringLiteral("4"));
    QCOMPARE(v.toString(9), QStringLiteral("4.2.1.0"));
    bool ok = false;
    QCOMPARE(ApplicationVersion::fromString(v.toString(), &ok), v);
    QVERIFY(ok);
}

void tst_ApplicationVersion::fromString_badInput_nullAndNotOk()
{
    for (const QString &bad : {QString(), QStringLiteral("abc"), QStringLiteral("1.256"), QStringLiteral("1..2"),
                               QStringLiteral("1.2.3.4.5"), QStringLiteral("-1.0")}) {
        bool ok = true;
        QVERIFY2(ApplicationVersion::fromString(bad, &ok).isNull(), qPrintable(bad));
        QVERIFY2(!ok, qPrintable(bad));
    }
}

QTEST_GUILESS_MAIN(tst_ApplicationVersion)
#include "tst_ApplicationVersion.moc"
