#include "EmulatorProcess.h"
#include "KivUiFixture.h"
#include "NemtraUiSteps.h"
#include "PtyPair.h"

#include <QFileInfo>
#include <QQuickItem>
#include <QRegularExpression>
#include <QTest>

namespace {
// The emulated EnOcean bridge's gateway registers (see the emulator's --gateway-type).
constexpr int kIdFilterType = 0xC406;
constexpr int kIdFilterCount = 0xC407;
constexpr int kIdFilters = 0xC410;
constexpr int kGatewayPage = 5;
constexpr int kInfoPage = 1;

quint32 word32(const QList<quint16> &image, int reg)
{
    return image.size() > reg + 1 ? quint32(image.at(reg)) | quint32(image.at(reg + 1)) << 16 : 0;
}
} // namespace

// The gateway page offscreen: reached from the device information of a bridge, fed by the ZNT
// emulator playing one, and edited back into the emulator.
class tst_NemtraGatewayPage : public QObject
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
        QTest::failOnWarning(QRegularExpression(QStringLiteral("qrc:/|\\.qml")));
    }
    void cleanup() { QCOMPARE(KivUiFixture::qmlMessages(), QStringList()); }

    // A sensor is no gateway: its device information offers no way to the gateway page.
    void sensor_offersNoGatewayButton()
    {
        QVERIFY(simulate(0));
        m_ui.published(QStringLiteral("NemtraPageManager"))->setProperty("pageIndex", kInfoPage);
        QTRY_VERIFY(m_ui.visibleItemEndingWith(QStringLiteral("InfoDeviceId")));
        QVERIFY(m_ui.objectEndingWith(QStringLiteral("InfoGatewayButton")));
        QVERIFY(!m_ui.visibleItemEndingWith(QStringLiteral("InfoGatewayButton")));
        QVERIFY(disconnectDevice());
    }

    // Over a real link with an emulated bridge: the page shows the device's gateway values, "+"
    // adds a filter entry whose count reaches the device, an edited entry reaches it too, and a
    // new connection reads both back.
    void bridge_showsAndEditsTheFilters()
    {
        if (!QFileInfo::exists(EmulatorProcess::programPath(QStringLiteral("znt-emulator"))))
            QSKIP("znt-emulator is not built");
        PtyPair pty;
        QVERIFY2(pty.start(), qPrintable(pty.errorString()));
        EmulatorProcess emulator{QStringLiteral("znt-emulator")};
        QVERIFY2(emulator.start(pty.deviceSide(),
                                {QStringLiteral("--parity"), QStringLiteral("none"), QStringLiteral("--model"),
                                 QStringLiteral("F3"), QStringLiteral("--gateway-type"), QStringLiteral("1"),
                                 QStringLiteral("--drift-ms"), QStringLiteral("0")}),
                 qPrintable(emulator.errorString()));
        const QList<quint16> factory = emulator.registers();
        QCOMPARE(factory.value(kIdFilterCount), quint16(3));

        QVERIFY(connectTo(pty.appSide()));
        QVERIFY(openGatewayPage());
        QQuickItem *type = m_ui.visibleItemEndingWith(QStringLiteral("GatewayPageType"));
        QVERIFY(type);
        QCOMPARE(type->property("text").toString(), QStringLiteral("LoRaWAN-EnOcean"));
        QCOMPARE(hexText(QStringLiteral("GatewayPageBaseIdInput")), QStringLiteral("FF9B4C80"));
        QCOMPARE(hexText(QStringLiteral("GatewayPageChipIdInput")), QStringLiteral("0181A2B3"));
        QCOMPARE(visibleEntries(QStringLiteral("IdTab")), 3);
        QCOMPARE(hexText(QStringLiteral("IdTabEntry0ValueInput")), QStringLiteral("0181A2B4"));
        QCOMPARE(m_ui.visibleItemEndingWith(QStringLiteral("IdTabKind"))->property("currentIndex").toInt(), 1);
        QVERIFY(m_ui.visibleItemEndingWith(QStringLiteral("IdTabEntry0Label"))
                    ->property("text")
                    .toString()
                    .startsWith(QLatin1String("ID 1")));
        // Only the last entry carries "+" and "-".
        QVERIFY(!m_ui.visibleItemEndingWith(QStringLiteral("IdTabEntry1Add")));
        QVERIFY(m_ui.visibleItemEndingWith(QStringLiteral("IdTabEntry2Add")));
        shootAllTabs(QStringLiteral("de"));
        m_ui.setLanguage(true);
        QVERIFY(m_ui.waitForRest());
        selectTab(0);
        QCOMPARE(m_ui.visibleItemEndingWith(QStringLiteral("IdTabKind"))->property("currentText").toString(),
                 QStringLiteral("Whitelist"));
        selectTab(1);
        QCOMPARE(m_ui.visibleItemEndingWith(QStringLiteral("PacketTabEntry0Label"))->property("text").toString(),
                 QStringLiteral("Packet type 1:"));
        shootAllTabs(QStringLiteral("en"));
        m_ui.setLanguage(false);
        QVERIFY(m_ui.waitForRest());
        selectTab(0);

        QVERIFY(QMetaObject::invokeMethod(m_ui.visibleItemEndingWith(QStringLiteral("IdTabEntry2Add")), "clicked"));
        QTRY_COMPARE_WITH_TIMEOUT(emulator.registers().value(kIdFilterCount), quint16(4), 10000);
        QTRY_COMPARE(visibleEntries(QStringLiteral("IdTab")), 4);
        QQuickItem *added = nullptr;
        QTRY_VERIFY((added = m_ui.visibleItemEndingWith(QStringLiteral("IdTabEntry3Value"))));
        added->property("field").value<QQuickItem *>()->setProperty("text", QStringLiteral("0x0181A2FF"));
        QVariant taken;
        QVERIFY(QMetaObject::invokeMethod(added, "apply", Q_RETURN_ARG(QVariant, taken)));
        QVERIFY(taken.toBool());
        QTRY_COMPARE_WITH_TIMEOUT(word32(emulator.registers(), kIdFilters + 6), 0x0181A2FFu, 10000);

        // Input that is no hexadecimal number is refused and leaves the device alone.
        QQuickItem *first = m_ui.visibleItemEndingWith(QStringLiteral("IdTabEntry0Value"));
        first->property("field").value<QQuickItem *>()->setProperty("text", QStringLiteral("xyz"));
        QVERIFY(QMetaObject::invokeMethod(first, "apply", Q_RETURN_ARG(QVariant, taken)));
        QVERIFY(!taken.toBool());
        QCOMPARE(hexText(QStringLiteral("IdTabEntry0ValueInput")), QStringLiteral("0181A2B4"));

        // The filter kind is a choice list on the device's register.
        QQuickItem *kind = m_ui.visibleItemEndingWith(QStringLiteral("IdTabKind"));
        QVERIFY(QMetaObject::invokeMethod(kind, "activated", Q_ARG(int, 2)));
        QTRY_COMPARE_WITH_TIMEOUT(emulator.registers().value(kIdFilterType), quint16(2), 10000);

        // "-" takes the new entry away again on the device.
        QVERIFY(QMetaObject::invokeMethod(m_ui.visibleItemEndingWith(QStringLiteral("IdTabEntry3Remove")), "clicked"));
        QTRY_COMPARE_WITH_TIMEOUT(emulator.registers().value(kIdFilterCount), quint16(3), 10000);
        QTRY_COMPARE(visibleEntries(QStringLiteral("IdTab")), 3);
        QVERIFY(QMetaObject::invokeMethod(m_ui.visibleItemEndingWith(QStringLiteral("IdTabEntry2Add")), "clicked"));
        QTRY_COMPARE_WITH_TIMEOUT(emulator.registers().value(kIdFilterCount), quint16(4), 10000);

        // A new connection reads what the device now holds.
        QVERIFY(disconnectDevice());
        QVERIFY(connectTo(pty.appSide()));
        QVERIFY(openGatewayPage());
        QTRY_COMPARE(visibleEntries(QStringLiteral("IdTab")), 4);
        QCOMPARE(hexText(QStringLiteral("IdTabEntry3ValueInput")), QStringLiteral("0181A2FF"));
        QCOMPARE(m_ui.visibleItemEndingWith(QStringLiteral("IdTabKind"))->property("currentIndex").toInt(), 2);
        QVERIFY(disconnectDevice());
    }

private:
    // From the device information's button, as a technician gets there.
    bool openGatewayPage()
    {
        QObject *pages = m_ui.published(QStringLiteral("NemtraPageManager"));
        pages->setProperty("pageIndex", kInfoPage);
        QQuickItem *button = nullptr;
        if (!QTest::qWaitFor(
                [&] { return (button = m_ui.visibleItemEndingWith(QStringLiteral("InfoGatewayButton"))); }))
            return false;
        if (!m_infoShot && m_ui.waitForRest())
            m_infoShot = !m_ui.screenshot(QStringLiteral("znt_gateway_info_de")).isEmpty();
        if (!QMetaObject::invokeMethod(button, "clicked"))
            return false;
        return QTest::qWaitFor([&] { return pages->property("pageIndex").toInt() == kGatewayPage; }) &&
            QTest::qWaitFor([&] { return m_ui.visibleItemEndingWith(QStringLiteral("GatewayPageIdTab")); }) &&
            m_ui.waitForRest();
    }

    void selectTab(int tab)
    {
        QQuickItem *tabs = m_ui.visibleItemEndingWith(QStringLiteral("GatewayPageTabs"));
        QVERIFY(tabs);
        tabs->setProperty("currentIndex", tab);
        QVERIFY(m_ui.waitForRest());
    }

    // Each tab shows only its own list, as long as the bridge's count says.
    void shootAllTabs(const QString &language)
    {
        const QStringList names{QStringLiteral("Id"), QStringLiteral("Packet"), QStringLiteral("Data")};
        const int rows[] = {3, 2, 1};
        for (int tab = 0; tab < names.size(); ++tab) {
            selectTab(tab);
            for (int other = 0; other < names.size(); ++other)
                QCOMPARE(visibleEntries(names.at(other) + QLatin1String("Tab")), other == tab ? rows[other] : 0);
            QVERIFY(
                !m_ui.screenshot(QStringLiteral("znt_gateway_%1_%2").arg(names.at(tab).toLower(), language)).isEmpty());
        }
    }

    QString hexText(const QString &suffix) const
    {
        QQuickItem *input = m_ui.visibleItemEndingWith(suffix);
        return input ? input->property("text").toString() : QString();
    }

    int visibleEntries(const QString &tab) const
    {
        const QRegularExpression entry(QStringLiteral("%1Entry\\d+$").arg(tab));
        int rows = 0;
        for (QObject *object : m_ui.allObjects()) {
            auto *item = qobject_cast<QQuickItem *>(object);
            if (item && item->isVisible() && entry.match(object->objectName()).hasMatch())
                ++rows;
        }
        return rows;
    }

    bool simulate(int model) { return NemtraUiSteps::simulate(m_ui, model); }
    bool connectTo(const QString &port) { return NemtraUiSteps::connectTo(m_ui, port); }
    bool disconnectDevice() { return NemtraUiSteps::disconnectDevice(m_ui); }

    KivUiFixture m_ui{QStringLiteral("*NemtraApp.*")};
    bool m_infoShot = false;
};

QTEST_MAIN(tst_NemtraGatewayPage)
#include "tst_NemtraGatewayPage.moc"
