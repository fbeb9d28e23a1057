#include "Functions.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

// A property holder written the way back ends write their setters.
class Holder : public QObject
{
    Q_OBJECT
public:
    bool setLevel(double level) { return Functions::assignAndSignal(this, m_level, level, &Holder::levelChanged); }
    bool setRatio(float ratio) { return Functions::assignAndSignal(this, m_ratio, ratio, &Holder::ratioChanged); }
    bool setName(const QString &name) { return Functions::assignAndSignal(this, m_name, name, &Holder::nameChanged); }
    bool setCount(int count) { return Functions::assignAndSignal(this, m_count, count, &Holder::countChanged); }
    double level() const { return m_level; }
    QString name() const { return m_name; }

signals:
    void levelChanged(double level);
    void ratioChanged(float ratio);
    void nameChanged();
    void countChanged(int count);

private:
    double m_level = 0.0;
    float m_ratio = 0.0f;
    QString m_name;
    int m_count = 0;
};

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

} // namespace

class tst_Functions : public QObject
{
    Q_OBJECT
private slots:
    void bytes_splitJoinSwapAndReplace();
    void uint32_everyWordOrder_roundTripsAndMatchesLayout_data();
    void uint32_everyWordOrder_roundTripsAndMatchesLayout();
    void uint32_fromList_shortOrNegativeIndexGivesZero();
    void float_wordOrders_roundTrip();
    void text_lowByteFirst_endsAtNulAndPadsOrCuts();
    void fuzzyEqual_zeroTinyNanInfinity();
    void fuzzyEqual_relativeToSmallerMagnitude();
    void assignAndSignal_doubles_onlyRealChangesNotify();
    void assignAndSignal_nanStoredOnce_notifiesOnce();
    void assignAndSignal_otherTypes_andSignalWithoutArgument();
};

void tst_Functions::bytes_splitJoinSwapAndReplace()
{
    QCOMPARE(Functions::lowByte(0x12AB), quint8(0xAB));
    QCOMPARE(Functions::highByte(0x12AB), quint8(0x12));
    QCOMPARE(Functions::makeWord(0x12, 0xAB), quint16(0x12AB));
    QCOMPARE(Functions::swap16(0x12AB), quint16(0xAB12));
    QCOMPARE(Functions::replaceByte(0x12AB, 0xFF, Functions::LowByte), quint16(0x12FF));
    QCOMPARE(Functions::replaceByte(0x12AB, 0xFF, Functions::HighByte), quint16(0xFFAB));
}

void tst_Functions::uint32_everyWordOrder_roundTripsAndMatchesLayout_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QList<quint16>>("registers");
    // 0x11223344 as each order lays it into R0, R1.
    QTest::newRow("low word first") << int(Functions::LowWordFirst) << QList<quint16>{0x3344, 0x1122};
    QTest::newRow("low word first, swapped") << int(Functions::LowWordFirstSwapped) << QList<quint16>{0x4433, 0x2211};
    QTest::newRow("high word first") << int(Functions::HighWordFirst) << QList<quint16>{0x1122, 0x3344};
    QTest::newRow("high word first, swapped") << int(Functions::HighWordFirstSwapped) << QList<quint16>{0x2211, 0x4433};
}

void tst_Functions::uint32_everyWordOrder_roundTripsAndMatchesLayout()
{
    QFETCH(int, order);
    QFETCH(QList<quint16>, registers);
    const quint32 value = 0x11223344;
    QCOMPARE(Functions::fromUInt32(value, quint8(order)), registers);
    QCOMPARE(Functions::toUInt32(registers.at(0), registers.at(1), quint8(order)), value);
    QCOMPARE(Functions::toUInt32(QList<quint16>{0xDEAD} + registers, 1, quint8(order)), value);
}

void tst_Functions::uint32_fromList_shortOrNegativeIndexGivesZero()
{
    const QList<quint16> registers{1, 2, 3};
    QCOMPARE(Functions::toUInt32(registers, 1), quint32(2 | 3 << 16));
    QCOMPARE(Functions::toUInt32(registers, 2), 0u);
    QCOMPARE(Functions::toUInt32(registers, -1), 0u);
    QCOMPARE(Functions::toUInt32(QList<quint16>{}, 0), 0u);
}

void tst_Functions::float_wordOrders_roundTrip()
{
    for (quint8 order = Functions::LowWordFirst; order <= Functions::HighWordFirstSwapped; ++order) {
        for (float value : {0.0f, -12.5f, 3.1415926f, 1.0e30f}) {
            const QList<quint16> words = Functions::fromFloat(value, order);
            QCOMPARE(words.size(), 2);
            QCOMPARE(Functions::toFloat(words.at(0), words.at(1), order), value);
        }
    }
    // 1.0f is 0x3F800000: its high word leads in HighWordFirst.
    QCOMPARE(Functions::fromFloat(1.0f, Functions::HighWordFirst), (QList<quint16>{0x3F80, 0x0000}));
}

void tst_Functions::text_lowByteFirst_endsAtNulAndPadsOrCuts()
{
    // "AB" is one register with 'A' in the low byte.
    QCOMPARE(Functions::textToRegisters(QStringLiteral("AB"), 1), QList<quint16>{0x4241});
    QCOMPARE(Functions::textToRegisters(QStringLiteral("ABC"), 3), (QList<quint16>{0x4241, 0x0043, 0}));
    QCOMPARE(Functions::textToRegisters(QStringLiteral("ABCDEF"), 2), (QList<quint16>{0x4241, 0x4443}));
    QCOMPARE(Functions::textToRegisters(QStringLiteral("AB"), -3), QList<quint16>{});

    QCOMPARE(Functions::registersToText({0x4241, 0x0043, 0x4545}), QStringLiteral("ABC"));
    QCOMPARE(Functions::registersToText({0x0000, 0x4241}), QString());
    QCOMPARE(Functions::registersToText({}), QString());
    const QString name = QStringLiteral("Büro 12");
    QCOMPARE(Functions::registersToText(Functions::textToRegisters(name, 8)), name);
}

void tst_Functions::fuzzyEqual_zeroTinyNanInfinity()
{
    QVERIFY(Functions::isFuzzyEqual(0.0, 0.0));
    QVERIFY(Functions::isFuzzyEqual(0.0, -0.0));
    QVERIFY(!Functions::isFuzzyEqual(0.0, 1e-300));
    QVERIFY(!Functions::isFuzzyEqual(1e-300, 0.0));

    QVERIFY(Functions::isFuzzyEqual(kNan, kNan));
    QVERIFY(!Functions::isFuzzyEqual(kNan, 0.0));
    QVERIFY(!Functions::isFuzzyEqual(1.0, kNan));

    QVERIFY(Functions::isFuzzyEqual(kInf, kInf));
    QVERIFY(!Functions::isFuzzyEqual(kInf, -kInf));
    QVERIFY(!Functions::isFuzzyEqual(kInf, 1e308));
    QVERIFY(!Functions::isFuzzyEqual(-1.0, -kInf));
}

void tst_Functions::fuzzyEqual_relativeToSmallerMagnitude()
{
    QVERIFY(Functions::isFuzzyEqual(1000.0, 1000.0 + 1e-10));
    QVERIFY(!Functions::isFuzzyEqual(1000.0, 1000.0 + 1e-8));
    QVERIFY(Functions::isFuzzyEqual(-5e-20, -5e-20 * (1 + 1e-13)));
    QVERIFY(!Functions::isFuzzyEqual(1.0, -1.0));
    // Register values divided by 10 land on the same double either way.
    QVERIFY(Functions::isFuzzyEqual(0.1 + 0.2, 0.3));
}

void tst_Functions::assignAndSignal_doubles_onlyRealChangesNotify()
{
    Holder holder;
    QSignalSpy changed(&holder, &Holder::levelChanged);

    QVERIFY(!holder.setLevel(0.0));
    QVERIFY(holder.setLevel(21.5));
    QVERIFY(!holder.setLevel(21.5 + 1e-14));
    QCOMPARE(holder.level(), 21.5);
    QVERIFY(holder.setLevel(21.6));
    QVERIFY(holder.setLevel(0.0));
    QVERIFY(holder.setLevel(1e-300));

    QCOMPARE(changed.count(), 4);
    QCOMPARE(changed.at(0).first().toDouble(), 21.5);
    QCOMPARE(changed.at(2).first().toDouble(), 0.0);

    QSignalSpy ratio(&holder, &Holder::ratioChanged);
    QVERIFY(holder.setRatio(0.5f));
    QVERIFY(!holder.setRatio(0.5f));
    QCOMPARE(ratio.count(), 1);
}

void tst_Functions::assignAndSignal_nanStoredOnce_notifiesOnce()
{
    Holder holder;
    QSignalSpy changed(&holder, &Holder::levelChanged);
    QVERIFY(holder.setLevel(kNan));
    QVERIFY(!holder.setLevel(kNan));
    QVERIFY(holder.setLevel(1.0));
    QVERIFY(holder.setLevel(kInf));
    QVERIFY(!holder.setLevel(kInf));
    QVERIFY(holder.setLevel(-kInf));
    QCOMPARE(changed.count(), 4);
}

void tst_Functions::assignAndSignal_otherTypes_andSignalWithoutArgument()
{
    Holder holder;
    QSignalSpy name(&holder, &Holder::nameChanged);
    QSignalSpy count(&holder, &Holder::countChanged);

    QVERIFY(holder.setName(QStringLiteral("Raum 1")));
    QVERIFY(!holder.setName(QStringLiteral("Raum 1")));
    QVERIFY(holder.setName(QString()));
    QCOMPARE(name.count(), 2);
    QCOMPARE(holder.name(), QString());

    QVERIFY(holder.setCount(-1));
    QVERIFY(!holder.setCount(-1));
    QCOMPARE(count.count(), 1);
    QCOMPARE(count.first().first().toInt(), -1);
}

QTEST_GUILESS_MAIN(tst_Functions)
#include "tst_Functions.moc"
