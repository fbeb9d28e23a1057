#include "BaseSettings.h"
#include "SaveAndLoad.h"
#include "SaveLoadFilesSettings.h"
#include "SharedRuntime.h"
#include "UtilityFunctions.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_SaveAndLoad : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void createNeededFolders_perPluginType_foldersExist();
    void savedList_oddFileNames_survivePersistence();
    void savedList_pathsOutsideTheNameRefused();
    void deleteSelectedFile_traversalName_refusedAndOutsideFileKept();
    void deleteSelectedFile_listedFile_removedFromDiskAndList();
    void updateSavedFiles_vanishedFilePruned_unlistedSaveFileShown_filterApplied();
    void getSaveInfo_existingAndMissingFile();
    void loadSettingsFromHd_missingFile_reportsError();

private:
    QString createFile(const QString &folder, const QString &name, const QByteArray &content = "x");
    QTemporaryDir *m_dir = nullptr;
};

void tst_SaveAndLoad::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    BaseSettings::setSettingsFile(m_dir->filePath(QStringLiteral("settings.ini")));
    UtilityFunctions::setRootDirectory(m_dir->filePath(QStringLiteral("data")));
    SharedRuntime::setPluginType(QStringLiteral("KIV"));
    QVERIFY(UtilityFunctions::createNeededFolders());
}

void tst_SaveAndLoad::cleanup()
{
    BaseSettings::setSettingsFile(QString());
    UtilityFunctions::setRootDirectory(QString());
    delete m_dir;
    m_dir = nullptr;
}

QString tst_SaveAndLoad::createFile(const QString &folder, const QString &name, const QByteArray &content)
{
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

void tst_SaveAndLoad::createNeededFolders_perPluginType_foldersExist()
{
    SharedRuntime::setPluginType(QStringLiteral("ZNT"));
    QVERIFY(UtilityFunctions::createNeededFolders());
    for (const QString &dir : {UtilityFunctions::saveFileDirectory(), UtilityFunctions::pathToTempFolder(),
                               UtilityFunctions::propertyFileDirectory()}) {
        QVERIFY2(QFileInfo(dir).isDir(), qPrintable(dir));
        QVERIFY(dir.startsWith(m_dir->filePath(QStringLiteral("data/ZNT"))));
    }
    QVERIFY(UtilityFunctions::saveFileDirectory() != UtilityFunctions::pathToTempFolder());
}

void tst_SaveAndLoad::savedList_oddFileNames_survivePersistence()
{
    SaveAndLoad saveLoad;
    const QStringList names = {QStringLiteral("Büro 3, Raum=12; [alt].cfg"), QStringLiteral("a%20b#1.json"),
                               QStringLiteral("  leading.cfg"), QStringLiteral("ÄÖÜß€.cfg"),
                               QStringLiteral("no-extension")};
    for (const QString &name : names)
        saveLoad.addSavedFile(name, createFile(UtilityFunctions::saveFileDirectory(), name));
    saveLoad.addSavedFile(names.first(), UtilityFunctions::saveFileDirectory() + QLatin1Char('/') + names.first());

    // Re-read from the INI file, not from the cache.
    BaseSettings::setSettingsFile(m_dir->filePath(QStringLiteral("settings.ini")));
    const QList<QStringList> entries = SaveLoadFiles::Settings::readSavedFiles();
    QCOMPARE(entries.size(), names.size());
    for (const QString &name : names) {
        QCOMPARE(SaveAndLoad::getPathToFileName(name), UtilityFunctions::saveFileDirectory() + QLatin1Char('/') + name);
        QVERIFY(saveLoad.savedFiles().contains(name));
    }
}

void tst_SaveAndLoad::savedList_pathsOutsideTheNameRefused()
{
    SaveAndLoad saveLoad;
    for (const QString &bad : {QStringLiteral("../settings.ini"), QStringLiteral("sub/x.cfg"), QStringLiteral(".."),
                               QStringLiteral("C:x.cfg"), QStringLiteral("a\\b.cfg"), QString()}) {
        QVERIFY2(SaveAndLoad::getPathToFileName(bad).isEmpty(), qPrintable(bad));
        saveLoad.addSavedFile(bad, m_dir->filePath(QStringLiteral("settings.ini")));
    }
    QVERIFY(SaveLoadFiles::Settings::readSavedFiles().isEmpty());
}

void tst_SaveAndLoad::deleteSelectedFile_traversalName_refusedAndOutsideFileKept()
{
    SaveAndLoad saveLoad;
    const QString outside =
        createFile(UtilityFunctions::rootDirectory() + QStringLiteral("/KIV"), QStringLiteral("keep.cfg"));
    QSignalSpy errors(&saveLoad, &SaveAndLoad::errorPlainText);
    QVERIFY(!saveLoad.deleteSelectedFile(QStringLiteral("../keep.cfg")));
    QCOMPARE(errors.count(), 1);
    QVERIFY(QFile::exists(outside));
}

void tst_SaveAndLoad::deleteSelectedFile_listedFile_removedFromDiskAndList()
{
    SaveAndLoad saveLoad;
    const QString path = createFile(UtilityFunctions::saveFileDirectory(), QStringLiteral("Raum 1.cfg"));
    saveLoad.addSavedFile(QStringLiteral("Raum 1.cfg"), path);
    QSignalSpy changed(&saveLoad, &SaveAndLoad::savedFilesChanged);
    QVERIFY(saveLoad.deleteSelectedFile(QStringLiteral("Raum 1.cfg")));
    QVERIFY(!QFile::exists(path));
    QVERIFY(SaveLoadFiles::Settings::readSavedFiles().isEmpty());
    QVERIFY(!saveLoad.savedFiles().contains(QStringLiteral("Raum 1.cfg")));
    QCOMPARE(changed.count(), 1);
}

void tst_SaveAndLoad::updateSavedFiles_vanishedFilePruned_unlistedSaveFileShown_filterApplied()
{
    SaveAndLoad saveLoad;
    const QString elsewhere = createFile(m_dir->filePath(QStringLiteral("export")), QStringLiteral("gone.json"));
    saveLoad.addSavedFile(QStringLiteral("gone.json"), elsewhere);
    const QString kept = createFile(m_dir->filePath(QStringLiteral("export")), QStringLiteral("kept.json"));
    saveLoad.addSavedFile(QStringLiteral("kept.json"), kept);
    createFile(UtilityFunctions::saveFileDirectory(), QStringLiteral("copied.cfg"));
    QVERIFY(QFile::remove(elsewhere));

    saveLoad.updateSavedFiles(QString());
    QCOMPARE(saveLoad.savedFiles(), (QStringList{QStringLiteral("copied.cfg"), QStringLiteral("kept.json")}));
    QCOMPARE(SaveLoadFiles::Settings::readSavedFiles().size(), 1);
    QCOMPARE(SaveAndLoad::getPathToFileName(QStringLiteral("kept.json")), kept);

    saveLoad.updateSavedFiles(QStringLiteral("CFG"));
    QCOMPARE(saveLoad.savedFiles(), QStringList{QStringLiteral("copied.cfg")});
}

void tst_SaveAndLoad::getSaveInfo_existingAndMissingFile()
{
    SaveAndLoad saveLoad;
    createFile(UtilityFunctions::saveFileDirectory(), QStringLiteral("a.cfg"), QByteArray(26, '\0'));
    const QVariantList info = saveLoad.getSaveInfo(QStringLiteral("a.cfg"));
    QVERIFY(info.size() >= 3);
    QCOMPARE(info.at(0).toString(), QStringLiteral("a.cfg"));
    QVERIFY(info.at(1).toString().endsWith(QStringLiteral("/KIV/Saves/a.cfg")));
    QCOMPARE(info.at(3).toLongLong(), 26);
    QVERIFY(saveLoad.getSaveInfo(QStringLiteral("missing.cfg")).isEmpty());
    QVERIFY(saveLoad.getSaveInfo(QStringLiteral("../a.cfg")).isEmpty());
}

void tst_SaveAndLoad::loadSettingsFromHd_missingFile_reportsError()
{
    SaveAndLoad saveLoad;
    QSignalSpy errors(&saveLoad, &SaveAndLoad::errorPlainText);
    QSignalSpy loaded(&saveLoad, &SaveAndLoad::loadedFromFile);
    saveLoad.loadSettingsFromHd(QStringLiteral("missing.cfg"));
    saveLoad.loadSettingsFromUrl(QUrl(QStringLiteral("https://example.invalid/x.cfg")));
    QCOMPARE(errors.count(), 2);
    QCOMPARE(loaded.count(), 0);
}

QTEST_GUILESS_MAIN(tst_SaveAndLoad)
#include "tst_SaveAndLoad.moc"
