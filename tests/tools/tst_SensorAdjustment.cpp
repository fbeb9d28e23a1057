#include "EmulatorOptions.h"
#include "KivDefaultImage.h"
#include "KivDeviceModel.h"
#include "KivRegisters.h"
#include "RegisterImage.h"

#include <QSignalSpy>
#include <QTest>

using namespace KivRegisters;

// The emulated device's adjustment command and the threshold format of its board variants.
class tst_SensorAdjustment : public QObject
{
    Q_OBJECT
private slots:
    void co2Reference_adjustsStoresAndRestartsForTheGivenTime();
    void vocRequest_adjustsToFreshAir_nothingPreparedStillRestarts();
    void variants_thresholdFormatFollowsBoardAndMainBoard_data();
    void variants_thresholdFormatFollowsBoardAndMainBoard();
    void options_restartTimeParsedAndChecked();
};

namespace {
constexpr int kCo2 = 1200;
constexpr int kVoc = 1300;
} // namespace

void tst_SensorAdjustment::co2Reference_adjustsStoresAndRestartsForTheGivenTime()
{
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    model.setAdjustmentSilenceMs(250);
    QSignalSpy restarting(&model, &KivDeviceModel::restarting);
    QSignalSpy adjusted(&model, &KivDeviceModel::adjusted);
    QCOMPARE(RegisterImage::get32(model.registers(), kCo2 + kBlockType), quint32(CO2));

    QCOMPARE(model.write(kCo2 + kBlockParameter0, {900, 0}), KivDeviceModel::NoException);
    QVERIFY(restarting.isEmpty());
    QCOMPARE(model.write(kAdjustCommand, {kAdjustStart}), KivDeviceModel::NoException);
    QCOMPARE(restarting.size(), 1);
    QCOMPARE(restarting.at(0).at(0).toInt(), 250);
    QCOMPARE(adjusted.at(0).at(0).toStringList(), QStringList{QStringLiteral("adjustment: CO2 block 2 to 900 ppm")});
    QCOMPARE(model.registers().at(kAdjustCommand), quint16(0));
    QCOMPARE(RegisterImage::get32(model.registers(), kCo2 + kBlockParameter0), 900u);
    QCOMPARE(RegisterImage::getFloat(model.registers(), kCo2 + kBlockValue), 900.0f);
    // The adjustment survives the restart; live values now wander around the reference.
    QCOMPARE(RegisterImage::getFloat(model.storedRegisters(), kCo2 + kBlockValue), 900.0f);
    for (int i = 0; i < 20; ++i)
        model.driftLiveValues();
    QVERIFY(qAbs(RegisterImage::getFloat(model.registers(), kCo2 + kBlockValue) - 900.0f) < 300.0f);

    // Other values of the command register do nothing.
    model.write(kAdjustCommand, {2});
    QCOMPARE(restarting.size(), 1);
}

void tst_SensorAdjustment::vocRequest_adjustsToFreshAir_nothingPreparedStillRestarts()
{
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    QSignalSpy adjusted(&model, &KivDeviceModel::adjusted);
    QSignalSpy restarting(&model, &KivDeviceModel::restarting);
    model.write(kVoc + kBlockParameter1, {1, 0});
    model.write(kCo2 + kBlockParameter0, {1, 0}); // automatic mode: no reference
    model.write(kAdjustCommand, {kAdjustStart});
    QCOMPARE(adjusted.at(0).at(0).toStringList(), QStringList{QStringLiteral("adjustment: VOC block 3 to fresh air")});
    QCOMPARE(RegisterImage::get32(model.registers(), kVoc + kBlockParameter1), 1u);
    QCOMPARE(RegisterImage::get32(model.registers(), kCo2 + kBlockParameter0), 1u);
    QCOMPARE(restarting.at(0).at(0).toInt(), KivDeviceModel::kDefaultAdjustmentSilenceMs);

    model.write(kVoc + kBlockParameter1, {0, 0});
    model.write(kAdjustCommand, {kAdjustStart});
    QCOMPARE(adjusted.at(1).at(0).toStringList(), QStringList{QStringLiteral("adjustment: nothing prepared")});
    QCOMPARE(restarting.size(), 2);
}

void tst_SensorAdjustment::variants_thresholdFormatFollowsBoardAndMainBoard_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<bool>("isFloat");
    QTest::newRow("standard") << "standard" << false;
    QTest::newRow("relay") << "relay" << false;
    QTest::newRow("modbus 2.5") << "modbus" << true;
    QTest::newRow("bacnet 2.4") << "bacnet" << true;
    QTest::newRow("lora") << "lora" << false;
    QTest::newRow("qev") << "qev" << true;
}

void tst_SensorAdjustment::variants_thresholdFormatFollowsBoardAndMainBoard()
{
    QFETCH(QString, variant);
    QFETCH(bool, isFloat);
    KivDefaultImage::Variant v;
    QVERIFY(KivDefaultImage::parseVariant(variant, &v));
    const QList<quint16> image = KivDefaultImage::build(v);
    const float threshold1 =
        isFloat ? RegisterImage::getFloat(image, kTlf + 29) : float(qint32(RegisterImage::get32(image, kTlf + 29)));
    QCOMPARE(threshold1, 800.0f);
    // Every variant has a display with the traffic light on and a channel to watch.
    QCOMPARE(image.at(kLcd) & 0xFF, 1);
    QCOMPARE(image.at(kTlf) >> 8, 1);
    QCOMPARE(image.at(kTlf + 27) & 0xFF, 3);
    if (variant == QLatin1String("qev"))
        QVERIFY(RegisterImage::text(image, kNameFirstHalf, kNameHalfRegisters).contains(QLatin1String("QEV")));
}

void tst_SensorAdjustment::options_restartTimeParsedAndChecked()
{
    EmulatorOptions options;
    QString error;
    QVERIFY(options.parse({"kiv-emulator", "--port", "/dev/null", "--adjust-restart-ms", "120"}, &error));
    QCOMPARE(options.adjustRestartMs, 120);
    EmulatorOptions bad;
    QVERIFY(!bad.parse({"kiv-emulator", "--port", "/dev/null", "--adjust-restart-ms", "-5"}, &error));
    QVERIFY(error.contains(QLatin1String("-5")));
}

QTEST_GUILESS_MAIN(tst_SensorAdjustment)
#include "tst_SensorAdjustment.moc"
