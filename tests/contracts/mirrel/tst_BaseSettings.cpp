#include "BaseSettings.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_BaseSettings : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void missingKeys_readDefaults();
    void nonNumbers_readDefaults();
    void belowMinimum_readDefault();
    void writes_reachTheIniFileAtOnce();
    void propertySetter_storesAndSignalsOnlyOnChange();
    void envVariable_choosesFileWhenNoPathSet();

private:
    void writeRaw(const QByteArray &ini);
    QTemporaryDir *m_dir = nullptr;
    QString m_file;
};

void tst_BaseSettings::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_file = m_dir->filePath(QStringLiteral("settings.ini"));
    BaseSettings::setSettingsFile(m_file);
}

void tst_BaseSettings::cleanup()
{
    BaseSettings::setSettingsFile(QString());
    delete m_dir;
    m_dir = nullptr;
}

void tst_BaseSettings::writeRaw(const QByteArray &ini)
{
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ini);
    file.close();
    // Drop the cached store so the hand-written file is read.
    BaseSettings::setSettingsFile(m_file);
}

void tst_BaseSettings::missingKeys_readDefaults()
{
    QCOMPARE(BaseSettings::readBaudrate(), 115200);
    QCOMPARE(BaseSettings::readParity(), 0);
    QCOMPARE(BaseSettings::readDatabit(), 8);
    QCOMPARE(BaseSettings::readStopbit(), 1);
    QCOMPARE(BaseSettings::readTimeout(), 1000);
    QCOMPARE(BaseSettings::readRetry(), 3);
    QCOMPARE(BaseSettings::readDeviceID(), 1);
    QCOMPARE(BaseSettings::readClearance(), 0);
    QCOMPARE(BaseSettings::readPortName(), QString());
    QCOMPARE(BaseSettings::readInt(QStringLiteral("General/Verbindunsmodus"), 0), 0);
    QCOMPARE(BaseSettings::readInt(QStringLiteral("SaveLoad/byteRate"), 3500, 1), 3500);
    QCOMPARE(BaseSettings::readBool(QStringLiteral("General/updateOnShow"), false), false);
    QVERIFY(!QFile::exists(m_file) || BaseSettings::getSettings()->allKeys().isEmpty());
}

void tst_BaseSettings::nonNumbers_readDefaults()
{
    writeRaw("[General]\nVerbindunsmodus=kabel\nvisibility=\nupdateOnShow=vielleicht\n"
             "[Serial]\nbaudrate=schnell\ntimeout=12.5\n[Special]\nclearance=@Invalid()\n");
    QCOMPARE(BaseSettings::readInt(QStringLiteral("General/Verbindunsmodus"), 0), 0);
    QCOMPARE(BaseSettings::readInt(QStringLiteral("General/visibility"), 0), 0);
    QCOMPARE(BaseSettings::readBool(QStringLiteral("General/updateOnShow"), false), false);
    QCOMPARE(BaseSettings::readBaudrate(), 115200);
    QCOMPARE(BaseSettings::readTimeout(), 1000);
    QCOMPARE(BaseSettings::readClearance(), 0);
}

void tst_BaseSettings::belowMinimum_readDefault()
{
    writeRaw("[SaveLoad]\nbyteRate=0\n[Serial]\nbaudrate=-9600\nretry=0\n[Special]\nclearance=2\n");
    QCOMPARE(BaseSettings::readInt(QStringLiteral("SaveLoad/byteRate"), 3500, 1), 3500);
    QCOMPARE(BaseSettings::readBaudrate(), 115200);
    QCOMPARE(BaseSettings::readRetry(), 0);
    QCOMPARE(BaseSettings::readClearance(), 2);
}

void tst_BaseSettings::writes_reachTheIniFileAtOnce()
{
    BaseSettings::writePortName(QStringLiteral("/dev/ttyUSB0"));
    BaseSettings::writeClearance(2);
    BaseSettings::writeValue(QStringLiteral("General/updateOnShow"), true);
    QSettings reader(m_file, QSettings::IniFormat);
    QCOMPARE(reader.value(QStringLiteral("Serial/portName")).toString(), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(reader.value(QStringLiteral("Special/clearance")).toInt(), 2);
    QCOMPARE(BaseSettings::readBool(QStringLiteral("General/updateOnShow"), false), true);
}

void tst_BaseSettings::propertySetter_storesAndSignalsOnlyOnChange()
{
    BaseSettings settings;
    QSignalSpy spy(&settings, &BaseSettings::clearanceChanged);
    settings.setClearance(1);
    settings.setClearance(1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(settings.property("clearance").toInt(), 1);
    QSignalSpy portSpy(&settings, &BaseSettings::portNameChanged);
    settings.setProperty("portName", QStringLiteral("COM3"));
    settings.setProperty("portName", QStringLiteral("COM3"));
    QCOMPARE(portSpy.count(), 1);
    QCOMPARE(BaseSettings::readPortName(), QStringLiteral("COM3"));
}

void tst_BaseSettings::envVariable_choosesFileWhenNoPathSet()
{
    const QString envFile = m_dir->filePath(QStringLiteral("from-env.ini"));
    qputenv("ORVANE_SETTINGS_FILE", envFile.toLocal8Bit());
    BaseSettings::setSettingsFile(QString());
    QCOMPARE(BaseSettings::settingsFile(), envFile);
    BaseSettings::writeDeviceID(7);
    QCOMPARE(QSettings(envFile, QSettings::IniFormat).value(QStringLiteral("Serial/deviceID")).toInt(), 7);
    qunsetenv("ORVANE_SETTINGS_FILE");
}

QTEST_GUILESS_MAIN(tst_BaseSettings)
#include "tst_BaseSettings.moc"
