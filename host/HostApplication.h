#pragma once

#include "HostOptions.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class AppInfo;
class HostTour;
class LanguageController;
class PermissionHandler;
class PluginCatalog;
class PluginHost;
class PluginSimulation;
class QQmlApplicationEngine;
class QQuickItem;
class QQuickWindow;
class Screenshooter;

// Puts the host together: engine, home page, plugin catalog and host, language and the
// unattended runs (screenshot, tour). Kept apart from main() so tests can run it in-process.
class HostApplication : public QObject
{
    Q_OBJECT
public:
    explicit HostApplication(QObject *parent = nullptr);
    ~HostApplication() override;

    // Loads the home page and applies the options; false (with errorText) if it cannot show.
    bool start(const HostOptions &options);
    QString errorText() const { return m_errorText; }

    QQmlApplicationEngine *engine() const { return m_engine; }
    QQuickWindow *window() const;
    QQuickItem *contentArea() const;
    PluginCatalog *catalog() const { return m_catalog; }
    PluginHost *pluginHost() const { return m_pluginHost; }
    LanguageController *languageController() const { return m_language; }
    AppInfo *appInfo() const { return m_appInfo; }

public slots:
    // Arguments handed over by a second instance: open a plugin, switch the language, come forward.
    void handleArguments(const QStringList &arguments);

signals:
    // The first frame of the window is on screen.
    void windowShown();
    // An unattended run is over; the process should end with this code.
    void finished(int exitCode);

private:
    void runUnattended(const HostOptions &options);
    // Opens the plugin; with simulate, puts it on its simulated device once its page shows.
    void openPlugin(const QString &name, bool simulate);
    void finishWith(int exitCode, const QString &message);
    static void registerQmlTypes();

    QQmlApplicationEngine *m_engine = nullptr;
    LanguageController *m_language = nullptr;
    AppInfo *m_appInfo = nullptr;
    PermissionHandler *m_permissions = nullptr;
    PluginCatalog *m_catalog = nullptr;
    PluginHost *m_pluginHost = nullptr;
    Screenshooter *m_shooter = nullptr;
    HostTour *m_tour = nullptr;
    PluginSimulation *m_simulation = nullptr;
    QPointer<QQuickWindow> m_window;
    QPointer<QQuickItem> m_contentArea;
    QString m_errorText;
    bool m_shown = false;
};
