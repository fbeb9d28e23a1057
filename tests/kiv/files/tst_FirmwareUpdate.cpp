#include "BootLoader.h"

#include "BaseSettings.h"
#include "KivSettings.h"
#include "KivUpdateFile.h"
#include "UpdateServerProcess.h"
#include "UploadRig.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace UploadRigSupport;

namespace {
QByteArray readBack(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// The whole update road against the emulated device: the list and images from the local
// update server, the upload through the real link, and the bootloader's failure modes.
class tst_FirmwareUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void listToDevice_newerFirmwareDownloadedAndUploadedToBothBoards();
    void wrongPresenceWords_retriedUntilTheBootloaderAnswers();
    void bootloaderNeverAnswers_givesUpAfterSixteenAttempts();
    void linkDropsMidPage_reportedNothingWrittenAndRetrySucceeds();

private:
    QTemporaryDir m_dir;
};

void tst_FirmwareUpdate::initTestCase()
{
    QVERIFY(m_dir.isValid());
    BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
    qputenv("TMPDIR", m_dir.path().toLocal8Bit());
}

void tst_FirmwareUpdate::init()
{
    if (EmulatorProcess::programPath().isEmpty() || !QFile::exists(EmulatorProcess::programPath()))
        QSKIP("kiv-emulator is not built");
}

void tst_FirmwareUpdate::listToDevice_newerFirmwareDownloadedAndUploadedToBothBoards()
{
    if (UpdateServerProcess::pythonPath().isEmpty())
        QSKIP("python3 is not installed");
    QTemporaryDir www;
    const QByteArray mainBoard = makeImage(2 * kPage + 300, 3);
    const QByteArray addOn = makeImage(700, 4);
    QVERIFY(writeFile(www.filePath("kiv-gp-2.4.bin"), mainBoard));
    QVERIFY(writeFile(www.filePath("kiv-ap-1.1.bin"), addOn));
    QVERIFY(writeFile(www.filePath("updates.json"),
                      R"([{"name": "KIV", "url_gp": "{base}/kiv-gp-2.4.bin", "url_ap": "{base}/kiv-ap-1.1.bin",
                           "version_gp": 2.4, "version_ap": 1.1, "prog_delay": 0, "check1": 0, "check2": 0}])"));
    UpdateServerProcess server;
    QVERIFY2(server.start(www.path()), qPrintable(server.errorString()));

    KivUpdateFile download;
    QSignalSpy downloaded(&download, &KivUpdateFile::allDownLoadsDone);
    QSignalSpy downloadErrors(&download, &KivUpdateFile::errorText);
    download.checkForUpdate(2.3, 1.1, server.baseUrl() + "/updates.json", QStringLiteral("KIV room sensor"));
    QVERIFY(downloaded.wait(kWaitMs));
    QVERIFY(downloadErrors.isEmpty());
    QCOMPARE(readBack(KivUpdateFile::imagePathGp()), mainBoard);
    QCOMPARE(readBack(KivUpdateFile::imagePathAp()), addOn);

    UploadRig rig;
    QVERIFY(rig.connect({}));
    QSignalSpy finished(&rig.bootLoader, &BootLoader::bootLoaderFinished);
    BaseSettings::getSettings()->remove(KivSettings::kKeyByteRate);
    rig.bootLoader.updateGpAndAp();
    // The device holds the main board's image until the add-on's finish replaces it.
    QVERIFY(finished.wait(kWaitMs));
    QTRY_COMPARE_WITH_TIMEOUT(rig.received(), padded(readBack(www.filePath("kiv-gp-2.4.bin"))), kWaitMs);
    QCOMPARE(finished.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(rig.received(), padded(readBack(www.filePath("kiv-ap-1.1.bin"))), kWaitMs);
    const QByteArray log = rig.emulator.output();
    QVERIFY2(log.contains("start, 3 pages announced") && log.contains("page 3 of 3 committed") &&
                 log.contains("finished, 6144 bytes") && log.contains("start, 1 pages announced"),
             log.constData());

    // The rate measured on the way in estimates the next download.
    const int rate = BaseSettings::readInt(KivSettings::kKeyByteRate, 0);
    QVERIFY(rate > 0);
    const QByteArray big = makeImage(700000, 5);
    QVERIFY(writeFile(www.filePath("kiv-gp-2.5.bin"), big));
    QVERIFY(
        writeFile(www.filePath("next.json"),
                  QByteArray(R"([{"name": "KIV", "url_gp": "{base}/kiv-gp-2.5.bin", "url_ap": "{base}/kiv-ap-1.1.bin",
                           "version_gp": 2.5, "version_ap": 1.1}])")
                      .replace("{base}", server.baseUrl().toUtf8())));
    download.checkForUpdate(2.4, 1.1, server.baseUrl() + "/next.json", QStringLiteral("KIV room sensor"));
    QVERIFY(downloaded.wait(kWaitMs));
    QCOMPARE(download.remTimeGp(), int(big.size() / rate));
}

void tst_FirmwareUpdate::wrongPresenceWords_retriedUntilTheBootloaderAnswers()
{
    UploadRig rig;
    QVERIFY(rig.connect({QStringLiteral("--bootloader-fault"), QStringLiteral("wrong-words:3")}));
    const QByteArray image = makeImage(kPage + 1, 5);
    const QString path = m_dir.filePath("image.bin");
    QVERIFY(writeFile(path, image));
    QSignalSpy started(&rig.bootLoader, &BootLoader::bootLoaderStarted);
    QSignalSpy finished(&rig.bootLoader, &BootLoader::bootLoaderFinished);
    rig.bootLoader.loadFile(path);
    QVERIFY(finished.wait(kWaitMs));
    QCOMPARE(started.count(), 4);
    QTRY_COMPARE_WITH_TIMEOUT(rig.received(), padded(image), kWaitMs);
    QVERIFY(rig.emulator.output().contains("wrong words (0 more)"));
}

void tst_FirmwareUpdate::bootloaderNeverAnswers_givesUpAfterSixteenAttempts()
{
    UploadRig rig;
    QVERIFY(rig.connect({QStringLiteral("--bootloader-fault"), QStringLiteral("no-presence")}, 100, 0));
    BootLoader::Timing timing = kQuick;
    timing.entryWaitMs = 20;
    timing.answerTimeoutMs = 300;
    rig.bootLoader.setTiming(timing);
    const QString path = m_dir.filePath("image.bin");
    QVERIFY(writeFile(path, makeImage(10, 0)));
    QSignalSpy started(&rig.bootLoader, &BootLoader::bootLoaderStarted);
    QSignalSpy couldNotStart(&rig.bootLoader, &BootLoader::errorCouldNotStartBL);
    QSignalSpy writes(&rig.bootLoader, &BootLoader::writeRegs);
    rig.bootLoader.loadFile(path);
    QVERIFY(couldNotStart.wait(kWaitMs));
    QCOMPARE(started.count(), BootLoader::kMaxAttempts + 1);
    QCOMPARE(writes.count(), 0);
    QVERIFY(!rig.bootLoader.blActive());
}

void tst_FirmwareUpdate::linkDropsMidPage_reportedNothingWrittenAndRetrySucceeds()
{
    UploadRig rig;
    QVERIFY(rig.connect({QStringLiteral("--bootloader-fault"), QStringLiteral("drop-mid-page:1")}, 200, 0));
    BootLoader::Timing timing = kQuick;
    timing.answerTimeoutMs = 1000;
    rig.bootLoader.setTiming(timing);
    const QByteArray image = makeImage(3 * kPage - 10, 6);
    const QString path = m_dir.filePath("image.bin");
    QVERIFY(writeFile(path, image));
    QSignalSpy interrupted(&rig.bootLoader, &BootLoader::errorUploadInterrupted);
    QSignalSpy finished(&rig.bootLoader, &BootLoader::bootLoaderFinished);
    rig.bootLoader.loadFile(path);
    QVERIFY(interrupted.wait(kWaitMs));
    QCOMPARE(finished.count(), 0);
    QVERIFY(!rig.bootLoader.blActive());
    QVERIFY(rig.received().isEmpty());
    QVERIFY(rig.emulator.output().contains("link dropped in the middle of page 1"));

    // The cable is back and the link open again: the same file goes through from the start.
    QVERIFY(rig.openLink(200, 0));
    rig.bootLoader.uploadLastFile();
    QVERIFY(finished.wait(kWaitMs));
    QTRY_COMPARE_WITH_TIMEOUT(rig.received(), padded(image), kWaitMs);
}

QTEST_GUILESS_MAIN(tst_FirmwareUpdate)
#include "tst_FirmwareUpdate.moc"
