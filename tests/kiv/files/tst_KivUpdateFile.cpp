#include "KivUpdateFile.h"

#include "BaseSettings.h"
#include "KivSettings.h"
#include "KivUpdateInfo.h"
#include "UpdateServerProcess.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kWaitMs = 10000;

// Deterministic, never all zero.
QByteArray makeImage(int size, int seed)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 13 + seed) % 253 + 1);
    return image;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray entry(const QString &name, const QString &urlGp, const QString &urlAp, double versionGp, double versionAp)
{
    return QStringLiteral(R"({"name": "%1", "url_gp": "%2", "url_ap": "%3", "version_gp": %4, "version_ap": %5,
                           "prog_delay": 7, "check1": 1, "check2": 2})")
        .arg(name, urlGp, urlAp)
        .arg(versionGp)
        .arg(versionAp)
        .toUtf8();
}

QStringList texts(const QSignalSpy &spy)
{
    QStringList list;
    for (const QList<QVariant> &args : spy)
        list.append(args.first().toString());
    return list;
}

// Records every state the object passes through.
class StateLog
{
public:
    explicit StateLog(KivUpdateFile *file)
    {
        QObject::connect(file, &KivUpdateFile::stateChanged, file, [this, file] { states.append(file->state()); });
    }
    QList<int> states;
};

} // namespace

class tst_KivUpdateFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void check_newerAddOnOnly_bothImagesDownloadedMainBoardFirst();
    void check_listMatchedAgainstDevice_data();
    void check_listMatchedAgainstDevice();
    void check_fileUrls_workWithoutServer();
    void failures_reportedAndStateReset_data();
    void failures_reportedAndStateReset();
    void checkWhileBusy_refusedWithoutSecondRequest();
    void cancel_inactiveAtOnceAndAbortStaysSilent();
    void imageCannotBeReplaced_reportedAndReset();
    void brokenImage_neitherSavedNorDone_data();
    void brokenImage_neitherSavedNorDone();
    void unknownSize_noMaximumAndStillSaved();
    void newCheck_removesEarlierImages();
    void severalMatches_oneDownloadOfTheLastEntry();
    void selectionWhileDownloading_refusedAndImagesStayPaired();
    void cancelThenCheckAgain_onlyTheNewReplyCounts();

private:
    QString list(const QByteArray &entries, const QString &name = QStringLiteral("list.json"));
    QString served(const QString &file) const { return m_server.baseUrl() + QLatin1Char('/') + file; }

    QTemporaryDir m_tmp;
    QTemporaryDir m_www;
    UpdateServerProcess m_server;
    QByteArray m_gp = makeImage(70000, 1);
    QByteArray m_ap = makeImage(3000, 2);
};

void tst_KivUpdateFile::initTestCase()
{
    QVERIFY(m_tmp.isValid() && m_www.isValid());
    // The images land in the temporary folder.
    qputenv("TMPDIR", m_tmp.path().toLocal8Bit());
    BaseSettings::setSettingsFile(m_tmp.filePath(QStringLiteral("settings.ini")));
    QVERIFY(writeFile(m_www.filePath(QStringLiteral("gp.bin")), m_gp));
    QVERIFY(writeFile(m_www.filePath(QStringLiteral("ap.bin")), m_ap));
    QVERIFY(writeFile(m_www.filePath(QStringLiteral("empty.json")), {}));
    if (UpdateServerProcess::pythonPath().isEmpty())
        QSKIP("python3 is not installed");
    QVERIFY2(m_server.start(m_www.path()), qPrintable(m_server.errorString()));
}

void tst_KivUpdateFile::init()
{
    BaseSettings::writeClearance(0);
    BaseSettings::getSettings()->remove(KivSettings::kKeyByteRate);
    QFile::remove(KivUpdateFile::imagePathGp());
    QFile::remove(KivUpdateFile::imagePathAp());
}

void tst_KivUpdateFile::cleanupTestCase()
{
    m_server.stop();
}

QString tst_KivUpdateFile::list(const QByteArray &entries, const QString &name)
{
    if (!writeFile(m_www.filePath(name), "[" + entries + "]"))
        qWarning("cannot write the update list");
    return served(name);
}

void tst_KivUpdateFile::check_newerAddOnOnly_bothImagesDownloadedMainBoardFirst()
{
    const QString url = list(entry("VDX", served("x.bin"), served("y.bin"), 9, 9) + "," +
                             entry("KIV Room", served("gp.bin"), served("ap.bin"), 2.3, 1.2));
    KivUpdateFile file;
    StateLog log(&file);
    QSignalSpy newUpdate(&file, &KivUpdateFile::newUpdateAailable);
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);
    QSignalSpy errors(&file, &KivUpdateFile::errorText);
    QSignalSpy progress(&file, &KivUpdateFile::progressbarMaxChanged);

    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("room sensor KIV"));
    QVERIFY(done.wait(kWaitMs));
    QVERIFY2(errors.isEmpty(), qPrintable(texts(errors).join('\n')));
    QCOMPARE(newUpdate.count(), 1);
    QCOMPARE(log.states, QList<int>({1, 0, 2, 0, 3, 0}));
    QCOMPARE(readFile(KivUpdateFile::imagePathGp()), m_gp);
    QCOMPARE(readFile(KivUpdateFile::imagePathAp()), m_ap);
    // No stored upload rate: 3500 bytes per second.
    QCOMPARE(file.remTimeGp(), 20);
    QCOMPARE(file.remTimeAp(), 0);
    QVERIFY(progress.count() > 0);
    QCOMPARE(file.progressbarCur(), quint64(0));
    QCOMPARE(file.progressbarMax(), quint64(0));

    const auto selection = file.downloadSelection().value<QList<QObject *>>();
    QCOMPARE(selection.size(), 2);
    auto *info = file.downloadInfo().value<KivUpdateInfo *>();
    QVERIFY(info);
    QCOMPARE(info, selection.at(1));
    QCOMPARE(info->deviceName(), QStringLiteral("KIV Room"));
    QCOMPARE(info->urlAp(), QUrl(served("ap.bin")));
    QCOMPARE(info->versionAp(), 1.2);
    QCOMPARE(info->progDelay(), 7);
    QCOMPARE(info->check2(), 2);

    // A stored rate replaces the default; the user picks the same entry again from the list.
    KivSettings::writeByteRate(7000);
    file.downloadGpAndAp(info->urlGp(), info->urlAp());
    QVERIFY(done.wait(kWaitMs));
    QCOMPARE(file.remTimeGp(), 10);
    QCOMPARE(file.state(), KivUpdateFile::inactive);
}

void tst_KivUpdateFile::check_listMatchedAgainstDevice_data()
{
    QTest::addColumn<QString>("entryName");
    QTest::addColumn<QString>("device");
    QTest::addColumn<double>("listGp");
    QTest::addColumn<double>("listAp");
    QTest::addColumn<int>("clearance");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<bool>("matched");

    const auto row = [](const char *name, const char *entryName, const char *device, double gp, double ap,
                        int clearance, const char *outcome, bool matched) {
        QTest::newRow(name) << QString(entryName) << QString(device) << gp << ap << clearance << QString(outcome)
                            << matched;
    };
    row("any word, any case", "KIV Room", "room sensor", 2.5, 0, 0, "new", true);
    row("same versions", "KIV", "KIV", 2.3, 1.1, 0, "none", true);
    row("versions 0 never newer", "KIV", "KIV", 0, 0, 0, "none", true);
    row("older in list", "KIV", "KIV", 2.2, 1.0, 0, "none", true);
    // Empty words would be contained in every device name.
    row("double space, other device", "QEV  VDX", "KIV", 9, 9, 0, "none", false);
    row("trailing space, other device", "QEV ", "KIV", 9, 9, 0, "none", false);
    row("blanks only match none", "   ", "KIV", 9, 9, 1, "unknown", false);
    row("double space, own word", "QEV  KIV", "room KIV", 2.4, 0, 0, "new", true);
    row("other device, user", "QEV VDX", "KIV", 9, 9, 0, "none", false);
    row("other device, internal", "QEV VDX", "KIV", 9, 9, 1, "unknown", false);
    row("unnamed entry matches none", "", "KIV", 9, 9, 2, "unknown", false);
}

void tst_KivUpdateFile::check_listMatchedAgainstDevice()
{
    QFETCH(QString, entryName);
    QFETCH(QString, device);
    QFETCH(double, listGp);
    QFETCH(double, listAp);
    QFETCH(int, clearance);
    QFETCH(QString, outcome);
    QFETCH(bool, matched);
    BaseSettings::writeClearance(clearance);
    const QString url = list(entry(entryName, served("gp.bin"), served("ap.bin"), listGp, listAp));

    KivUpdateFile file;
    QSignalSpy newUpdate(&file, &KivUpdateFile::newUpdateAailable);
    QSignalSpy none(&file, &KivUpdateFile::noUpdateAvailable);
    QSignalSpy unknown(&file, &KivUpdateFile::deviceNotRecognized);
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);
    QSignalSpy selection(&file, &KivUpdateFile::downloadSelectionChanged);
    file.checkForUpdate(2.3, 1.1, url, device);
    QVERIFY(selection.wait(kWaitMs));

    QCOMPARE(newUpdate.count(), outcome == "new" ? 1 : 0);
    QCOMPARE(none.count(), outcome == "none" ? 1 : 0);
    QCOMPARE(unknown.count(), outcome == "unknown" ? 1 : 0);
    QCOMPARE(file.downloadInfo().value<KivUpdateInfo *>() != nullptr, matched);
    if (outcome == "new")
        QVERIFY(done.wait(kWaitMs));
    else
        QCOMPARE(file.state(), KivUpdateFile::inactive);
    QCOMPARE(QFile::exists(KivUpdateFile::imagePathGp()), outcome == "new");
}

void tst_KivUpdateFile::check_fileUrls_workWithoutServer()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("gp.bin"), m_gp.left(100)));
    QVERIFY(writeFile(dir.filePath("ap.bin"), m_ap.left(10)));
    const QString listPath = dir.filePath("updates.json");
    QVERIFY(writeFile(listPath,
                      "[" +
                          entry("KIV", QUrl::fromLocalFile(dir.filePath("gp.bin")).toString(),
                                QUrl::fromLocalFile(dir.filePath("ap.bin")).toString(), 3, 0) +
                          "]"));
    KivUpdateFile file;
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);
    file.checkForUpdate(2.3, 1.1, QUrl::fromLocalFile(listPath).toString(), QStringLiteral("KIV"));
    QVERIFY(done.wait(kWaitMs));
    QCOMPARE(readFile(KivUpdateFile::imagePathGp()), m_gp.left(100));
    QCOMPARE(readFile(KivUpdateFile::imagePathAp()), m_ap.left(10));
}

void tst_KivUpdateFile::failures_reportedAndStateReset_data()
{
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QByteArray>("listBody");
    QTest::addColumn<QStringList>("expectedTexts");
    QTest::addColumn<int>("networkError");

    const QString unexpected = QStringLiteral("Unexpected network reply received.");
    QTest::newRow("empty list") << "empty.json" << QByteArray() << QStringList{"0 Bytes geladen"} << -1;
    QTest::newRow("damaged list") << "damaged.json" << QByteArray("[{\"name\": \"KIV\", \"url_gp\": ")
                                  << QStringList{"Die Update-Liste ist beschädigt oder hat ein unbekanntes Format."}
                                  << -1;
    QTest::newRow("not a list") << "object.json" << QByteArray("{\"name\": \"KIV\"}")
                                << QStringList{"Die Update-Liste ist beschädigt oder hat ein unbekanntes Format."}
                                << -1;
    QTest::newRow("invalid url") << "badurl.json" << entry("KIV", "http://[::1", "x", 9, 9)
                                 << QStringList{"Invalid download Urls"} << -1;
    QTest::newRow("list missing") << "" << QByteArray() << QStringList{unexpected}
                                  << int(QNetworkReply::ContentNotFoundError);
    QTest::newRow("image missing") << "noimage.json" << QByteArray("MISSING") << QStringList{unexpected}
                                   << int(QNetworkReply::ContentNotFoundError);
}

void tst_KivUpdateFile::failures_reportedAndStateReset()
{
    QFETCH(QString, listName);
    QFETCH(QByteArray, listBody);
    QFETCH(QStringList, expectedTexts);
    QFETCH(int, networkError);

    QString url = served(listName.isEmpty() ? QStringLiteral("nothere.json") : listName);
    if (listBody == "MISSING")
        url = list(entry("KIV", served("gone.bin"), served("ap.bin"), 9, 9), listName);
    else if (listBody.startsWith('{') && listBody.contains("url_gp\": \"http"))
        url = list(listBody, listName);
    else if (!listBody.isEmpty())
        QVERIFY(writeFile(m_www.filePath(listName), listBody));

    KivUpdateFile file;
    QSignalSpy errors(&file, &KivUpdateFile::errorText);
    QSignalSpy network(&file, &KivUpdateFile::errorMessage);
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    QTRY_COMPARE_WITH_TIMEOUT(texts(errors), expectedTexts, kWaitMs);
    QCOMPARE(network.count(), networkError < 0 ? 0 : 1);
    if (networkError >= 0)
        QCOMPARE(network.first().first().value<QNetworkReply::NetworkError>(),
                 QNetworkReply::NetworkError(networkError));
    QCOMPARE(file.state(), KivUpdateFile::inactive);
    QCOMPARE(file.progressbarMax(), quint64(0));
    QCOMPARE(done.count(), 0);
    QVERIFY(!QFile::exists(KivUpdateFile::imagePathAp()));
}

void tst_KivUpdateFile::checkWhileBusy_refusedWithoutSecondRequest()
{
    const QString url = list(entry("KIV", served("gp.bin"), served("ap.bin"), 9, 9));
    KivUpdateFile file;
    QSignalSpy errors(&file, &KivUpdateFile::errorText);
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    file.downloadAp();
    QCOMPARE(texts(errors), QStringList({"Update ist bereits im Gange.", "Ein Download ist bereits in Gange"}));
    QVERIFY(done.wait(kWaitMs));
    QCOMPARE(errors.count(), 2);
    QCOMPARE(done.count(), 1);
}

void tst_KivUpdateFile::cancel_inactiveAtOnceAndAbortStaysSilent()
{
    const QString url = list(entry("KIV", served("gp.bin"), served("ap.bin"), 9, 9));
    KivUpdateFile file;
    QSignalSpy errors(&file, &KivUpdateFile::errorText);
    QSignalSpy network(&file, &KivUpdateFile::errorMessage);
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);

    // Cancelled while the list is requested, then again while the main-board image arrives.
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    emit file.cancelDownloads();
    QCOMPARE(file.state(), KivUpdateFile::inactive);
    int cancelledAt = -1;
    connect(&file, &KivUpdateFile::progressbarCurChanged, &file, [&file, &cancelledAt] {
        if (file.state() == KivUpdateFile::downloadGP && cancelledAt < 0) {
            emit file.cancelDownloads();
            cancelledAt = file.state();
        }
    });
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    QTRY_COMPARE_WITH_TIMEOUT(cancelledAt, int(KivUpdateFile::inactive), kWaitMs);
    // The aborted reply still finishes; nothing of it may surface.
    QVERIFY(!errors.wait(500));
    QCOMPARE(file.state(), KivUpdateFile::inactive);
    QCOMPARE(file.progressbarCur(), quint64(0));
    QCOMPARE(network.count(), 0);
    QCOMPARE(done.count(), 0);
    QVERIFY(!QFile::exists(KivUpdateFile::imagePathGp()));
}

void tst_KivUpdateFile::imageCannotBeReplaced_reportedAndReset()
{
    // A folder where the image belongs can be neither removed nor replaced.
    QVERIFY(QDir().mkpath(KivUpdateFile::imagePathGp()));
    QVERIFY(QDir(KivUpdateFile::imagePathGp()).mkpath(QStringLiteral("keep")));
    const QString url = list(entry("KIV", served("gp.bin"), served("ap.bin"), 9, 9));
    KivUpdateFile file;
    QSignalSpy errors(&file, &KivUpdateFile::errorText);
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 2, kWaitMs);
    QCOMPARE(texts(errors).last(), QStringLiteral("Could not download update file."));
    QCOMPARE(file.state(), KivUpdateFile::inactive);
    QCOMPARE(done.count(), 0);
    QVERIFY(!QFile::exists(KivUpdateFile::imagePathAp()));
    QDir(KivUpdateFile::imagePathGp()).removeRecursively();
}

void tst_KivUpdateFile::brokenImage_neitherSavedNorDone_data()
{
    QTest::addColumn<QString>("gpFile");
    QTest::addColumn<QString>("apFile");
    QTest::newRow("main board cut short") << "truncated/gp.bin"
                                          << "ap.bin";
    QTest::newRow("add-on cut short") << "gp.bin"
                                      << "truncated/ap.bin";
    QTest::newRow("main board empty") << "empty.bin"
                                      << "ap.bin";
    QTest::newRow("add-on empty") << "gp.bin"
                                  << "empty.bin";
}

void tst_KivUpdateFile::brokenImage_neitherSavedNorDone()
{
    QFETCH(QString, gpFile);
    QFETCH(QString, apFile);
    QVERIFY(writeFile(m_www.filePath(QStringLiteral("empty.bin")), {}));
    const QString url = list(entry("KIV", served(gpFile), served(apFile), 9, 9));
    KivUpdateFile file;
    QSignalSpy errors(&file, &KivUpdateFile::errorText);
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty() && file.state() == KivUpdateFile::inactive, kWaitMs);
    // A late reply must not turn the failure into success.
    QVERIFY(!done.wait(300));
    QCOMPARE(file.state(), KivUpdateFile::inactive);
    QVERIFY(!QFile::exists(KivUpdateFile::imagePathAp()));
    if (gpFile != "gp.bin")
        QVERIFY(!QFile::exists(KivUpdateFile::imagePathGp()));
    // Nothing half-written is left beside the images.
    const QStringList leftovers =
        QDir(QFileInfo(KivUpdateFile::imagePathGp()).path()).entryList({QStringLiteral("update*")}, QDir::Files);
    QVERIFY2(leftovers.size() <= 1, qPrintable(leftovers.join(' ')));
}

void tst_KivUpdateFile::unknownSize_noMaximumAndStillSaved()
{
    const QString url = list(entry("KIV", served("unsized/gp.bin"), served("ap.bin"), 9, 9));
    KivUpdateFile file;
    QList<quint64> maxima;
    quint64 received = 0;
    connect(&file, &KivUpdateFile::progressbarCurChanged, &file, [&] {
        if (file.state() == KivUpdateFile::downloadGP) {
            maxima.append(file.progressbarMax());
            received = qMax(received, file.progressbarCur());
        }
    });
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    QVERIFY(done.wait(kWaitMs));
    // No maximum lets the page show an indeterminate bar instead of a bogus huge one.
    QVERIFY(received > 0);
    QCOMPARE(maxima, QList<quint64>(maxima.size(), 0));
    QCOMPARE(readFile(KivUpdateFile::imagePathGp()), m_gp);
}

void tst_KivUpdateFile::newCheck_removesEarlierImages()
{
    QVERIFY(writeFile(KivUpdateFile::imagePathGp(), "old main board"));
    QVERIFY(writeFile(KivUpdateFile::imagePathAp(), "old add-on"));
    const QString url = list(entry("KIV", served("gp.bin"), served("ap.bin"), 2.3, 1.1));
    KivUpdateFile file;
    QSignalSpy none(&file, &KivUpdateFile::noUpdateAvailable);
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    QVERIFY(none.wait(kWaitMs));
    QVERIFY(!QFile::exists(KivUpdateFile::imagePathGp()));
    QVERIFY(!QFile::exists(KivUpdateFile::imagePathAp()));
}

void tst_KivUpdateFile::severalMatches_oneDownloadOfTheLastEntry()
{
    // The first entry's images do not exist: any request for them would be reported.
    const QString url = list(entry("KIV", served("old-gp.bin"), served("old-ap.bin"), 9, 9) + "," +
                             entry("Room", served("gp.bin"), served("ap.bin"), 9, 9));
    KivUpdateFile file;
    StateLog log(&file);
    QSignalSpy errors(&file, &KivUpdateFile::errorText);
    QSignalSpy network(&file, &KivUpdateFile::errorMessage);
    QSignalSpy newUpdate(&file, &KivUpdateFile::newUpdateAailable);
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV Room"));
    QVERIFY(done.wait(kWaitMs));
    QVERIFY(!done.wait(300));
    QVERIFY2(errors.isEmpty(), qPrintable(texts(errors).join('\n')));
    QCOMPARE(network.count(), 0);
    QCOMPARE(newUpdate.count(), 1);
    QCOMPARE(log.states, QList<int>({1, 0, 2, 0, 3, 0}));
    QCOMPARE(file.downloadInfo().value<KivUpdateInfo *>()->deviceName(), QStringLiteral("Room"));
    QCOMPARE(readFile(KivUpdateFile::imagePathGp()), m_gp);
    QCOMPARE(readFile(KivUpdateFile::imagePathAp()), m_ap);
}

void tst_KivUpdateFile::selectionWhileDownloading_refusedAndImagesStayPaired()
{
    QVERIFY(writeFile(m_www.filePath(QStringLiteral("other-gp.bin")), makeImage(500, 7)));
    QVERIFY(writeFile(m_www.filePath(QStringLiteral("other-ap.bin")), makeImage(600, 8)));
    const QString url = list(entry("KIV", served("gp.bin"), served("ap.bin"), 9, 9) + "," +
                             entry("QEV", served("other-gp.bin"), served("other-ap.bin"), 9, 9));
    KivUpdateFile file;
    QSignalSpy errors(&file, &KivUpdateFile::errorText);
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);
    bool picked = false;
    connect(&file, &KivUpdateFile::progressbarCurChanged, &file, [&] {
        if (file.state() == KivUpdateFile::downloadGP && !picked) {
            picked = true;
            file.downloadGpAndAp(QUrl(served("other-gp.bin")), QUrl(served("other-ap.bin")));
        }
    });
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    QVERIFY(done.wait(kWaitMs));
    QVERIFY(!done.wait(300));
    QVERIFY(picked);
    QCOMPARE(texts(errors), QStringList{"Ein Download ist bereits in Gange"});
    QCOMPARE(file.downloadInfo().value<KivUpdateInfo *>()->deviceName(), QStringLiteral("KIV"));
    QCOMPARE(readFile(KivUpdateFile::imagePathGp()), m_gp);
    QCOMPARE(readFile(KivUpdateFile::imagePathAp()), m_ap);
}

// A file: reply reports its end later even when aborted; by then the new check runs and must
// not take the old reply's (empty) bytes for its list.
void tst_KivUpdateFile::cancelThenCheckAgain_onlyTheNewReplyCounts()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("gp.bin"), m_gp.left(300)));
    QVERIFY(writeFile(dir.filePath("ap.bin"), m_ap.left(30)));
    const QString listPath = dir.filePath("updates.json");
    QVERIFY(writeFile(listPath,
                      "[" +
                          entry("KIV", QUrl::fromLocalFile(dir.filePath("gp.bin")).toString(),
                                QUrl::fromLocalFile(dir.filePath("ap.bin")).toString(), 3, 0) +
                          "]"));
    KivUpdateFile file;
    StateLog log(&file);
    QSignalSpy done(&file, &KivUpdateFile::allDownLoadsDone);
    const QString url = QUrl::fromLocalFile(listPath).toString();
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    emit file.cancelDownloads();
    file.checkForUpdate(2.3, 1.1, url, QStringLiteral("KIV"));
    QVERIFY(done.wait(kWaitMs));
    QVERIFY(!done.wait(300));
    QCOMPARE(log.states, QList<int>({1, 0, 1, 0, 2, 0, 3, 0}));
    QCOMPARE(readFile(KivUpdateFile::imagePathGp()), m_gp.left(300));
    QCOMPARE(readFile(KivUpdateFile::imagePathAp()), m_ap.left(30));
}

QTEST_GUILESS_MAIN(tst_KivUpdateFile)
#include "tst_KivUpdateFile.moc"
