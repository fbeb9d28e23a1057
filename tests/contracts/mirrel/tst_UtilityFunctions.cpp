#include "SharedRuntime.h"
#include "UtilityFunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_UtilityFunctions : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void createNeededFolders_perPluginFoldersUnderRoot();
    void createNeededFolders_rootIsAFile_false();
    void root_explicitBeatsEnvironment_pathsCleaned();
    void isPlainFileName_ordinaryNames_accepted();
    void isPlainFileName_hostileNames_refused_data();
    void isPlainFileName_hostileNames_refused();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_UtilityFunctions::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    UtilityFunctions::setRootDirectory(m_dir->path());
    SharedRuntime::setPluginType(QStringLiteral("KIV"));
}

void tst_UtilityFunctions::cleanup()
{
    UtilityFunctions::setRootDirectory(QString());
    SharedRuntime::setPluginType(QString());
    qunsetenv("ORVANE_DATA_DIR");
    m_dir.reset();
}

void tst_UtilityFunctions::createNeededFolders_perPluginFoldersUnderRoot()
{
    QVERIFY(UtilityFunctions::createNeededFolders());
    const QString plugin = m_dir->path() + QStringLiteral("/KIV");
    QCOMPARE(UtilityFunctions::saveFileDirectory(), plugin + QStringLiteral("/Saves"));
    QCOMPARE(UtilityFunctions::pathToTempFolder(), plugin + QStringLiteral("/Temp"));
    QCOMPARE(UtilityFunctions::propertyFileDirectory(), plugin + QStringLiteral("/Properties"));
    for (const QString &folder : {UtilityFunctions::saveFileDirectory(), UtilityFunctions::pathToTempFolder(),
                                  UtilityFunctions::propertyFileDirectory()})
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));

    // Another plugin gets its own folders beside the first.
    SharedRuntime::setPluginType(QStringLiteral(" ZNT "));
    QVERIFY(UtilityFunctions::createNeededFolders());
    QVERIFY(QFileInfo(m_dir->path() + QStringLiteral("/ZNT/Saves")).isDir());

    // A type with a folder part never leads outside the root.
    for (const QString &hostile : {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("..")}) {
        SharedRuntime::setPluginType(hostile);
        QCOMPARE(UtilityFunctions::saveFileDirectory(), m_dir->path() + QStringLiteral("/Saves"));
    }
}

void tst_UtilityFunctions::createNeededFolders_rootIsAFile_false()
{
    const QString file = m_dir->path() + QStringLiteral("/not-a-folder");
    QFile blocker(file);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    UtilityFunctions::setRootDirectory(file);
    for (int folder = 0; folder < 3; ++folder)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot create folder")));
    QVERIFY(!UtilityFunctions::createNeededFolders());
    QVERIFY(QFileInfo(file).isFile());
}

void tst_UtilityFunctions::root_explicitBeatsEnvironment_pathsCleaned()
{
    UtilityFunctions::setRootDirectory(QString());
    qputenv("ORVANE_DATA_DIR", QFile::encodeName(m_dir->path() + QStringLiteral("/env//data/")));
    QCOMPARE(UtilityFunctions::rootDirectory(), m_dir->path() + QStringLiteral("/env/data"));
    UtilityFunctions::setRootDirectory(m_dir->path() + QStringLiteral("/explicit/./x/.."));
    QCOMPARE(UtilityFunctions::rootDirectory(), m_dir->path() + QStringLiteral("/explicit"));
    QVERIFY(UtilityFunctions::createNeededFolders());
    QVERIFY(QFileInfo(m_dir->path() + QStringLiteral("/explicit/KIV/Temp")).isDir());
    QVERIFY(!QFileInfo::exists(m_dir->path() + QStringLiteral("/env")));
}

void tst_UtilityFunctions::isPlainFileName_ordinaryNames_accepted()
{
    for (const char *name : {"room.cfg", "Büro 2. OG.cfg", "...", ".hidden", "a..b", "x"})
        QVERIFY2(UtilityFunctions::isPlainFileName(QString::fromUtf8(name)), name);
}

void tst_UtilityFunctions::isPlainFileName_hostileNames_refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("dot") << QStringLiteral(".");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("parent path") << QStringLiteral("../../etc/passwd");
    QTest::newRow("absolute") << QStringLiteral("/etc/passwd");
    QTest::newRow("sub folder") << QStringLiteral("Saves/room.cfg");
    QTest::newRow("backslash") << QStringLiteral("..\\..\\room.cfg");
    QTest::newRow("drive") << QStringLiteral("C:room.cfg");
    QTest::newRow("trailing slash") << QStringLiteral("room/");
    QTest::newRow("newline") << QStringLiteral("room\n.cfg");
    QTest::newRow("nul") << QString::fromLatin1("room\0.cfg", 9);
    QTest::newRow("escape") << QStringLiteral("room\x1b[2J.cfg");
    QTest::newRow("delete") << QStringLiteral("room\x7f.cfg");
}

void tst_UtilityFunctions::isPlainFileName_hostileNames_refused()
{
    QFETCH(QString, name);
    QVERIFY(!UtilityFunctions::isPlainFileName(name));
}

QTEST_GUILESS_MAIN(tst_UtilityFunctions)
#include "tst_UtilityFunctions.moc"
