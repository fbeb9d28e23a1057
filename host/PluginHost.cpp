#include "PluginHost.h"

#include "LogCategory.h"
#include "ManagerBase.h"
#include "PluginCatalog.h"
#include "PluginInterface.h"

#include <QMetaMethod>
#include <QPluginLoader>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <exception>

namespace {
constexpr int kDefaultLoadTimeoutMs = 15000;
}

PluginHost::PluginHost(QQmlEngine *engine, PluginCatalog *catalog, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
    , m_catalog(catalog)
{
    m_loadTimer.setSingleShot(true);
    m_loadTimer.setInterval(kDefaultLoadTimeoutMs);
    connect(&m_loadTimer, &QTimer::timeout, this,
            [this] { fail(tr("Das Plugin \"%1\" hat keine Startseite geliefert.").arg(m_currentName)); });
}

PluginHost::~PluginHost()
{
    close();
}

void PluginHost::setContentArea(QQuickItem *area)
{
    m_contentArea = area;
}

QObject *PluginHost::pluginObject() const
{
    return m_instance;
}

QObject *PluginHost::rootObject() const
{
    return m_root;
}

QQmlContext *PluginHost::pluginContext() const
{
    return m_context;
}

bool PluginHost::openByName(const QString &name)
{
    const int row = m_catalog->indexOf(name);
    if (row < 0) {
        fail(tr("Kein Plugin mit dem Namen \"%1\" gefunden.").arg(name));
        return false;
    }
    return open(row);
}

bool PluginHost::open(int row)
{
    if (row < 0 || row >= m_catalog->count()) {
        fail(tr("Dieses Plugin gibt es nicht (mehr)."));
        return false;
    }
    close();
    clearError();

    const PluginEntry entry = m_catalog->entries().at(row);
    m_currentName = entry.displayName;
    setState(State::Opening);

    QPluginLoader *loader = m_loaders.value(entry.filePath);
    if (!loader) {
        loader = new QPluginLoader(entry.filePath, this);
        m_loaders.insert(entry.filePath, loader);
    }
    QObject *instance = loader->instance();
    if (!instance) {
        fail(tr("Das Plugin \"%1\" konnte nicht geladen werden: %2").arg(entry.displayName, loader->errorString()));
        return false;
    }
    auto *plugin = qobject_cast<PluginInterface *>(instance);
    if (!plugin) {
        fail(tr("Das Plugin \"%1\" bietet die Plugin-Schnittstelle nicht an.").arg(entry.displayName));
        return false;
    }
    const QMetaObject *meta = instance->metaObject();
    const int loadedIndex = meta->indexOfSignal("pluginLoaded(QUrl)");
    if (loadedIndex < 0) {
        fail(tr("Das Plugin \"%1\" meldet keine Startseite (Signal pluginLoaded fehlt).").arg(entry.displayName));
        return false;
    }

    m_instance = instance;
    m_plugin = plugin;
    m_context = new QQmlContext(m_engine->rootContext());
    // Queued: the plugin may answer from inside loadUi, while we are still in open().
    const QMetaMethod loadedSlot = metaObject()->method(metaObject()->indexOfSlot("onPluginLoaded(QUrl)"));
    m_loadedConnection = connect(instance, meta->method(loadedIndex), this, loadedSlot, Qt::QueuedConnection);

    try {
        m_initialized = true;
        plugin->initialize(m_context);
    } catch (const std::exception &e) {
        fail(tr("Das Plugin \"%1\" ließ sich nicht starten: %2")
                 .arg(entry.displayName, QString::fromLocal8Bit(e.what())));
        return false;
    } catch (...) {
        fail(tr("Das Plugin \"%1\" ließ sich nicht starten.").arg(entry.displayName));
        return false;
    }
    qCInfo(lcHost) << "initialised plugin" << entry.className;

    m_manager = plugin->managerObject();
    if (m_manager) {
        m_homeConnection = connect(m_manager.data(), &ManagerBase::homeRequested, this, &PluginHost::goHome);
        emit m_manager->languageChanged(m_language);
    } else {
        qCWarning(lcHost) << "plugin" << entry.className << "has no manager object; it cannot ask to go home";
    }

    if (!invokeLoadUi()) {
        fail(tr("Das Plugin \"%1\" bietet kein loadUi an.").arg(entry.displayName));
        return false;
    }
    if (m_state == State::Opening)
        m_loadTimer.start();
    return m_state != State::Home;
}

bool PluginHost::invokeLoadUi()
{
    if (!m_instance)
        return false;
    const QMetaObject *meta = m_instance->metaObject();
    for (const char *signature : {"loadUi()", "onLoadUi()"}) {
        const int index = meta->indexOfMethod(signature);
        if (index >= 0)
            return meta->method(index).invoke(m_instance, Qt::DirectConnection);
    }
    return false;
}

void PluginHost::onPluginLoaded(const QUrl &url)
{
    if (m_state != State::Opening || m_component) {
        qCInfo(lcHost) << "ignoring late or repeated root page" << url;
        return;
    }
    m_loadTimer.stop();
    if (!url.isValid() || url.isEmpty()) {
        fail(tr("Das Plugin \"%1\" hat eine ungültige Startseite gemeldet.").arg(m_currentName));
        return;
    }
    qCInfo(lcHost) << "loading root page" << url;
    m_component = new QQmlComponent(m_engine, url, QQmlComponent::PreferSynchronous, this);
    if (m_component->isLoading()) {
        connect(m_component.data(), &QQmlComponent::statusChanged, this, &PluginHost::continueLoading);
        return;
    }
    continueLoading();
}

void PluginHost::continueLoading()
{
    if (!m_component || m_state != State::Opening)
        return;
    if (m_component->isError()) {
        fail(tr("Die Startseite des Plugins \"%1\" konnte nicht geladen werden:\n%2")
                 .arg(m_currentName, m_component->errorString().trimmed()));
        return;
    }
    if (!m_component->isReady())
        return;

    QObject *root = m_component->beginCreate(m_context);
    if (!root) {
        fail(tr("Die Startseite des Plugins \"%1\" konnte nicht erzeugt werden:\n%2")
                 .arg(m_currentName, m_component->errorString().trimmed()));
        return;
    }
    QQmlEngine::setObjectOwnership(root, QQmlEngine::CppOwnership);
    m_root = root;
    // Parent before completion so that the page's own bindings see the content area.
    auto *item = qobject_cast<QQuickItem *>(root);
    if (item && m_contentArea)
        item->setParentItem(m_contentArea);
    m_component->completeCreate();
    if (!m_root) {
        fail(tr("Die Startseite des Plugins \"%1\" hat sich selbst gelöscht.").arg(m_currentName));
        return;
    }

    if (item) {
        if (!m_contentArea) {
            fail(tr("Kein Anzeigebereich für das Plugin vorhanden."));
            return;
        }
        QQmlProperty(item, QStringLiteral("anchors.fill")).write(QVariant::fromValue<QQuickItem *>(m_contentArea));
    } else if (auto *window = qobject_cast<QQuickWindow *>(root)) {
        if (m_contentArea && m_contentArea->window())
            window->setTransientParent(m_contentArea->window());
        window->show();
    } else {
        fail(tr("Die Startseite des Plugins \"%1\" ist kein sichtbares Element.").arg(m_currentName));
        return;
    }
    setState(State::Open);
    qCInfo(lcHost) << "showing plugin" << m_currentName;
    emit pageShown(root);
}

void PluginHost::goHome()
{
    if (m_state == State::Home || m_closePending)
        return;
    m_closePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
        m_closePending = false;
        close();
        },
        Qt::QueuedConnection);
}

void PluginHost::close()
{
    m_loadTimer.stop();
    if (m_state == State::Home && !m_instance && !m_context)
        return;

    disconnect(m_loadedConnection);
    disconnect(m_homeConnection);
    // The page and its context go first: they still point into the plugin's objects.
    delete m_root.data();
    delete m_component.data();
    delete m_context.data();
    if (m_plugin && m_initialized && m_instance) {
        if (!m_plugin->release())
            qCWarning(lcHost) << "plugin" << m_currentName << "reported a failed release";
        else
            qCInfo(lcHost) << "released plugin" << m_currentName;
    }
    m_engine->collectGarbage();

    m_plugin = nullptr;
    m_instance = nullptr;
    m_manager = nullptr;
    m_initialized = false;
    m_currentName.clear();
    const bool wasShown = m_state != State::Home;
    setState(State::Home);
    if (wasShown)
        emit pluginClosed();
}

void PluginHost::fail(const QString &message)
{
    qCWarning(lcHost).noquote() << message;
    close();
    setErrorText(message);
    emit openFailed(message);
}

void PluginHost::clearError()
{
    setErrorText(QString());
}

void PluginHost::setLanguage(LanguageSettings::Languages language)
{
    m_language = language;
    if (m_manager)
        emit m_manager->languageChanged(language);
}

void PluginHost::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void PluginHost::setErrorText(const QString &text)
{
    if (m_errorText == text)
        return;
    m_errorText = text;
    emit errorTextChanged();
}
