#include "PluginCatalog.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_PluginCatalog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scan_listsOnlyLibrariesOfThePluginInterface();
    void scan_fakeLibraryFile_isSkippedWithoutCrash();
    void scan_samePluginInTwoFolders_firstFolderWins();
    void scan_missingFolder_givesEmptyListAndReplacesEarlierResult();
    void indexOf_matchesClassFileAndDisplayName_ignoringCase();
    void model_exposesRolesToQml();

private:
    QString m_pluginDir;
    QString testPluginFile() const;
};

void tst_PluginCatalog::initTestCase()
{
    m_pluginDir = qEnvironmentVariable("ORVANE_TEST_PLUGIN_DIR");
    QVERIFY2(QDir(m_pluginDir).exists(), qPrintable(m_pluginDir));
}

QString tst_PluginCatalog::testPluginFile() const
{
    for (const QFileInfo &info : QDir(m_pluginDir).entryInfoList(QDir::Files)) {
        if (info.fileName().contains("HostTestPlugin") && QLibrary::isLibrary(info.fileName()))
            return info.absoluteFilePath();
    }
    return {};
}

void tst_PluginCatalog::scan_listsOnlyLibrariesOfThePluginInterface()
{
    PluginCatalog catalog;
    QSignalSpy countSpy(&catalog, &PluginCatalog::countChanged);
    catalog.scan({m_pluginDir});

    QCOMPARE(catalog.count(), 1);
    QCOMPARE(countSpy.count(), 1);
    const PluginEntry &entry = catalog.entries().constFirst();
    QCOMPARE(entry.className, QString("HostTestPlugin"));
    QCOMPARE(entry.displayName, QString("HostTest"));
    QCOMPARE(entry.version, QString("0.1"));
    QVERIFY(QFileInfo(entry.filePath).isAbsolute());
    QVERIFY(std::any_of(catalog.skippedFiles().cbegin(), catalog.skippedFiles().cend(),
                        [](const QString &f) { return f.contains("HostWrongIidPlugin"); }));
}

void tst_PluginCatalog::scan_fakeLibraryFile_isSkippedWithoutCrash()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char *name : {"libGarbage.so", "Garbage.dll", "libGarbage.dylib", "notes.txt"}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x7f"
                   "ELF this is not really a library");
    }
    QFile empty(dir.filePath("libEmpty.so"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();

    PluginCatalog catalog;
    catalog.scan({dir.path()});
    QCOMPARE(catalog.count(), 0);
    QVERIFY(!catalog.skippedFiles().isEmpty());
}

void tst_PluginCatalog::scan_samePluginInTwoFolders_firstFolderWins()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString original = testPluginFile();
    QVERIFY(!original.isEmpty());
    const QString copy = dir.filePath(QFileInfo(original).fileName());
    QVERIFY(QFile::copy(original, copy));

    PluginCatalog catalog;
    catalog.scan({dir.path(), m_pluginDir});
    QCOMPARE(catalog.count(), 1);
    QCOMPARE(catalog.entries().constFirst().filePath, QFileInfo(copy).absoluteFilePath());
}

void tst_PluginCatalog::scan_missingFolder_givesEmptyListAndReplacesEarlierResult()
{
    QTemporaryDir dir;
    PluginCatalog catalog;
    catalog.scan({m_pluginDir});
    QCOMPARE(catalog.count(), 1);
    catalog.scan({dir.filePath("does-not-exist")});
    QCOMPARE(catalog.count(), 0);
    QCOMPARE(catalog.rowCount(), 0);
}

void tst_PluginCatalog::indexOf_matchesClassFileAndDisplayName_ignoringCase()
{
    PluginCatalog catalog;
    catalog.scan({m_pluginDir});
    QCOMPARE(catalog.indexOf("HostTestPlugin"), 0);
    QCOMPARE(catalog.indexOf("hosttestplugin"), 0);
    QCOMPARE(catalog.indexOf("HostTest"), 0);
    QCOMPARE(catalog.indexOf(QFileInfo(testPluginFile()).completeBaseName()), 0);
    QCOMPARE(catalog.indexOf("  HostTestPlugin "), 0);
    QCOMPARE(catalog.indexOf("WrongIidPlugin"), -1);
    QCOMPARE(catalog.indexOf("HostWrongIidPlugin"), -1);
    QCOMPARE(catalog.indexOf(""), -1);
}

void tst_PluginCatalog::model_exposesRolesToQml()
{
    PluginCatalog catalog;
    catalog.scan({m_pluginDir});
    const QHash<int, QByteArray> roles = catalog.roleNames();
    const QModelIndex index = catalog.index(0);
    QCOMPARE(catalog.data(index, roles.key("displayName")).toString(), QString("HostTest"));
    QCOMPARE(catalog.data(index, roles.key("className")).toString(), QString("HostTestPlugin"));
    QCOMPARE(catalog.data(index, roles.key("fileName")).toString(), QFileInfo(testPluginFile()).fileName());
    QVERIFY(!catalog.data(catalog.index(5), roles.key("displayName")).isValid());
}

QTEST_GUILESS_MAIN(tst_PluginCatalog)
#include "tst_PluginCatalog.moc"
