#include "KivSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class tst_KivSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingKeys_giveTheDefaults();
    void unreadableValues_giveTheDefaults_data();
    void unreadableValues_giveTheDefaults();
    void byteRateBelowOne_readsAsDefault_data();
    void byteRateBelowOne_readsAsDefault();
    void writes_areStoredUnderTheDeviceKeysAtOnce();
    void aliases_roundTripAndAShorterListLeavesNoStaleEntries();
    void aliases_incompletePairsAreStoredWithEmptyParts();

private:
    static void writeRaw(const QString &key, const QVariant &value);

    QTemporaryDir m_dir;
};

void tst_KivSettings::init()
{
    QVERIFY(m_dir.isValid());
    BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("%1.ini").arg(QTest::currentTestFunction())));
}

void tst_KivSettings::cleanup()
{
    BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("unused.ini")));
}

void tst_KivSettings::writeRaw(const QString &key, const QVariant &value)
{
    BaseSettings::getSettings()->setValue(key, value);
}

void tst_KivSettings::missingKeys_giveTheDefaults()
{
    QCOMPARE(KivSettings::readVerbindungsMode(), 0);
    QCOMPARE(KivSettings::readVisibility(), 0);
    QCOMPARE(KivSettings::readByteRate(), 3500);
    QVERIFY(KivSettings::readAlias().isEmpty());
}

void tst_KivSettings::unreadableValues_giveTheDefaults_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("text") << QVariant(QStringLiteral("abc"));
    QTest::newRow("empty") << QVariant(QString());
    QTest::newRow("fraction") << QVariant(QStringLiteral("1.5"));
}

void tst_KivSettings::unreadableValues_giveTheDefaults()
{
    QFETCH(QVariant, stored);
    writeRaw(KivSettings::kKeyVerbindungsMode, stored);
    writeRaw(KivSettings::kKeyVisibility, stored);
    writeRaw(KivSettings::kKeyByteRate, stored);

    QCOMPARE(KivSettings::readVerbindungsMode(), 0);
    QCOMPARE(KivSettings::readVisibility(), 0);
    QCOMPARE(KivSettings::readByteRate(), 3500);
}

void tst_KivSettings::byteRateBelowOne_readsAsDefault_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("read");
    QTest::newRow("0") << 0 << 3500;
    QTest::newRow("negative") << -20 << 3500;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("measured") << 11520 << 11520;
}

void tst_KivSettings::byteRateBelowOne_readsAsDefault()
{
    QFETCH(int, stored);
    QFETCH(int, read);
    KivSettings::writeByteRate(stored);
    QCOMPARE(KivSettings::readByteRate(), read);
}

void tst_KivSettings::writes_areStoredUnderTheDeviceKeysAtOnce()
{
    KivSettings settings;
    settings.writeVerbindungsMode(1);
    settings.writeVisibility(4);
    settings.writeOldSize(800, 600);
    KivSettings::writeClearance(2);

    // Another reader of the same file sees the values without any explicit sync.
    QSettings file(BaseSettings::settingsFile(), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("General/Verbindunsmodus")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("General/visibility")).toInt(), 4);
    QCOMPARE(file.value(QStringLiteral("General/windowedWidth")).toInt(), 800);
    QCOMPARE(file.value(QStringLiteral("General/windowedHeight")).toInt(), 600);
    QCOMPARE(file.value(QStringLiteral("Special/clearance")).toInt(), 2);
    QCOMPARE(settings.readVerbindungsMode(), 1);
    QCOMPARE(settings.readVisibility(), 4);
}

void tst_KivSettings::aliases_roundTripAndAShorterListLeavesNoStaleEntries()
{
    const QList<QList<QString>> three = {{QStringLiteral("Office"), QStringLiteral("AA:01")},
                                         {QStringLiteral("Lab"), QStringLiteral("AA:02")},
                                         {QStringLiteral("Hall"), QStringLiteral("AA:03")}};
    KivSettings::writeAlias(three);
    QCOMPARE(KivSettings::readAlias(), three);

    const QList<QList<QString>> one = {{QStringLiteral("Roof"), QStringLiteral("BB:01")}};
    KivSettings::writeAlias(one);
    QCOMPARE(KivSettings::readAlias(), one);

    QSettings file(BaseSettings::settingsFile(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("BluetoothConnection"));
    QCOMPARE(file.beginReadArray(QStringLiteral("AliasAndId")), 1);
    file.setArrayIndex(0);
    QCOMPARE(file.value(QStringLiteral("alias")).toString(), QStringLiteral("Roof"));
    QCOMPARE(file.value(QStringLiteral("id")).toString(), QStringLiteral("BB:01"));
    file.endArray();
    QVERIFY(!file.contains(QStringLiteral("AliasAndId/2/alias")));

    KivSettings::writeAlias({});
    QVERIFY(KivSettings::readAlias().isEmpty());
}

void tst_KivSettings::aliases_incompletePairsAreStoredWithEmptyParts()
{
    KivSettings::writeAlias({{QStringLiteral("OnlyAlias")}, {}});
    const QList<QList<QString>> expected = {{QStringLiteral("OnlyAlias"), QString()}, {QString(), QString()}};
    QCOMPARE(KivSettings::readAlias(), expected);
}

QTEST_GUILESS_MAIN(tst_KivSettings)
#include "tst_KivSettings.moc"
