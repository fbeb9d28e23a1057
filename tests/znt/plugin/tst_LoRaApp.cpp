#include "LanguageSettings.h"
#include "ManagerBase.h"
#include "PluginCatalog.h"
#include "PluginInterface.h"
#include "PopupBackend.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

QString pluginPath()
{
    const QDir dir(qEnvironmentVariable("ORVANE_BUILD_DIR") + QStringLiteral("/plugins"));
    const QStringList found = dir.entryList({QStringLiteral("*NemtraApp.*")}, QDir::Files);
    return found.isEmpty() ? QString() : dir.absoluteFilePath(found.first());
}

struct Registration
{
    const char *uri;
    const char *name;
};

// The QML names the pages import, in the order they must be registered.
const Registration kRegistrations[] = {
    {"NemtraVersionProvider", "NemtraVersion"},
    {"NemtraSettings", "Settings"},
    {"Clipboard", "Clipboard"},
    {"NemtraPortInfo", "PortInfo"},
    {"LoraControlsPageModel", "ControlsPageModel"},
    {"NemtraPageEnums", "NemtraPage"},
    {"NemtraEnums", "NemtraEnum"},
    {"LanguageEnums", "LanguageEnum"},
    {"PopupBackend", "PopupBackend"},
    {"NemtraDeviceInformation", "NemtraDeviceInfo"},
    {"NemtraChannelManager", "NemtraChannelManager"},
    {"NemtraTlfContainer", "NemtraTlfContainer"},
    {"NemtraLedContainer", "NemtraLedContainer"},
    {"NemtraLoRaContainer", "NemtraLoRaContainer"},
    {"NemtraExpertMode", "NemtraExpertMode"},
    {"NemtraDisplayContainer", "NemtraDisplayContainer"},
    {"NemtraControlsContainer", "NemtraControlsContainer"},
};

// The process-wide containers as QML sees them.
const Registration kContainers[] = {
    {"NemtraDeviceInformation", "NemtraDeviceInfo"},      {"NemtraChannelManager", "NemtraChannelManager"},
    {"NemtraTlfContainer", "NemtraTlfContainer"},         {"NemtraLedContainer", "NemtraLedContainer"},
    {"NemtraLoRaContainer", "NemtraLoRaContainer"},       {"NemtraExpertMode", "NemtraExpertMode"},
    {"NemtraDisplayContainer", "NemtraDisplayContainer"}, {"NemtraControlsContainer", "NemtraControlsContainer"},
};

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_LoRaApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("ORVANE_SETTINGS_FILE", m_dir.filePath(QStringLiteral("settings.ini")).toUtf8());
        qputenv("ORVANE_DATA_DIR", m_dir.filePath(QStringLiteral("data")).toUtf8());
        const QString path = pluginPath();
        QVERIFY2(!path.isEmpty(), "NemtraApp plugin not built");
        m_loader.setFileName(path);
    }

    void metaData_namesInterfaceAndClassOnly()
    {
        const QJsonObject meta = m_loader.metaData();
        QCOMPARE(meta.value(QLatin1String("IID")).toString(), QStringLiteral("de.Veltaron.PluginInterface"));
        QCOMPARE(meta.value(QLatin1String("className")).toString(), QStringLiteral("LoRaApp"));
        QVERIFY(meta.value(QLatin1String("MetaData")).toObject().isEmpty());
    }

    void hostCatalog_namesThePluginThoughItsMetadataDoesNot()
    {
        PluginCatalog catalog;
        catalog.scan({QFileInfo(m_loader.fileName()).absolutePath()});
        const int row = catalog.indexOf(QStringLiteral("LoRaApp"));
        QVERIFY(row >= 0);
        QCOMPARE(catalog.entries().at(row).displayName, QStringLiteral("ZNT"));
        QVERIFY(catalog.entries().at(row).description.contains(QStringLiteral("LoRaWAN")));
        QCOMPARE(catalog.entries().at(row).version, QStringLiteral("2.1.2"));
    }

    void instance_registersEveryQmlNameInOrder()
    {
        QVERIFY2(plugin(), qPrintable(m_loader.errorString()));
        int previous = -1;
        for (const Registration &r : kRegistrations) {
            const int id = qmlTypeId(r.uri, 1, 0, r.name);
            QVERIFY2(id > previous, qPrintable(QStringLiteral("%1 %2: id %3").arg(r.uri, r.name).arg(id)));
            previous = id;
        }
        // One plugin object per process.
        QCOMPARE(m_loader.instance(), m_loader.instance());
    }

    void loadUi_answersOnceWithRootPage()
    {
        QObject *object = m_loader.instance();
        QSignalSpy loaded(object, SIGNAL(pluginLoaded(QUrl)));
        QVERIFY(QMetaObject::invokeMethod(object, "loadUi"));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loaded.first().first().toUrl(), QUrl(QStringLiteral("qrc:/MainLoRaApp.qml")));
        QVERIFY(QMetaObject::invokeMethod(object, "onLoadUi"));
        QCOMPARE(loaded.count(), 2);
    }

    void releaseBeforeInitialize_doesNothing()
    {
        QVERIFY(plugin()->release());
        QVERIFY(!plugin()->managerObject());
    }

    void initialize_publishesTheGraph()
    {
        QQmlEngine engine;
        plugin()->initialize(engine.rootContext());
        QQmlContext *context = engine.rootContext();
        QVERIFY(context->contextProperty(QStringLiteral("NemtraPageManager")).value<QObject *>());
        QCOMPARE(context->contextProperty(QStringLiteral("ApplicationName")).toString(), QStringLiteral("Orvane"));
        QCOMPARE(context->contextProperty(QStringLiteral("Version")).toString(), QStringLiteral("2.1.2"));
        QObject *backend = context->contextProperty(QStringLiteral("NemtraBackend")).value<QObject *>();
        QVERIFY(backend);
        QCOMPARE(backend->property("appVersion").toString(), QStringLiteral("2.1.2"));
        QVERIFY(plugin()->managerObject());
        QVERIFY(plugin()->release());
        QVERIFY(plugin()->release());
        QVERIFY(!plugin()->managerObject());
        processDeferredDeletes();
    }

    void initializeTwice_keepsGraphNewManagerNoDuplicateConnections()
    {
        QQmlEngine engine;
        plugin()->initialize(engine.rootContext());
        QPointer<QObject> pageManager = published(engine, "NemtraPageManager");
        QPointer<ManagerBase> first = plugin()->managerObject();

        plugin()->initialize(engine.rootContext());
        QCOMPARE(published(engine, "NemtraPageManager"), pageManager.data());
        ManagerBase *second = plugin()->managerObject();
        QVERIFY(second != first);
        // The old manager goes with the event loop, not at once.
        QVERIFY(first);
        processDeferredDeletes();
        QVERIFY(!first);

        // "Zurück" disconnects and asks the host for its home page, each exactly once.
        QObject *backend = published(engine, "NemtraBackend");
        QVERIFY(backend);
        QSignalSpy disconnect(backend, SIGNAL(disconnectFromDevice()));
        QSignalSpy home(second, &ManagerBase::homeRequested);
        QVERIFY(pageManager->setProperty("pageIndex", 14));
        QCOMPARE(disconnect.count(), 1);
        QCOMPARE(home.count(), 1);

        QSignalSpy connectedChanged(pageManager, SIGNAL(isConnectedChanged(bool)));
        QVERIFY(backend->setProperty("connected", true));
        QCOMPARE(connectedChanged.count(), 1);
        QCOMPARE(pageManager->property("isConnected").toBool(), true);

        QVERIFY(plugin()->release());
        processDeferredDeletes();
        QVERIFY(!pageManager);
    }

    void releaseAndInitializeAgain_newGraphSingletonsAlive()
    {
        QQmlEngine engine;
        plugin()->initialize(engine.rootContext());
        QPointer<QObject> oldPageManager = published(engine, "NemtraPageManager");
        QPointer<QObject> oldBackend = published(engine, "NemtraBackend");
        QList<QPointer<QObject>> containers;
        for (const Registration &r : kContainers)
            containers.append(engine.singletonInstance<QObject *>(qmlTypeId(r.uri, 1, 0, r.name)));
        QVERIFY(plugin()->release());
        processDeferredDeletes();
        QVERIFY(!oldPageManager);
        QVERIFY(!oldBackend);

        QQmlEngine secondEngine;
        plugin()->initialize(secondEngine.rootContext());
        QVERIFY(published(secondEngine, "NemtraPageManager"));
        QVERIFY(published(secondEngine, "NemtraBackend") != nullptr);
        // The QML singletons were registered once per process: they must still be live objects,
        // and a new engine must get the same ones.
        for (int i = 0; i < containers.size(); ++i) {
            const Registration &r = kContainers[i];
            QVERIFY2(containers.at(i), r.name);
            QCOMPARE(secondEngine.singletonInstance<QObject *>(qmlTypeId(r.uri, 1, 0, r.name)),
                     containers.at(i).data());
        }
        QQmlComponent component(&secondEngine);
        component.setData("import QtQml\nimport NemtraDeviceInformation 1.0\nimport PopupBackend 1.0\n"
                          "QtObject { property int channels: NemtraDeviceInfo.channelCount;"
                          " property real width: PopupBackend.popupWidth }",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(secondEngine.singletonInstance<QObject *>(qmlTypeId("PopupBackend", 1, 0, "PopupBackend")),
                 PopupBackend::getInstance());
        QVERIFY(plugin()->release());
        processDeferredDeletes();
    }

private:
    PluginInterface *plugin() { return qobject_cast<PluginInterface *>(m_loader.instance()); }

    static QObject *published(QQmlEngine &engine, const char *name)
    {
        return engine.rootContext()->contextProperty(QString::fromLatin1(name)).value<QObject *>();
    }

    QTemporaryDir m_dir;
    QPluginLoader m_loader;
};

QTEST_MAIN(tst_LoRaApp)
#include "tst_LoRaApp.moc"
