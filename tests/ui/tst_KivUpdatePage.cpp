#include "KivUiFixture.h"

#include "EmulatorProcess.h"
#include "PtyPair.h"
#include "UpdateServerProcess.h"

#include <QFile>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

enum Page { ConnectionPage = 0, MonitoringPage = 1, UpdatePage = 9, SpecialPage = 22 };

constexpr int kConnectTimeoutMs = 20000;
// The real bootloader pacing: entry wait, page delays and the add-on upload after the main board.
constexpr int kUploadTimeoutMs = 60000;
constexpr int kPage = 2048;

QString text(const QQuickItem *item)
{
    return item ? item->property("text").toString() : QString();
}

QByteArray makeImage(int size, int seed)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 11 + seed) % 241 + 1);
    return image;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

// The update page offscreen against the real plugin, the local update server and the emulated
// device: check, download, upload through the bootloader, and the device read again.
class tst_KivUpdatePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void beforeCheckAndDownloading_unknownSizeShowsNoMaximum();
    void check_readyOrNotListed_data();
    void check_readyOrNotListed();
    void upload_reachesDeviceAndDeviceIsReadAgain();
    void specialPage_pickedFileReachesDeviceOrIsReported();

private:
    QQuickItem *find(const QString &suffix) const;
    bool click(const QString &suffix);
    void checkFor(const QString &listUrl);
    bool shot(const QString &name);

    std::unique_ptr<KivUiFixture> m_ui;
    QTemporaryDir m_www;
    UpdateServerProcess m_server;
    PtyPair m_pty;
    EmulatorProcess m_emulator;
    QByteArray m_gp = makeImage(5 * kPage + 100, 7);
    QByteArray m_ap = makeImage(900, 8);
};

void tst_KivUpdatePage::initTestCase()
{
    if (UpdateServerProcess::pythonPath().isEmpty())
        QSKIP("python3 is not installed");
    if (!QFile::exists(EmulatorProcess::programPath()))
        QSKIP("kiv-emulator is not built");
    m_ui = std::make_unique<KivUiFixture>();
    qputenv("HOME", m_ui->dataDir().toUtf8());
    qputenv("TMPDIR", m_ui->dataDir().toUtf8());
    QVERIFY2(m_ui->setUp(), qPrintable(m_ui->errorString()));
    QVERIFY2(m_ui->createRoot(), qPrintable(m_ui->errorString()));
    QVERIFY(QTest::qWaitForWindowExposed(m_ui->window()));

    // The emulated device is a "KIV-THC LCD" with main board 3.1 and option board 1.6.
    QVERIFY(writeFile(m_www.filePath("gp.bin"), m_gp));
    QVERIFY(writeFile(m_www.filePath("ap.bin"), m_ap));
    QVERIFY(writeFile(m_www.filePath("updates.json"),
                      R"([{"name": "KIV-THC", "url_gp": "{base}/gp.bin", "url_ap": "{base}/ap.bin",
                           "version_gp": 3.2, "version_ap": 1.6, "prog_delay": 0, "check1": 0, "check2": 0}])"));
    QVERIFY(writeFile(m_www.filePath("other.json"),
                      R"([{"name": "QEV VDX", "url_gp": "{base}/gp.bin", "url_ap": "{base}/ap.bin",
                           "version_gp": 9, "version_ap": 9, "prog_delay": 0, "check1": 0, "check2": 0}])"));
    QVERIFY2(m_server.start(m_www.path()), qPrintable(m_server.errorString()));
    QVERIFY(writeFile(m_www.filePath("slow.json"),
                      QByteArray(R"([{"name": "KIV-THC", "url_gp": "{base}/slow/gp.bin", "url_ap": "{base}/ap.bin",
                           "version_gp": 3.2, "version_ap": 1.6, "prog_delay": 0, "check1": 0, "check2": 0}])")
                          .replace("{base}", m_server.baseUrl().toUtf8())));

    QVERIFY2(m_pty.start(), qPrintable(m_pty.errorString()));
    QVERIFY2(m_emulator.start(m_pty.deviceSide(), {"--bootloader-image", m_ui->dataDir() + "/received.bin"}),
             qPrintable(m_emulator.errorString()));
    QObject *kiv = m_ui->backend();
    m_ui->pageManager()->setProperty("pageIndex", ConnectionPage);
    QQuickItem *portBox = nullptr;
    QTRY_VERIFY((portBox = find(QStringLiteral("SerialFormPortBox"))));
    portBox->setProperty("editText", m_pty.appSide());
    QVERIFY(click(QStringLiteral("SerialFormConnectButton")));
    QTRY_VERIFY_WITH_TIMEOUT(kiv->property("connected").toBool(), kConnectTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(m_ui->pageManager()->property("pageIndex").toInt(), int(MonitoringPage),
                              kConnectTimeoutMs);
}

void tst_KivUpdatePage::init()
{
    KivUiFixture::clearQmlMessages();
    m_ui->pageManager()->setProperty("pageIndex", UpdatePage);
    QTRY_VERIFY(find(QStringLiteral("UpdatePageCheckCheckButton")));
}

void tst_KivUpdatePage::cleanup()
{
    const QStringList messages = KivUiFixture::qmlMessages();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    QMetaObject::invokeMethod(m_ui->errors(), "clearErrors");
    for (QObject *popup : m_ui->allObjects()) {
        if (popup->objectName().startsWith(QLatin1String("KivPluginPopups")) && popup->property("opened").toBool())
            QMetaObject::invokeMethod(popup, "close");
    }
    m_ui->setLanguage(false);
}

void tst_KivUpdatePage::cleanupTestCase()
{
    if (m_ui && m_ui->backend()->property("connected").toBool())
        QMetaObject::invokeMethod(m_ui->backend(), "disconnectDevice");
    m_ui.reset();
    m_emulator.stop();
    m_pty.stop();
    m_server.stop();
}

QQuickItem *tst_KivUpdatePage::find(const QString &suffix) const
{
    return m_ui->visibleItemEndingWith(suffix);
}

bool tst_KivUpdatePage::click(const QString &suffix)
{
    QQuickItem *button = find(suffix);
    return button && button->isEnabled() && QMetaObject::invokeMethod(button, "clicked");
}

void tst_KivUpdatePage::checkFor(const QString &listUrl)
{
    QQuickItem *field = find(QStringLiteral("UpdatePageCheckUrlField"));
    QVERIFY(field);
    field->setProperty("text", listUrl);
    QVERIFY(click(QStringLiteral("UpdatePageCheckCheckButton")));
}

bool tst_KivUpdatePage::shot(const QString &name)
{
    // The drawer folds the group of the previous page with an animation; wait until it rests.
    const auto folding = [this] {
        for (QObject *object : m_ui->allObjects()) {
            auto *area = qobject_cast<QQuickItem *>(object);
            if (!area || !area->objectName().endsWith(QLatin1String("Sub")))
                continue;
            auto *column = area->findChild<QQuickItem *>(area->objectName() + QStringLiteral("Column"));
            if (column && area->height() > 0 && !qFuzzyCompare(area->height(), column->height()))
                return true;
        }
        return false;
    };
    if (!QTest::qWaitFor([&] { return !folding(); }, 5000))
        return false;
    QCoreApplication::processEvents();
    return !m_ui->screenshot(name).isEmpty();
}

// Runs first, while no check has been made. The main-board image comes without a length: the bar
// runs without a maximum and the page tells the bytes received.
void tst_KivUpdatePage::beforeCheckAndDownloading_unknownSizeShowsNoMaximum()
{
    QVERIFY(shot(QStringLiteral("update_beforecheck_de")));
    m_ui->setLanguage(true);
    QVERIFY(shot(QStringLiteral("update_beforecheck_en")));

    for (const bool english : {true, false}) {
        m_ui->setLanguage(english);
        const QString lang = english ? QStringLiteral("en") : QStringLiteral("de");
        QObject *download = m_ui->context()->contextProperty("Download").value<QObject *>();
        QVERIFY(download);
        checkFor(m_server.baseUrl() + "/slow.json");
        QTRY_VERIFY_WITH_TIMEOUT(download->property("state").toInt() == 2 &&
                                     download->property("progressbarCur").toULongLong() > 0,
                                 kConnectTimeoutMs);
        QQuickItem *bar = find(QStringLiteral("UpdatePageCheckProgressBar"));
        QVERIFY(bar);
        QVERIFY(bar->property("indeterminate").toBool());
        QCOMPARE(download->property("progressbarMax").toULongLong(), 0ull);
        QVERIFY(shot(QStringLiteral("update_downloading_") + lang));
        QVERIFY(click(QStringLiteral("UpdatePageCheckCancelButton")));
        QTRY_COMPARE(download->property("state").toInt(), 0);
        // Errors stay muted for a moment after a cancel; the next check must be heard again.
        for (QTimer *timer : download->findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
            QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), kConnectTimeoutMs);
    }
}

void tst_KivUpdatePage::check_readyOrNotListed_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("ready");
    QTest::addColumn<QString>("notListed");
    QTest::newRow("de") << false << QStringLiteral("Firmware geladen. Das Update kann übertragen werden.")
                        << QStringLiteral("Für dieses Gerät ist kein Update verfügbar.");
    QTest::newRow("en") << true << QStringLiteral("Firmware downloaded. The update can be transferred.")
                        << QStringLiteral("No update is available for this device.");
}

void tst_KivUpdatePage::check_readyOrNotListed()
{
    QFETCH(bool, english);
    QFETCH(QString, ready);
    QFETCH(QString, notListed);
    const QString lang = english ? QStringLiteral("en") : QStringLiteral("de");
    m_ui->setLanguage(english);

    checkFor(m_server.baseUrl() + "/updates.json");
    QTRY_COMPARE_WITH_TIMEOUT(text(find(QStringLiteral("UpdatePageCheckStatus"))), ready, kConnectTimeoutMs);
    QVERIFY(find(QStringLiteral("UpdatePageUploadStartButton"))->isEnabled());
    QCOMPARE(text(find(QStringLiteral("UpdatePageOfferedGpValue"))), QStringLiteral("3.2"));
    QCOMPARE(text(find(QStringLiteral("UpdatePageDeviceGpValue"))), QStringLiteral("3.1"));
    QVERIFY(text(find(QStringLiteral("UpdatePageCheckEstimate"))).contains(QStringLiteral(" 2 s")));
    QVERIFY(shot(QStringLiteral("update_ready_") + lang));

    // A list without this device: the user sees that nothing is offered, and cannot upload.
    checkFor(m_server.baseUrl() + "/other.json");
    QTRY_COMPARE_WITH_TIMEOUT(text(find(QStringLiteral("UpdatePageCheckStatus"))), notListed, kConnectTimeoutMs);
    QVERIFY(!find(QStringLiteral("UpdatePageUploadStartButton"))->isEnabled());
    QVERIFY(shot(QStringLiteral("update_notlisted_") + lang));

    // An address that does not answer: a network failure, told on the page.
    checkFor(m_server.baseUrl() + "/missing.json");
    QTRY_VERIFY_WITH_TIMEOUT(text(find(QStringLiteral("UpdatePageCheckStatus"))).contains(QStringLiteral("203")),
                             kConnectTimeoutMs);
    QVERIFY(shot(QStringLiteral("update_failed_") + lang));
}

void tst_KivUpdatePage::upload_reachesDeviceAndDeviceIsReadAgain()
{
    checkFor(m_server.baseUrl() + "/updates.json");
    QTRY_VERIFY_WITH_TIMEOUT(find(QStringLiteral("UpdatePageUploadStartButton"))->isEnabled(), kConnectTimeoutMs);

    QObject *kiv = m_ui->backend();
    QSignalSpy reads(kiv, SIGNAL(readMultiRegister(uint, uint)));
    QSignalSpy finished(kiv, SIGNAL(bootLoaderFinished()));
    QVERIFY(click(QStringLiteral("UpdatePageUploadStartButton")));
    QTRY_VERIFY(find(QStringLiteral("UpdatePageUploadProgressBar")));
    QVERIFY(shot(QStringLiteral("update_starting_de")));
    QTRY_VERIFY_WITH_TIMEOUT(text(find(QStringLiteral("UpdatePageUploadProgressDetail"))).contains("Byte/s"),
                             kUploadTimeoutMs);
    QVERIFY(shot(QStringLiteral("update_uploading_de")));

    const QString success = QStringLiteral("Firmwareupdate erfolgreich abgeschlossen. Das Gerät wird neu ausgelesen.");
    QTRY_COMPARE_WITH_TIMEOUT(text(find(QStringLiteral("UpdatePageUploadOutcome"))), success, kUploadTimeoutMs);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!find(QStringLiteral("UpdatePageUploadStartButton"))->isEnabled());
    QVERIFY(shot(QStringLiteral("update_done_de")));
    const QByteArray log = m_emulator.output();
    QVERIFY2(log.contains("finished, 12288 bytes") && log.contains("finished, 2048 bytes"), log.constData());

    // The device is read again and the page stays where the outcome is shown.
    reads.clear();
    QTRY_VERIFY_WITH_TIMEOUT(reads.count() > 0, kConnectTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(kiv->property("updateOngoing").toBool(), kConnectTimeoutMs);
    QCOMPARE(m_ui->pageManager()->property("pageIndex").toInt(), int(UpdatePage));
    QVERIFY(kiv->property("connected").toBool());
}

void tst_KivUpdatePage::specialPage_pickedFileReachesDeviceOrIsReported()
{
    QObject *kiv = m_ui->backend();
    kiv->setProperty("clearance", 1);
    m_ui->pageManager()->setProperty("pageIndex", ConnectionPage);
    m_ui->pageManager()->setProperty("connectionPageIndex", SpecialPage);
    QObject *dialog = nullptr;
    QTRY_VERIFY((dialog = m_ui->objectEndingWith(QStringLiteral("SpecialFileDialog"))));
    QTRY_VERIFY(find(QStringLiteral("SpecialFirmwareButton")));

    // What the technician picks in the file dialog.
    const QByteArray image = makeImage(700, 9);
    const QString path = m_ui->dataDir() + QStringLiteral("/picked.bin");
    QVERIFY(writeFile(path, image));
    QSignalSpy finished(kiv, SIGNAL(bootLoaderFinished()));
    dialog->setProperty("selectedFile", QUrl::fromLocalFile(path));
    QVERIFY(QMetaObject::invokeMethod(dialog, "accepted"));
    QObject *progress = m_ui->objectEndingWith(QStringLiteral("SpecialUpdatePopup"));
    QVERIFY(progress && progress->property("opened").toBool());
    QVERIFY(shot(QStringLiteral("special_upload_de")));
    QVERIFY(finished.wait(kUploadTimeoutMs));
    QTRY_VERIFY(!progress->property("opened").toBool());
    const auto received = [this] {
        QFile file(m_ui->dataDir() + QStringLiteral("/received.bin"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE_WITH_TIMEOUT(received().left(image.size()), image, kConnectTimeoutMs);

    // A file that has gone in the meantime: told in the page's error pop-up.
    QFile::remove(path);
    QVERIFY(QMetaObject::invokeMethod(dialog, "accepted"));
    QObject *error = nullptr;
    QTRY_VERIFY((error = m_ui->objectEndingWith(QStringLiteral("SpecialUpdateErrorPopup"))) &&
                error->property("opened").toBool());
    QVERIFY(error->property("text").toString().contains(QStringLiteral("Updatedatei")));
    QVERIFY(!progress->property("opened").toBool());
    kiv->setProperty("clearance", 0);
}

QTEST_MAIN(tst_KivUpdatePage)
#include "tst_KivUpdatePage.moc"
