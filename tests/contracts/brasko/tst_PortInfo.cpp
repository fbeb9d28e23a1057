#include "PortInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_PortInfo : public QObject
{
    Q_OBJECT

private slots:
    void typedPath_existing_listedUntilItDisappears();
    void typedPath_missingOrBlank_refused();
    void portList_isQmlReadableProperty();
    void byIdLinks_listedUnderStableNameWithDescription();
    void byIdName_describesMakerProductSerial_data();
    void byIdName_describesMakerProductSerial();
};

void tst_PortInfo::typedPath_existing_listedUntilItDisappears()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pty = dir.filePath(QStringLiteral("ttyB"));
    QFile file(pty);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    PortInfo info(1);
    QSignalSpy changed(&info, &PortInfo::portListChanged);
    QVERIFY(info.addPort(pty));
    QVERIFY(info.portList().contains(pty));
    QCOMPARE(changed.count(), 1);

    // Adding it twice keeps one entry and does not signal.
    QVERIFY(info.addPort(pty));
    QCOMPARE(info.portList().count(pty), 1);
    QCOMPARE(changed.count(), 1);

    QVERIFY(QFile::remove(pty));
    info.refresh();
    QVERIFY(!info.portList().contains(pty));
    QCOMPARE(changed.count(), 2);
}

void tst_PortInfo::typedPath_missingOrBlank_refused()
{
    PortInfo info;
    const QStringList before = info.portList();
    QVERIFY(!info.addPort(QStringLiteral("/dev/ttyDoesNotExist47")));
    QVERIFY(!info.addPort(QStringLiteral("   ")));
    QCOMPARE(info.portList(), before);
}

void tst_PortInfo::portList_isQmlReadableProperty()
{
    QTemporaryDir dir;
    const QString pty = dir.filePath(QStringLiteral("ttyA"));
    QFile file(pty);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    PortInfo info(0);
    QCOMPARE(info.selectionFlags(), int(PortInfo::AllPorts));
    info.addPort(pty);
    QVERIFY(info.property("PortList").toStringList().contains(pty));
}

void tst_PortInfo::byIdLinks_listedUnderStableNameWithDescription()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("by-id")));
    const QString byId = dir.filePath(QStringLiteral("by-id"));
    // A plain file stands in for the device node (a pty is not enumerated by the system either).
    const QString device = dir.filePath(QStringLiteral("ttyUSB7"));
    QFile file(device);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString link = byId + QStringLiteral("/usb-Veltaron_KIV_Sensor_K42A17-if00-port0");
    QVERIFY(QFile::link(device, link));
    // Pulled adapters leave no dangling entry behind.
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), byId + QStringLiteral("/usb-Old_Cable_X1-if00-port0")));

    PortInfo info(1);
    info.setByIdDirectory(byId);
    QCOMPARE(info.portList().count(link), 1);
    QVERIFY(!info.portList().contains(byId + QStringLiteral("/usb-Old_Cable_X1-if00-port0")));
    const QVariantMap entry = info.ports().at(info.portList().indexOf(link)).toMap();
    QCOMPARE(entry.value(QStringLiteral("stable")).toBool(), true);
    QCOMPARE(entry.value(QStringLiteral("shortName")).toString(),
             QFileInfo(device).canonicalFilePath().section('/', -1));
    QCOMPARE(entry.value(QStringLiteral("manufacturer")).toString(), QStringLiteral("Veltaron"));
    QCOMPARE(entry.value(QStringLiteral("product")).toString(), QStringLiteral("KIV Sensor"));
    QCOMPARE(entry.value(QStringLiteral("serialNumber")).toString(), QStringLiteral("K42A17"));

    // The device path, typed or remembered, leads to the stable entry; a typed link is not listed twice.
    QCOMPARE(PortInfo::stableNameFor(device, byId), link);
    QCOMPARE(PortInfo::stableNameFor(link, byId), link);
    QCOMPARE(info.indexOfPort(device), info.portList().indexOf(link));
    QVERIFY(info.addPort(link));
    QCOMPARE(info.portList().count(link), 1);
    const QString other = dir.filePath(QStringLiteral("ttyS9"));
    QCOMPARE(PortInfo::stableNameFor(other, byId), other);
    QCOMPARE(info.indexOfPort(other), -1);

    // Unplugged: the link dangles and the entry goes.
    QSignalSpy changed(&info, &PortInfo::portListChanged);
    QVERIFY(QFile::remove(device));
    info.refresh();
    QVERIFY(!info.portList().contains(link));
    QCOMPARE(changed.count(), 1);
}

void tst_PortInfo::byIdName_describesMakerProductSerial_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ftdi") << QStringLiteral("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0")
                          << QStringList{QStringLiteral("FTDI"), QStringLiteral("FT232R USB UART"),
                                         QStringLiteral("A50285BI")};
    QTest::newRow("no port suffix") << QStringLiteral("usb-Silicon_Labs_CP2102_0001-if00")
                                    << QStringList{QStringLiteral("Silicon"), QStringLiteral("Labs CP2102"),
                                                   QStringLiteral("0001")};
    QTest::newRow("maker only") << QStringLiteral("usb-Adapter-if00-port0")
                                << QStringList{QStringLiteral("Adapter"), QString(), QString()};
    QTest::newRow("empty") << QString() << QStringList{QString(), QString(), QString()};
}

void tst_PortInfo::byIdName_describesMakerProductSerial()
{
    QFETCH(QString, name);
    QFETCH(QStringList, expected);
    const QVariantMap map = PortInfo::describeByIdName(name);
    QCOMPARE((QStringList{map.value(QStringLiteral("manufacturer")).toString(),
                          map.value(QStringLiteral("product")).toString(),
                          map.value(QStringLiteral("serialNumber")).toString()}),
             expected);
}

QTEST_GUILESS_MAIN(tst_PortInfo)
#include "tst_PortInfo.moc"
