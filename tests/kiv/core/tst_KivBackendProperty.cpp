#include "KivBackendProperty.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <limits>

class tst_KivBackendProperty : public QObject
{
    Q_OBJECT

private slots:
    void everyWritableProperty_notifiesOnceOnRealChangeOnly_data();
    void everyWritableProperty_notifiesOnceOnRealChangeOnly();
    void updateOngoing_isReadOnlyForQmlButSetFromCpp();
    void serviceHours_compareFuzzily_data();
    void serviceHours_compareFuzzily();
    void fuzzyCompare_handlesZeroInfinityAndNan();
    void voltageRange_comparesElementByElement();
    void doPoll_changeIsDeliveredAfterTheCallerReturns();
    void doPoll_setTwiceToTrue_emitsOnce();
    void qmlReadOnlyProperties_readBeforeTheBackendFillsThem();
};

void tst_KivBackendProperty::everyWritableProperty_notifiesOnceOnRealChangeOnly_data()
{
    QTest::addColumn<QByteArray>("name");
    const QMetaObject *meta = &KivBackendProperty::staticMetaObject;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.isWritable())
            QTest::newRow(property.name()) << QByteArray(property.name());
    }
}

// Walks the meta-object so that a setter wired to the wrong signal, or one without its
// change guard, shows up for every property, including ones added later.
void tst_KivBackendProperty::everyWritableProperty_notifiesOnceOnRealChangeOnly()
{
    QFETCH(QByteArray, name);
    KivBackendProperty state;
    const QMetaObject *meta = state.metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty(name.constData()));
    QVERIFY(property.hasNotifySignal());

    const QVariant before = property.read(&state);
    QVariant changed;
    switch (before.metaType().id()) {
    case QMetaType::Bool:
        changed = !before.toBool();
        break;
    case QMetaType::Int:
        changed = before.toInt() + 7;
        break;
    case QMetaType::Double:
        changed = before.toDouble() + 2.5;
        break;
    case QMetaType::QString:
        changed = before.toString() + QStringLiteral("/dev/ttyX");
        break;
    case QMetaType::QStringList:
        changed = before.toStringList() << QStringLiteral("0 - 10 [V]");
        break;
    default:
        QFAIL(qPrintable(QStringLiteral("untested type ") + before.typeName()));
    }

    QSignalSpy spy(&state, property.notifySignal());
    QVERIFY(property.write(&state, changed));
    QCOMPARE(property.read(&state), changed);
    QVERIFY(property.write(&state, changed));
    // doPoll notifies queued; give every property the same chance to deliver.
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
    if (!property.notifySignal().parameterTypes().isEmpty())
        QCOMPARE(spy.at(0).at(0), changed);

    QVERIFY(property.write(&state, before));
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 2);
}

void tst_KivBackendProperty::updateOngoing_isReadOnlyForQmlButSetFromCpp()
{
    KivBackendProperty state;
    QSignalSpy spy(&state, &KivBackendProperty::updateOngoingChanged);
    QVERIFY(!state.setProperty("updateOngoing", false));
    QVERIFY(state.updateOngoing());

    state.setUpdateOngoing(false);
    state.setUpdateOngoing(false);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
}

void tst_KivBackendProperty::serviceHours_compareFuzzily_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<double>("next");
    QTest::addColumn<bool>("notifies");

    QTest::newRow("13th significant digit") << 4320.0 << 4320.000000001 << false;
    QTest::newRow("12th significant digit") << 4320.0 << 4320.00000001 << true;
    QTest::newRow("one hour less") << 4320.0 << 4319.0 << true;
    QTest::newRow("zero to tiny") << 0.0 << 1e-300 << true;
    QTest::newRow("sign change") << 1e-3 << -1e-3 << true;
}

void tst_KivBackendProperty::serviceHours_compareFuzzily()
{
    QFETCH(double, stored);
    QFETCH(double, next);
    QFETCH(bool, notifies);

    KivBackendProperty state;
    state.setSecToWartung(stored);
    state.setSecToKalibrierung(stored);
    QSignalSpy wartungSpy(&state, &KivBackendProperty::secToWartungChanged);
    QSignalSpy kalibrierungSpy(&state, &KivBackendProperty::secToKalibrierungChanged);

    state.setSecToWartung(next);
    state.setSecToKalibrierung(next);

    QCOMPARE(wartungSpy.count(), notifies ? 1 : 0);
    QCOMPARE(kalibrierungSpy.count(), notifies ? 1 : 0);
    // An ignored near-equal value keeps the stored one, so small drifts cannot accumulate.
    QCOMPARE(state.secToWartung(), notifies ? next : stored);
    QCOMPARE(state.secToKalibrierung(), notifies ? next : stored);
}

void tst_KivBackendProperty::fuzzyCompare_handlesZeroInfinityAndNan()
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(KivBackendProperty::isFuzzyEqual(0.0, 0.0));
    QVERIFY(KivBackendProperty::isFuzzyEqual(0.0, -0.0));
    QVERIFY(KivBackendProperty::isFuzzyEqual(inf, inf));
    QVERIFY(!KivBackendProperty::isFuzzyEqual(inf, -inf));
    QVERIFY(!KivBackendProperty::isFuzzyEqual(1.0, inf));
    QVERIFY(KivBackendProperty::isFuzzyEqual(nan, nan));
    QVERIFY(!KivBackendProperty::isFuzzyEqual(nan, 0.0));

    // A NaN stored once must not notify again on every following NaN.
    KivBackendProperty state;
    QSignalSpy spy(&state, &KivBackendProperty::secToWartungChanged);
    state.setSecToWartung(nan);
    state.setSecToWartung(nan);
    QCOMPARE(spy.count(), 1);
}

void tst_KivBackendProperty::voltageRange_comparesElementByElement()
{
    KivBackendProperty state;
    QSignalSpy spy(&state, &KivBackendProperty::voltageRangeChanged);
    const QStringList range = {QStringLiteral("0 - 10 [V]"), QStringLiteral("1 - 10 [V]"),
                               QStringLiteral("2 - 10 [V]")};
    state.setVoltageRange(range);
    state.setVoltageRange(QStringList(range));
    QCOMPARE(spy.count(), 1);

    QStringList other = range;
    other[2] = QStringLiteral("2 - 5 [V]");
    state.setVoltageRange(other);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toStringList(), other);
}

void tst_KivBackendProperty::doPoll_changeIsDeliveredAfterTheCallerReturns()
{
    KivBackendProperty state;
    QList<bool> seen;
    connect(&state, &KivBackendProperty::doPollChanged, &state, [&] { seen.append(state.doPoll()); });

    state.setDoPoll(true);
    QVERIFY(state.doPoll());
    QVERIFY(seen.isEmpty());
    QTRY_COMPARE(seen.size(), 1);
    QCOMPARE(seen.at(0), true);

    // Two switches in one go give two deliveries, each seeing the final state.
    state.setDoPoll(false);
    state.setDoPoll(true);
    QVERIFY(seen.size() == 1);
    QTRY_COMPARE(seen.size(), 3);
    QCOMPARE(seen.at(1), true);
    QCOMPARE(seen.at(2), true);
}

void tst_KivBackendProperty::doPoll_setTwiceToTrue_emitsOnce()
{
    KivBackendProperty state;
    QSignalSpy spy(&state, &KivBackendProperty::doPollChanged);
    state.setDoPoll(true);
    state.setDoPoll(true);
    QTRY_COMPARE(spy.count(), 1);
    state.setProperty("doPoll", true);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
}

void tst_KivBackendProperty::qmlReadOnlyProperties_readBeforeTheBackendFillsThem()
{
    KivBackendProperty state;
    QCOMPARE(state.property("appVersion").toString(), QStringLiteral("4.2.1"));
    for (const char *name : {"deviceInfo", "tlf", "lcd", "rs485", "bootLoader", "saveLoadBackend"}) {
        const QVariant handle = state.property(name);
        QVERIFY2(handle.isValid(), name);
        QVERIFY2(handle.value<QObject *>() == nullptr, name);
    }
    for (const char *name : {"dataBlocks", "activeChannels", "relais"})
        QVERIFY2(state.property(name).value<QList<QObject *>>().isEmpty(), name);
}

QTEST_GUILESS_MAIN(tst_KivBackendProperty)
#include "tst_KivBackendProperty.moc"
