#pragma once

#include <QList>
#include <QPluginLoader>
#include <QPointer>
#include <QQuickItem>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class PluginInterface;
class QQmlContext;
class QQmlEngine;
class QQuickWindow;

// The real KivApp plugin in a QML context inside an offscreen window, with every QML warning
// collected so that a test can fail on it.
class KivUiFixture
{
public:
    KivUiFixture();
    // Another plugin module of the build, by file-name pattern (the ZNT plugin: "*NemtraApp.*").
    explicit KivUiFixture(const QString &pluginPattern);
    ~KivUiFixture();

    // Loads and initialises the plugin; false with a reason in errorString().
    bool setUp();
    // Creates the root page in the window; fails on QML errors.
    QQuickItem *createRoot(const QString &url = QStringLiteral("qrc:/MainKivApp.qml"));
    void destroyRoot();
    // The host's close and reopen: page gone, plugin released and initialised with a new context,
    // page created again. The settings store and the data folder stay.
    QQuickItem *restartPlugin(const QString &url);

    QObject *published(const QString &name) const;
    QObject *backend() const { return published(QStringLiteral("Kiv")); }
    QObject *pageManager() const { return published(QStringLiteral("KivPageManager")); }
    QObject *errors() const { return published(QStringLiteral("ErrMessage")); }

    QQuickItem *item(const QString &objectName) const;
    // A visible item whose objectName ends in suffix, searched under the root.
    QQuickItem *visibleItemEndingWith(const QString &suffix) const;
    QObject *objectEndingWith(const QString &suffix) const;
    // Every item under the window and the non-visual objects they hold.
    QList<QObject *> allObjects() const;

    // Switches the plugin's language as the host does and retranslates the pages.
    void setLanguage(bool english);
    // Waits until no sub-entry list of the drawer is unfolding (they animate their height).
    bool waitUntilDrawerRests(int timeoutMs = 5000) const;
    // Writes <build>/screenshots/<name>.png; returns its path (empty on failure).
    QString screenshot(const QString &name);
    // Lets rendered frames pass until the drawer has unfolded its group and number wheels stand
    // still, so that a screenshot shows the page at rest; false when they do not settle.
    bool waitForRest(int timeoutMs = 5000);

    QQmlEngine *engine() const { return m_engine; }
    QQmlContext *context() const { return m_context; }
    QQuickWindow *window() const { return m_window; }
    QQuickItem *root() const { return m_root; }
    PluginInterface *plugin() const { return m_plugin; }
    QString errorString() const { return m_error; }
    QString dataDir() const { return m_dir.path(); }

    static QStringList qmlMessages();
    static void clearQmlMessages();

private:
    QTemporaryDir m_dir;
    QPluginLoader m_loader;
    PluginInterface *m_plugin = nullptr;
    QQmlEngine *m_engine = nullptr;
    QQmlContext *m_context = nullptr;
    QQuickWindow *m_window = nullptr;
    QPointer<QQuickItem> m_root;
    QString m_error;
    QString m_pluginPattern = QStringLiteral("*KivApp.*");
};
