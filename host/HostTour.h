#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class PluginCatalog;
class PluginHost;
class PluginSimulation;
class Screenshooter;

// Unattended walk through the application: home page, then every plugin's root page, returning
// home in between. A plugin whose root page offers the tour functions (tourSimulate(),
// tourReady, tourPages(), tourShow(index)) is also put on its simulated device and photographed
// page by page. Each picture is taken once the view has settled.
class HostTour : public QObject
{
    Q_OBJECT
public:
    HostTour(PluginHost *host, PluginCatalog *catalog, Screenshooter *shooter, const QString &directory,
             QObject *parent = nullptr);

    void start();
    QString directory() const { return m_directory; }
    QStringList writtenFiles() const { return m_written; }
    QStringList failures() const { return m_failures; }

signals:
    // exitCode is 0 only when every picture was written and every plugin opened.
    void finished(int exitCode);

private:
    void shootHome();
    void openNext();
    void leavePlugin();
    void onCaptured(const QString &file, bool ok, const QString &errorText);
    void afterRootPage();
    void onSimulationReady();
    void showPage();
    QString fileFor(int step, const QString &name) const;

    enum class Step { Idle, Home, Plugin, Simulating, Pages, Done };

    PluginHost *m_host = nullptr;
    PluginCatalog *m_catalog = nullptr;
    Screenshooter *m_shooter = nullptr;
    QString m_directory;
    Step m_step = Step::Idle;
    int m_next = 0;
    bool m_awaitingHome = false;
    QStringList m_pages;
    int m_page = 0;
    PluginSimulation *m_simulation = nullptr;
    QStringList m_written;
    QStringList m_failures;
};
