#include "KivUiFixture.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// The ZNT plugin's root page offscreen, as the host shows it before any device is connected.
class tst_NemtraShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_ui.setUp(), qPrintable(m_ui.errorString()));
        QVERIFY2(m_ui.createRoot(QStringLiteral("qrc:/MainLoRaApp.qml")), qPrintable(m_ui.errorString()));
        QVERIFY(m_ui.waitForRest());
    }

    void init() { KivUiFixture::clearQmlMessages(); }
    void cleanup() { QCOMPARE(KivUiFixture::qmlMessages(), QStringList()); }

    void firstPage_connectionPageWithInfoAndOnlyWorkingEntries()
    {
        QTRY_VERIFY(m_ui.visibleItemEndingWith(QStringLiteral("MainViewConnectPage")));
        QVERIFY(m_ui.visibleItemEndingWith(QStringLiteral("SubPageSerialConnectButton")));
        QQuickItem *info = m_ui.visibleItemEndingWith(QStringLiteral("InfoBarText"));
        QVERIFY(info);
        QVERIFY(info->property("text").toString().contains(QStringLiteral("USB-Kabel")));

        // Without a device only the connection manager and the way back are offered.
        QCOMPARE(drawerEntries(QStringLiteral("Top")), QStringList{QStringLiteral("Verbindungsmanager")});
        QCOMPARE(drawerEntries(QStringLiteral("Bottom")), QStringList{QStringLiteral("Zurück")});
        QCOMPARE(drawerEntries(QStringLiteral("Top"), true),
                 (QStringList{QStringLiteral("USB"), QStringLiteral("Gerät simulieren")}));
        QVERIFY(!m_ui.visibleItemEndingWith(QStringLiteral("HeaderWarning")));
        QCOMPARE(m_ui.visibleItemEndingWith(QStringLiteral("SerialTimeoutBox"))->property("displayText").toString(),
                 QStringLiteral("500 ms"));
        QCOMPARE(m_ui.visibleItemEndingWith(QStringLiteral("SerialRetryBox"))->property("displayText").toString(),
                 QStringLiteral("1"));

        QVERIFY(!m_ui.screenshot(QStringLiteral("znt_connection_de")).isEmpty());
        m_ui.setLanguage(true);
        QTRY_COMPARE(drawerEntries(QStringLiteral("Top")), QStringList{QStringLiteral("Connection manager")});
        QVERIFY(info->property("text").toString().contains(QStringLiteral("USB cable")));
        QVERIFY(m_ui.waitForRest());
        QVERIFY(!m_ui.screenshot(QStringLiteral("znt_connection_en")).isEmpty());
        m_ui.setLanguage(false);
        QTRY_COMPARE(drawerEntries(QStringLiteral("Top")), QStringList{QStringLiteral("Verbindungsmanager")});
    }

    void unknownPort_refusedWithMessageAndNothingSent()
    {
        QObject *backend = m_ui.published(QStringLiteral("NemtraBackend"));
        QSignalSpy connectRequests(backend, SIGNAL(connectToSerial(QVariantList, QString)));
        QQuickItem *portBox = m_ui.visibleItemEndingWith(QStringLiteral("SubPageSerialPortBox"));
        QVERIFY(portBox);
        portBox->setProperty("editText", m_ui.dataDir() + QStringLiteral("/no-such-port"));
        QVERIFY(QMetaObject::invokeMethod(m_ui.objectEndingWith(QStringLiteral("SubPageSerial")), "connectDevice"));
        QCOMPARE(connectRequests.count(), 0);
        QQuickItem *hint = m_ui.visibleItemEndingWith(QStringLiteral("SubPageSerialHint"));
        QVERIFY(hint);
        QVERIFY(hint->property("text").toString().contains(QStringLiteral("no-such-port")));
        QVERIFY(!backend->property("showProgressbar").toBool());
    }

    void simulateEntry_offersBothDeviceModels()
    {
        QObject *pageManager = m_ui.published(QStringLiteral("NemtraPageManager"));
        QVERIFY(QMetaObject::invokeMethod(pageManager, "setIndexByGroup", Q_ARG(int, 0), Q_ARG(int, 19)));
        QTRY_VERIFY(m_ui.objectEndingWith(QStringLiteral("PopupsSimulate"))->property("opened").toBool());
        QCOMPARE(pageManager->property("connectionPageIndex").toInt(), 17);
        QObject *popup = m_ui.objectEndingWith(QStringLiteral("PopupsSimulate"));
        QCOMPARE(popup->property("models").toStringList(),
                 (QStringList{QStringLiteral("FEROX 3 ZNT"), QStringLiteral("VTX ZNT")}));
        QVERIFY(m_ui.waitForRest());
        QVERIFY(!m_ui.screenshot(QStringLiteral("znt_simulate_de")).isEmpty());
        QVERIFY(QMetaObject::invokeMethod(popup, "close"));
        QTRY_VERIFY(!popup->property("visible").toBool());
    }

    void simulatedDevice_connectsToMonitoringAndDisconnects()
    {
        QObject *backend = m_ui.published(QStringLiteral("NemtraBackend"));
        QObject *pageManager = m_ui.published(QStringLiteral("NemtraPageManager"));
        QObject *loadPopup = m_ui.objectEndingWith(QStringLiteral("PopupsConnectAndLoad"));
        QVERIFY(QMetaObject::invokeMethod(m_ui.objectEndingWith(QStringLiteral("PopupsSimulate")), "simulate",
                                          Q_ARG(QVariant, 0)));
        QTRY_VERIFY(loadPopup->property("opened").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(!loadPopup->property("visible").toBool(), 20000);
        QVERIFY(backend->property("connected").toBool());
        QVERIFY(!backend->property("showProgressbar").toBool());
        // After loading the device the monitoring page is shown.
        QCOMPARE(pageManager->property("pageIndex").toInt(), 1);
        QVERIFY(drawerEntries(QStringLiteral("Top")).contains(QStringLiteral("Verbindungsmanager")));
        QVERIFY(drawerEntries(QStringLiteral("Top")).size() > 1);
        QCOMPARE(drawerEntries(QStringLiteral("Bottom")),
                 (QStringList{QStringLiteral("Verbindung trennen"), QStringLiteral("Zurück")}));
        QTRY_VERIFY(!m_ui.visibleItemEndingWith(QStringLiteral("InfoBarText")));
        QVERIFY(m_ui.waitForRest());
        QVERIFY(!m_ui.screenshot(QStringLiteral("znt_simulated_de")).isEmpty());

        QVERIFY(pageManager->setProperty("pageIndex", 13));
        QTRY_VERIFY(!backend->property("connected").toBool());
        QTRY_COMPARE(drawerEntries(QStringLiteral("Bottom")), QStringList{QStringLiteral("Zurück")});
        QTRY_VERIFY(m_ui.visibleItemEndingWith(QStringLiteral("InfoBarText")));
    }

    // A window as narrow as a phone: header with menu and action button, the drawer sliding in,
    // and the sub-page footer of the monitoring and sensor pages.
    void mobileLayout_headerDrawerAndFooter()
    {
        QObject *backend = m_ui.published(QStringLiteral("NemtraBackend"));
        QObject *pageManager = m_ui.published(QStringLiteral("NemtraPageManager"));
        QObject *loadPopup = m_ui.objectEndingWith(QStringLiteral("PopupsConnectAndLoad"));
        QVERIFY(QMetaObject::invokeMethod(m_ui.objectEndingWith(QStringLiteral("PopupsSimulate")), "simulate",
                                          Q_ARG(QVariant, 0)));
        QTRY_VERIFY_WITH_TIMEOUT(backend->property("connected").toBool() && !loadPopup->property("visible").toBool(),
                                 20000);
        const QSize desktop = m_ui.window()->size();
        m_ui.window()->resize(420, 820);
        QTRY_VERIFY(m_ui.root()->property("isMobile").toBool());
        QTRY_VERIFY(!m_ui.visibleItemEndingWith(QStringLiteral("NemtraPluginNavigationTopEntry1Button")));
        QQuickItem *action = m_ui.visibleItemEndingWith(QStringLiteral("MenuHeaderAction"));
        QVERIFY(action);
        QCOMPARE(action->property("text").toString(), QStringLiteral("Neu laden"));

        // The footer switches the monitoring group's sub-pages.
        pageManager->setProperty("pageIndex", 1);
        QQuickItem *liveButton = nullptr;
        QTRY_VERIFY((liveButton = m_ui.visibleItemEndingWith(QStringLiteral("NemtraFooterMonitoringButtons22"))));
        QVERIFY(QMetaObject::invokeMethod(liveButton, "clicked"));
        QTRY_COMPARE(pageManager->property("monitoringPageIndex").toInt(), 22);
        QTRY_VERIFY(m_ui.visibleItemEndingWith(QStringLiteral("LiveRefresh")));
        QVERIFY(m_ui.waitForRest());
        QVERIFY(!m_ui.screenshot(QStringLiteral("znt_mobile_live_de")).isEmpty());

        // The drawer: a group stays open for its sub-pages, a sub-page closes it.
        QObject *drawer = m_ui.objectEndingWith(QStringLiteral("NemtraPluginNavigationMobile"));
        QVERIFY(drawer);
        QVERIFY(QMetaObject::invokeMethod(m_ui.item(QStringLiteral("NemtraPluginMenuHeader")), "menuClicked"));
        QTRY_VERIFY(drawer->property("opened").toBool());
        QVERIFY(m_ui.waitForRest());
        QVERIFY(!m_ui.screenshot(QStringLiteral("znt_mobile_drawer_de")).isEmpty());
        QQuickItem *sensors = m_ui.visibleItemEndingWith(QStringLiteral("MobileContentTopEntry2Button"));
        QVERIFY(sensors);
        QVERIFY(QMetaObject::invokeMethod(sensors, "clicked"));
        QTRY_COMPARE(pageManager->property("pageIndex").toInt(), 2);
        QVERIFY(drawer->property("opened").toBool());
        QQuickItem *channel = nullptr;
        QTRY_VERIFY((channel = m_ui.visibleItemEndingWith(QStringLiteral("MobileContentTopEntry2SubEntry25"))));
        QVERIFY(QMetaObject::invokeMethod(channel, "clicked"));
        QTRY_VERIFY(!drawer->property("visible").toBool());
        QCOMPARE(pageManager->property("sensorPageIndex").toInt(), 25);
        QTRY_VERIFY(m_ui.visibleItemEndingWith(QStringLiteral("NemtraFooterSensorsButtons25")));

        // A changed value turns the header's button into the store command's question.
        backend->setProperty("valuesModified", true);
        QTRY_COMPARE(action->property("text").toString(), QStringLiteral("Speichern"));
        QVERIFY(QMetaObject::invokeMethod(action, "clicked"));
        QObject *save = m_ui.objectEndingWith(QStringLiteral("PopupsSave"));
        QVERIFY(save);
        QTRY_VERIFY(save->property("opened").toBool());
        QVERIFY(m_ui.waitForRest());
        QVERIFY(!m_ui.screenshot(QStringLiteral("znt_mobile_save_de")).isEmpty());
        QVERIFY(QMetaObject::invokeMethod(save, "close"));
        backend->setProperty("valuesModified", false);

        m_ui.window()->resize(desktop);
        QTRY_VERIFY(!m_ui.root()->property("isMobile").toBool());
        QTRY_VERIFY(m_ui.visibleItemEndingWith(QStringLiteral("NemtraPluginNavigationTopEntry1Button")));
        QVERIFY(pageManager->setProperty("pageIndex", 13));
        QTRY_VERIFY(!backend->property("connected").toBool());
    }

private:
    // Texts of the drawer's visible entries; sub = the unfolded sub-entries of the selected group.
    QStringList drawerEntries(const QString &list, bool sub = false) const
    {
        const QRegularExpression entry(QStringLiteral("^NemtraPluginNavigation%1Entry\\d+%2$")
                                           .arg(list,
                                                sub                                ? QStringLiteral("SubEntry\\d+")
                                                    : list == QLatin1String("Top") ? QStringLiteral("Button")
                                                                                   : QString()));
        QStringList texts;
        for (QObject *object : m_ui.allObjects()) {
            auto *item = qobject_cast<QQuickItem *>(object);
            if (item && item->isVisible() && item->height() > 0 && entry.match(object->objectName()).hasMatch())
                texts.append(item->property("text").toString());
        }
        return texts;
    }

    KivUiFixture m_ui{QStringLiteral("*NemtraApp.*")};
};

QTEST_MAIN(tst_NemtraShell)
#include "tst_NemtraShell.moc"
