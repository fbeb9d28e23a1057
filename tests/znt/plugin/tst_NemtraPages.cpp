#include "EmulatorProcess.h"
#include "KivUiFixture.h"
#include "PtyPair.h"

#include <QFileInfo>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QRegularExpression>
#include <QTest>

#include <memory>

// The ZNT device pages offscreen on both simulated device models.
class tst_NemtraPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_ui.setUp(), qPrintable(m_ui.errorString()));
        QVERIFY2(m_ui.createRoot(QStringLiteral("qrc:/MainLoRaApp.qml")), qPrintable(m_ui.errorString()));
        QVERIFY(m_ui.waitForRest());
    }

    void init()
    {
        KivUiFixture::clearQmlMessages();
        // The test library's own message handler replaces the fixture's collector, so QML
        // warnings are failed here directly.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("qrc:/|\\.qml")));
    }
    void cleanup() { QCOMPARE(KivUiFixture::qmlMessages(), QStringList()); }

    // Every drawer entry and sub-entry leads to a built page, for both device models and in
    // both languages, without a QML warning on the way.
    void drawerWalk_everyEntryIsABuiltPage_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("emulated");
        QTest::newRow("F3") << 0 << QStringLiteral("f3") << false;
        QTest::newRow("VTX") << 1 << QStringLiteral("vtx") << false;
        // The same walk over a device read through the real link.
        QTest::newRow("VTX emulator") << 1 << QStringLiteral("vtx_link") << true;
    }
    void drawerWalk_everyEntryIsABuiltPage()
    {
        QFETCH(int, model);
        QFETCH(QString, name);
        QFETCH(bool, emulated);
        PtyPair pty;
        EmulatorProcess emulator{QStringLiteral("znt-emulator")};
        if (emulated) {
            if (!QFileInfo::exists(EmulatorProcess::programPath(QStringLiteral("znt-emulator"))))
                QSKIP("znt-emulator is not built");
            QVERIFY2(pty.start(), qPrintable(pty.errorString()));
            QVERIFY2(emulator.start(pty.deviceSide(),
                                    {QStringLiteral("--parity"), QStringLiteral("none"), QStringLiteral("--model"),
                                     model == 0 ? QStringLiteral("F3") : QStringLiteral("VTX")}),
                     qPrintable(emulator.errorString()));
            QVERIFY(connectTo(pty.appSide()));
            // The device information page shows what was read from the device.
            QObject *pages = m_ui.published(QStringLiteral("NemtraPageManager"));
            pages->setProperty("pageIndex", 1);
            pages->setProperty("monitoringPageIndex", 21);
            QQuickItem *deviceId = nullptr;
            QTRY_VERIFY((deviceId = m_ui.visibleItemEndingWith(QStringLiteral("InfoDeviceId"))));
            QTRY_VERIFY(deviceId->property("value").toString().contains(QStringLiteral("VTX")));
        } else {
            QVERIFY(simulate(model));
        }
        for (bool english : {false, true}) {
            m_ui.setLanguage(english);
            QVERIFY(m_ui.waitForRest());
            const QString suffix = english ? QStringLiteral("_en") : QStringLiteral("_de");
            const QStringList tops = entryNames(QStringLiteral("Top"));
            QVERIFY2(tops.size() > 3, qPrintable(tops.join(',')));
            for (const QString &top : tops) {
                QVERIFY(click(top));
                QVERIFY(showsBuiltPage(top));
                const QStringList subs = entryNames(QStringLiteral("Top"), true);
                if (subs.isEmpty() && !top.contains(QLatin1String("Entry0")))
                    QVERIFY(!m_ui.screenshot(QStringLiteral("znt_%1_%2%3").arg(name, pageName(top), suffix)).isEmpty());
                for (const QString &sub : subs) {
                    if (top.contains(QLatin1String("Entry0")))
                        continue; // the connection page's ways in are the shell's test
                    QVERIFY(click(sub));
                    QVERIFY(showsBuiltPage(sub));
                    QVERIFY(!m_ui.screenshot(QStringLiteral("znt_%1_%2%3").arg(name, pageName(sub), suffix)).isEmpty());
                }
                QCOMPARE(KivUiFixture::qmlMessages(), QStringList());
            }
        }
        m_ui.setLanguage(false);
        QVERIFY(disconnectDevice());
    }

    // The pages show the simulated device's values, and an edit reaches the property, is
    // flagged as unsaved, and bad input leaves the value alone.
    void sensorPage_showsAndEditsTheDeviceValue()
    {
        QVERIFY(simulate(0));
        QObject *pages = m_ui.published(QStringLiteral("NemtraPageManager"));
        QObject *backend = m_ui.published(QStringLiteral("NemtraBackend"));
        pages->setProperty("pageIndex", 1);
        QQuickItem *deviceId = nullptr;
        QTRY_VERIFY((deviceId = m_ui.visibleItemEndingWith(QStringLiteral("InfoDeviceId"))));
        QTRY_VERIFY(!deviceId->property("value").toString().isEmpty());

        pages->setProperty("pageIndex", 2);
        QQuickItem *interval = nullptr;
        QTRY_VERIFY((interval = m_ui.visibleItemEndingWith(QStringLiteral("GeneralInterval"))));
        QObject *prop = interval->property("prop").value<QObject *>();
        QVERIFY(prop);
        const double before = prop->property("value").toDouble();
        QCOMPARE(interval->property("text").toString().replace(',', '.').toDouble(), before);
        QVERIFY(!m_ui.visibleItemEndingWith(QStringLiteral("HeaderWarning")));

        const double maximum = prop->property("maximum").toDouble();
        for (const QString &bad : {QString::number(maximum + 1), QStringLiteral("abc")}) {
            interval->setProperty("text", bad);
            QVariant taken;
            QVERIFY(QMetaObject::invokeMethod(interval, "apply", Q_RETURN_ARG(QVariant, taken)));
            QVERIFY(!taken.toBool());
            QVERIFY(!interval->property("message").toString().isEmpty());
            QCOMPARE(prop->property("value").toDouble(), before);
        }
        QVERIFY(!backend->property("valuesModified").toBool());

        // One step of the register's resolution away from the device's value.
        const double divisor = prop->property("divisor").toDouble();
        const double step = divisor > 0 ? 1 / divisor : 1;
        const double wanted = before - step < prop->property("minimum").toDouble() ? before + step : before - step;
        interval->setProperty("text", QString::number(wanted));
        QVariant taken;
        QVERIFY(QMetaObject::invokeMethod(interval, "apply", Q_RETURN_ARG(QVariant, taken)));
        QVERIFY(taken.toBool());
        QCOMPARE(prop->property("value").toDouble(), wanted);
        QTRY_VERIFY(backend->property("valuesModified").toBool());
        QTRY_VERIFY(m_ui.visibleItemEndingWith(QStringLiteral("HeaderWarning")));

        // The store command on the service page settles the change.
        pages->setProperty("pageIndex", 7);
        QQuickItem *store = nullptr;
        QTRY_VERIFY((store = m_ui.visibleItemEndingWith(QStringLiteral("ConfigPageStore"))));
        QVERIFY(QMetaObject::invokeMethod(store, "clicked"));
        QTRY_VERIFY(!backend->property("valuesModified").toBool());
        QTRY_VERIFY(!m_ui.visibleItemEndingWith(QStringLiteral("HeaderWarning")));
        QVERIFY(disconnectDevice());
    }

    // The live page's "keep refreshing" choice is kept in the settings store and is there again
    // after the plugin was closed and opened.
    void livePage_refreshChoiceSurvivesAPluginRestart()
    {
        QVERIFY(simulate(0));
        QObject *pages = m_ui.published(QStringLiteral("NemtraPageManager"));
        pages->setProperty("pageIndex", 1);
        pages->setProperty("monitoringPageIndex", 22);
        QQuickItem *box = nullptr;
        QTRY_VERIFY((box = m_ui.visibleItemEndingWith(QStringLiteral("LiveUpdateOnShow"))));
        QVERIFY(!box->property("checked").toBool());
        QObject *repeat = m_ui.objectEndingWith(QStringLiteral("LiveRepeat"));
        QVERIFY(repeat && !repeat->property("running").toBool());
        box->setProperty("checked", true);
        QVERIFY(QMetaObject::invokeMethod(box, "toggled"));
        QTRY_VERIFY(repeat->property("running").toBool());
        QVERIFY(disconnectDevice());

        QVERIFY2(m_ui.restartPlugin(QStringLiteral("qrc:/MainLoRaApp.qml")), qPrintable(m_ui.errorString()));
        QVERIFY(m_ui.waitForRest());
        QVERIFY(simulate(0));
        pages = m_ui.published(QStringLiteral("NemtraPageManager"));
        pages->setProperty("pageIndex", 1);
        pages->setProperty("monitoringPageIndex", 22);
        QTRY_VERIFY((box = m_ui.visibleItemEndingWith(QStringLiteral("LiveUpdateOnShow"))));
        QVERIFY(box->property("checked").toBool());
        box->setProperty("checked", false);
        QVERIFY(QMetaObject::invokeMethod(box, "toggled"));
        QVERIFY(disconnectDevice());
    }

    // The re-join interval is kept in milliseconds by its definition but labelled in minutes:
    // the field shows and takes minutes.
    void loraPage_reJoinIntervalInMinutes()
    {
        QVERIFY(simulate(0));
        QObject *pages = m_ui.published(QStringLiteral("NemtraPageManager"));
        pages->setProperty("pageIndex", 6);
        QQuickItem *field = nullptr;
        QTRY_VERIFY((field = m_ui.visibleItemEndingWith(QStringLiteral("ReJoin"))));
        QObject *prop = field->property("prop").value<QObject *>();
        QVERIFY(prop);
        const double milliseconds = prop->property("value").toDouble();
        QVERIFY(milliseconds > 0);
        QCOMPARE(field->property("text").toString().toDouble(), milliseconds / 60000);

        field->setProperty("text", QStringLiteral("90"));
        QVariant taken;
        QVERIFY(QMetaObject::invokeMethod(field, "apply", Q_RETURN_ARG(QVariant, taken)));
        QVERIFY(taken.toBool());
        QCOMPARE(prop->property("value").toDouble(), 90.0 * 60000);
        QCOMPARE(field->property("text").toString(), QStringLiteral("90"));
        QVERIFY(disconnectDevice());
    }

    // Storing goes out at once; reset and restart ask first.
    void servicePage_storeAtOnceRestartAfterConfirmation()
    {
        QVERIFY(simulate(0));
        QObject *pages = m_ui.published(QStringLiteral("NemtraPageManager"));
        pages->setProperty("pageIndex", 7);
        QQuickItem *store = nullptr;
        QTRY_VERIFY((store = m_ui.visibleItemEndingWith(QStringLiteral("ConfigPageStore"))));
        QObject *confirm = m_ui.objectEndingWith(QStringLiteral("ConfigPageConfirm"));
        QVERIFY(confirm);
        QVERIFY(QMetaObject::invokeMethod(store, "clicked"));
        QVERIFY(!confirm->property("opened").toBool());

        QVERIFY(QMetaObject::invokeMethod(m_ui.visibleItemEndingWith(QStringLiteral("ConfigPageRestart")), "clicked"));
        QTRY_VERIFY(confirm->property("opened").toBool());
        QCOMPARE(confirm->property("command").toInt(), 3);
        QVERIFY(m_ui.waitForRest());
        QVERIFY(!m_ui.screenshot(QStringLiteral("znt_service_confirm_de")).isEmpty());
        QVERIFY(QMetaObject::invokeMethod(confirm, "rejectClicked"));
        QTRY_VERIFY(!confirm->property("visible").toBool());
        QVERIFY(disconnectDevice());
    }

    // Over a real link: an edit on the sensor page reaches the ZNT emulator and comes back on
    // the next connection.
    void emulator_editReachesTheDeviceAndIsReadBack()
    {
        if (!QFileInfo::exists(EmulatorProcess::programPath(QStringLiteral("znt-emulator"))))
            QSKIP("znt-emulator is not built");
        PtyPair pty;
        QVERIFY2(pty.start(), qPrintable(pty.errorString()));
        EmulatorProcess emulator{QStringLiteral("znt-emulator")};
        QVERIFY2(emulator.start(pty.deviceSide(),
                                {QStringLiteral("--parity"), QStringLiteral("none"), QStringLiteral("--model"),
                                 QStringLiteral("F3")}),
                 qPrintable(emulator.errorString()));
        QObject *pages = m_ui.published(QStringLiteral("NemtraPageManager"));
        QObject *backend = m_ui.published(QStringLiteral("NemtraBackend"));

        QVERIFY(connectTo(pty.appSide()));
        pages->setProperty("pageIndex", 2);
        pages->setProperty("sensorPageIndex", 24);
        QQuickItem *interval = nullptr;
        QTRY_VERIFY((interval = m_ui.visibleItemEndingWith(QStringLiteral("GeneralInterval"))));
        QObject *prop = interval->property("prop").value<QObject *>();
        QVERIFY(prop);
        const double before = prop->property("value").toDouble();
        const double divisor = prop->property("divisor").toDouble();
        const double step = divisor > 0 ? 1 / divisor : 1;
        const double wanted = before - step < prop->property("minimum").toDouble() ? before + step : before - step;
        interval->setProperty("text", QString::number(wanted));
        QVariant taken;
        QVERIFY(QMetaObject::invokeMethod(interval, "apply", Q_RETURN_ARG(QVariant, taken)));
        QVERIFY(taken.toBool());
        QTRY_VERIFY(backend->property("valuesModified").toBool());

        // The write leaves before the next poll; a new connection reads the device afresh.
        QVERIFY(disconnectDevice());
        QVERIFY(connectTo(pty.appSide()));
        pages->setProperty("pageIndex", 2);
        QTRY_VERIFY((interval = m_ui.visibleItemEndingWith(QStringLiteral("GeneralInterval"))));
        prop = interval->property("prop").value<QObject *>();
        QVERIFY(prop);
        QTRY_COMPARE_WITH_TIMEOUT(prop->property("value").toDouble(), wanted, 15000);
        QVERIFY(disconnectDevice());
    }

    // A fan button's raw value as the stage it reports, with the display's lowest stage and
    // automatic mode taken into account.
    void fanLevel_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("fanMin");
        QTest::addColumn<bool>("fanAuto");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("off") << 0x00 << 0 << false << 4 << QStringLiteral("0");
        QTest::newRow("lowest bit ignored") << 0x07 << 1 << false << 4 << QStringLiteral("4");
        QTest::newRow("above the last stage") << 0x16 << 0 << false << 10 << QStringLiteral("0");
        QTest::newRow("top stage") << 0x14 << 0 << false << 10 << QStringLiteral("10");
        QTest::newRow("auto with lowest stage") << 0x07 << 1 << true << 4 << QStringLiteral("auto");
        QTest::newRow("auto from zero") << 0x06 << 0 << true << 4 << QStringLiteral("auto");
        QTest::newRow("auto not reached") << 0x04 << 0 << true << 4 << QStringLiteral("2");
    }
    void fanLevel()
    {
        QFETCH(int, value);
        QFETCH(int, fanMin);
        QFETCH(bool, fanAuto);
        QFETCH(int, count);
        QFETCH(QString, expected);
        QQmlComponent component(m_ui.root() ? qmlEngine(m_ui.root()) : nullptr);
        QVERIFY(component.engine());
        component.setData(
            QByteArrayLiteral("import QtQml\nimport \"qrc:/qml/Monitoring/NemtraFanLevel.js\" as Fan\n"
                              "QtObject { function level(v, m, a, c) { return String(Fan.level(v, m, a, c)) } }"),
            QUrl(QStringLiteral("qrc:/fanLevelTest.qml")));
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QVariant level;
        QVERIFY(QMetaObject::invokeMethod(object.get(), "level", Q_RETURN_ARG(QVariant, level), Q_ARG(QVariant, value),
                                          Q_ARG(QVariant, fanMin), Q_ARG(QVariant, fanAuto), Q_ARG(QVariant, count)));
        QCOMPARE(level.toString(), expected);
    }

private:
    bool simulate(int model)
    {
        QObject *loadPopup = m_ui.objectEndingWith(QStringLiteral("PopupsConnectAndLoad"));
        QObject *backend = m_ui.published(QStringLiteral("NemtraBackend"));
        if (!QMetaObject::invokeMethod(m_ui.objectEndingWith(QStringLiteral("PopupsSimulate")), "simulate",
                                       Q_ARG(QVariant, model)))
            return false;
        return QTest::qWaitFor([&] { return backend->property("connected").toBool(); }, 20000) &&
            QTest::qWaitFor([&] { return !loadPopup->property("visible").toBool(); }, 20000) && m_ui.waitForRest();
    }

    bool connectTo(const QString &port)
    {
        QObject *backend = m_ui.published(QStringLiteral("NemtraBackend"));
        m_ui.published(QStringLiteral("NemtraPageManager"))->setProperty("pageIndex", 0);
        QQuickItem *portBox = nullptr;
        if (!QTest::qWaitFor(
                [&] { return (portBox = m_ui.visibleItemEndingWith(QStringLiteral("SubPageSerialPortBox"))); }))
            return false;
        QObject *serial = m_ui.objectEndingWith(QStringLiteral("SubPageSerial"));
        // A typed path joins the port list on connecting; the link opens it, and the box still
        // shows it afterwards.
        portBox->setProperty("editText", port);
        if (!QMetaObject::invokeMethod(serial, "connectDevice"))
            return false;
        if (serial->property("selectedPort").toString() != port)
            return false;
        QObject *loadPopup = m_ui.objectEndingWith(QStringLiteral("PopupsConnectAndLoad"));
        return QTest::qWaitFor([&] { return backend->property("connected").toBool(); }, 20000) &&
            QTest::qWaitFor([&] { return !loadPopup->property("visible").toBool(); }, 30000) && m_ui.waitForRest();
    }

    bool disconnectDevice()
    {
        QObject *backend = m_ui.published(QStringLiteral("NemtraBackend"));
        m_ui.published(QStringLiteral("NemtraPageManager"))->setProperty("pageIndex", 13);
        return QTest::qWaitFor([&] { return !backend->property("connected").toBool(); }, 10000);
    }

    // Object names of the visible drawer buttons.
    QStringList entryNames(const QString &list, bool sub = false) const
    {
        const QRegularExpression entry(QStringLiteral("^NemtraPluginNavigation%1Entry\\d+%2$")
                                           .arg(list, sub ? QStringLiteral("SubEntry\\d+") : QStringLiteral("Button")));
        QStringList names;
        for (QObject *object : m_ui.allObjects()) {
            auto *item = qobject_cast<QQuickItem *>(object);
            if (item && item->isVisible() && item->height() > 0 && entry.match(object->objectName()).hasMatch())
                names.append(object->objectName());
        }
        names.sort();
        return names;
    }

    bool click(const QString &name)
    {
        QQuickItem *button = m_ui.visibleItemEndingWith(name);
        return button && QMetaObject::invokeMethod(button, "clicked") && m_ui.waitForRest();
    }

    bool showsBuiltPage(const QString &entry)
    {
        if (m_ui.visibleItemEndingWith(QStringLiteral("MainViewEmptyPage"))) {
            qWarning() << entry << "leads to the empty page";
            return false;
        }
        return true;
    }

    static QString pageName(const QString &entry)
    {
        return QString(entry).remove(QStringLiteral("NemtraPluginNavigationTop")).remove(QStringLiteral("Button"));
    }

    KivUiFixture m_ui{QStringLiteral("*NemtraApp.*")};
};

QTEST_MAIN(tst_NemtraPages)
#include "tst_NemtraPages.moc"
