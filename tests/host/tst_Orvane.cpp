#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// Runs the real executable offscreen, the way scripts and technicians start it.
class tst_Orvane : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void openPluginAndScreenshot_writesPictureAndExitsCleanly();
    void unknownPlugin_withQuitAfterScreenshot_failsWithMessage();
    void badLanguage_isRefusedBeforeAnythingShows();
    void tour_photographsHomeAndEveryPlugin_andNamesTheFolder();
    void tour_putsBothDevicePluginsOnTheirSimulatedDeviceAndPhotographsEveryPage();
    void openPluginSimulated_photographsTheLoadedDevice();
    void noDisplay_helpAndVersionAnswer();
    void noDisplay_startFailsWithOneLineHint();

private:
    struct Result
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    enum Display { Offscreen, NoDisplay };
    Result run(const QStringList &arguments, Display display = Offscreen);

    QString m_exe;
    QString m_pluginDir;
    QString m_devicePluginDir;
};

void tst_Orvane::initTestCase()
{
    m_exe = qEnvironmentVariable("ORVANE_HOST_EXE");
    m_pluginDir = qEnvironmentVariable("ORVANE_TEST_PLUGIN_DIR");
    m_devicePluginDir = qEnvironmentVariable("ORVANE_DEVICE_PLUGIN_DIR");
    QVERIFY2(QFileInfo(m_exe).isExecutable(), qPrintable(m_exe));
}

tst_Orvane::Result tst_Orvane::run(const QStringList &arguments, Display display)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (display == Offscreen) {
        env.insert("QT_QPA_PLATFORM", "offscreen");
    } else {
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
    }
    env.remove("ORVANE_PLUGIN_PATH");
    process.setProcessEnvironment(env);
    process.start(m_exe, arguments);
    Result result;
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void tst_Orvane::openPluginAndScreenshot_writesPictureAndExitsCleanly()
{
    QTemporaryDir dir;
    const QString shot = dir.filePath("plugin.png");
    const Result r = run({"--plugin-dir", m_pluginDir, "--open-plugin", "HostTestPlugin", "--screenshot", shot,
                          "--quit-after-screenshot", "--no-splash", "--language", "en"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QImage image(shot);
    QVERIFY(!image.isNull());
    QVERIFY(image.width() > 100 && image.height() > 100);
    QCOMPARE(image.pixelColor(5, image.height() / 2), QColor("#fbfbf7"));
}

void tst_Orvane::unknownPlugin_withQuitAfterScreenshot_failsWithMessage()
{
    QTemporaryDir dir;
    const QString shot = dir.filePath("none.png");
    const Result r = run({"--plugin-dir", m_pluginDir, "--open-plugin", "NoSuchPlugin", "--screenshot", shot,
                          "--quit-after-screenshot", "--no-splash"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.err.contains("NoSuchPlugin"));
    QVERIFY(!QFile::exists(shot));
}

void tst_Orvane::badLanguage_isRefusedBeforeAnythingShows()
{
    const Result r = run({"--language", "fr", "--no-splash"});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.contains("fr"));
}

void tst_Orvane::tour_photographsHomeAndEveryPlugin_andNamesTheFolder()
{
    QTemporaryDir dir;
    const QString shots = dir.filePath("tour");
    const Result r = run({"--plugin-dir", m_pluginDir, "--screenshot-dir", shots, "--tour", "--no-splash"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QStringList lines = QString::fromLocal8Bit(r.out).split('\n', Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.constLast().trimmed(), "Screenshots: " + QDir::toNativeSeparators(QDir(shots).absolutePath()));
    const QStringList files = QDir(shots).entryList({"*.png"}, QDir::Files, QDir::Name);
    QCOMPARE(files,
             (QStringList{"00-home.png", "01-HostTest-01-Eins.png", "01-HostTest-02-Zwei.png", "01-HostTest.png"}));
    for (const QString &file : files)
        QVERIFY(!QImage(QDir(shots).filePath(file)).isNull());
}

void tst_Orvane::tour_putsBothDevicePluginsOnTheirSimulatedDeviceAndPhotographsEveryPage()
{
    QTemporaryDir dir;
    const QString shots = dir.filePath("tour");
    const Result r = run(
        {"--plugin-dir", m_devicePluginDir, "--screenshot-dir", shots, "--tour", "--no-splash", "--language", "en"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QStringList files = QDir(shots).entryList({"*.png"}, QDir::Files, QDir::Name);
    const QStringList kiv = files.filter(QRegularExpression("^01-KIV-\\d\\d-"));
    const QStringList znt = files.filter(QRegularExpression("^02-ZNT-\\d\\d-"));
    // The simulated devices are fully equipped: every group of the drawers has pages.
    for (const char *page : {"Live_data", "Output_configuration", "Display", "Load_Save", "Traffic"}) {
        QVERIFY2(!kiv.filter(QString::fromLatin1(page), Qt::CaseInsensitive).isEmpty(),
                 qPrintable(QString::fromLatin1(page) + ": " + kiv.join(',')));
    }
    for (const char *page : {"Channel_1", "Channel_2", "Button_1", "Display_-_General", "Expert", "About"}) {
        QVERIFY2(!znt.filter(QString::fromLatin1(page), Qt::CaseInsensitive).isEmpty(),
                 qPrintable(QString::fromLatin1(page) + ": " + znt.join(',')));
    }
    // Each page is a picture of its own, not the same page photographed again.
    QSet<QByteArray> seen;
    for (const QString &file : kiv + znt) {
        QFile png(QDir(shots).filePath(file));
        QVERIFY(png.open(QIODevice::ReadOnly));
        const QByteArray hash = QCryptographicHash::hash(png.readAll(), QCryptographicHash::Sha1);
        QVERIFY2(!seen.contains(hash), qPrintable(file));
        seen.insert(hash);
    }
}

void tst_Orvane::openPluginSimulated_photographsTheLoadedDevice()
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.png");
    const QString simulated = dir.filePath("simulated.png");
    for (const auto &[file, extra] :
         {std::pair{plain, QStringList()}, std::pair{simulated, QStringList{"--simulate"}}}) {
        const Result r = run(QStringList{"--plugin-dir", m_devicePluginDir, "--open-plugin", "ZNT", "--screenshot",
                                         file, "--quit-after-screenshot", "--no-splash"} +
                             extra);
        QVERIFY2(r.exitCode == 0, r.err.constData());
    }
    const QImage before(plain);
    const QImage after(simulated);
    QVERIFY(!before.isNull() && !after.isNull());
    // The connection page's info panel is gone once a device is shown.
    QVERIFY(before != after);

    const Result refused = run({"--simulate", "--no-splash"});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY(refused.err.contains("--open-plugin"));
}

void tst_Orvane::noDisplay_helpAndVersionAnswer()
{
    const Result help = run({"--help"}, NoDisplay);
    QVERIFY2(help.exitCode == 0, help.err.constData());
    QVERIFY(help.out.contains("Usage: " + m_exe.toLocal8Bit()));
    QVERIFY(help.out.contains("--screenshot-dir"));
    QVERIFY(help.out.contains("--tour"));

    const Result version = run({"--version"}, NoDisplay);
    QVERIFY2(version.exitCode == 0, version.err.constData());
    QVERIFY2(QRegularExpression("^Orvane \\d+\\.\\d+").match(QString::fromLocal8Bit(version.out)).hasMatch(),
             version.out.constData());
}

void tst_Orvane::noDisplay_startFailsWithOneLineHint()
{
#if defined(Q_OS_LINUX)
    const Result plain = run({}, NoDisplay);
    QCOMPARE(plain.exitCode, 1);
    QVERIFY(plain.out.isEmpty());
    const QString hint = QString::fromLocal8Bit(plain.err).trimmed();
    QVERIFY2(!hint.contains('\n'), qPrintable(hint));
    QVERIFY2(hint.contains("QT_QPA_PLATFORM=offscreen " + m_exe + " --tour --screenshot-dir"), qPrintable(hint));

    const Result english = run({"--language", "en", "--no-splash"}, NoDisplay);
    QCOMPARE(english.exitCode, 1);
    QVERIFY2(english.err.startsWith("No display found."), english.err.constData());
#else
    QSKIP("Only Linux starts without any display");
#endif
}

QTEST_GUILESS_MAIN(tst_Orvane)
#include "tst_Orvane.moc"
