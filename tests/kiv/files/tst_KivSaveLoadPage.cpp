#include "BaseSettings.h"
#include "ErrorManagement.h"
#include "KivDeviceSetup.h"
#include "KivNavigationEnums.h"
#include "KivSaveAndLoad.h"
#include "UtilityFunctions.h"

#include <QFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kImageSize = 300;
const QString kOtherDevice = QStringLiteral("Die Datei passt nicht zum verbundenen Gerät!");

QStringList s_qmlMessages;
QtMessageHandler s_previousHandler = nullptr;

void collectQmlMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray category(context.category ? context.category : "");
    if (type != QtDebugMsg && type != QtInfoMsg &&
        (category.startsWith("qml") || category.startsWith("js") || message.contains(QLatin1String(".qml"))))
        s_qmlMessages << message;
    if (s_previousHandler)
        s_previousHandler(type, context, message);
}

QList<quint16> deviceImage(const QByteArray &name, int fill)
{
    QList<quint16> image(kImageSize);
    for (int i = 0; i < kImageSize; ++i)
        image[i] = quint16(fill + i);
    for (int i = 0; i < 20; ++i) {
        const quint16 low = 2 * i < name.size() ? quint8(name.at(2 * i)) : 0;
        const quint16 high = 2 * i + 1 < name.size() ? quint8(name.at(2 * i + 1)) : 0;
        image[4 + i] = quint16(low | (high << 8));
    }
    return image;
}
} // namespace

// The back end as far as the page sees it: its image, the save/load object and the load answer.
class FakeKiv : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool connected MEMBER m_connected NOTIFY connectedChanged)
    Q_PROPERTY(bool isLoadingFromDisc MEMBER m_isLoadingFromDisc NOTIFY isLoadingFromDiscChanged)
    Q_PROPERTY(QVariant saveLoadBackend READ saveLoadBackend CONSTANT)
    Q_PROPERTY(QVariant deviceInfo READ deviceInfo CONSTANT)
    Q_PROPERTY(QObject *loadPreview READ loadPreview CONSTANT)

public:
    FakeKiv()
    {
        m_image = deviceImage("KIV-TH office", 0);
        m_setup.updateFromImage(m_image);
        connect(&m_saveLoad, &SaveAndLoad::loadedFromFile, this, [this](const QList<quint16> &values) {
            switch (KivSaveAndLoad::applyLoadedImage(values, m_image)) {
            case KivSaveAndLoad::LoadCheck::Applied:
                break;
            case KivSaveAndLoad::LoadCheck::Empty:
                emit errorPlainText(QStringLiteral("Fehler beim Laden der Datei!"));
                break;
            case KivSaveAndLoad::LoadCheck::OtherDevice:
                emit errorPlainText(kOtherDevice);
                break;
            }
        });
        // Documents are written by the back end, which reports success itself.
        connect(&m_saveLoad, &KivSaveAndLoad::writeJson, this, [this](const QString &path) {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly) && file.write("{}") == 2)
                emit writingFileSuccessfully();
        });
    }

    QVariant saveLoadBackend() { return QVariant::fromValue<QObject *>(&m_saveLoad); }
    // The back end's load with preview: the page hands it the file's full path; a file of
    // another device is refused with a message, an unreadable one silently.
    Q_INVOKABLE bool previewLoad(const QString &filePath)
    {
        if (!filePath.endsWith(QStringLiteral(".json"))) {
            QList<quint16> probe = m_image;
            switch (KivSaveAndLoad::applyLoadedImage(readCfgFile(filePath), probe)) {
            case KivSaveAndLoad::LoadCheck::Applied:
                break;
            case KivSaveAndLoad::LoadCheck::Empty:
                return false;
            case KivSaveAndLoad::LoadCheck::OtherDevice:
                emit errorPlainText(kOtherDevice);
                return false;
            }
        }
        m_previewed << filePath;
        return true;
    }
    QStringList m_previewed;
    QObject *loadPreview() const { return nullptr; }
    QVariant deviceInfo() { return QVariant::fromValue<QObject *>(&m_setup); }

    QList<quint16> m_image;
    KivSaveAndLoad m_saveLoad{&m_image};
    KivDeviceSetup m_setup;
    bool m_connected = true;
    bool m_isLoadingFromDisc = false;

signals:
    void connectedChanged();
    void isLoadingFromDiscChanged();
    void errorPlainText(QString error);
    void writingFileSuccessfully();
};

class FakePageManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int saveLoadIndex MEMBER m_saveLoadIndex NOTIFY saveLoadIndexChanged)
public:
    int m_saveLoadIndex = KivNavigationEnums::KivSavePage;
signals:
    void saveLoadIndexChanged();
};

class tst_KivSaveLoadPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void list_showsEachSavedFileWithItsDevice();
    void save_underANewName_writesAndListsIt_existingNameAsksFirst();
    void load_fileOfThisDevice_startsThePreview();
    void load_refusedOrUnreadableFile_reportedOnce();
    void delete_afterConfirmation_removesTheFile();
    void jsonDocument_savedAndLoadedThroughTheBackEnd();

private:
    void cleanupPage();
    QQuickItem *item(const QString &suffix) const;
    void click(const QString &suffix);
    void select(const QString &fileName);

    QTemporaryDir m_dir;
    std::unique_ptr<FakeKiv> m_kiv;
    std::unique_ptr<FakePageManager> m_pageManager;
    std::unique_ptr<ErrorManagement> m_errors;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    QQuickItem *m_page = nullptr;
};

void tst_KivSaveLoadPage::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qmlRegisterUncreatableMetaObject(KivNavigationEnums::staticMetaObject, "KivPageEnums", 1, 0, "KivPage",
                                     QStringLiteral("enumeration"));
    s_previousHandler = qInstallMessageHandler(collectQmlMessages);
}

void tst_KivSaveLoadPage::init()
{
    cleanupPage();
    // Fresh settings and folders: the saved-file list must not point into an earlier test's files.
    static int run = 0;
    ++run;
    BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("settings%1.ini").arg(run)));
    UtilityFunctions::setRootDirectory(m_dir.filePath(QStringLiteral("root%1").arg(run)));
    QVERIFY(UtilityFunctions::createNeededFolders());
    s_qmlMessages.clear();

    m_kiv = std::make_unique<FakeKiv>();
    m_pageManager = std::make_unique<FakePageManager>();
    m_errors = std::make_unique<ErrorManagement>();
    // Files already saved before the page opens: one of this device, one of another.
    QVERIFY(writeCfgFile(UtilityFunctions::saveFileDirectory() + QStringLiteral("/mine.cfg"),
                         deviceImage("KIV-TH office", 1000)));
    QVERIFY(writeCfgFile(UtilityFunctions::saveFileDirectory() + QStringLiteral("/theirs.cfg"),
                         deviceImage("KIV-CO2 lab", 1000)));

    m_engine = std::make_unique<QQmlEngine>();
    m_engine->rootContext()->setContextProperty(QStringLiteral("Kiv"), m_kiv.get());
    m_engine->rootContext()->setContextProperty(QStringLiteral("KivPageManager"), m_pageManager.get());
    m_engine->rootContext()->setContextProperty(QStringLiteral("ErrMessage"), m_errors.get());
    m_window = std::make_unique<QQuickWindow>();
    m_window->resize(900, 1200);

    QQmlComponent component(m_engine.get(),
                            QUrl::fromLocalFile(QStringLiteral(KIV_QML_DIR "/SaveLoad/KivSaveLoadPage.qml")));
    QObject *object = component.create();
    QVERIFY2(object, qPrintable(component.errorString()));
    m_page = qobject_cast<QQuickItem *>(object);
    m_page->setParentItem(m_window->contentItem());
    m_page->setSize(QSizeF(900, 1200));
    m_window->show();
    QTRY_VERIFY(item(QStringLiteral("ListFrameListEntry1")));
}

void tst_KivSaveLoadPage::cleanup()
{
    cleanupPage();
    QCOMPARE(s_qmlMessages, QStringList());
}

void tst_KivSaveLoadPage::cleanupPage()
{
    // The page goes before the objects its bindings read.
    delete m_page;
    m_page = nullptr;
    m_window.reset();
    m_engine.reset();
}

QQuickItem *tst_KivSaveLoadPage::item(const QString &suffix) const
{
    // List delegates are only children in the item tree, not QObject children.
    const QString name = QStringLiteral("KivSaveLoadPage") + suffix;
    QList<QQuickItem *> pending{m_page};
    while (!pending.isEmpty()) {
        QQuickItem *candidate = pending.takeFirst();
        if (candidate->objectName() == name)
            return candidate;
        pending << candidate->childItems();
    }
    return nullptr;
}

void tst_KivSaveLoadPage::click(const QString &suffix)
{
    QObject *button = item(suffix);
    if (!button) {
        // Pop-up content lives below the overlay, outside the page's item tree.
        button = m_page->findChild<QObject *>(QStringLiteral("KivSaveLoadPage") + suffix);
    }
    QVERIFY2(button, qPrintable(suffix));
    QVERIFY(button->property("enabled").toBool());
    QVERIFY(QMetaObject::invokeMethod(button, "clicked"));
}

void tst_KivSaveLoadPage::select(const QString &fileName)
{
    m_page->setProperty("selectedFile", fileName);
}

void tst_KivSaveLoadPage::list_showsEachSavedFileWithItsDevice()
{
    QCOMPARE(item(QStringLiteral("ListFrameListEntry0Name"))->property("text").toString(), QStringLiteral("mine.cfg"));
    QCOMPARE(item(QStringLiteral("ListFrameListEntry0Device"))->property("text").toString(),
             QStringLiteral("Gerät: KIV-TH office "));
    QCOMPARE(item(QStringLiteral("ListFrameListEntry1Device"))->property("text").toString(),
             QStringLiteral("Gerät: KIV-CO2 lab "));

    item(QStringLiteral("ListFrameFilterField"))->setProperty("text", QStringLiteral("THEIR"));
    QTRY_COMPARE(item(QStringLiteral("ListFrameList"))->property("count").toInt(), 1);
}

void tst_KivSaveLoadPage::save_underANewName_writesAndListsIt_existingNameAsksFirst()
{
    QSignalSpy saved(&m_kiv->m_saveLoad, &KivSaveAndLoad::writingFileSuccessfully);
    item(QStringLiteral("SaveFrameNameField"))->setProperty("text", QStringLiteral("office"));
    click(QStringLiteral("SaveFrameSaveButton"));
    QCOMPARE(saved.size(), 1);
    QCOMPARE(readCfgFile(UtilityFunctions::saveFileDirectory() + QStringLiteral("/office.cfg")), m_kiv->m_image);
    QVERIFY(m_kiv->m_saveLoad.savedFiles().contains(QStringLiteral("office.cfg")));
    QCOMPARE(item(QStringLiteral("SaveFrameNameField"))->property("text").toString(), QString());

    // An existing name is only overwritten after confirmation.
    m_kiv->m_image[100] = 4242;
    item(QStringLiteral("SaveFrameNameField"))->setProperty("text", QStringLiteral("mine.cfg"));
    click(QStringLiteral("SaveFrameSaveButton"));
    QCOMPARE(saved.size(), 1);
    QObject *popup = m_page->findChild<QObject *>(QStringLiteral("KivSaveLoadPageOverwritePopup"));
    QVERIFY(popup);
    QTRY_VERIFY(popup->property("opened").toBool());
    QVERIFY(QMetaObject::invokeMethod(popup, "acceptClicked"));
    QCOMPARE(saved.size(), 2);
    QCOMPARE(readCfgFile(UtilityFunctions::saveFileDirectory() + QStringLiteral("/mine.cfg")).at(100), 4242);
}

void tst_KivSaveLoadPage::load_fileOfThisDevice_startsThePreview()
{
    select(QStringLiteral("mine.cfg"));
    click(QStringLiteral("ListFrameActionsLoadButton"));

    // Nothing is queued for the device before the preview has been confirmed.
    QCOMPARE(m_kiv->m_previewed, QStringList{UtilityFunctions::saveFileDirectory() + QStringLiteral("/mine.cfg")});
    QVERIFY(!m_kiv->m_isLoadingFromDisc);
    QCOMPARE(m_errors->count(), 0);
}

void tst_KivSaveLoadPage::load_refusedOrUnreadableFile_reportedOnce()
{
    const QList<quint16> before = m_kiv->m_image;
    QSignalSpy loading(m_kiv.get(), &FakeKiv::isLoadingFromDiscChanged);
    QSignalSpy errors(m_kiv.get(), &FakeKiv::errorPlainText);

    select(QStringLiteral("theirs.cfg"));
    click(QStringLiteral("ListFrameActionsLoadButton"));
    QCOMPARE(loading.size(), 0);
    QVERIFY(m_kiv->m_previewed.isEmpty());
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first().first().toString(), kOtherDevice);
    // Reported once, by the back end.
    QCOMPARE(m_errors->count(), 0);
    QCOMPARE(m_kiv->m_image, before);

    // A damaged file is silent below the page; the page says that nothing was loaded.
    QFile damaged(UtilityFunctions::saveFileDirectory() + QStringLiteral("/mine.cfg"));
    QVERIFY(damaged.resize(30));
    select(QStringLiteral("mine.cfg"));
    click(QStringLiteral("ListFrameActionsLoadButton"));
    QVERIFY(!m_kiv->m_isLoadingFromDisc);
    QCOMPARE(m_errors->errorMsg(), QStringList{QStringLiteral("Laden fehlgeschlagen!")});
    QCOMPARE(m_kiv->m_image, before);
}

void tst_KivSaveLoadPage::delete_afterConfirmation_removesTheFile()
{
    select(QStringLiteral("theirs.cfg"));
    click(QStringLiteral("ListFrameActionsDeleteButton"));
    QObject *popup = m_page->findChild<QObject *>(QStringLiteral("KivSaveLoadPageDeletePopup"));
    QVERIFY(popup);
    QTRY_VERIFY(popup->property("opened").toBool());
    QVERIFY(QFileInfo::exists(UtilityFunctions::saveFileDirectory() + QStringLiteral("/theirs.cfg")));

    QVERIFY(QMetaObject::invokeMethod(popup, "acceptClicked"));
    QVERIFY(!QFileInfo::exists(UtilityFunctions::saveFileDirectory() + QStringLiteral("/theirs.cfg")));
    QCOMPARE(m_kiv->m_saveLoad.savedFiles(), QStringList{QStringLiteral("mine.cfg")});
    QCOMPARE(m_page->property("selectedFile").toString(), QString());
}

void tst_KivSaveLoadPage::jsonDocument_savedAndLoadedThroughTheBackEnd()
{
    QObject *typeBox = item(QStringLiteral("SaveFrameTypeBox"));
    QVERIFY(typeBox);
    typeBox->setProperty("currentIndex", 1);
    QCOMPARE(typeBox->property("currentText").toString(), QStringLiteral(".json"));
    item(QStringLiteral("SaveFrameNameField"))->setProperty("text", QStringLiteral("office"));
    click(QStringLiteral("SaveFrameSaveButton"));
    const QString path = UtilityFunctions::saveFileDirectory() + QStringLiteral("/office.json");
    QVERIFY(QFile::exists(path));
    // Listed and the name field emptied, as for a register image.
    QTRY_VERIFY(m_kiv->m_saveLoad.savedFiles().contains(QStringLiteral("office.json")));
    QCOMPARE(item(QStringLiteral("SaveFrameNameField"))->property("text").toString(), QString());

    select(QStringLiteral("office.json"));
    QVERIFY(item(QStringLiteral("ListFrameActionsLoadButton"))->property("enabled").toBool());
    click(QStringLiteral("ListFrameActionsLoadButton"));
    QCOMPARE(m_kiv->m_previewed, QStringList{path});
    QCOMPARE(m_errors->count(), 0);
}

QTEST_MAIN(tst_KivSaveLoadPage)
#include "tst_KivSaveLoadPage.moc"
