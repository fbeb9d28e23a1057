#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

// Puts an open plugin on its simulated device, for the tour and for --simulate. A plugin takes
// part through its root page: tourSimulate() starts the simulation, the property tourReady says
// when the device is loaded.
class PluginSimulation : public QObject
{
    Q_OBJECT
public:
    explicit PluginSimulation(QObject *parent = nullptr);

    static bool isOffered(QObject *root);

    // Starts the simulation; ends with ready() or failed(German text), never both.
    void start(QObject *root, const QString &pluginName);
    void cancel();
    void setTimeout(int milliseconds) { m_timeout.setInterval(milliseconds); }

signals:
    void ready();
    void failed(const QString &message);

private slots:
    void check();

private:
    QPointer<QObject> m_root;
    QString m_pluginName;
    QTimer m_timeout;
    bool m_running = false;
};
