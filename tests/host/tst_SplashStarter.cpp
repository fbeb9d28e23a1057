#include "SplashStarter.h"

#include <QFile>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

class tst_SplashStarter : public QObject
{
    Q_OBJECT

private slots:
    void heldSegment_isAttachableUntilReleased();
    void segmentAlreadyThere_isJoinedAndGoneAfterLastRelease();
    void start_passesMarkerAsLastArgument();
    void start_missingProgram_returnsFalseQuietly();

private:
    static QString uniqueKey() { return "OrvaneTest" + QUuid::createUuid().toString(QUuid::Id128); }
    static bool attachable(const QString &key)
    {
        QSharedMemory probe(key);
        const bool ok = probe.attach(QSharedMemory::ReadOnly);
        if (ok)
            probe.detach();
        return ok;
    }
};

void tst_SplashStarter::heldSegment_isAttachableUntilReleased()
{
    QCOMPARE(SplashStarter::defaultKey(), QString("OrvaneSingleInstance"));
    const QString key = uniqueKey();
    SplashStarter starter(key);
    QVERIFY(!attachable(key));
    QVERIFY(starter.holdSegment());
    QVERIFY(starter.isHoldingSegment());
    QVERIFY(attachable(key));
    starter.releaseSegment();
    QVERIFY(!starter.isHoldingSegment());
    QVERIFY(!attachable(key));
}

void tst_SplashStarter::segmentAlreadyThere_isJoinedAndGoneAfterLastRelease()
{
    const QString key = uniqueKey();
    auto *other = new QSharedMemory(key);
    QVERIFY(other->create(1));

    SplashStarter starter(key);
    QVERIFY(starter.holdSegment());
    delete other;
    QVERIFY(attachable(key));
    starter.releaseSegment();
    QVERIFY(!attachable(key));
}

void tst_SplashStarter::start_passesMarkerAsLastArgument()
{
#ifdef Q_OS_WIN
    QSKIP("uses a shell script as the stand-in launcher");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program = dir.filePath("Splash");
    const QString record = dir.filePath("args.txt");
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QString("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"%1.tmp\"\nmv \"%1.tmp\" \"%1\"\n")
                     .arg(record)
                     .toUtf8());
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));

    SplashStarter starter(uniqueKey());
    QVERIFY(starter.start(program, {"--first"}));
    QTRY_VERIFY(QFile::exists(record));
    QFile result(record);
    QVERIFY(result.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(result.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines, (QStringList{"--first", "openByOrvane"}));
}

void tst_SplashStarter::start_missingProgram_returnsFalseQuietly()
{
    QTemporaryDir dir;
    SplashStarter starter(uniqueKey());
    QVERIFY(!starter.start(dir.filePath("Splash")));
    QFile notExecutable(dir.filePath("Plain"));
    QVERIFY(notExecutable.open(QIODevice::WriteOnly));
    notExecutable.close();
    QVERIFY(!starter.start(notExecutable.fileName()));
}

QTEST_GUILESS_MAIN(tst_SplashStarter)
#include "tst_SplashStarter.moc"
