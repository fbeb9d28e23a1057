#include "PluginSimulation.h"

#include <QMetaMethod>
#include <QQmlProperty>

namespace {
constexpr int kTimeoutMs = 60000;
}

PluginSimulation::PluginSimulation(QObject *parent)
    : QObject(parent)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(kTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        if (!m_running)
            return;
        cancel();
        emit failed(tr("Das Plugin \"%1\" hat sein simuliertes Gerät nicht rechtzeitig geladen.").arg(m_pluginName));
    });
}

bool PluginSimulation::isOffered(QObject *root)
{
    return root && root->metaObject()->indexOfMethod("tourSimulate()") >= 0;
}

void PluginSimulation::start(QObject *root, const QString &pluginName)
{
    cancel();
    m_root = root;
    m_pluginName = pluginName;
    const QQmlProperty ready(root, QStringLiteral("tourReady"));
    if (!isOffered(root) || !ready.isValid() || !ready.hasNotifySignal()) {
        emit failed(tr("Das Plugin \"%1\" bietet kein simuliertes Gerät an.").arg(pluginName));
        return;
    }
    m_running = true;
    ready.connectNotifySignal(this, SLOT(check()));
    m_timeout.start();
    QMetaObject::invokeMethod(root, "tourSimulate");
    check();
}

void PluginSimulation::cancel()
{
    m_running = false;
    m_timeout.stop();
    if (m_root)
        disconnect(m_root, nullptr, this, nullptr);
}

void PluginSimulation::check()
{
    if (!m_running)
        return;
    if (!m_root) {
        cancel();
        emit failed(
            tr("Das Plugin \"%1\" wurde geschlossen, bevor sein simuliertes Gerät bereit war.").arg(m_pluginName));
        return;
    }
    if (!QQmlProperty::read(m_root, QStringLiteral("tourReady")).toBool())
        return;
    cancel();
    // Queued: readiness may be signalled from inside the plugin's own loading.
    QMetaObject::invokeMethod(this, &PluginSimulation::ready, Qt::QueuedConnection);
}
