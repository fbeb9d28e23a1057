#include "BaseSettings.h"
#include "BootLoader.h"
#include "KivBackend.h"
#include "KivDeviceSetup.h"
#include "KivSettings.h"
#include "KivShareBackend.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_KivBackend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void construction_ownsIdentityAndBootLoaderAndReadsSettings();
    void clearanceAndConnectionMode_persistOnChange();
    void disconnectDevice_dropsStateThenSignalsLinkQueued();
    void resume_afterLongSuspension_disconnectsOnce();
    void resume_withinLimit_restartsPolling();

private:
    QTemporaryDir m_dir;
    KivShareBackend m_share;
};

void tst_KivBackend::initTestCase()
{
    QVERIFY(m_dir.isValid());
    BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
}

void tst_KivBackend::init()
{
    KivSettings::writeVerbindungsMode(0);
    BaseSettings::writeClearance(0);
}

void tst_KivBackend::construction_ownsIdentityAndBootLoaderAndReadsSettings()
{
    BaseSettings::writeClearance(2);
    KivBackend backend(&m_share);

    auto *setup = qvariant_cast<KivDeviceSetup *>(backend.deviceInfo());
    QVERIFY(setup);
    QCOMPARE(setup->parent(), &backend);
    auto *bootLoader = qvariant_cast<BootLoader *>(backend.bootLoader());
    QVERIFY(bootLoader);
    QCOMPARE(bootLoader->parent(), &backend);

    QCOMPARE(backend.clearance(), 2);
    QCOMPARE(backend.verbindungsMode(), 0);
    QCOMPARE(backend.modbusID(), 1);
    QCOMPARE(backend.baudRate(), 115200);
    QCOMPARE(backend.progress(), 100);
    QVERIFY(!backend.connected());

    // showUi flips only once the event loop runs.
    QVERIFY(!backend.showUi());
    QSignalSpy showUi(&backend, &KivBackend::showUiChanged);
    QVERIFY(showUi.wait());
    QVERIFY(backend.showUi());

    QSignalSpy couldNotStart(&backend, &KivBackend::blCouldNotStart);
    QSignalSpy unavailable(&backend, &KivBackend::blFileUnavailable);
    emit bootLoader->errorCouldNotStartBL();
    emit bootLoader->errorFileUnavailable();
    QCOMPARE(couldNotStart.count(), 1);
    QCOMPARE(unavailable.count(), 1);
}

void tst_KivBackend::clearanceAndConnectionMode_persistOnChange()
{
    KivBackend backend(&m_share);
    backend.setClearance(1);
    backend.setVerbindungsMode(1);
    QCOMPARE(BaseSettings::readClearance(), 1);
    QCOMPARE(KivSettings::readVerbindungsMode(), 1);

    KivBackend second(&m_share);
    QCOMPARE(second.clearance(), 1);
    QCOMPARE(second.verbindungsMode(), 1);
}

void tst_KivBackend::disconnectDevice_dropsStateThenSignalsLinkQueued()
{
    KivBackend backend(&m_share);
    backend.setConnected(true);
    backend.setEmergencyMode(true);
    QSignalSpy disconnect(&backend, qOverload<>(&KivBackend::doDisconnect));

    backend.disconnectDevice();
    QVERIFY(!backend.connected());
    QVERIFY(!backend.emergencyMode());
    QCOMPARE(disconnect.count(), 0);
    QVERIFY(disconnect.wait());
    QCOMPARE(disconnect.count(), 1);
}

void tst_KivBackend::resume_afterLongSuspension_disconnectsOnce()
{
    KivBackend backend(&m_share);
    backend.setConnected(true);
    QSignalSpy disconnect(&backend, qOverload<>(&KivBackend::doDisconnect));
    QSignalSpy appState(&backend, &KivBackend::appStateChanged);
    const QDateTime suspended = QDateTime::currentDateTimeUtc();

    backend.handleApplicationState(Qt::ApplicationSuspended, suspended);
    backend.handleApplicationState(Qt::ApplicationActive, suspended.addSecs(301));
    QVERIFY(!backend.connected());
    QCOMPARE(appState.count(), 2);
    QVERIFY(disconnect.count() >= 1);
    QTRY_COMPARE(disconnect.count(), 2); // the direct one and the queued one of disconnectDevice

    // A later activation without a new suspension (a desktop focus change) keeps a new link.
    backend.setConnected(true);
    disconnect.clear();
    backend.handleApplicationState(Qt::ApplicationInactive, suspended.addSecs(400));
    backend.handleApplicationState(Qt::ApplicationActive, suspended.addSecs(401));
    QVERIFY(backend.connected());
    QCoreApplication::processEvents();
    QCOMPARE(disconnect.count(), 0);
}

void tst_KivBackend::resume_withinLimit_restartsPolling()
{
    KivBackend backend(&m_share);
    backend.setConnected(true);
    backend.setDoPoll(true);
    const QDateTime suspended = QDateTime::currentDateTimeUtc();

    backend.handleApplicationState(Qt::ApplicationSuspended, suspended);
    QVERIFY(!backend.doPoll());
    backend.handleApplicationState(Qt::ApplicationActive, suspended.addSecs(300));
    QVERIFY(backend.doPoll());
    QVERIFY(backend.connected());

    // Polling that was off before the suspension stays off.
    backend.setDoPoll(false);
    backend.handleApplicationState(Qt::ApplicationSuspended, suspended);
    backend.handleApplicationState(Qt::ApplicationActive, suspended.addSecs(10));
    QVERIFY(!backend.doPoll());
}

QTEST_MAIN(tst_KivBackend)
#include "tst_KivBackend.moc"
