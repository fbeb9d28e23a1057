#include "LoRaApp.h"

#include "ClipboardProxy.h"
#include "ErrorManagement.h"
#include "LanguageSettings.h"
#include "LoraControlsPageModel.h"
#include "LoraVersionProvider.h"
#include "ManagerBase.h"
#include "NemtraBackend.h"
#include "NemtraChannelManager.h"
#include "NemtraConnectionManager.h"
#include "NemtraControlsContainer.h"
#include "NemtraDeviceInformation.h"
#include "NemtraDisplayContainer.h"
#include "NemtraEnums.h"
#include "NemtraEquipmentFeed.h"
#include "NemtraExpertMode.h"
#include "NemtraGatewayContainer.h"
#include "NemtraLedContainer.h"
#include "NemtraLoRaContainer.h"
#include "NemtraManualRequests.h"
#include "NemtraNavigationEnums.h"
#include "NemtraPageFiles.h"
#include "NemtraPageManager.h"
#include "NemtraSettings.h"
#include "NemtraTestLog.h"
#include "NemtraTlfContainer.h"
#include "PopupBackend.h"
#include "PortInfo.h"
#include "SharedRuntime.h"
#include "Translation.h"
#include "UtilityFunctions.h"

#include <QJSEngine>
#include <QLoggingCategory>
#include <QQmlContext>
#include <QQmlEngine>
#include <QVector>

Q_LOGGING_CATEGORY(lcLoRaApp, "znt.app")

namespace {

// Every engine gets the same process-wide object. A plain instance registration would bind it to
// the first engine only, and a host that builds a new engine would get none.
template<typename T>
void registerProcessSingleton(const char *uri, const char *name, T *(*instance)())
{
    static T *(*s_instance)() = instance;
    // Created now, so that an existing instance is reused and never replaced.
    instance();
    qmlRegisterSingletonType<T>(uri, 1, 0, name, [](QQmlEngine *, QJSEngine *) -> T * {
        T *object = s_instance();
        QJSEngine::setObjectOwnership(object, QJSEngine::CppOwnership);
        return object;
    });
}

template<typename T>
void deleteAndClear(T *&object)
{
    delete object;
    object = nullptr;
}

} // namespace

LoRaApp::LoRaApp(QObject *parent)
    : QObject(parent)
{
    registerTypes();
    connect(this, &LoRaApp::loadUi, this, &LoRaApp::onLoadUi, Qt::DirectConnection);
}

LoRaApp::~LoRaApp()
{
    release();
}

void LoRaApp::registerTypes()
{
    // A new plugin object after the old one was destroyed must not register the types again.
    static bool registered = false;
    if (registered)
        return;
    registered = true;

    qmlRegisterType<LoraVersionProvider>("NemtraVersionProvider", 1, 0, "NemtraVersion");
    qmlRegisterType<NemtraSettings>("NemtraSettings", 1, 0, "Settings");
    qmlRegisterType<ClipboardProxy>("Clipboard", 1, 0, "Clipboard");
    qmlRegisterType<PortInfo>("NemtraPortInfo", 1, 0, "PortInfo");
    qmlRegisterType<LoraControlsPageModel>("LoraControlsPageModel", 1, 0, "ControlsPageModel");
    qRegisterMetaType<QVector<quint16>>("QVector<quint16>");
    qRegisterMetaType<NemtraNavigationEnums::NemtraPageIndex>("NemtraNavigationEnums::NemtraPageIndex");
    qmlRegisterUncreatableMetaObject(NemtraNavigationEnums::staticMetaObject, "NemtraPageEnums", 1, 0, "NemtraPage",
                                     QStringLiteral("Enums for the page&subpage selection"));
    qmlRegisterUncreatableMetaObject(NemtraEnums::staticMetaObject, "NemtraEnums", 1, 0, "NemtraEnum",
                                     QStringLiteral("General Enums"));
    qmlRegisterUncreatableMetaObject(LanguageSettings::staticMetaObject, "LanguageEnums", 1, 0, "LanguageEnum",
                                     QStringLiteral("Enums for the LanguageSettings"));
    registerProcessSingleton<PopupBackend>("PopupBackend", "PopupBackend", &PopupBackend::getInstance);
    // Process-wide: they outlive release() and are freed when the application quits, so the
    // singletons registered here never point at deleted objects.
    registerProcessSingleton<NemtraDeviceInformation>("NemtraDeviceInformation", "NemtraDeviceInfo",
                                                      &NemtraDeviceInformation::instance);
    registerProcessSingleton<NemtraChannelManager>("NemtraChannelManager", "NemtraChannelManager",
                                                   &NemtraChannelManager::instance);
    registerProcessSingleton<NemtraTlfContainer>("NemtraTlfContainer", "NemtraTlfContainer",
                                                 &NemtraTlfContainer::instance);
    registerProcessSingleton<NemtraLedContainer>("NemtraLedContainer", "NemtraLedContainer",
                                                 &NemtraLedContainer::instance);
    registerProcessSingleton<NemtraLoRaContainer>("NemtraLoRaContainer", "NemtraLoRaContainer",
                                                  &NemtraLoRaContainer::instance);
    registerProcessSingleton<NemtraExpertMode>("NemtraExpertMode", "NemtraExpertMode", &NemtraExpertMode::instance);
    registerProcessSingleton<NemtraDisplayContainer>("NemtraDisplayContainer", "NemtraDisplayContainer",
                                                     &NemtraDisplayContainer::instance);
    registerProcessSingleton<NemtraControlsContainer>("NemtraControlsContainer", "NemtraControlsContainer",
                                                      &NemtraControlsContainer::instance);
    // The gateway page's container, which the page imports under its own name.
    registerProcessSingleton<NemtraGatewayContainer>("NemtraGatewayContainer", "NemtraGatewayContainer",
                                                     &NemtraGatewayContainer::instance);
}

void LoRaApp::initialize(QQmlContext *context)
{
    if (!m_backend)
        m_backend = new NemtraBackend;
    if (!m_pageManager) {
        m_pageManager = new NemtraPageManager;
        // Entries of pages this build does not contain are not offered.
        m_pageManager->setPageFilter(&NemtraPageFiles::isAvailable);
    }
    if (!m_translation)
        m_translation = new Translation(QStringLiteral("NemtraApp"), Translation::LoadMirrelTranslations,
                                        Translation::LoadFromResources);

    SharedRuntime::setPluginType(QStringLiteral("ZNT"));
    UtilityFunctions::createNeededFolders();

    connectGraph();
    if (!m_equipmentFeed)
        m_equipmentFeed = new NemtraEquipmentFeed(m_backend, m_backend);
    if (!m_testLog) {
        m_testLog = new NemtraTestLog(m_backend);
        NemtraConnectionManager *link = m_backend->connectionManager();
        connect(link, &NemtraConnectionManager::sendMessage, m_testLog, &NemtraTestLog::addSendRequest);
        connect(link, &NemtraConnectionManager::receivedMessage, m_testLog, &NemtraTestLog::addResponse);
    }
    if (!m_manualRequests)
        m_manualRequests = new NemtraManualRequests(m_backend->connectionManager(), m_backend);

    if (context) {
        context->setContextProperty(QStringLiteral("NemtraPageManager"), m_pageManager);
        context->setContextProperty(QStringLiteral("ApplicationName"), kApplicationName);
        context->setContextProperty(QStringLiteral("Version"), LoraVersionProvider::kVersion);
        context->setContextProperty(QStringLiteral("NemtraBackend"), m_backend);
        // The pages' error pop-up shows this list; the back end does not publish it itself.
        context->setContextProperty(QStringLiteral("NemtraErrorManager"), m_backend->errorManagement());
        context->setContextProperty(QStringLiteral("NemtraTestLog"), m_testLog);
        context->setContextProperty(QStringLiteral("NemtraManualRequests"), m_manualRequests);
    } else {
        qCWarning(lcLoRaApp) << "no QML context given; the graph is built but not published";
    }

    auto *manager = new ManagerBase;
    connect(m_pageManager, &NemtraPageManager::closePlugin, manager, &ManagerBase::goHome);
    connect(manager, &ManagerBase::languageChanged, m_translation, &Translation::setLanguage);
    // The filter lists' row descriptions are translated in C++ and must be read again.
    connect(m_translation, &Translation::languageChanged, NemtraGatewayContainer::instance(),
            &NemtraGatewayContainer::onLanguageChanged, Qt::UniqueConnection);
    if (m_manager) {
        // The old manager lingers until the event loop deletes it; it must not act meanwhile.
        QObject::disconnect(m_pageManager, nullptr, m_manager, nullptr);
        QObject::disconnect(m_manager, nullptr, m_translation, nullptr);
        m_manager->deleteLater();
    }
    m_manager = manager;
    qCInfo(lcLoRaApp) << "initialised";
}

void LoRaApp::connectGraph()
{
    // Unique: initialize runs again on the same objects and must not connect them twice.
    connect(m_pageManager, &NemtraPageManager::disconnectFromDevice, m_backend, &NemtraBackend::disconnectFromDevice,
            Qt::UniqueConnection);
    connect(m_backend, &BackendBase::connectedChanged, m_pageManager, &NemtraPageManager::setIsConnected,
            Qt::UniqueConnection);
}

bool LoRaApp::release()
{
    deleteAndClear(m_manager);
    if (m_pageManager) {
        m_pageManager->deleteLater();
        m_pageManager = nullptr;
    }
    m_equipmentFeed = nullptr;
    m_testLog = nullptr;
    m_manualRequests = nullptr;
    deleteAndClear(m_backend);
    deleteAndClear(m_translation);
    return true;
}

ManagerBase *LoRaApp::managerObject()
{
    return m_manager;
}

void LoRaApp::onLoadUi()
{
    emit pluginLoaded(kRootPage);
}
