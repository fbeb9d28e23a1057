#include "PortInfo.h"

#include <QDir>
#include <QFile>
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

QTEST_GUILESS_MAIN(tst_PortInfo)
#include "tst_PortInfo.moc"
