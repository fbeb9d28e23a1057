#include "KivDefaultImage.h"
#include "KivDeviceModel.h"
#include "KivRegisters.h"
#include "RegisterImage.h"

#include <QSignalSpy>
#include <QTest>

using namespace KivRegisters;

class tst_KivDeviceModel : public QObject
{
    Q_OBJECT
private slots:
    void storeThenRestart_keepsStoredChangesOnly();
    void restart_discardsUnsavedChangesAndGoesSilent();
    void factoryReset_inTwoSingleWrites_restoresFactoryImage();
    void commandRegisters_readBackZeroAndIgnoreOtherValues();
    void liveValues_driftPlausiblyWithoutReportingWrites();
    void bootloaderMode_servesOnlyTheBootloaderRegisters();
};

void tst_KivDeviceModel::storeThenRestart_keepsStoredChangesOnly()
{
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    QSignalSpy changed(&model, &KivDeviceModel::registersChanged);
    QCOMPARE(model.write(kAltitude, {400, 0}), KivDeviceModel::NoException);
    QCOMPARE(model.write(kStoreCommand, {kStoreValue}), KivDeviceModel::NoException);
    QCOMPARE(model.write(kMaintenanceInterval, {6, 0}), KivDeviceModel::NoException);
    QCOMPARE(changed.size(), 3);
    QCOMPARE(model.storedRegisters().at(kAltitude), quint16(400));

    QCOMPARE(model.write(kResetCommand, {kRestartValue}), KivDeviceModel::NoException);
    QCOMPARE(model.registers().at(kAltitude), quint16(400));
    QCOMPARE(model.registers().at(kMaintenanceInterval), quint16(12));
}

void tst_KivDeviceModel::restart_discardsUnsavedChangesAndGoesSilent()
{
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    QSignalSpy restarting(&model, &KivDeviceModel::restarting);
    model.write(kAltitude, {999, 0});
    // A 32-bit write of 1 to the reset pair restarts as well.
    model.write(kResetCommand, {kRestartValue, 0});
    QCOMPARE(restarting.size(), 1);
    QVERIFY(restarting.at(0).at(0).toInt() > 0);
    QCOMPARE(model.registers().at(kAltitude), quint16(245));
    QCOMPARE(model.registers().at(kResetCommand), quint16(0));
}

void tst_KivDeviceModel::factoryReset_inTwoSingleWrites_restoresFactoryImage()
{
    const QList<quint16> factory = KivDefaultImage::build(KivDefaultImage::Variant::Relay);
    KivDeviceModel model(factory);
    model.write(kAltitude, {1200, 0});
    model.write(kStoreCommand, {kStoreValue});
    QSignalSpy restarting(&model, &KivDeviceModel::restarting);
    model.write(kResetCommand, {kFactoryResetWord});
    QCOMPARE(restarting.size(), 0); // half of -1 is not yet a command
    model.write(kResetCommand + 1, {kFactoryResetWord});
    QCOMPARE(restarting.size(), 1);
    QCOMPARE(model.registers(), factory);
    QCOMPARE(model.storedRegisters(), factory);
}

void tst_KivDeviceModel::commandRegisters_readBackZeroAndIgnoreOtherValues()
{
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    QSignalSpy restarting(&model, &KivDeviceModel::restarting);
    model.write(kAltitude, {300, 0});
    model.write(kStoreCommand, {7});
    QCOMPARE(model.registers().at(kStoreCommand), quint16(0));
    QCOMPARE(model.storedRegisters().at(kAltitude), quint16(245));
    model.write(kResetCommand, {5, 0});
    QCOMPARE(restarting.size(), 0);
    // A multi-register write covering the store command stores what it wrote.
    QList<quint16> head = model.registers().mid(0, 40);
    head[kStoreCommand] = kStoreValue;
    head[kAltitude] = 321;
    model.write(0, head);
    QCOMPARE(model.storedRegisters().at(kAltitude), quint16(321));
}

void tst_KivDeviceModel::liveValues_driftPlausiblyWithoutReportingWrites()
{
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    model.setRandomSeed(42);
    QSignalSpy changed(&model, &KivDeviceModel::registersChanged);
    const float t0 = RegisterImage::getFloat(model.registers(), blockBase(0) + kBlockValue);
    bool moved = false;
    for (int step = 0; step < 500; ++step) {
        model.driftLiveValues();
        const QList<quint16> r = model.registers();
        const float t = RegisterImage::getFloat(r, blockBase(0) + kBlockValue);
        const float rh = RegisterImage::getFloat(r, blockBase(1) + kBlockValue);
        const float co2 = RegisterImage::getFloat(r, blockBase(2) + kBlockValue);
        moved = moved || t != t0;
        QVERIFY2(t > 19.0f && t < 24.0f, qPrintable(QString::number(t)));
        QVERIFY2(rh >= 0.0f && rh <= 100.0f, qPrintable(QString::number(rh)));
        QVERIFY2(co2 > 300.0f && co2 < 900.0f, qPrintable(QString::number(co2)));
    }
    QVERIFY(moved);
    QCOMPARE(changed.size(), 0);
    // Configuration registers never move.
    QCOMPARE(model.registers().mid(0, 1000), KivDefaultImage::build(KivDefaultImage::Variant::Standard).mid(0, 1000));
}

void tst_KivDeviceModel::bootloaderMode_servesOnlyTheBootloaderRegisters()
{
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    QSignalSpy entered(&model, &KivDeviceModel::bootloaderEntered);
    model.enterBootloader();
    model.enterBootloader();
    QCOMPARE(entered.size(), 1);
    QList<quint16> values;
    QCOMPARE(model.read(0, 2, &values), KivDeviceModel::NoException);
    QCOMPARE(values, (QList<quint16>{8603, 8519}));
    QCOMPARE(model.read(1000, 50, &values), KivDeviceModel::IllegalAddress);
    // Live values stand still while the application is not running.
    const QList<quint16> before = model.registers();
    model.driftLiveValues();
    QCOMPARE(model.registers(), before);
}

QTEST_GUILESS_MAIN(tst_KivDeviceModel)
#include "tst_KivDeviceModel.moc"
