#include "AppInfo.h"
#include "HostApplication.h"
#include "HostOptions.h"
#include "LanguageController.h"
#include "PluginCatalog.h"
#include "PluginHost.h"
#include "Screenshooter.h"

#include <QImage>
#include <QPluginLoader>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class tst_PluginHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void homePage_listsTheTestPlugin();
    void open_initialisesPlugin_showsRootPage_andScreenshotHasIt();
    void homeButtonInPluginPage_returnsHome_andReleasesPlugin();
    void reopen_initialisesAgain_withFreshContext();
    void languageSwitch_reachesOpenPlugin_andRetranslatesHome();
    void brokenRootPage_isReported_andPluginReleased();
    void unknownPluginName_isReported_andNothingOpens();
    void closingTheHost_withPluginOpen_releasesIt();
    void argumentsFromSecondInstance_openPluginAndSwitchLanguage();

private:
    QObject *pluginInstance() const;
    int counter(const char *name) const { return pluginInstance()->property(name).toInt(); }
    QQuickItem *findItem(const QString &name) const;
    bool openTestPlugin();

    std::unique_ptr<HostApplication> m_host;
    QString m_pluginDir;
    QString m_pluginFile;
};

void tst_PluginHost::initTestCase()
{
    m_pluginDir = qEnvironmentVariable("ORVANE_TEST_PLUGIN_DIR");
    PluginCatalog catalog;
    catalog.scan({m_pluginDir});
    QCOMPARE(catalog.count(), 1);
    m_pluginFile = catalog.entries().constFirst().filePath;
}

void tst_PluginHost::init()
{
    // Any binding or type error in the host's own pages fails the test.
    QTest::failOnWarning(QRegularExpression("qrc:/Orvane/"));
    HostOptions options;
    options.pluginDirs = {m_pluginDir};
    m_host = std::make_unique<HostApplication>();
    QVERIFY2(m_host->start(options), qPrintable(m_host->errorText()));
    QVERIFY(QTest::qWaitForWindowExposed(m_host->window()));
    pluginInstance()->setProperty("pageUrl", QUrl("qrc:/HostTestPlugin/TestRootPage.qml"));
}

void tst_PluginHost::cleanup()
{
    m_host.reset();
}

QObject *tst_PluginHost::pluginInstance() const
{
    // The library stays loaded, so this is the same object the host drives.
    return QPluginLoader(m_pluginFile).instance();
}

// Walks the visual tree: the plugin's page has the content area as visual parent only.
static QQuickItem *findInTree(QQuickItem *item, const QString &name)
{
    if (!item)
        return nullptr;
    if (item->objectName() == name)
        return item;
    for (QQuickItem *child : item->childItems()) {
        if (QQuickItem *found = findInTree(child, name))
            return found;
    }
    return nullptr;
}

QQuickItem *tst_PluginHost::findItem(const QString &name) const
{
    return findInTree(m_host->window()->contentItem(), name);
}

bool tst_PluginHost::openTestPlugin()
{
    QSignalSpy shown(m_host->pluginHost(), &PluginHost::pageShown);
    if (!m_host->pluginHost()->openByName("HostTestPlugin"))
        return false;
    return shown.count() == 1 || shown.wait(5000);
}

void tst_PluginHost::homePage_listsTheTestPlugin()
{
    QVERIFY(findItem("mainWindow_homePage"));
    QTRY_VERIFY(findItem("mainWindow_homePage_body_column_pluginGrid_card_HostTestPlugin"));
    QVERIFY(findItem("mainWindow_homePage_body_column_pluginGrid_card_HostTestPlugin")->isVisible());
    QVERIFY(!findItem("mainWindow_homePage_body_column_emptyState")->isVisible());
}

void tst_PluginHost::open_initialisesPlugin_showsRootPage_andScreenshotHasIt()
{
    const int initBefore = counter("initializeCount");
    QVERIFY(openTestPlugin());
    QCOMPARE(counter("initializeCount"), initBefore + 1);
    QVERIFY(m_host->pluginHost()->isPluginOpen());
    QCOMPARE(m_host->pluginHost()->currentPluginName(), QString("HostTest"));

    QQuickItem *root = findItem("testPluginRoot");
    QVERIFY(root);
    QCOMPARE(root, m_host->pluginHost()->rootObject());
    QCOMPARE(root->parentItem(), m_host->contentArea());
    QTRY_COMPARE(root->width(), m_host->contentArea()->width());
    QVERIFY(root->isVisible());
    QVERIFY(!findItem("mainWindow_homePage")->isVisible());
    // The plugin's page resolved the host's modules.
    QCOMPARE(findItem("testPluginRoot_permission")->property("text").toString(), QString("serial"));
    QVERIFY(findItem("testPluginRoot_appName")->property("text").toString().startsWith("Orvane "));
    // The plugin's context is a child of the engine's root context.
    QCOMPARE(m_host->pluginHost()->pluginContext()->parentContext(), m_host->engine()->rootContext());

    QTemporaryDir dir;
    const QString file = dir.filePath("shots/plugin.png");
    Screenshooter shooter(m_host->window());
    shooter.setGracePeriod(0);
    QSignalSpy captured(&shooter, &Screenshooter::captured);
    shooter.capture(file);
    QVERIFY(captured.wait(10000));
    QVERIFY2(captured.constFirst().at(1).toBool(), qPrintable(captured.constFirst().at(2).toString()));
    const QImage image(file);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), m_host->window()->size() * m_host->window()->devicePixelRatio());
    // The page's own background colour shows in the picture, not the home page's.
    QCOMPARE(image.pixelColor(5, image.height() / 2), QColor("#fbfbf7"));
}

void tst_PluginHost::homeButtonInPluginPage_returnsHome_andReleasesPlugin()
{
    const int releaseBefore = counter("releaseCount");
    QVERIFY(openTestPlugin());
    QPointer<QQuickItem> root = findItem("testPluginRoot");
    QPointer<QQmlContext> context = m_host->pluginHost()->pluginContext();
    QQuickItem *button = findItem("testPluginRoot_homeButton");
    QVERIFY(button);

    QSignalSpy closed(m_host->pluginHost(), &PluginHost::pluginClosed);
    const QPointF centre = button->mapToScene(QPointF(button->width() / 2, button->height() / 2));
    QTest::mouseClick(m_host->window(), Qt::LeftButton, {}, centre.toPoint());
    QVERIFY(closed.count() == 1 || closed.wait(5000));

    QVERIFY(!m_host->pluginHost()->isPluginOpen());
    QCOMPARE(counter("releaseCount"), releaseBefore + 1);
    QVERIFY(!pluginInstance()->property("graphAlive").toBool());
    QVERIFY(root.isNull());
    QVERIFY(context.isNull());
    QVERIFY(findItem("mainWindow_homePage")->isVisible());
    QVERIFY(m_host->pluginHost()->errorText().isEmpty());
}

void tst_PluginHost::reopen_initialisesAgain_withFreshContext()
{
    const int initBefore = counter("initializeCount");
    const int releaseBefore = counter("releaseCount");
    QVERIFY(openTestPlugin());
    QPointer<QQmlContext> firstContext = m_host->pluginHost()->pluginContext();

    QSignalSpy closed(m_host->pluginHost(), &PluginHost::pluginClosed);
    m_host->appInfo()->goHome();
    QVERIFY(closed.wait(5000));
    QVERIFY(firstContext.isNull());

    QVERIFY(openTestPlugin());
    QCOMPARE(counter("initializeCount"), initBefore + 2);
    QCOMPARE(counter("releaseCount"), releaseBefore + 1);
    QVERIFY(findItem("testPluginRoot"));
    QVERIFY(pluginInstance()->property("graphAlive").toBool());
}

void tst_PluginHost::languageSwitch_reachesOpenPlugin_andRetranslatesHome()
{
    QQuickItem *subtitleLabel = findItem("mainWindow_homePage_header_subtitle");
    QVERIFY(subtitleLabel);
    QCOMPARE(subtitleLabel->property("text").toString(), QString("Konfiguration von Raumsensoren"));

    QVERIFY(openTestPlugin());
    // Opening tells the plugin the current language right away.
    QCOMPARE(pluginInstance()->property("lastLanguage").toInt(), int(LanguageSettings::German));
    const int changes = counter("languageChangeCount");

    m_host->appInfo()->setLanguage("en");
    QCOMPARE(counter("languageChangeCount"), changes + 1);
    QCOMPARE(pluginInstance()->property("lastLanguage").toInt(), int(LanguageSettings::English));
    QCOMPARE(m_host->appInfo()->language(), QString("en"));
    QTRY_COMPARE(subtitleLabel->property("text").toString(), QString("Configuration of room sensors"));

    // Setting the same language again is not news for the plugin; an unknown code changes nothing.
    m_host->appInfo()->setLanguage("en");
    m_host->appInfo()->setLanguage("xx");
    QCOMPARE(counter("languageChangeCount"), changes + 1);
    QCOMPARE(m_host->appInfo()->language(), QString("en"));
}

void tst_PluginHost::brokenRootPage_isReported_andPluginReleased()
{
    for (const char *url : {"qrc:/HostTestPlugin/BrokenPage.qml", "qrc:/HostTestPlugin/Missing.qml"}) {
        pluginInstance()->setProperty("pageUrl", QUrl(url));
        const int releaseBefore = counter("releaseCount");
        QSignalSpy failed(m_host->pluginHost(), &PluginHost::openFailed);
        m_host->pluginHost()->openByName("HostTestPlugin");
        QVERIFY(failed.count() == 1 || failed.wait(5000));
        QVERIFY(!m_host->pluginHost()->isPluginOpen());
        QVERIFY(!m_host->pluginHost()->isBusy());
        QCOMPARE(counter("releaseCount"), releaseBefore + 1);
        QVERIFY(!m_host->pluginHost()->errorText().isEmpty());
        QQuickItem *banner = findItem("mainWindow_homePage_body_column_errorBanner");
        QVERIFY(banner);
        QTRY_VERIFY(banner->isVisible());
        QVERIFY(!findItem("brokenPage"));
    }
}

void tst_PluginHost::unknownPluginName_isReported_andNothingOpens()
{
    const int initBefore = counter("initializeCount");
    QVERIFY(!m_host->pluginHost()->openByName("NoSuchPlugin"));
    QVERIFY(m_host->pluginHost()->errorText().contains("NoSuchPlugin"));
    QVERIFY(!m_host->pluginHost()->open(7));
    QCOMPARE(counter("initializeCount"), initBefore);
    m_host->pluginHost()->clearError();
    QVERIFY(m_host->pluginHost()->errorText().isEmpty());
}

void tst_PluginHost::closingTheHost_withPluginOpen_releasesIt()
{
    const int releaseBefore = counter("releaseCount");
    QVERIFY(openTestPlugin());
    m_host.reset();
    QCOMPARE(counter("releaseCount"), releaseBefore + 1);
    QVERIFY(!pluginInstance()->property("graphAlive").toBool());
}

void tst_PluginHost::argumentsFromSecondInstance_openPluginAndSwitchLanguage()
{
    QSignalSpy shown(m_host->pluginHost(), &PluginHost::pageShown);
    m_host->handleArguments({"Orvane", "--open-plugin", "HostTestPlugin", "--language", "en"});
    QVERIFY(shown.count() == 1 || shown.wait(5000));
    QCOMPARE(m_host->appInfo()->language(), QString("en"));
    QCOMPARE(pluginInstance()->property("lastLanguage").toInt(), int(LanguageSettings::English));

    // Garbage from a peer changes nothing.
    m_host->handleArguments({"Orvane", "--language", "xx", "--open-plugin", "Other"});
    QVERIFY(m_host->pluginHost()->isPluginOpen());
    QCOMPARE(m_host->appInfo()->language(), QString("en"));
}

QTEST_MAIN(tst_PluginHost)
#include "tst_PluginHost.moc"
