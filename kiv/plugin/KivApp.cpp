#include "KivApp.h"

#include "BluetoothIoEnums.h"
#include "Datagram.h"
#include "ErrorManagement.h"
#include "KivBackend.h"
#include "KivDeviceSetup.h"
#include "KivEmailPopup.h"
#include "KivNavigationEnums.h"
#include "KivOffsetBackend.h"
#include "KivPageManager.h"
#include "KivScaling.h"
#include "KivSettings.h"
#include "KivShareBackend.h"
#include "KivUpdateFile.h"
#include "ManagerBase.h"
#include "PortInfo.h"
#include "SharedRuntime.h"
#include "TextFileReader.h"
#include "Translation.h"
#include "UtilityFunctions.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QScreen>

Q_LOGGING_CATEGORY(lcKivApp, "kiv.app")

namespace {

// Set to 1 to open the plugin on the simulated device (run script, tours, demonstrations).
constexpr char kSimulateEnv[] = "ORVANE_KIV_SIMULATE";

template<typename T>
void deleteAndClear(T *&object)
{
    delete object;
    object = nullptr;
}

} // namespace

KivApp::KivApp(QObject *parent)
    : QObject(parent)
{
    registerTypes();
}

KivApp::~KivApp()
{
    release();
}

void KivApp::registerTypes()
{
    qRegisterMetaType<Datagram>();
    qRegisterMetaType<BluetoothIoEnums::ServiceErrors>("serviceErrors");
    // Signatures written with fixed-width types must resolve in QML and queued connections.
    qRegisterMetaType<uint>("uint32_t");
    qRegisterMetaType<int>("int32_t");
    qRegisterMetaType<uchar>("uint8_t");
    qRegisterMetaType<KivNavigationEnums::KivPageIndex>("KivNavigationEnums::KivPageIndex");

    qmlRegisterUncreatableMetaObject(KivNavigationEnums::staticMetaObject, "KivPageEnums", 1, 0, "KivPage",
                                     QStringLiteral("Enums for the page&subpage selection"));
    qmlRegisterType<TextFileReader>("TextFileReader", 1, 0, "TextFileReader");
    // The default constructor lists wired ports only (selection flag 1).
    qmlRegisterType<PortInfo>("KivPortInfo", 1, 0, "PortInfo");
    qmlRegisterType<KivSettings>("ZoSettings", 1, 0, "Settings");
    qmlRegisterType<KivEmailPopup>("EmailPopup", 1, 0, "EmailPopup");
    qmlRegisterType<KivOffsetBackend>("ZoOffsetBackend", 1, 0, "OffsetBackend");
    // The back end's meta-object carries every KIV enumeration through its base Enums.
    qmlRegisterUncreatableType<KivBackend>("KivEnums", 1, 0, "KivEnum", QStringLiteral("Enum is not a type"));
}

void KivApp::initialize(QQmlContext *context)
{
    release();

    SharedRuntime::setPluginType(QStringLiteral("KIV"));
    UtilityFunctions::createNeededFolders();

    m_shareBackend = new KivShareBackend;
    m_backend = new KivBackend(m_shareBackend);
    m_errorManagement = new ErrorManagement;
    m_translation =
        new Translation(QStringLiteral("kivApp"), Translation::LoadMirrelTranslations, Translation::LoadFromResources);
    m_pageManager = new KivPageManager;
    m_updateFile = new KivUpdateFile;
    m_scaling = new KivScaling;

    connectGraph();

    m_manager = new ManagerBase;
    connect(m_backend, &KivBackend::closePlugin, m_manager, &ManagerBase::goHome);
    connect(m_manager, &ManagerBase::languageChanged, m_translation, &Translation::setLanguage);

    publish(context);

    // Kept so that release() can drop it: a second initialize must not answer loadUi twice.
    m_loadUiConnection = connect(
        this, &KivApp::loadUi, this, [this] { emit pluginLoaded(kRootPage); }, Qt::DirectConnection);
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::applicationStateChanged, m_backend, &KivBackend::onApplicationStateChanged);
        connect(app, &QGuiApplication::primaryScreenChanged, m_scaling, &KivScaling::init);
    }

    // Demonstrations and unattended screenshots start on the simulated device; queued so that
    // the host has loaded the root page before the device data arrive.
    if (qEnvironmentVariableIntValue(kSimulateEnv) == 1) {
        QMetaObject::invokeMethod(
            m_backend,
            [backend = QPointer<KivBackend>(m_backend)] {
            if (backend)
                backend->setTestMode(true);
            },
            Qt::QueuedConnection);
    }
    qCInfo(lcKivApp) << "initialised";
}

void KivApp::connectGraph()
{
    auto *deviceSetup = qvariant_cast<KivDeviceSetup *>(m_backend->deviceInfo());

    connect(m_translation, &Translation::languageChanged, m_backend, &KivBackend::retranslate);
    connect(m_backend, &KivBackend::connectedChanged, m_pageManager, &KivPageManager::setIsConnected);
    connect(deviceSetup, &KivDeviceSetup::boardTypeChanged, m_pageManager, &KivPageManager::circuitBoardChanged);
    connect(m_backend, &KivBackend::isLcd, m_pageManager, &KivPageManager::setIsLcd);
    connect(m_backend, &KivBackend::switchToPoll, m_pageManager, &KivPageManager::switchToPoll);
    connect(m_backend, &KivBackend::blCouldNotStart, m_errorManagement, &ErrorManagement::bootloaderStart);
    connect(m_backend, &KivBackend::blFileUnavailable, m_errorManagement, &ErrorManagement::bootloaderFile);
    connect(m_backend, &KivBackend::errorPlainText, m_errorManagement, &ErrorManagement::addErrorMessage);
    connect(m_updateFile, &KivUpdateFile::errorText, m_errorManagement, &ErrorManagement::addErrorMessage);
    connect(m_updateFile, &KivUpdateFile::errorMessage, m_errorManagement, &ErrorManagement::updateFileError);
    connect(m_backend, &KivBackend::serialError, m_errorManagement, &ErrorManagement::addErrorMessage);
    connect(m_backend, &KivBackend::doDisconnect, m_pageManager, &KivPageManager::onDisconnected);
    // The expert page depends on CO2/VOC blocks; the back end is the one that knows of them.
    connect(m_backend, &KivBackend::hasCo2, m_pageManager, &KivPageManager::setIsCo2);
    connect(m_backend, &KivBackend::hasVoc, m_pageManager, &KivPageManager::setIsVoc);
    connect(m_backend, &KivBackendProperty::clearanceChanged, m_pageManager, &KivPageManager::setClearance);
    m_pageManager->setClearance(m_backend->clearance());
}

void KivApp::publish(QQmlContext *context)
{
    if (!context) {
        qCWarning(lcKivApp) << "no QML context given; the graph is built but not published";
        return;
    }
    // The KIV plugin has no Bluetooth scanner; the pages test BtDevice for null.
    context->setContextProperty(QStringLiteral("BtDevice"), static_cast<QObject *>(nullptr));
    context->setContextProperty(QStringLiteral("Kiv"), m_backend);
    context->setContextProperty(QStringLiteral("ErrMessage"), m_errorManagement);
    context->setContextProperty(QStringLiteral("Download"), m_updateFile);
    context->setContextProperty(QStringLiteral("KivPageManager"), m_pageManager);
    context->setContextProperty(QStringLiteral("ShareBackend"), m_shareBackend);
    context->setContextProperty(QStringLiteral("Scaling"), m_scaling);
    context->setContextProperty(QStringLiteral("IsQt6"), true);
}

bool KivApp::release()
{
    QObject::disconnect(m_loadUiConnection);
    deleteAndClear(m_shareBackend);
    deleteAndClear(m_backend);
    deleteAndClear(m_errorManagement);
    deleteAndClear(m_translation);
    deleteAndClear(m_updateFile);
    deleteAndClear(m_pageManager);
    deleteAndClear(m_scaling);
    deleteAndClear(m_manager);
    return true;
}

ManagerBase *KivApp::managerObject()
{
    return m_manager;
}

void KivApp::onLoadUi()
{
    emit pluginLoaded(kRootPage);
}
