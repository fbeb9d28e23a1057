#pragma once

#include "KivUiFixture.h"

#include <QQuickItem>
#include <QTest>

// What a technician does on the ZNT shell before a page can be looked at: simulate a model,
// connect to a port, disconnect. Each returns false when the shell did not get there.
namespace NemtraUiSteps {

inline bool waitUntilLoaded(KivUiFixture &ui, int loadTimeoutMs)
{
    QObject *backend = ui.published(QStringLiteral("NemtraBackend"));
    QObject *loadPopup = ui.objectEndingWith(QStringLiteral("PopupsConnectAndLoad"));
    return QTest::qWaitFor([&] { return backend->property("connected").toBool(); }, 20000) &&
        QTest::qWaitFor([&] { return !loadPopup->property("visible").toBool(); }, loadTimeoutMs) && ui.waitForRest();
}

inline bool simulate(KivUiFixture &ui, int model)
{
    if (!QMetaObject::invokeMethod(ui.objectEndingWith(QStringLiteral("PopupsSimulate")), "simulate",
                                   Q_ARG(QVariant, model)))
        return false;
    return waitUntilLoaded(ui, 20000);
}

// A typed port path, as the serial page accepts it.
inline bool connectTo(KivUiFixture &ui, const QString &port)
{
    ui.published(QStringLiteral("NemtraPageManager"))->setProperty("pageIndex", 0);
    QQuickItem *portBox = nullptr;
    if (!QTest::qWaitFor([&] { return (portBox = ui.visibleItemEndingWith(QStringLiteral("SubPageSerialPortBox"))); }))
        return false;
    portBox->setProperty("editText", port);
    if (!QMetaObject::invokeMethod(ui.objectEndingWith(QStringLiteral("SubPageSerial")), "connectDevice"))
        return false;
    return waitUntilLoaded(ui, 30000);
}

inline bool disconnectDevice(KivUiFixture &ui)
{
    QObject *backend = ui.published(QStringLiteral("NemtraBackend"));
    ui.published(QStringLiteral("NemtraPageManager"))->setProperty("pageIndex", 13);
    return QTest::qWaitFor([&] { return !backend->property("connected").toBool(); }, 10000);
}

} // namespace NemtraUiSteps
