#include "KivUiFixture.h"

#include "LanguageSettings.h"
#include "ManagerBase.h"
#include "PluginInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

namespace {

QMutex s_mutex;
QStringList s_messages;
QtMessageHandler s_previous = nullptr;

// Everything QML reports (binding errors, type errors, console.warn/error) counts; C++ modules
// log under their own categories and are left alone.
void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray category(context.category ? context.category : "");
    const bool fromQml = category.startsWith("qml") || category.startsWith("js") ||
        message.contains(QLatin1String("qrc:/")) || message.contains(QLatin1String(".qml"));
    if (type != QtDebugMsg && type != QtInfoMsg && fromQml) {
        QMutexLocker lock(&s_mutex);
        s_messages.append(message);
    }
    if (s_previous)
        s_previous(type, context, message);
}

// Pages made by views and repeaters are visual children without a QObject parent, so the
// search walks the item tree and the QObject children of every item on it.
void collectObjects(QQuickItem *item, QList<QObject *> &out)
{
    out.append(item);
    for (QObject *child : item->children()) {
        if (!qobject_cast<QQuickItem *>(child))
            out.append(child);
    }
    for (QQuickItem *child : item->childItems())
        collectObjects(child, out);
}

QString pluginPath(const QString &pattern)
{
    const QDir dir(qEnvironmentVariable("ORVANE_BUILD_DIR") + QStringLiteral("/plugins"));
    const QStringList found = dir.entryList({pattern}, QDir::Files);
    return found.isEmpty() ? QString() : dir.absoluteFilePath(found.first());
}

} // namespace

KivUiFixture::KivUiFixture() = default;

KivUiFixture::KivUiFixture(const QString &pluginPattern)
    : KivUiFixture()
{
    m_pluginPattern = pluginPattern;
}

KivUiFixture::~KivUiFixture()
{
    destroyRoot();
    delete m_window;
    // The engine goes before the plugin's graph: pages hold references into it.
    delete m_engine;
    if (m_plugin)
        m_plugin->release();
}

bool KivUiFixture::setUp()
{
    // Installed here, not at construction: Qt Test installs its own handler when the test run
    // starts, which would replace one installed by a fixture made before that.
    static bool installed = false;
    if (!installed) {
        s_previous = qInstallMessageHandler(collect);
        installed = true;
    }
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    qputenv("ORVANE_SETTINGS_FILE", m_dir.filePath(QStringLiteral("settings.ini")).toUtf8());
    qputenv("ORVANE_DATA_DIR", m_dir.filePath(QStringLiteral("data")).toUtf8());

    const QString path = pluginPath(m_pluginPattern);
    if (path.isEmpty()) {
        m_error = m_pluginPattern + QStringLiteral(" plugin not built");
        return false;
    }
    m_loader.setFileName(path);
    m_plugin = qobject_cast<PluginInterface *>(m_loader.instance());
    if (!m_plugin) {
        m_error = m_loader.errorString();
        return false;
    }
    m_engine = new QQmlEngine;
    m_context = new QQmlContext(m_engine->rootContext(), m_engine);
    m_plugin->initialize(m_context);

    m_window = new QQuickWindow;
    m_window->resize(1100, 720);
    m_window->show();
    return true;
}

QQuickItem *KivUiFixture::createRoot(const QString &url)
{
    destroyRoot();
    QQmlComponent component(m_engine, QUrl(url));
    if (component.isError()) {
        m_error = component.errorString();
        return nullptr;
    }
    QObject *object = component.beginCreate(m_context);
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!item) {
        delete object;
        m_error = component.errorString();
        return nullptr;
    }
    // Parent first, as the host does, so that anchors.fill sees the window.
    item->setParentItem(m_window->contentItem());
    component.completeCreate();
    m_root = item;
    return item;
}

void KivUiFixture::destroyRoot()
{
    delete m_root;
    m_root = nullptr;
}

QQuickItem *KivUiFixture::restartPlugin(const QString &url)
{
    destroyRoot();
    m_plugin->release();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete m_context;
    m_context = new QQmlContext(m_engine->rootContext(), m_engine);
    m_plugin->initialize(m_context);
    return createRoot(url);
}

QObject *KivUiFixture::published(const QString &name) const
{
    return m_context ? m_context->contextProperty(name).value<QObject *>() : nullptr;
}

QQuickItem *KivUiFixture::item(const QString &objectName) const
{
    for (QObject *candidate : allObjects()) {
        auto *found = qobject_cast<QQuickItem *>(candidate);
        if (found && found->objectName() == objectName)
            return found;
    }
    return nullptr;
}

QQuickItem *KivUiFixture::visibleItemEndingWith(const QString &suffix) const
{
    for (QObject *candidate : allObjects()) {
        auto *found = qobject_cast<QQuickItem *>(candidate);
        if (found && found->isVisible() && found->objectName().endsWith(suffix))
            return found;
    }
    return nullptr;
}

QObject *KivUiFixture::objectEndingWith(const QString &suffix) const
{
    for (QObject *candidate : allObjects()) {
        if (candidate->objectName().endsWith(suffix))
            return candidate;
    }
    return nullptr;
}

QList<QObject *> KivUiFixture::allObjects() const
{
    QList<QObject *> out;
    if (m_window)
        collectObjects(m_window->contentItem(), out);
    if (m_root) {
        for (QObject *child : m_root->findChildren<QObject *>())
            out.append(child);
    }
    return out;
}

void KivUiFixture::setLanguage(bool english)
{
    ManagerBase *manager = m_plugin ? m_plugin->managerObject() : nullptr;
    if (!manager)
        return;
    emit manager->languageChanged(english ? LanguageSettings::English : LanguageSettings::German);
    m_engine->retranslate();
}

bool KivUiFixture::waitUntilDrawerRests(int timeoutMs) const
{
    const auto unfolding = [this] {
        for (QObject *object : allObjects()) {
            auto *area = qobject_cast<QQuickItem *>(object);
            if (!area || !area->objectName().endsWith(QLatin1String("Sub")))
                continue;
            auto *column = area->findChild<QQuickItem *>(area->objectName() + QStringLiteral("Column"));
            if (column && area->height() > 0 && !qFuzzyCompare(area->height(), column->height()))
                return true;
        }
        return false;
    };
    return QTest::qWaitFor([&] { return !unfolding(); }, timeoutMs);
}

QString KivUiFixture::screenshot(const QString &name)
{
    const QString folder = qEnvironmentVariable("ORVANE_BUILD_DIR") + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    const QImage image = m_window->grabWindow();
    return !image.isNull() && image.save(file) ? file : QString();
}

bool KivUiFixture::waitForRest(int timeoutMs)
{
    // Animations advance with rendered frames.
    const auto frames = [this](int count) {
        QSignalSpy swapped(m_window, &QQuickWindow::frameSwapped);
        for (int i = 0; i < count; ++i) {
            m_window->requestUpdate();
            if (!swapped.wait(200))
                return;
        }
    };
    const auto moving = [this] {
        for (QObject *object : allObjects()) {
            auto *item = qobject_cast<QQuickItem *>(object);
            if (!item)
                continue;
            if (item->objectName().endsWith(QLatin1String("Wheel")) && item->property("moving").toBool())
                return true;
            if (!item->objectName().endsWith(QLatin1String("Sub")))
                continue;
            auto *column = item->findChild<QQuickItem *>(item->objectName() + QStringLiteral("Column"));
            const qreal height = item->height();
            if (column && height > 0 && !qFuzzyCompare(height, column->height()))
                return true;
        }
        return false;
    };
    frames(3);
    const bool settled = QTest::qWaitFor(
        [&] {
        frames(1);
        return !moving();
        },
        timeoutMs);
    frames(2);
    return settled;
}

QStringList KivUiFixture::qmlMessages()
{
    QMutexLocker lock(&s_mutex);
    return s_messages;
}

void KivUiFixture::clearQmlMessages()
{
    QMutexLocker lock(&s_mutex);
    s_messages.clear();
}
