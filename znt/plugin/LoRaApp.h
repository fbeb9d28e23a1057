#pragma once

#include "PluginInterface.h"

#include <QObject>
#include <QUrl>

class ManagerBase;
class NemtraBackend;
class NemtraEquipmentFeed;
class NemtraPageManager;
class NemtraTestLog;
class NemtraManualRequests;
class QQmlContext;
class Translation;

// Entry object of the ZNT plugin library. Registers the plugin's QML types once per process,
// builds the object graph for the QML context the host hands over and publishes it.
class LoRaApp : public QObject, public PluginInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "de.Veltaron.PluginInterface")
    Q_INTERFACES(PluginInterface)

public:
    explicit LoRaApp(QObject *parent = nullptr);
    ~LoRaApp() override;

    void initialize(QQmlContext *context) override;
    bool release() override;
    ManagerBase *managerObject() override;

    static inline const QUrl kRootPage{QStringLiteral("qrc:/MainLoRaApp.qml")};
    static inline const QString kApplicationName = QStringLiteral("Orvane");

signals:
    void pluginClosed();
    void pluginLoaded(QUrl url);
    void loadUi();

public slots:
    void onLoadUi();

private:
    static void registerTypes();
    void connectGraph();

    // Owned without a Qt parent; release() frees them.
    ManagerBase *m_manager = nullptr;
    Translation *m_translation = nullptr;
    NemtraBackend *m_backend = nullptr;
    // A child of the back end: it watches the device the back end reads.
    NemtraEquipmentFeed *m_equipmentFeed = nullptr;
    NemtraPageManager *m_pageManager = nullptr;
    // Children of the back end.
    NemtraTestLog *m_testLog = nullptr;
    NemtraManualRequests *m_manualRequests = nullptr;
};
