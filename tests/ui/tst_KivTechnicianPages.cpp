#include "KivUiFixture.h"

#include "EmulatorProcess.h"
#include "Functions.h"
#include "PtyPair.h"
#include "UtilityFunctions.h"

#include <QAbstractItemModel>
#include <QDataStream>
#include <QFile>
#include <QQuickWindow>
#include <QTest>

#include <memory>

namespace {
enum Page { ConnectionPage = 0, MonitoringPage = 1, SaveLoadPage = 11, TrafficLogPage = 44 };
constexpr int kLoadSubPage = 43;
constexpr int kConnectTimeoutMs = 20000;
constexpr int kPreviewTimeoutMs = 15000;
constexpr int kPageIndexRole = Qt::UserRole + 2;

// A saved ".cfg" file: its header text, then the register list.
QList<quint16> readImage(const QString &path, QString *header)
{
    QFile file(path);
    QList<quint16> registers;
    if (file.open(QIODevice::ReadOnly)) {
        QDataStream in(&file);
        in >> *header >> registers;
    }
    return registers;
}

bool writeImage(const QString &path, const QString &header, const QList<quint16> &registers)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QDataStream out(&file);
    out << header << registers;
    return out.status() == QDataStream::Ok;
}

bool listsPage(QObject *model, int page)
{
    auto *list = qobject_cast<QAbstractItemModel *>(model);
    for (int row = 0; list && row < list->rowCount(); ++row) {
        if (list->index(row, 0).data(kPageIndexRole).toInt() == page)
            return true;
    }
    return false;
}
} // namespace

// The technician's pages against the real plugin and the emulated device: the traffic log page
// and the preview pop-up of a load, in German and English.
class tst_KivTechnicianPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void trafficLog_listedFromLevelOne_showsTheLinkLive();
    void loadPreview_listsTheChangedSettings_cancelClosesIt();

private:
    QQuickItem *find(const QString &suffix) const { return m_ui->visibleItemEndingWith(suffix); }
    bool click(const QString &suffix);
    bool shot(const QString &name);

    std::unique_ptr<KivUiFixture> m_ui;
    PtyPair m_pty;
    EmulatorProcess m_emulator;
};

void tst_KivTechnicianPages::initTestCase()
{
    if (!QFile::exists(EmulatorProcess::programPath()))
        QSKIP("kiv-emulator is not built");
    m_ui = std::make_unique<KivUiFixture>();
    qputenv("HOME", m_ui->dataDir().toUtf8());
    QVERIFY2(m_ui->setUp(), qPrintable(m_ui->errorString()));
    QVERIFY2(m_ui->createRoot(), qPrintable(m_ui->errorString()));
    QVERIFY(QTest::qWaitForWindowExposed(m_ui->window()));

    QVERIFY2(m_pty.start(), qPrintable(m_pty.errorString()));
    QVERIFY2(m_emulator.start(m_pty.deviceSide()), qPrintable(m_emulator.errorString()));
    QObject *kiv = m_ui->backend();
    m_ui->pageManager()->setProperty("pageIndex", ConnectionPage);
    QQuickItem *portBox = nullptr;
    QTRY_VERIFY((portBox = find(QStringLiteral("SerialFormPortBox"))));
    portBox->setProperty("editText", m_pty.appSide());
    QVERIFY(click(QStringLiteral("SerialFormConnectButton")));
    QTRY_VERIFY_WITH_TIMEOUT(kiv->property("connected").toBool(), kConnectTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(m_ui->pageManager()->property("pageIndex").toInt(), int(MonitoringPage),
                              kConnectTimeoutMs);
}

void tst_KivTechnicianPages::init()
{
    KivUiFixture::clearQmlMessages();
}

void tst_KivTechnicianPages::cleanup()
{
    const QStringList messages = KivUiFixture::qmlMessages();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    m_ui->setLanguage(false);
    m_ui->backend()->setProperty("clearance", 0);
}

void tst_KivTechnicianPages::cleanupTestCase()
{
    if (m_ui && m_ui->backend() && m_ui->backend()->property("connected").toBool())
        QMetaObject::invokeMethod(m_ui->backend(), "disconnectDevice");
    m_ui.reset();
    m_emulator.stop();
    m_pty.stop();
}

bool tst_KivTechnicianPages::click(const QString &suffix)
{
    QQuickItem *button = find(suffix);
    return button && button->isEnabled() && QMetaObject::invokeMethod(button, "clicked");
}

bool tst_KivTechnicianPages::shot(const QString &name)
{
    return m_ui->waitForRest() && !m_ui->screenshot(name).isEmpty();
}

void tst_KivTechnicianPages::trafficLog_listedFromLevelOne_showsTheLinkLive()
{
    QObject *bottom = m_ui->pageManager()->property("navModelBottom").value<QObject *>();
    QVERIFY(bottom);
    QVERIFY(!listsPage(bottom, TrafficLogPage));
    m_ui->backend()->setProperty("clearance", 1);
    QVERIFY(listsPage(bottom, TrafficLogPage));

    m_ui->pageManager()->setProperty("pageIndex", TrafficLogPage);
    QQuickItem *list = nullptr;
    QTRY_VERIFY((list = find(QStringLiteral("TrafficLogPageFrameTableList"))));
    // The connection's reads are there, and new requests arrive while the page is shown.
    QTRY_VERIFY(list->property("count").toInt() > 10);
    const int shown = list->property("count").toInt();
    QMetaObject::invokeMethod(m_ui->backend(), "forceReloadAllData");
    QTRY_VERIFY_WITH_TIMEOUT(list->property("count").toInt() > shown, kConnectTimeoutMs);
    QVERIFY(find(QStringLiteral("TrafficLogPageFrameTableListRow0Range")));

    QVERIFY(shot(QStringLiteral("trafficlog_de")));
    m_ui->setLanguage(true);
    QVERIFY(shot(QStringLiteral("trafficlog_en")));

    // Back at the user level the entry and the page are gone.
    m_ui->backend()->setProperty("clearance", 0);
    QVERIFY(!listsPage(bottom, TrafficLogPage));
    QTRY_COMPARE(m_ui->pageManager()->property("pageIndex").toInt(), int(ConnectionPage));
    QTRY_VERIFY_WITH_TIMEOUT(m_ui->backend()->property("connected").toBool(), kConnectTimeoutMs);
}

void tst_KivTechnicianPages::loadPreview_listsTheChangedSettings_cancelClosesIt()
{
    QObject *kiv = m_ui->backend();
    QTRY_VERIFY_WITH_TIMEOUT(kiv->property("connected").toBool() && kiv->property("updateOngoing").toBool(),
                             kConnectTimeoutMs);
    auto *saveLoad = kiv->property("saveLoadBackend").value<QObject *>();
    QVERIFY(saveLoad);
    QVERIFY(QMetaObject::invokeMethod(saveLoad, "writeSettingsToHd", Q_ARG(QString, QStringLiteral("office.cfg")),
                                      Q_ARG(bool, false)));
    const QString path = UtilityFunctions::saveFileDirectory() + QStringLiteral("/office.cfg");
    QString header;
    QList<quint16> file = readImage(path, &header);
    QVERIFY(file.size() > 1020);
    file[30] = quint16(file.at(30) + 120); // altitude
    file[82] = Functions::replaceByte(file.at(82), Functions::highByte(file.at(82)) == 7 ? 5 : 7, Functions::HighByte);
    const QList<quint16> range = Functions::fromUInt32(Functions::toUInt32(file, 1018) + 10);
    file[1018] = range.at(0);
    file[1019] = range.at(1);
    QVERIFY(writeImage(path, header, file));

    m_ui->pageManager()->setProperty("pageIndex", SaveLoadPage);
    m_ui->pageManager()->setProperty("saveLoadIndex", kLoadSubPage);
    QQuickItem *page = nullptr;
    QTRY_VERIFY((page = find(QStringLiteral("MainViewSaveLoadPage"))));
    QMetaObject::invokeMethod(saveLoad, "updateSavedFiles", Q_ARG(QString, QString()));
    page->setProperty("selectedFile", QStringLiteral("office.cfg"));
    QVERIFY(click(QStringLiteral("SaveLoadPageListFrameActionsLoadButton")));

    QObject *popup = m_ui->objectEndingWith(QStringLiteral("SaveLoadPagePreviewPopup"));
    QVERIFY(popup);
    QObject *preview = kiv->property("loadPreview").value<QObject *>();
    QVERIFY(preview);
    // The names are those of the language the preview was made in, so once per language.
    for (const bool english : {false, true}) {
        m_ui->setLanguage(english);
        if (english)
            QVERIFY(click(QStringLiteral("SaveLoadPageListFrameActionsLoadButton")));
        QTRY_VERIFY(popup->property("opened").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(!popup->property("busy").toBool(), kPreviewTimeoutMs);
        QCOMPARE(popup->property("changeCount").toInt(), 3);
        QTRY_VERIFY(find(QStringLiteral("PreviewPopupTableListRow2Name")));
        QCOMPARE(find(QStringLiteral("PreviewPopupTableListRow0Name"))->property("text").toString(),
                 english ? QStringLiteral("Altitude above sea level [m]") : QStringLiteral("Höhe über NN [m]"));
        QVERIFY(shot(english ? QStringLiteral("loadpreview_en") : QStringLiteral("loadpreview_de")));

        QVERIFY(QMetaObject::invokeMethod(popup, "rejectClicked"));
        QTRY_VERIFY(!popup->property("opened").toBool());
        // The blocks settle on the device's values again before the next load may start.
        QTRY_VERIFY_WITH_TIMEOUT(find(QStringLiteral("SaveLoadPageListFrameActionsLoadButton"))->isEnabled(),
                                 kPreviewTimeoutMs);
        QVERIFY(!kiv->property("isLoadingFromDisc").toBool());
    }
}

QTEST_MAIN(tst_KivTechnicianPages)
#include "tst_KivTechnicianPages.moc"
