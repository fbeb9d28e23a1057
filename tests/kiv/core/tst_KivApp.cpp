#include "LanguageSettings.h"
#include "ManagerBase.h"
#include "PluginInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QMetaType>
#include <QPluginLoader>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <memory>

namespace {

const QStringList kPublishedNames{QStringLiteral("Kiv"),          QStringLiteral("ErrMessage"),
                                  QStringLiteral("Download"),     QStringLiteral("KivPageManager"),
                                  QStringLiteral("ShareBackend"), QStringLiteral("Scaling")};

QString pluginPath()
{
    const QDir dir(qEnvironmentVariable("ORVANE_BUILD_DIR") + QStringLiteral("/plugins"));
    const QStringList found = dir.entryList({QStringLiteral("*KivApp.*")}, QDir::Files);
    return found.isEmpty() ? QString() : dir.absoluteFilePath(found.first());
}

QObject *published(QQmlContext *context, const QString &name)
{
    return context->contextProperty(name).value<QObject *>();
}

QList<quint16> readImage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<quint16> image;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty())
            image.append(quint16(line.toUInt()));
    }
    return image;
}

// Two characters per register, low byte first, ending at the first NUL.
QString registerText(const QList<quint16> &image, int first, int count)
{
    QByteArray text;
    for (int r = first; r < first + count && r < image.size(); ++r)
        text.append(char(image[r] & 0xff)).append(char(image[r] >> 8));
    return QString::fromLatin1(text.left(text.indexOf('\0') < 0 ? text.size() : text.indexOf('\0')));
}

} // namespace

class tst_KivApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void metadata_namesInterfaceAndClass();
    void beforeInitialize_noManagerAndReleaseSucceeds();
    void initializeTwice_leavesOneGraphPublished();
    void rootPageRequest_loadUiAndOnLoadUiAnswerOnce();
    void graphWiring_closeErrorsAndLanguageReachTheirTargets();
    void simulateEnvironment_opensOnSimulatedDevice();
    void qmlTypes_enumsReadableButNotCreatable();
    void qmlTypes_creatableTypesInstantiate();
    void rootPages_loadInPluginContext();
    void resources_simulationImagesDescribeDevices();
    void cleanupTestCase();

private:
    std::unique_ptr<QObject> createQml(const QByteArray &source, QString *errors = nullptr);

    QTemporaryDir m_dir;
    QPluginLoader m_loader;
    QObject *m_instance = nullptr;
    PluginInterface *m_plugin = nullptr;
    QQmlEngine *m_engine = nullptr;
    QQmlContext *m_context = nullptr;
};

void tst_KivApp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("ORVANE_SETTINGS_FILE", m_dir.filePath(QStringLiteral("settings.ini")).toUtf8());
    qputenv("ORVANE_DATA_DIR", m_dir.filePath(QStringLiteral("data")).toUtf8());

    const QString path = pluginPath();
    QVERIFY2(!path.isEmpty(), "KivApp plugin not built");
    m_loader.setFileName(path);
    m_instance = m_loader.instance();
    QVERIFY2(m_instance, qPrintable(m_loader.errorString()));
    m_plugin = qobject_cast<PluginInterface *>(m_instance);
    QVERIFY(m_plugin);

    m_engine = new QQmlEngine;
    m_context = new QQmlContext(m_engine->rootContext());
}

void tst_KivApp::metadata_namesInterfaceAndClass()
{
    const QJsonObject meta = m_loader.metaData();
    QCOMPARE(meta.value(QLatin1String("IID")).toString(), QStringLiteral("de.Veltaron.PluginInterface"));
    QCOMPARE(meta.value(QLatin1String("className")).toString(), QStringLiteral("KivApp"));
    QVERIFY(!meta.value(QLatin1String("debug")).toBool());
    QCOMPARE(meta.value(QLatin1String("MetaData")).toObject().value(QLatin1String("name")).toString(),
             QStringLiteral("KIV"));

    // One object per process, and the type aliases are in place once it exists.
    QCOMPARE(QPluginLoader(m_loader.fileName()).instance(), m_instance);
    QCOMPARE(QMetaType::fromName("uint32_t"), QMetaType::fromType<uint>());
    QCOMPARE(QMetaType::fromName("int32_t"), QMetaType::fromType<int>());
    QCOMPARE(QMetaType::fromName("uint8_t"), QMetaType::fromType<uchar>());
    QVERIFY(QMetaType::fromName("serviceErrors").isValid());
    QVERIFY(QMetaType::fromName("Datagram").isValid());
}

void tst_KivApp::beforeInitialize_noManagerAndReleaseSucceeds()
{
    QVERIFY(!m_plugin->managerObject());
    QVERIFY(m_plugin->release());
    QVERIFY(!m_plugin->managerObject());
}

void tst_KivApp::initializeTwice_leavesOneGraphPublished()
{
    m_plugin->initialize(m_context);
    QPointer<ManagerBase> firstManager = m_plugin->managerObject();
    QVERIFY(firstManager);
    QList<QPointer<QObject>> first;
    for (const QString &name : kPublishedNames) {
        first.append(published(m_context, name));
        QVERIFY2(first.last(), qPrintable(name));
    }

    m_plugin->initialize(m_context);
    QVERIFY(!firstManager);
    QVERIFY(m_plugin->managerObject());
    for (int i = 0; i < kPublishedNames.size(); ++i) {
        QVERIFY2(!first[i], qPrintable(kPublishedNames[i] + QStringLiteral(" of the first graph survived")));
        QVERIFY2(published(m_context, kPublishedNames[i]), qPrintable(kPublishedNames[i]));
    }
    QCOMPARE(published(m_context, QStringLiteral("Kiv"))->metaObject()->className(), "KivBackend");
    QCOMPARE(published(m_context, QStringLiteral("Download"))->metaObject()->className(), "KivUpdateFile");
    const QVariant btDevice = m_context->contextProperty(QStringLiteral("BtDevice"));
    QVERIFY(btDevice.isValid());
    QVERIFY(!btDevice.value<QObject *>());
    QCOMPARE(m_context->contextProperty(QStringLiteral("IsQt6")), QVariant(true));
}

void tst_KivApp::rootPageRequest_loadUiAndOnLoadUiAnswerOnce()
{
    QVERIFY(m_plugin->managerObject()); // initialised twice above
    QSignalSpy loaded(m_instance, SIGNAL(pluginLoaded(QUrl)));

    QVERIFY(QMetaObject::invokeMethod(m_instance, "loadUi"));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(loaded.takeFirst().at(0).toUrl(), QUrl(QStringLiteral("qrc:/MainKivApp.qml")));

    QVERIFY(QMetaObject::invokeMethod(m_instance, "onLoadUi"));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(loaded.takeFirst().at(0).toUrl(), QUrl(QStringLiteral("qrc:/MainKivApp.qml")));
}

void tst_KivApp::graphWiring_closeErrorsAndLanguageReachTheirTargets()
{
    QObject *backend = published(m_context, QStringLiteral("Kiv"));
    QObject *errors = published(m_context, QStringLiteral("ErrMessage"));
    QObject *pageManager = published(m_context, QStringLiteral("KivPageManager"));
    ManagerBase *manager = m_plugin->managerObject();

    QSignalSpy home(manager, &ManagerBase::homeRequested);
    QVERIFY(QMetaObject::invokeMethod(backend, "closePlugin"));
    QCOMPARE(home.count(), 1);

    QVERIFY(QMetaObject::invokeMethod(backend, "errorPlainText", Q_ARG(QString, QStringLiteral("backend"))));
    QVERIFY(QMetaObject::invokeMethod(backend, "serialError", Q_ARG(QString, QStringLiteral("link"))));
    QObject *download = published(m_context, QStringLiteral("Download"));
    QVERIFY(QMetaObject::invokeMethod(download, "errorText", Q_ARG(QString, QStringLiteral("download"))));
    QCOMPARE(errors->property("errorMsg").toStringList(),
             (QStringList{QStringLiteral("backend"), QStringLiteral("link"), QStringLiteral("download")}));

    QVERIFY(backend->setProperty("connected", true));
    QCOMPARE(pageManager->property("isConnected"), QVariant(true));
    QVERIFY(backend->setProperty("connected", false));
    QCOMPARE(pageManager->property("isConnected"), QVariant(false));

    QVERIFY(QMetaObject::invokeMethod(backend, "hasCo2", Q_ARG(bool, true)));
    QVERIFY(QMetaObject::invokeMethod(backend, "hasVoc", Q_ARG(bool, true)));
    QCOMPARE(pageManager->property("isCo2"), QVariant(true));
    QCOMPARE(pageManager->property("isVoc"), QVariant(true));

    emit manager->languageChanged(LanguageSettings::English);
    QCOMPARE(QCoreApplication::translate("EnumTranslation", "Temperatur"), QStringLiteral("Temperature"));
    emit manager->languageChanged(LanguageSettings::German);
    QCOMPARE(QCoreApplication::translate("EnumTranslation", "Temperatur"), QStringLiteral("Temperatur"));
}

std::unique_ptr<QObject> tst_KivApp::createQml(const QByteArray &source, QString *errors)
{
    QQmlComponent component(m_engine);
    component.setData(source, QUrl(QStringLiteral("qrc:/tst_KivApp/Inline.qml")));
    std::unique_ptr<QObject> object(component.create(m_context));
    if (errors)
        *errors = component.errorString();
    return object;
}

void tst_KivApp::simulateEnvironment_opensOnSimulatedDevice()
{
    qputenv("ORVANE_KIV_SIMULATE", "1");
    m_plugin->initialize(m_context);
    qunsetenv("ORVANE_KIV_SIMULATE");
    QObject *backend = published(m_context, QStringLiteral("Kiv"));
    QCOMPARE(backend->property("testMode"), QVariant(false));
    QTRY_COMPARE(backend->property("testMode"), QVariant(true));

    m_plugin->initialize(m_context);
    backend = published(m_context, QStringLiteral("Kiv"));
    QCoreApplication::processEvents();
    QCOMPARE(backend->property("testMode"), QVariant(false));
}

void tst_KivApp::qmlTypes_enumsReadableButNotCreatable()
{
    QString errors;
    auto reader = createQml("import QtQml\nimport KivEnums 1.0\nimport KivPageEnums 1.0\n"
                            "QtObject { property int board: KivEnum.AP_Modbus; property int unit: KivEnum.ppm;"
                            " property int page: KivPage.KivServicePage }",
                            &errors);
    QVERIFY2(reader, qPrintable(errors));
    QCOMPARE(reader->property("board").toInt(), 4);
    QCOMPARE(reader->property("unit").toInt(), 7);
    QCOMPARE(reader->property("page").toInt(), 8);

    QVERIFY(!createQml("import KivEnums 1.0\nKivEnum {}", &errors));
    QVERIFY2(errors.contains(QStringLiteral("Enum is not a type")), qPrintable(errors));
    QVERIFY(!createQml("import KivPageEnums 1.0\nKivPage {}", &errors));
    QVERIFY2(errors.contains(QStringLiteral("Enums for the page&subpage selection")), qPrintable(errors));
}

void tst_KivApp::qmlTypes_creatableTypesInstantiate()
{
    QString errors;
    auto object = createQml("import QtQml\nimport TextFileReader 1.0\nimport KivPortInfo 1.0\n"
                            "import ZoSettings 1.0\nimport EmailPopup 1.0\nimport ZoOffsetBackend 1.0\n"
                            "QtObject {\n"
                            "  property var reader: TextFileReader {}\n"
                            "  property var ports: PortInfo {}\n"
                            "  property var settings: Settings {}\n"
                            "  property var popup: EmailPopup {}\n"
                            "  property var offsets: OffsetBackend {}\n"
                            "}",
                            &errors);
    QVERIFY2(object, qPrintable(errors));
    QCOMPARE(object->property("settings").value<QObject *>()->metaObject()->className(), "KivSettings");
    QCOMPARE(object->property("popup").value<QObject *>()->metaObject()->className(), "KivEmailPopup");
    QCOMPARE(object->property("offsets").value<QObject *>()->metaObject()->className(), "KivOffsetBackend");
    QCOMPARE(object->property("ports").value<QObject *>()->metaObject()->className(), "PortInfo");
}

void tst_KivApp::rootPages_loadInPluginContext()
{
    // The shell's behaviour is driven in the UI tests; here only that both root pages come up
    // cleanly in the plugin's context.
    for (const char *page : {"qrc:/MainKivApp.qml", "qrc:/ErrorMain.qml"}) {
        QQmlComponent component(m_engine, QUrl(QString::fromLatin1(page)));
        std::unique_ptr<QObject> root(component.create(m_context));
        QVERIFY2(root, qPrintable(component.errorString()));
        QVERIFY2(component.errors().isEmpty(), qPrintable(component.errorString()));
    }

    QQmlComponent component(m_engine, QUrl(QStringLiteral("qrc:/MainKivApp.qml")));
    std::unique_ptr<QObject> root(component.create(m_context));
    QVERIFY(root);
    QCOMPARE(root->objectName(), QStringLiteral("KivPlugin"));
    QVERIFY(root->findChild<QObject *>(QStringLiteral("KivPluginMainView")));
}

void tst_KivApp::resources_simulationImagesDescribeDevices()
{
    for (const char *path :
         {":/images/Logos/ic_launcher.ico", ":/images/Logos/ic_launcher.icns", ":/images/Menu Icons/spinner.gif",
          ":/translations/kivApp_de.qm", ":/translations/kivApp_en.qm", ":/ErrorMain.qml"})
        QVERIFY2(QFile::exists(QString::fromLatin1(path)), path);

    const QList<quint16> standard = readImage(QStringLiteral(":/KivTestData.txt"));
    const QList<quint16> yjPlus = readImage(QStringLiteral(":/TestData/DeviceData YJ+.txt"));
    for (const QList<quint16> &image : {standard, yjPlus}) {
        QCOMPARE(image.size(), 5000);
        QVERIFY2(image[0] >= 1 && image[0] <= 15, "block count outside 1..15");
    }
    const QString standardName = registerText(standard, 4, 10) + ' ' + registerText(standard, 14, 10);
    const QString yjName = registerText(yjPlus, 4, 10) + ' ' + registerText(yjPlus, 14, 10);
    QVERIFY2(!standardName.contains(QStringLiteral("YJ")), qPrintable(standardName));
    QVERIFY2(yjName.contains(QStringLiteral("YJ+")), qPrintable(yjName));
    QVERIFY2(yjName.contains(QStringLiteral("KIV"), Qt::CaseInsensitive), qPrintable(yjName));
}

void tst_KivApp::cleanupTestCase()
{
    // The engine goes first: its bindings must not outlive the published objects.
    delete m_context;
    delete m_engine;
    if (m_plugin)
        QVERIFY(m_plugin->release());
    QVERIFY(m_plugin ? !m_plugin->managerObject() : true);
}

QTEST_MAIN(tst_KivApp)
#include "tst_KivApp.moc"
