#include "BaseSettings.h"
#include "BootLoader.h"
#include "Functions.h"
#include "KivBackend.h"
#include "KivCfgFile.h"
#include "KivDatenblock.h"
#include "KivDeviceCommands.h"
#include "KivDeviceSetup.h"
#include "KivReadSequencer.h"
#include "KivRegisterMap.h"
#include "KivSettings.h"
#include "KivShareBackend.h"
#include "SaveAndLoad.h"
#include "SaveLoadFilesSettings.h"

#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The save/load back end the plugin publishes; a load reaches the back end through its signal.
SaveAndLoad *saveLoad(const KivBackend &backend)
{
    return qobject_cast<SaveAndLoad *>(backend.saveLoadBackend().value<QObject *>());
}
} // namespace

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
    void deviceName_plausibility_data();
    void deviceName_plausibility();
    void insertData_pastLastRegister_isCut();
    void calculateDates_intervalAgainstRemainingHours();
    void writeGate_closedWhileDisconnectedOrReading();
    void deviceCommands_encodeTheirRegisters();
    void loadedFile_keepsDeviceRegistersAndCountsChanges();
    void simulation_fromImageFile_createsBlocks();
    void simulation_missingFile_givesZeroImageWithoutBlocks();
    void files_cfgWrittenOtherSuffixRefused_jsonPreviewFound();

private:
    // Waits until the back end has settled after construction (data ready).
    static void settle(KivBackend &backend);

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

void tst_KivBackend::settle(KivBackend &backend)
{
    QTRY_VERIFY(backend.showUi());
    QTRY_VERIFY(backend.updateOngoing());
}

namespace {
QList<quint16> imageWithName(const QList<quint16> &nameRegisters)
{
    QList<quint16> image(KivBackend::kImageSize, 0);
    for (int i = 0; i < nameRegisters.size(); ++i)
        image[int(KivRegisterMap::kNameStart) + i] = nameRegisters.at(i);
    return image;
}

quint16 chars(char low, char high)
{
    return quint16(quint8(low) | (quint8(high) << 8));
}
} // namespace

void tst_KivBackend::deviceName_plausibility_data()
{
    QTest::addColumn<QList<quint16>>("name");
    QTest::addColumn<bool>("plausible");
    QTest::newRow("starts with NUL") << QList<quint16>{chars('\0', 'K')} << false;
    QTest::newRow("one char then NUL") << QList<quint16>{chars('K', '\0')} << false;
    QTest::newRow("two chars then NULs") << QList<quint16>{chars('K', 'I'), 0} << true;
    QTest::newRow("odd length name") << QList<quint16>{chars('K', 'I'), chars('V', '\0')} << true;
    QTest::newRow("control character") << QList<quint16>{chars('K', 'I'), chars('\x01', 'V')} << false;
    QTest::newRow("control before NUL") << QList<quint16>{chars('K', 'I'), chars('\x7f', '\0')} << false;
    QTest::newRow("all twenty printable") << QList<quint16>(20, chars('A', 'B')) << true;
}

void tst_KivBackend::deviceName_plausibility()
{
    QFETCH(QList<quint16>, name);
    QFETCH(bool, plausible);
    QCOMPARE(KivRegisterMap::isPlausibleDeviceName(imageWithName(name)), plausible);
}

void tst_KivBackend::insertData_pastLastRegister_isCut()
{
    KivBackend backend(&m_share);
    QList<quint16> values;
    for (quint16 i = 1; i <= 20; ++i)
        values.append(i);
    QList<quint16> image = backend.registerImage();
    KivReadSequencer::insert(image, 4990, values);
    QCOMPARE(image.size(), KivBackend::kImageSize);
    QCOMPARE(image.at(4990), quint16(1));
    QCOMPARE(image.at(4999), quint16(10));
}

void tst_KivBackend::calculateDates_intervalAgainstRemainingHours()
{
    const auto dates = [](int interval, int hoursTo) { return KivDeviceCommands::calculateDates(interval, hoursTo); };
    const QString invalid = QStringLiteral("Ungültiges Datum");
    QCOMPARE(dates(6, 5000), invalid); // 6 months are 4320 hours
    QCOMPARE(dates(0, 0), invalid);
    const QDateTime expected = QDateTime::currentDateTime().addSecs(-4320LL * 3600);
    QCOMPARE(dates(6, 0), expected.toString(QStringLiteral("dd.MM.yyyy")));
    QCOMPARE(dates(1, 720), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));

    // The service properties keep the date in step.
    KivBackend backend(&m_share);
    backend.setIntervalKalibrierung(1);
    backend.setSecToKalibrierung(720);
    QCOMPARE(backend.lastKalibrierung(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    backend.setSecToKalibrierung(721);
    QCOMPARE(backend.lastKalibrierung(), invalid);
}

void tst_KivBackend::writeGate_closedWhileDisconnectedOrReading()
{
    KivBackend backend(&m_share);
    settle(backend);
    QSignalSpy singles(&backend, &KivBackend::writeSingleRegister);
    QSignalSpy multis(&backend, &KivBackend::writeMultiRegister);

    backend.singleWrite(100, 1);
    backend.multiWrite(100, {1, 2});
    QCOMPARE(singles.count() + multis.count(), 0);
    QCOMPARE(backend.registerImage().at(100), quint16(0));

    backend.setConnected(true);
    backend.setUpdateOngoing(false);
    backend.singleWrite(100, 1);
    QCOMPARE(singles.count(), 0);

    backend.setUpdateOngoing(true);
    backend.halfWrite(100, 0xAB, Functions::LowByte);
    backend.halfWrite(100, 0xCD, Functions::HighByte);
    backend.halfWrite(KivBackend::kImageSize, 1, Functions::LowByte);
    QCOMPARE(singles.count(), 2);
    QCOMPARE(backend.registerImage().at(100), quint16(0xCDAB));

    // Long writes leave in slices of 50 registers; 49 registers stay one request.
    backend.multiWrite(200, QList<quint16>(49, 7));
    backend.multiWrite(300, QList<quint16>(50, 7));
    backend.multiWrite(4980, QList<quint16>(30, 7)); // beyond the image: sent, not mirrored
    QCOMPARE(multis.count(), 3);
    QCOMPARE(multis.at(2).at(0).toUInt(), 4980u);
    QCOMPARE(backend.registerImage().at(4999), quint16(0));

    backend.setVerbindungsMode(1);
    multis.clear();
    backend.multiWrite(200, QList<quint16>(4, 7)); // 2 * 4 >= 7 on the narrow link
    QCOMPARE(multis.count(), 2);
    QCOMPARE(multis.at(1).at(0).toUInt(), 203u);
    backend.setVerbindungsMode(0);
}

void tst_KivBackend::deviceCommands_encodeTheirRegisters()
{
    KivBackend backend(&m_share);
    settle(backend);
    backend.setConnected(true);
    QSignalSpy multis(&backend, &KivBackend::writeMultiRegister);
    QSignalSpy singles(&backend, &KivBackend::writeSingleRegister);
    const auto written = [&multis](uint reg) {
        for (const QList<QVariant> &args : multis) {
            if (args.at(0).toUInt() == reg)
                return Functions::toUInt32(args.at(1).value<QList<quint16>>(), 0);
        }
        return quint32(0xDEADBEEF);
    };

    backend.writeFResetRegs(QStringLiteral("1.2.3"), QStringLiteral("4711"));
    QCOMPARE(written(KivRegisterMap::kHardwareVersion), 0x010203u);
    QCOMPARE(written(KivRegisterMap::kSerialNumber), 4711u);

    multis.clear();
    backend.setFactoryReset(true);
    QCOMPARE(written(KivRegisterMap::kResetCommand), 0xFFFFFFFFu);

    // Commands that need a device stay silent without one.
    backend.setConnected(false);
    singles.clear();
    backend.forceEepromWrite();
    QCOMPARE(singles.count(), 0);
}

void tst_KivBackend::loadedFile_keepsDeviceRegistersAndCountsChanges()
{
    KivBackend backend(&m_share);
    settle(backend);
    QList<quint16> file(KivBackend::kImageSize, 0);
    file[0] = 3; // block count: the device's own
    file[30] = 120; // altitude: from the file
    file[40] = 99; // service counter: the device's own
    file[144] = 4; // option board: the device's own
    file[3000] = 5; // outside the blocks read: taken over all the same
    QSignalSpy errors(&backend, &KivBackend::errorPlainText);
    emit saveLoad(backend)->loadedFromFile(file);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(backend.registerImage().at(0), quint16(0));
    QCOMPARE(backend.registerImage().at(30), quint16(120));
    QCOMPARE(backend.registerImage().at(40), quint16(0));
    QCOMPARE(backend.registerImage().at(144), quint16(0));
    QCOMPARE(backend.registerImage().at(3000), quint16(5));
    QCOMPARE(backend.maximum(), 21); // at least 20 steps
    QCOMPARE(backend.hoehe(), 120);

    // A short file skips the name check.
    emit saveLoad(backend)->loadedFromFile(QList<quint16>(10, 1));
    QCOMPARE(errors.count(), 0);
    QCOMPARE(backend.registerImage().at(2), quint16(1));
}

void tst_KivBackend::simulation_fromImageFile_createsBlocks()
{
    const QString file =
        qEnvironmentVariable("ORVANE_SOURCE_DIR") + QStringLiteral("/kiv/resources/testdata/KivTestData.txt");
    if (!QFile::exists(file))
        QSKIP("simulation image not found (ORVANE_SOURCE_DIR)");
    KivBackend backend(&m_share);
    backend.setSimulationFile(file);
    QSignalSpy ready(&backend, &KivBackend::switchToPoll);
    backend.setTestMode(true);
    QVERIFY(ready.wait(15000));
    QVERIFY(backend.connected());
    QCOMPARE(backend.maximum(), KivBackend::kImageSize);
    QVERIFY(backend.progress() >= KivBackend::kImageSize);
    QCOMPARE(backend.sensorBlockCount(), int(backend.registerImage().at(0)));
    const auto blocks = qvariant_cast<QList<QObject *>>(backend.dataBlocks());
    QVERIFY(!blocks.isEmpty());
    QVERIFY(blocks.size() <= backend.sensorBlockCount());
    auto *setup = qvariant_cast<KivDeviceSetup *>(backend.deviceInfo());
    QVERIFY(setup->testMode());
    QCOMPARE(qvariant_cast<QList<QObject *>>(backend.activeChannels()).size(), 4);
    QVERIFY(qvariant_cast<QObject *>(backend.tlf()));
    QCOMPARE(qvariant_cast<QObject *>(backend.tlf())->property("model").toStringList().first(),
             QStringLiteral("Keine Auswahl"));

    // Leaving the simulation drops every block and the image.
    QPointer<QObject> first = blocks.first();
    backend.disconnectDevice();
    QTRY_VERIFY(first.isNull());
    QVERIFY(!backend.testMode());
    QCOMPARE(backend.registerImage().count(0), KivBackend::kImageSize);
    QVERIFY(qvariant_cast<QList<QObject *>>(backend.dataBlocks()).isEmpty());
}

void tst_KivBackend::simulation_missingFile_givesZeroImageWithoutBlocks()
{
    KivBackend backend(&m_share);
    backend.setSimulationFile(m_dir.filePath(QStringLiteral("missing.txt")));
    backend.setTestMode(true);
    QTRY_VERIFY_WITH_TIMEOUT(backend.connected(), 15000);
    QCOMPARE(backend.registerImage().size(), KivBackend::kImageSize);
    QCOMPARE(backend.registerImage().count(0), KivBackend::kImageSize);
    QCOMPARE(backend.sensorBlockCount(), 0);
    QVERIFY(qvariant_cast<QList<QObject *>>(backend.dataBlocks()).isEmpty());
}

void tst_KivBackend::files_cfgWrittenOtherSuffixRefused_jsonPreviewFound()
{
    KivBackend backend(&m_share);
    QSignalSpy created(&backend, &KivBackend::onSaveFileCreateAt);
    QSignalSpy errors(&backend, &KivBackend::errorPlainText);
    // A loaded image that is short skips the device check and lands as it is.
    emit saveLoad(backend)->loadedFromFile({3, 4, 5});

    const QString cfg = m_dir.filePath(QStringLiteral("device.cfg"));
    backend.createFileAt(cfg);
    QCOMPARE(created.count(), 1);
    QCOMPARE(readCfgFile(cfg), backend.registerImage());
    backend.createFileAt(m_dir.filePath(QStringLiteral("device.txt")));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.last().first().toString(), QStringLiteral("Speichern ist fehlgeschlagen"));

    QCOMPARE(backend.loadJsonString(QStringLiteral("device.cfg")), QString());
    QCOMPARE(errors.last().first().toString(), QStringLiteral("Vorschau nur für *.json Dateien möglich."));
    QCOMPARE(backend.loadJsonString(QStringLiteral("unknown.json")), QString());
    QCOMPARE(errors.last().first().toString(), QStringLiteral("Angebene Datei existiert nicht."));
    const QString json = m_dir.filePath(QStringLiteral("saved.JSON"));
    QFile file(json);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"a\": 1}");
    file.close();
    SaveLoadFiles::Settings::addSavedFile(QStringLiteral("saved.JSON"), json);
    QCOMPARE(backend.loadJsonString(QStringLiteral("saved.JSON")), QStringLiteral("{\"a\": 1}"));
}

QTEST_MAIN(tst_KivBackend)
#include "tst_KivBackend.moc"
