#pragma once

#include "PluginInterface.h"

#include <QMetaObject>
#include <QObject>
#include <QUrl>

class ErrorManagement;
class KivBackend;
class KivPageManager;
class KivScaling;
class KivShareBackend;
class KivUpdateFile;
class ManagerBase;
class QQmlContext;
class Translation;

// Entry object of the KIV plugin library. Registers the plugin's types once, builds the object
// graph for each QML context the host hands over and publishes it as context properties.
class KivApp : public QObject, public PluginInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "de.Veltaron.PluginInterface" FILE "kiv.json")
    Q_INTERFACES(PluginInterface)

public:
    explicit KivApp(QObject *parent = nullptr);
    ~KivApp() override;

    void initialize(QQmlContext *context) override;
    bool release() override;
    ManagerBase *managerObject() override;

    static inline const QUrl kRootPage{QStringLiteral("qrc:/MainKivApp.qml")};

signals:
    void pluginClosed();
    void pluginLoaded(QUrl url);
    void loadUi();

public slots:
    void onLoadUi();

private:
    static void registerTypes();
    void connectGraph();
    void publish(QQmlContext *context);

    // Owned without a Qt parent; release() deletes them in a fixed order.
    ManagerBase *m_manager = nullptr;
    KivShareBackend *m_shareBackend = nullptr;
    KivBackend *m_backend = nullptr;
    KivUpdateFile *m_updateFile = nullptr;
    KivPageManager *m_pageManager = nullptr;
    Translation *m_translation = nullptr;
    ErrorManagement *m_errorManagement = nullptr;
    KivScaling *m_scaling = nullptr;
    QMetaObject::Connection m_loadUiConnection;
};
