#include "Translation.h"

#include <QDirIterator>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

// The framework's QML components with nothing but the library linked: no plugin has been loaded,
// so everything found under the shared resource folder was registered by the library itself.
namespace {
const QString kSharedRoot = QStringLiteral(":/Dependencies/Mirrel/qml/");

QStringList s_warnings;
QtMessageHandler s_previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        s_warnings << message;
    if (s_previousHandler)
        s_previousHandler(type, context, message);
}

QStringList sharedComponents()
{
    QStringList files;
    QDirIterator it(kSharedRoot, {QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(kSharedRoot.size());
    files.sort();
    return files;
}
} // namespace

class tst_SharedQml : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void resources_pathsThePluginPagesImportExist();
    void component_createsStandaloneWithoutWarnings_data();
    void component_createsStandaloneWithoutWarnings();
    void english_sharedTextsFollowTheLanguage();

private:
    // Declares the component inside an item of the window, the way a plugin page uses it.
    QObject *create(const QString &relativePath);

    QQmlEngine m_engine;
    QQuickWindow m_window;
    QList<QObject *> m_created;
};

void tst_SharedQml::initTestCase()
{
    s_previousHandler = qInstallMessageHandler(collectWarnings);
    m_window.resize(800, 600);
    m_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
}

void tst_SharedQml::cleanupTestCase()
{
    qDeleteAll(m_created);
    m_created.clear();
    qInstallMessageHandler(s_previousHandler);
}

void tst_SharedQml::init()
{
    qDeleteAll(m_created);
    m_created.clear();
    s_warnings.clear();
}

QObject *tst_SharedQml::create(const QString &relativePath)
{
    const QString folder = relativePath.section(QLatin1Char('/'), 0, -2);
    const QString name = relativePath.section(QLatin1Char('/'), -1).chopped(4);
    const QByteArray wrapper =
        QStringLiteral("import QtQuick\n"
                       "import \"qrc:/Dependencies/Mirrel/qml/%1\"\n"
                       "Item { anchors.fill: parent; property QtObject shared: under; %2 { id: under } }\n")
            .arg(folder, name)
            .toUtf8();
    QQmlComponent component(&m_engine);
    component.setData(wrapper, QUrl(QStringLiteral("qrc:/tst_SharedQml/") + name + QStringLiteral("Wrapper.qml")));
    auto *item = qobject_cast<QQuickItem *>(component.beginCreate(m_engine.rootContext()));
    if (!item) {
        qWarning("%s", qPrintable(component.errorString()));
        return nullptr;
    }
    item->setParentItem(m_window.contentItem());
    component.completeCreate();
    m_created << item;
    return item->property("shared").value<QObject *>();
}

void tst_SharedQml::resources_pathsThePluginPagesImportExist()
{
    const QStringList imported = {
        "Drawer/CustomDrawerContentItem.qml",
        "Drawer/CustomNavigationDesktop.qml",
        "Drawer/CustomNavigationMobile.qml",
        "Footer/CustomFooterSaveLoad.qml",
        "General/CustomBluetoothPage.qml",
        "General/CustomButton.qml",
        "General/CustomContentFrame.qml",
        "General/CustomLanguageSettings.qml",
        "General/CustomPermissionError.qml",
        "General/CustomRs485Page.qml",
        "General/CustomStackView.qml",
        "General/SelectFileDialog.qml",
        "Header/CustomMenuHeader.qml",
        "Header/CustomPageHeader.qml",
        "Popup/CustomConnectAndLoadPopup.qml",
        "Popup/CustomErrorPopup.qml",
        "Popup/CustomPopup.qml",
        "Popup/CustomWaitPopup.qml",
    };
    const QStringList found = sharedComponents();
    for (const QString &path : imported)
        QVERIFY2(found.contains(path), qPrintable(path));
    QVERIFY(QFile::exists(kSharedRoot + QStringLiteral("General/MirrelStyle.js")));
}

void tst_SharedQml::component_createsStandaloneWithoutWarnings_data()
{
    QTest::addColumn<QString>("path");
    const QStringList files = sharedComponents();
    QVERIFY(!files.isEmpty());
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

void tst_SharedQml::component_createsStandaloneWithoutWarnings()
{
    QFETCH(QString, path);
    QObject *shared = create(path);
    QVERIFY2(shared, qPrintable(s_warnings.join(QLatin1Char('\n'))));

    // Popups build their content only when opened; a drawer or message box must open alone too.
    if (shared->inherits("QQuickPopup")) {
        QVERIFY(QMetaObject::invokeMethod(shared, "open"));
        QTRY_VERIFY(shared->property("opened").toBool());
    }
    QVERIFY(!m_window.grabWindow().isNull());
    QVERIFY2(s_warnings.isEmpty(), qPrintable(s_warnings.join(QLatin1Char('\n'))));
}

void tst_SharedQml::english_sharedTextsFollowTheLanguage()
{
    // No such plugin catalogue: only the framework's own one is there to translate.
    Translation translation(QStringLiteral("noSuchApp"), Translation::LoadMirrelTranslations,
                            Translation::LoadFromResources);
    translation.setLanguage(LanguageSettings::English);

    QObject *permission = create(QStringLiteral("General/CustomPermissionError.qml"));
    QVERIFY(permission);
    auto *back = permission->findChild<QQuickItem *>(QStringLiteral("CustomPermissionErrorContentBackButton"));
    QVERIFY(back);
    QCOMPARE(back->property("text").toString(), QStringLiteral("Back"));
    QCOMPARE(permission->property("text").toString(), QStringLiteral("The required permissions were not granted."));

    QObject *wait = create(QStringLiteral("Popup/CustomWaitPopup.qml"));
    QVERIFY(wait);
    QCOMPARE(wait->property("text").toString(), QStringLiteral("Please wait …"));

    translation.setLanguage(LanguageSettings::German);
    m_engine.retranslate();
    QCOMPARE(back->property("text").toString(), QStringLiteral("Zurück"));
    QCOMPARE(wait->property("text").toString(), QStringLiteral("Bitte warten …"));
    QVERIFY2(s_warnings.isEmpty(), qPrintable(s_warnings.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_SharedQml)
#include "tst_SharedQml.moc"
