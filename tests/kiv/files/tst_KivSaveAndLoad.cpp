#include "KivSaveAndLoad.h"

#include "BaseSettings.h"
#include "UtilityFunctions.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
constexpr int kImageSize = 5000;
const QString kSaveFailed = QStringLiteral("Speichern ist fehlgeschlagen");
const QString kOtherDevice = QStringLiteral("Die Datei passt nicht zum verbundenen Gerät!");

// Registers the connected device keeps when a file is loaded.
QList<int> protectedRegisters(bool withService)
{
    QList<int> regs{0, 1, 84, 144, 145};
    for (int i = 4; i <= 25; ++i)
        regs << i;
    for (int i = 34; i <= 39; ++i)
        regs << i;
    for (int i = 48; i <= 59; ++i)
        regs << i;
    if (withService) {
        for (int i = 40; i <= 47; ++i)
            regs << i;
    }
    return regs;
}

// An image whose registers 4 to 23 carry name (low byte first) and all others fill + index.
QList<quint16> deviceImage(const QByteArray &name, int size = kImageSize, int fill = 0)
{
    QList<quint16> image(size);
    for (int i = 0; i < size; ++i)
        image[i] = quint16(fill + i);
    for (int i = 0; i < 20 && 4 + i < size; ++i) {
        const quint16 low = 2 * i < name.size() ? quint8(name.at(2 * i)) : 0;
        const quint16 high = 2 * i + 1 < name.size() ? quint8(name.at(2 * i + 1)) : 0;
        image[4 + i] = quint16(low | (high << 8));
    }
    return image;
}

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limitBytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = limitBytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};
} // namespace

class tst_KivSaveAndLoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void load_choosesByCaseSensitiveExtension_data();
    void load_choosesByCaseSensitiveExtension();
    void load_fileOfTheSameDevice_mergesAndKeepsTheDeviceRegisters();

    void merge_otherDeviceOrEmptyList_refusedAndImageUnchanged();
    void merge_shortLists_skipTheNameCheckAndStayInsideBothLengths();
    void merge_progressMaximumCountsChangedRegisters_data();
    void merge_progressMaximumCountsChangedRegisters();

    void save_cfg_addsAnEntryOnlyOutsideTheTemporaryFolder();
    void save_jsonAndPdf_areHandedToTheBackEndWithTheirPath();
    void save_otherExtensions_doNothing_data();
    void save_otherExtensions_doNothing();
    void save_nameWithAFolder_isRefused();
    void save_folderCannotBeCreated_reportsFailureWithoutEntry();
    void save_writeFailsMidway_reportsFailureAndKeepsTheOlderFile();

    void saveInfo_carriesTheStoredDeviceName();

private:
    QTemporaryDir m_dir;
    QList<quint16> m_image;
};

void tst_KivSaveAndLoad::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void tst_KivSaveAndLoad::init()
{
    // Fresh settings and folders per test: the saved-file list must not point into an earlier
    // test's files.
    static int run = 0;
    ++run;
    BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("settings%1.ini").arg(run)));
    UtilityFunctions::setRootDirectory(m_dir.filePath(QStringLiteral("root%1").arg(run)));
    QVERIFY(UtilityFunctions::createNeededFolders());
    m_image = deviceImage("KIV-TH test device");
}

void tst_KivSaveAndLoad::load_choosesByCaseSensitiveExtension_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("loaded");

    const QByteArray good = QByteArray::fromHex("00000012"
                                                "004B00490056005F0034002E0032002E0031"
                                                "00000002"
                                                "00010002");
    QTest::newRow("cfg") << "a.cfg" << good << QString() << 1;
    QTest::newRow("cfg with two version parts") << "b.cfg"
                                                << QByteArray::fromHex("0000000E"
                                                                       "004B00490056005F0034002E0032"
                                                                       "00000001"
                                                                       "0001")
                                                << QString() << 0;
    QTest::newRow("cfg without prefix") << "c.cfg"
                                        << QByteArray::fromHex("0000000A"
                                                               "0034002E0032002E0031"
                                                               "00000001"
                                                               "0001")
                                        << QString() << 0;
    QTest::newRow("cfg truncated") << "d.cfg" << good.chopped(1) << QString() << 0;
    QTest::newRow("cfg empty") << "e.cfg" << QByteArray() << QString() << 0;
    QTest::newRow("json") << "f.json" << QByteArray("{}") << "JSON auslesen wird nicht untersüzt!" << 0;
    QTest::newRow("pdf") << "g.pdf" << QByteArray("%PDF") << "PDF's auslesen wird nicht untersüzt!" << 0;
    QTest::newRow("upper-case CFG") << "h.CFG" << good << "Unerwarteter Dateityp: CFG" << 0;
    QTest::newRow("two dots") << "i.tar.gz" << good << "Unerwarteter Dateityp: gz" << 0;
}

void tst_KivSaveAndLoad::load_choosesByCaseSensitiveExtension()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    QFETCH(int, loaded);

    const QString path = m_dir.filePath(fileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    KivSaveAndLoad saveLoad(&m_image);
    QSignalSpy errors(&saveLoad, &SaveAndLoad::errorPlainText);
    QSignalSpy loads(&saveLoad, &SaveAndLoad::loadedFromFile);
    saveLoad.loadSettingsFromPath(path);

    QCOMPARE(loads.size(), loaded);
    if (loaded)
        QCOMPARE(loads.first().first().value<QList<quint16>>(), (QList<quint16>{1, 2}));
    QCOMPARE(errors.size(), error.isEmpty() ? 0 : 1);
    if (!error.isEmpty())
        QCOMPARE(errors.first().first().toString(), error);
    QCOMPARE(m_image, deviceImage("KIV-TH test device"));
}

void tst_KivSaveAndLoad::load_fileOfTheSameDevice_mergesAndKeepsTheDeviceRegisters()
{
    // The file differs from the device everywhere except in the name.
    const QList<quint16> stored = deviceImage("KIV-TH test device", kImageSize, 10000);
    const QString path = m_dir.filePath(QStringLiteral("same.cfg"));
    QVERIFY(writeCfgFile(path, stored));

    KivSaveAndLoad saveLoad(&m_image);
    int changed = -1;
    KivSaveAndLoad::LoadCheck check = KivSaveAndLoad::LoadCheck::Empty;
    connect(&saveLoad, &SaveAndLoad::loadedFromFile, this,
            [&](const QList<quint16> &values) { check = KivSaveAndLoad::applyLoadedImage(values, m_image, &changed); });
    saveLoad.loadSettingsFromPath(path);

    QCOMPARE(check, KivSaveAndLoad::LoadCheck::Applied);
    const QList<int> kept = protectedRegisters(true);
    const QList<quint16> device = deviceImage("KIV-TH test device");
    for (int i = 0; i < kImageSize; ++i)
        QCOMPARE(m_image.at(i), kept.contains(i) ? device.at(i) : stored.at(i));
    QCOMPARE(changed, kImageSize - kept.size());
    QCOMPARE(m_image.size(), kImageSize);
}

void tst_KivSaveAndLoad::merge_otherDeviceOrEmptyList_refusedAndImageUnchanged()
{
    const QList<quint16> before = m_image;
    // One character of the second name half differs.
    QList<quint16> other = deviceImage("KIV-TH test device", kImageSize, 10000);
    other[23] ^= 0x0100;

    int changed = -1;
    QCOMPARE(KivSaveAndLoad::applyLoadedImage(other, m_image, &changed), KivSaveAndLoad::LoadCheck::OtherDevice);
    QCOMPARE(KivSaveAndLoad::applyLoadedImage({}, m_image, &changed), KivSaveAndLoad::LoadCheck::Empty);
    QCOMPARE(m_image, before);
    QCOMPARE(changed, -1);
}

void tst_KivSaveAndLoad::merge_shortLists_skipTheNameCheckAndStayInsideBothLengths()
{
    // 24 registers: too short for the name check, so another name passes; only the
    // unprotected registers 2, 3 of the first 24 take the file's values.
    QList<quint16> image = m_image;
    const QList<quint16> shortFile = deviceImage("OTHER", 24, 500);
    int changed = 0;
    QCOMPARE(KivSaveAndLoad::applyLoadedImage(shortFile, image, &changed), KivSaveAndLoad::LoadCheck::Applied);
    QCOMPARE(changed, 2);
    QCOMPARE(image.mid(2, 2), shortFile.mid(2, 2));
    QCOMPARE(image.mid(4), m_image.mid(4));

    // 45 registers reach into the service counters without passing them: 40 to 44 are the file's.
    image = m_image;
    const QList<quint16> midFile = deviceImage("KIV-TH test device", 45, 500);
    QCOMPARE(KivSaveAndLoad::applyLoadedImage(midFile, image, &changed), KivSaveAndLoad::LoadCheck::Applied);
    QCOMPARE(image.mid(40, 5), midFile.mid(40, 5));
    QCOMPARE(image.mid(34, 6), m_image.mid(34, 6));
    QCOMPARE(image.mid(45), m_image.mid(45));

    // A file longer than the device image changes nothing beyond it.
    QList<quint16> smallImage = deviceImage("KIV-TH test device", 60);
    const QList<quint16> longFile = deviceImage("KIV-TH test device", 100, 500);
    QCOMPARE(KivSaveAndLoad::applyLoadedImage(longFile, smallImage, &changed), KivSaveAndLoad::LoadCheck::Applied);
    QCOMPARE(smallImage.size(), 60);
    QCOMPARE(smallImage.at(40), deviceImage("KIV-TH test device", 60).at(40));
    QCOMPARE(smallImage.at(2), longFile.at(2));
}

void tst_KivSaveAndLoad::merge_progressMaximumCountsChangedRegisters_data()
{
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("maximum");
    QTest::newRow("none") << 0 << 21;
    QTest::newRow("three") << 3 << 21;
    QTest::newRow("twenty") << 20 << 21;
    QTest::newRow("fifty") << 50 << 51;
}

void tst_KivSaveAndLoad::merge_progressMaximumCountsChangedRegisters()
{
    QFETCH(int, changes);
    QFETCH(int, maximum);

    QList<quint16> file = m_image;
    // Changes in protected registers do not count.
    file[0] += 1;
    file[145] += 1;
    for (int i = 0; i < changes; ++i)
        file[1000 + i] += 1;
    int changed = -1;
    QCOMPARE(KivSaveAndLoad::applyLoadedImage(file, m_image, &changed), KivSaveAndLoad::LoadCheck::Applied);
    QCOMPARE(changed, changes);
    QCOMPARE(KivSaveAndLoad::progressMaximumFor(changed), maximum);
}

void tst_KivSaveAndLoad::save_cfg_addsAnEntryOnlyOutsideTheTemporaryFolder()
{
    KivSaveAndLoad saveLoad(&m_image);
    QSignalSpy done(&saveLoad, &KivSaveAndLoad::writingFileSuccessfully);
    QSignalSpy errors(&saveLoad, &SaveAndLoad::errorPlainText);

    saveLoad.writeSettingsToHd(QStringLiteral("share.cfg"), true);
    QCOMPARE(readCfgFile(UtilityFunctions::pathToTempFolder() + QStringLiteral("/share.cfg")), m_image);
    QCOMPARE(done.size(), 0);
    QVERIFY(!saveLoad.savedFiles().contains(QStringLiteral("share.cfg")));

    saveLoad.writeSettingsToHd(QStringLiteral("office.cfg"), false);
    QCOMPARE(readCfgFile(UtilityFunctions::saveFileDirectory() + QStringLiteral("/office.cfg")), m_image);
    QCOMPARE(done.size(), 1);
    QVERIFY(saveLoad.savedFiles().contains(QStringLiteral("office.cfg")));
    QCOMPARE(errors.size(), 0);
}

void tst_KivSaveAndLoad::save_jsonAndPdf_areHandedToTheBackEndWithTheirPath()
{
    KivSaveAndLoad saveLoad(&m_image);
    QSignalSpy json(&saveLoad, &KivSaveAndLoad::writeJson);
    QSignalSpy pdf(&saveLoad, &KivSaveAndLoad::writePdf);
    QSignalSpy done(&saveLoad, &KivSaveAndLoad::writingFileSuccessfully);

    saveLoad.writeSettingsToHd(QStringLiteral("a.json"), false);
    saveLoad.writeSettingsToHd(QStringLiteral("a.pdf"), true);
    QCOMPARE(json.size(), 1);
    QCOMPARE(json.first().first().toString(), UtilityFunctions::saveFileDirectory() + QStringLiteral("/a.json"));
    QCOMPARE(pdf.size(), 1);
    QCOMPARE(pdf.first().first().toString(), UtilityFunctions::pathToTempFolder() + QStringLiteral("/a.pdf"));
    // The back end writes these and reports success itself.
    QCOMPARE(done.size(), 0);
}

void tst_KivSaveAndLoad::save_otherExtensions_doNothing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("upper-case CFG") << "a.CFG";
    QTest::newRow("unknown") << "a.txt";
    QTest::newRow("no extension") << "cfg";
}

void tst_KivSaveAndLoad::save_otherExtensions_doNothing()
{
    QFETCH(QString, fileName);
    KivSaveAndLoad saveLoad(&m_image);
    QSignalSpy errors(&saveLoad, &SaveAndLoad::errorPlainText);
    QSignalSpy done(&saveLoad, &KivSaveAndLoad::writingFileSuccessfully);

    saveLoad.writeSettingsToHd(fileName, false);
    QCOMPARE(errors.size(), 0);
    QCOMPARE(done.size(), 0);
    QCOMPARE(QDir(UtilityFunctions::saveFileDirectory()).entryList(QDir::Files), QStringList());
}

void tst_KivSaveAndLoad::save_nameWithAFolder_isRefused()
{
    KivSaveAndLoad saveLoad(&m_image);
    QSignalSpy errors(&saveLoad, &SaveAndLoad::errorPlainText);
    QSignalSpy json(&saveLoad, &KivSaveAndLoad::writeJson);

    saveLoad.writeSettingsToHd(QStringLiteral("../escaped.cfg"), false);
    saveLoad.writeSettingsToHd(QStringLiteral("../escaped.json"), false);
    QCOMPARE(errors.size(), 2);
    QCOMPARE(errors.first().first().toString(), kSaveFailed);
    QCOMPARE(json.size(), 0);
    QVERIFY(!QFileInfo::exists(UtilityFunctions::saveFileDirectory() + QStringLiteral("/../escaped.cfg")));
}

void tst_KivSaveAndLoad::save_folderCannotBeCreated_reportsFailureWithoutEntry()
{
    // A data root below a regular file: no folder can be made there, not even by root.
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    UtilityFunctions::setRootDirectory(blocker);

    KivSaveAndLoad saveLoad(&m_image);
    QSignalSpy errors(&saveLoad, &SaveAndLoad::errorPlainText);
    QSignalSpy done(&saveLoad, &KivSaveAndLoad::writingFileSuccessfully);
    saveLoad.writeSettingsToHd(QStringLiteral("office.cfg"), false);

    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first().first().toString(), kSaveFailed);
    QCOMPARE(done.size(), 0);
    QVERIFY(!saveLoad.savedFiles().contains(QStringLiteral("office.cfg")));
}

void tst_KivSaveAndLoad::save_writeFailsMidway_reportsFailureAndKeepsTheOlderFile()
{
    KivSaveAndLoad saveLoad(&m_image);
    const QList<quint16> older = m_image.mid(0, 100);
    const QString path = UtilityFunctions::saveFileDirectory() + QStringLiteral("/office.cfg");
    QVERIFY(writeCfgFile(path, older));

    QSignalSpy errors(&saveLoad, &SaveAndLoad::errorPlainText);
    QSignalSpy done(&saveLoad, &KivSaveAndLoad::writingFileSuccessfully);
    {
        // The full image does not fit below this limit; the file itself opens fine.
        FileSizeLimit limit(4096);
        saveLoad.writeSettingsToHd(QStringLiteral("office.cfg"), false);
    }
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first().first().toString(), kSaveFailed);
    QCOMPARE(done.size(), 0);
    QCOMPARE(readCfgFile(path), older);
}

void tst_KivSaveAndLoad::saveInfo_carriesTheStoredDeviceName()
{
    KivSaveAndLoad saveLoad(&m_image);
    saveLoad.writeSettingsToHd(QStringLiteral("office.cfg"), false);
    const QVariantList info = saveLoad.getSaveInfo(QStringLiteral("office.cfg"));
    QCOMPARE(info.size(), 5);
    QCOMPARE(info.at(0).toString(), QStringLiteral("office.cfg"));
    QCOMPARE(info.at(3).toString(), QStringLiteral("KIV-TH test device "));

    // Files too short for the identity, and other types, carry an empty name.
    QVERIFY(writeCfgFile(UtilityFunctions::saveFileDirectory() + QStringLiteral("/short.cfg"), m_image.mid(0, 100)));
    QCOMPARE(saveLoad.getSaveInfo(QStringLiteral("short.cfg")).at(3).toString(), QString());
    QFile json(UtilityFunctions::saveFileDirectory() + QStringLiteral("/notes.json"));
    QVERIFY(json.open(QIODevice::WriteOnly));
    json.close();
    QCOMPARE(saveLoad.getSaveInfo(QStringLiteral("notes.json")).value(3), QVariant(QString()));

    // A file that is gone has no information at all.
    QVERIFY(saveLoad.getSaveInfo(QStringLiteral("gone.cfg")).isEmpty());
}

QTEST_GUILESS_MAIN(tst_KivSaveAndLoad)
#include "tst_KivSaveAndLoad.moc"
