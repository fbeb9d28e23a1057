#include "EmulatorProcess.h"
#include "KivUiFixture.h"
#include "NemtraUiSteps.h"
#include "PtyPair.h"

#include <QAbstractItemModel>
#include <QFileInfo>
#include <QQuickItem>
#include <QRegularExpression>
#include <QTest>

namespace {
constexpr int kWaitMs = 15000;
constexpr int kTestPage = 41;
constexpr int kTestGeneral = 43;
constexpr int kTestLog = 44;
constexpr int kExpertPage = 10;
} // namespace

// The test page offscreen with the real plugin against the ZNT emulator: reached from the expert
// page, manual requests through its forms, the transfer log fed by the link.
class tst_NemtraTestPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(EmulatorProcess::programPath(QStringLiteral("znt-emulator"))))
            QSKIP("znt-emulator is not built");
        QVERIFY2(m_ui.setUp(), qPrintable(m_ui.errorString()));
        QVERIFY2(m_ui.createRoot(QStringLiteral("qrc:/MainLoRaApp.qml")), qPrintable(m_ui.errorString()));
        QVERIFY(m_ui.waitForRest());
        QVERIFY2(m_pty.start(), qPrintable(m_pty.errorString()));
        QVERIFY2(m_emulator.start(m_pty.deviceSide(),
                                  {QStringLiteral("--parity"), QStringLiteral("none"), QStringLiteral("--model"),
                                   QStringLiteral("F3"), QStringLiteral("--drift-ms"), QStringLiteral("0")}),
                 qPrintable(m_emulator.errorString()));
    }

    void init()
    {
        KivUiFixture::clearQmlMessages();
        QTest::failOnWarning(QRegularExpression(QStringLiteral("qrc:/|\\.qml")));
    }
    void cleanup() { QCOMPARE(KivUiFixture::qmlMessages(), QStringList()); }

    // Not in the menus: the expert page's button leads there, and the page offers its own two
    // sub-pages, which the drawer cannot show for a page it does not list.
    void expertButton_opensTestPageWithItsSubPages()
    {
        QVERIFY(connectTo(m_pty.appSide()));
        QObject *pages = m_ui.published(QStringLiteral("NemtraPageManager"));
        QVERIFY(!m_ui.visibleItemEndingWith(QStringLiteral("TopEntry41Button")));
        pages->setProperty("pageIndex", kExpertPage);
        QVERIFY(click(QStringLiteral("ExpertPageOpenTestPage")));
        QCOMPARE(pages->property("pageIndex").toInt(), kTestPage);
        QCOMPARE(pages->property("testPageIndex").toInt(), kTestGeneral);
        QQuickItem *sent = nullptr;
        QTRY_VERIFY((sent = m_ui.visibleItemEndingWith(QStringLiteral("TestPageGeneralLastSent"))));
        QCOMPARE(sent->property("text").toString(), QStringLiteral("------"));
        QCOMPARE(m_ui.visibleItemEndingWith(QStringLiteral("TestPageGeneralLastReceived"))->property("text").toString(),
                 QStringLiteral("------"));
        // The menus stay as they are.
        QVERIFY(!m_ui.visibleItemEndingWith(QStringLiteral("TopEntry41Button")));

        QVERIFY(click(QStringLiteral("TestPageTabsEntry44")));
        QCOMPARE(pages->property("testPageIndex").toInt(), kTestLog);
        QTRY_VERIFY(m_ui.visibleItemEndingWith(QStringLiteral("TestPageLogList")));
        QVERIFY(click(QStringLiteral("TestPageTabsEntry43")));
        QTRY_VERIFY(m_ui.visibleItemEndingWith(QStringLiteral("TestPageGeneralLastSent")));

        // The sub-page buttons follow the language.
        QQuickItem *logTab = m_ui.visibleItemEndingWith(QStringLiteral("TestPageTabsEntry44"));
        QCOMPARE(logTab->property("text").toString(), QStringLiteral("Transferlog"));
        m_ui.setLanguage(true);
        QTRY_COMPARE(m_ui.visibleItemEndingWith(QStringLiteral("TestPageTabsEntry44"))->property("text").toString(),
                     QStringLiteral("Transfer log"));
        m_ui.setLanguage(false);
        QTRY_COMPARE(m_ui.visibleItemEndingWith(QStringLiteral("TestPageTabsEntry44"))->property("text").toString(),
                     QStringLiteral("Transferlog"));
    }

    // Requests typed into the forms reach the device; what comes back is shown; bad input is
    // refused on the page with its reason.
    void forms_readWriteAndRefuse()
    {
        QObject *pages = m_ui.published(QStringLiteral("NemtraPageManager"));
        pages->setProperty("pageIndex", kTestPage);
        pages->setProperty("testPageIndex", kTestGeneral);
        QQuickItem *received = nullptr;
        QTRY_VERIFY((received = m_ui.visibleItemEndingWith(QStringLiteral("TestPageGeneralLastReceived"))));
        QQuickItem *sent = m_ui.visibleItemEndingWith(QStringLiteral("TestPageGeneralLastSent"));

        const QList<quint16> device = m_emulator.registers();
        setText(QStringLiteral("GeneralReadRegister"), QStringLiteral("C000"));
        setText(QStringLiteral("GeneralReadCount"), QStringLiteral("3"));
        QVERIFY(click(QStringLiteral("GeneralReadRequest")));
        QCOMPARE(sent->property("text").toString(), QStringLiteral("READ C000 (3)"));
        const QString values = QStringLiteral("C000: %1 %2 %3")
                                   .arg(hex(device.at(0xC000)), hex(device.at(0xC001)), hex(device.at(0xC002)));
        QTRY_COMPARE_WITH_TIMEOUT(received->property("text").toString(), values, kWaitMs);

        // In each language, so that the texts made by the back end are shown translated too.
        for (bool english : {false, true}) {
            m_ui.setLanguage(english);
            QVERIFY(m_ui.waitForRest());
            setText(QStringLiteral("GeneralWriteMultiRegister"), QStringLiteral("0310"));
            setText(QStringLiteral("GeneralWriteMultiValues"), QStringLiteral("12 34 5678"));
            QVERIFY(click(QStringLiteral("GeneralWriteMultiRequest")));
            QTRY_COMPARE_WITH_TIMEOUT(received->property("text").toString(),
                                      english ? QStringLiteral("0310: written") : QStringLiteral("0310: geschrieben"),
                                      kWaitMs);
            QCOMPARE(m_emulator.registers().mid(0x310, 3), (QList<quint16>{0x12, 0x34, 0x5678}));

            setText(QStringLiteral("GeneralWriteSingleRegister"), QStringLiteral("FFFF"));
            setText(QStringLiteral("GeneralWriteSingleValue"), QStringLiteral("1"));
            QVERIFY(click(QStringLiteral("GeneralWriteSingleRequest")));
            QQuickItem *message = m_ui.visibleItemEndingWith(QStringLiteral("TestPageGeneralMessage"));
            QVERIFY(message);
            QCOMPARE(message->property("text").toString(),
                     english ? QStringLiteral("The register must be between 0000 and FFFE (hexadecimal).")
                             : QStringLiteral("Das Register muss zwischen 0000 und FFFE (hexadezimal) liegen."));
            QCOMPARE(sent->property("text").toString(), QStringLiteral("WRITE 0310 (3) = 0012 0034 5678"));
            QVERIFY(m_ui.waitForRest());
            QVERIFY(!m_ui.screenshot(QStringLiteral("znt_test_general") +
                                     (english ? QStringLiteral("_en") : QStringLiteral("_de")))
                         .isEmpty());
        }
        m_ui.setLanguage(false);
    }

    // The log page lists what the link sent and received, with time stamps, and can be cleared.
    void logPage_listsTrafficAndClears()
    {
        QObject *pages = m_ui.published(QStringLiteral("NemtraPageManager"));
        pages->setProperty("pageIndex", kTestPage);
        pages->setProperty("testPageIndex", kTestLog);
        QQuickItem *list = nullptr;
        QTRY_VERIFY((list = m_ui.visibleItemEndingWith(QStringLiteral("TestPageLogList"))));
        auto *log = qobject_cast<QAbstractItemModel *>(m_ui.published(QStringLiteral("NemtraTestLog")));
        QVERIFY(log);
        QTRY_VERIFY(list->property("count").toInt() > 0);
        QStringList entries;
        for (int row = 0; row < log->rowCount(); ++row)
            entries.append(log->index(row, 0).data(Qt::UserRole + 3).toString());
        QVERIFY(entries.contains(QStringLiteral("READ C002 (1)")));
        QVERIFY(entries.contains(QStringLiteral("WRITE 0310 (3) = 0012 0034 5678")));
        QVERIFY(entries.contains(QStringLiteral("0310: OK")));
        QVERIFY(!entries.join('\n').contains(QLatin1String("FFFF = ")));
        const QString stamp = log->index(0, 0).data(Qt::UserRole + 2).toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}$"))
                     .match(stamp)
                     .hasMatch(),
                 qPrintable(stamp));
        screenshots(QStringLiteral("znt_test_log"));

        // Polling goes on, so the list fills again; right after the click it starts afresh.
        QVERIFY(QMetaObject::invokeMethod(m_ui.visibleItemEndingWith(QStringLiteral("TestPageLogClear")), "clicked"));
        QVERIFY(log->rowCount() < 3);
        QVERIFY(disconnectDevice());
    }

private:
    static QString hex(quint16 value) { return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper(); }

    void setText(const QString &suffix, const QString &text)
    {
        QQuickItem *field = m_ui.visibleItemEndingWith(suffix);
        QVERIFY2(field, qPrintable(suffix));
        field->setProperty("text", text);
    }

    void screenshots(const QString &name)
    {
        for (bool english : {false, true}) {
            m_ui.setLanguage(english);
            QVERIFY(m_ui.waitForRest());
            QVERIFY(!m_ui.screenshot(name + (english ? QStringLiteral("_en") : QStringLiteral("_de"))).isEmpty());
        }
        m_ui.setLanguage(false);
        QVERIFY(m_ui.waitForRest());
    }

    bool connectTo(const QString &port) { return NemtraUiSteps::connectTo(m_ui, port); }

    bool disconnectDevice()
    {
        QObject *backend = m_ui.published(QStringLiteral("NemtraBackend"));
        m_ui.published(QStringLiteral("NemtraPageManager"))->setProperty("pageIndex", 13);
        return QTest::qWaitFor([&] { return !backend->property("connected").toBool(); }, 10000);
    }

    bool click(const QString &name)
    {
        QQuickItem *button = m_ui.visibleItemEndingWith(name);
        if (!button)
            qWarning() << "no visible" << name;
        return button && QMetaObject::invokeMethod(button, "clicked") && m_ui.waitForRest();
    }

    KivUiFixture m_ui{QStringLiteral("*NemtraApp.*")};
    PtyPair m_pty;
    EmulatorProcess m_emulator{QStringLiteral("znt-emulator")};
};

QTEST_MAIN(tst_NemtraTestPage)
#include "tst_NemtraTestPage.moc"
