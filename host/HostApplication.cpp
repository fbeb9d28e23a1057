#include "HostApplication.h"

#include "AppInfo.h"
#include "HostTour.h"
#include "LanguageController.h"
#include "LogCategory.h"
#include "PermissionHandler.h"
#include "PluginCatalog.h"
#include "PluginHost.h"
#include "PluginSimulation.h"
#include "Screenshooter.h"

#include <QCoreApplication>
#include <QDir>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTextStream>

namespace {
const char *const kAppProperty = "_orvaneAppInfo";
const char *const kPermissionProperty = "_orvanePermissionHandler";

QObject *singletonFrom(QQmlEngine *engine, const char *name)
{
    // Several engines may live in one process (tests); each gets its own host's objects.
    QObject *object = engine->property(name).value<QObject *>();
    if (object)
        QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
    return object;
}
} // namespace

HostApplication::HostApplication(QObject *parent)
    : QObject(parent)
    , m_engine(new QQmlApplicationEngine)
    , m_language(new LanguageController(this))
    , m_appInfo(new AppInfo(m_language, this))
    , m_permissions(new PermissionHandler(this))
    , m_catalog(new PluginCatalog(this))
    , m_pluginHost(new PluginHost(m_engine, m_catalog, this))
    , m_simulation(new PluginSimulation(this))
{
    registerQmlTypes();
    m_language->setEngine(m_engine);
    m_engine->setProperty(kAppProperty, QVariant::fromValue<QObject *>(m_appInfo));
    m_engine->setProperty(kPermissionProperty, QVariant::fromValue<QObject *>(m_permissions));
    m_engine->rootContext()->setContextProperty(QStringLiteral("OrvaneHost"), m_pluginHost);
    m_engine->rootContext()->setContextProperty(QStringLiteral("OrvanePlugins"), m_catalog);

    connect(m_language, &LanguageController::languageChanged, m_pluginHost, &PluginHost::setLanguage);
    connect(m_appInfo, &AppInfo::homeRequested, m_pluginHost, &PluginHost::goHome);
    connect(m_pluginHost, &PluginHost::pluginClosed, m_simulation, &PluginSimulation::cancel);
    connect(m_simulation, &PluginSimulation::failed, this,
            [](const QString &message) { qCWarning(lcHost).noquote() << message; });
}

void HostApplication::openPlugin(const QString &name, bool simulate)
{
    if (simulate) {
        connect(
            m_pluginHost, &PluginHost::pageShown, m_simulation,
            [this](QObject *root) { m_simulation->start(root, m_pluginHost->currentPluginName()); },
            Qt::SingleShotConnection);
    }
    m_pluginHost->openByName(name);
}

HostApplication::~HostApplication()
{
    // The plugin's page lives in our engine and must go before the engine does.
    m_pluginHost->close();
    delete m_tour;
    delete m_shooter;
    delete m_engine;
}

QQuickWindow *HostApplication::window() const
{
    return m_window;
}

QQuickItem *HostApplication::contentArea() const
{
    return m_contentArea;
}

void HostApplication::registerQmlTypes()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    qmlRegisterSingletonType<AppInfo>("App", 1, 0, "App", [](QQmlEngine *engine, QJSEngine *) {
        return qobject_cast<AppInfo *>(singletonFrom(engine, kAppProperty));
    });
    qmlRegisterSingletonType<PermissionHandler>("PermissionHandler", 1, 0, "PermissionHandler",
                                                [](QQmlEngine *engine, QJSEngine *) {
        return qobject_cast<PermissionHandler *>(singletonFrom(engine, kPermissionProperty));
    });
}

bool HostApplication::start(const HostOptions &options)
{
    m_catalog->scan(options.pluginDirs);
    m_language->setLanguage(options.language);

    m_engine->load(QUrl(QStringLiteral("qrc:/Orvane/Main.qml")));
    const QList<QObject *> roots = m_engine->rootObjects();
    m_window = roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.constFirst());
    if (!m_window) {
        m_errorText = tr("Die Startseite konnte nicht geladen werden.");
        return false;
    }
    m_contentArea = m_window->findChild<QQuickItem *>(QStringLiteral("mainWindow_pluginArea"));
    if (!m_contentArea) {
        m_errorText = tr("Der Anzeigebereich für Plugins fehlt auf der Startseite.");
        return false;
    }
    m_pluginHost->setContentArea(m_contentArea);
    m_shooter = new Screenshooter(m_window);

    connect(
        m_window, &QQuickWindow::frameSwapped, this,
        [this] {
        if (m_shown)
            return;
        m_shown = true;
        emit windowShown();
        },
        Qt::QueuedConnection);

    if (options.runsUnattended() || !options.screenshotFile.isEmpty()) {
        runUnattended(options);
    } else if (!options.openPlugin.isEmpty()) {
        openPlugin(options.openPlugin, options.simulate);
    }
    return true;
}

void HostApplication::runUnattended(const HostOptions &options)
{
    if (options.tour) {
        m_tour = new HostTour(m_pluginHost, m_catalog, m_shooter, options.screenshotDir);
        connect(m_tour, &HostTour::finished, this, [this](int code) {
            for (const QString &failure : m_tour->failures())
                QTextStream(stderr) << failure << Qt::endl;
            QTextStream(stdout) << "Screenshots: " << QDir::toNativeSeparators(m_tour->directory()) << Qt::endl;
            emit finished(code);
        });
        m_tour->start();
        return;
    }

    const QString file = options.screenshotFile;
    const bool quit = options.quitAfterScreenshot;
    connect(
        m_shooter, &Screenshooter::captured, this,
        [this, quit](const QString &written, bool ok, const QString &error) {
        if (!ok) {
            if (quit)
                finishWith(1, error);
            else
                qCWarning(lcHost).noquote() << error;
            return;
        }
        QTextStream(stdout) << "Screenshot: " << QDir::toNativeSeparators(written) << Qt::endl;
        if (quit)
            finishWith(0, QString());
        },
        Qt::SingleShotConnection);

    if (options.openPlugin.isEmpty()) {
        m_shooter->capture(file);
        return;
    }
    if (options.simulate) {
        // The picture shows the simulated device once it is loaded; a failure is said, and the
        // page is still photographed unless the run was to end with the picture.
        connect(m_simulation, &PluginSimulation::ready, this, [this, file] { m_shooter->capture(file); });
        connect(m_simulation, &PluginSimulation::failed, this, [this, file, quit](const QString &message) {
            if (quit)
                finishWith(1, message);
            else
                m_shooter->capture(file);
        });
        connect(
            m_pluginHost, &PluginHost::pageShown, this,
            [this](QObject *root) { m_simulation->start(root, m_pluginHost->currentPluginName()); },
            Qt::SingleShotConnection);
    } else {
        connect(
            m_pluginHost, &PluginHost::pageShown, this, [this, file] { m_shooter->capture(file); },
            Qt::SingleShotConnection);
    }
    if (quit) {
        connect(
            m_pluginHost, &PluginHost::openFailed, this, [this](const QString &message) { finishWith(1, message); },
            Qt::SingleShotConnection);
    }
    // Queued so that a failure reaches the handlers above after start() returned.
    QMetaObject::invokeMethod(
        m_pluginHost, [this, name = options.openPlugin] { m_pluginHost->openByName(name); }, Qt::QueuedConnection);
}

void HostApplication::finishWith(int exitCode, const QString &message)
{
    if (!message.isEmpty())
        QTextStream(stderr) << message << Qt::endl;
    emit finished(exitCode);
}

void HostApplication::handleArguments(const QStringList &arguments)
{
    HostOptions options;
    QString error;
    if (!options.parse(arguments, QCoreApplication::applicationDirPath(), &error)) {
        qCWarning(lcHost).noquote() << "ignoring arguments from another instance:" << error;
        return;
    }
    if (options.languageGiven)
        m_language->setLanguage(options.language);
    if (!options.openPlugin.isEmpty())
        openPlugin(options.openPlugin, options.simulate);
    if (m_window) {
        m_window->show();
        m_window->raise();
        m_window->requestActivate();
    }
}
