#include "RegisterImage.h"
#include "ZntDeviceImage.h"
#include "ZntDeviceModel.h"
#include "ZntPropertyFields.h"
#include "ZntRegisters.h"
#include "ZntSimulationFile.h"

#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace ZntRegisters;
using Model = ZntDeviceImage::Model;
using Field = ZntDeviceImage::Field;

namespace {
// How the configuration software decodes the device setup: 8 words a channel, flag k is
// bit (k mod 16) of word (k div 16), least significant bit first.
QList<QList<int>> decodeSetup(const QList<quint16> &image)
{
    QList<QList<int>> channels(kChannels);
    for (int c = 0; c < kChannels; ++c) {
        for (int k = 0; k < 128; ++k) {
            if (image.at(kDeviceSetup + c * 8 + k / 16) & (1u << (k % 16)))
                channels[c].append(k);
        }
    }
    return channels;
}

// How the configuration software reads a simulation file into a register image.
QList<quint16> readSimulation(const QByteArray &text)
{
    QList<quint16> image(kRegisterCount, 0);
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.split(';');
        if (fields.size() < 2)
            continue;
        bool ok = false;
        const uint reg = fields.first().toUInt(&ok);
        if (!ok || reg >= uint(kRegisterCount))
            continue;
        const uint value = fields.last().trimmed().toUInt(&ok);
        image[int(reg)] = ok && value <= 0xFFFF ? quint16(value) : 0;
    }
    return image;
}

double shownValue(const QList<quint16> &image, const Field &f)
{
    double raw = 0;
    switch (f.propertyType) {
    case 3:
        raw = RegisterImage::get32(image, f.reg);
        break;
    case 4:
        raw = qint16(image.at(f.reg));
        break;
    case 5:
        raw = qint32(RegisterImage::get32(image, f.reg));
        break;
    case 6:
        raw = RegisterImage::getFloat(image, f.reg);
        break;
    default:
        raw = image.at(f.reg);
    }
    return raw / f.divisor;
}
} // namespace

class tst_ZntDeviceModel : public QObject
{
    Q_OBJECT
private slots:
    void image_identifiesTheModelAndAnnouncesItsChannels_data();
    void image_identifiesTheModelAndAnnouncesItsChannels();
    void image_withTheBuiltInMap_everyMappedValueInsideItsLimits_data();
    void image_withTheBuiltInMap_everyMappedValueInsideItsLimits();
    void image_fromDefinitions_valuesInsideLimitsAndChannelsFromTheBlocks();
    void simulationFiles_committedEqualTheGeneratorAndReadBackToTheImage_data();
    void simulationFiles_committedEqualTheGeneratorAndReadBackToTheImage();
    void readsAndWrites_coverTheWholeSpaceAndNoMore();
    void storeCommand_keepsTheImageAndTheCommandReadsZero();
    void drift_movesOnlyLiveValuesAndStaysNearTheirCentre();
};

void tst_ZntDeviceModel::image_identifiesTheModelAndAnnouncesItsChannels_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<quint16>("deviceType");
    QTest::addColumn<bool>("hasDisplay");
    QTest::newRow("F3") << Model::F3 << quint16(16386) << true;
    QTest::newRow("VTX") << Model::Vtx << quint16(16385) << false;
}

void tst_ZntDeviceModel::image_identifiesTheModelAndAnnouncesItsChannels()
{
    QFETCH(Model, model);
    QFETCH(quint16, deviceType);
    QFETCH(bool, hasDisplay);
    const QList<quint16> image = ZntDeviceImage::build(model);
    QCOMPARE(image.size(), kRegisterCount);
    QCOMPARE(image.at(kIdentification), quint16(0xFFFF));
    QCOMPARE(image.at(kDeviceId), deviceType);
    QCOMPARE(image.at(kDumpDeviceType), deviceType);
    QCOMPARE(image.at(kEpd) == 1, hasDisplay);
    QCOMPARE(image.at(kCommand), quint16(0));

    const QList<QList<int>> channels = decodeSetup(image);
    QCOMPARE(channels, ZntDeviceImage::channelTypes(model));
    // Every announced block of the six-register pattern holds a value inside its own limits.
    for (int c = 0; c < kChannels; ++c) {
        for (const int type : channels.at(c)) {
            const int base = blockBase(c + 1, type);
            QVERIFY2(base + kBlockSize <= 0xC000, "channel blocks stay below the container blocks");
            if (type == kTemperature || type == kRelHumidity || type == kCo2 || type == kBattery) {
                const qint16 value = qint16(image.at(base + kBlockValue));
                QVERIFY2(qint16(image.at(base + kBlockMin)) <= value && value <= qint16(image.at(base + kBlockMax)),
                         qPrintable(QStringLiteral("channel %1 type %2").arg(c + 1).arg(type)));
            }
        }
    }
}

void tst_ZntDeviceModel::image_withTheBuiltInMap_everyMappedValueInsideItsLimits_data()
{
    image_identifiesTheModelAndAnnouncesItsChannels_data();
}

void tst_ZntDeviceModel::image_withTheBuiltInMap_everyMappedValueInsideItsLimits()
{
    QFETCH(Model, model);
    const QList<Field> fields = ZntPropertyFields::builtIn();
    QVERIFY(fields.size() > 200);
    const QList<quint16> image = ZntDeviceImage::build(model, fields);
    const QList<QList<int>> channels = ZntDeviceImage::channelTypes(model);
    QCOMPARE(decodeSetup(image), channels);
    int checked = 0;
    for (const Field &f : fields) {
        const int channel = (f.reg - kChannelBase) / kChannelStride + 1;
        if (f.reg >= kChannelBase && channel <= kChannels && !channels.at(channel - 1).contains(f.type)) {
            // A block the device lacks stays empty.
            QCOMPARE(image.mid(f.reg, f.span), QList<quint16>(f.span, 0));
            continue;
        }
        if (f.minimum >= f.maximum || f.propertyType == 2 || f.propertyType == 7)
            continue; // no limits, or text and identifiers
        const double shown = shownValue(image, f);
        QVERIFY2(f.minimum - 1e-6 <= shown && shown <= f.maximum + 1e-6,
                 qPrintable(QStringLiteral("register %1 shows %2").arg(f.reg, 0, 16).arg(shown)));
        ++checked;
    }
    QVERIFY(checked > 150);
}

void tst_ZntDeviceModel::image_fromDefinitions_valuesInsideLimitsAndChannelsFromTheBlocks()
{
    const QList<Field> fields{
        {0xC106, 1, 60000, 604800000, 1.0 / 60000, 1, 100}, // minutes shown as milliseconds
        {0xC108, 1, 3000, 3600000, 0.001, 1, 100},
        {0xC12E, 2, -1000000, 1000000, 1, 5, 103}, // 32-bit signed threshold
        {0xC404, 2, 0, 4294967295.0, 1, 3, 105},
        {0xC450, 1, 0, 255, 1, 8, 105},
        {0x9630, 1, 0, 1000, 10, 4, 99},
        {0x9634, 1, -1000, 1000, 10, 4, 99},
        {0xA100, 1, -50, 200, 10, 4, 16},
    };
    const QList<quint16> image = ZntDeviceImage::buildFromDefinitions(Model::Vtx, fields);
    for (const Field &f : fields) {
        if (f.reg >= kChannelBase && f.reg < 0xC000)
            continue; // channel blocks take the device's own contents
        const double shown = shownValue(image, f);
        QVERIFY2(f.minimum <= shown + 1e-6 && shown <= f.maximum + 1e-6,
                 qPrintable(QStringLiteral("register %1 shows %2").arg(f.reg, 0, 16).arg(shown)));
        QVERIFY2(shown != 0.0, qPrintable(QStringLiteral("register %1 left empty").arg(f.reg, 0, 16)));
    }
    // The channels are those the definitions describe; the model's identification stays.
    const QList<QList<int>> expected{{}, {kSetPoint}, {kTemperature}, {}};
    QCOMPARE(decodeSetup(image), expected);
    QCOMPARE(image.at(kDeviceId), quint16(kTypeVtx));
    QCOMPARE(qint16(image.at(0x9630)), qint16(210)); // the encoder's own value
}

void tst_ZntDeviceModel::simulationFiles_committedEqualTheGeneratorAndReadBackToTheImage_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<QString>("file");
    QTest::newRow("F3") << Model::F3 << QStringLiteral(ZNT_SIMULATION_DIR "/F3_ZNT.txt");
    QTest::newRow("VTX") << Model::Vtx << QStringLiteral(ZNT_SIMULATION_DIR "/VTX_ZNT.txt");
}

void tst_ZntDeviceModel::simulationFiles_committedEqualTheGeneratorAndReadBackToTheImage()
{
    QFETCH(Model, model);
    QFETCH(QString, file);
    const QList<quint16> image = ZntDeviceImage::build(model, ZntPropertyFields::builtIn());
    const QByteArray generated = ZntSimulationFile::format(image);
    QVERIFY(generated.startsWith("Register;Wert\n"));
    QCOMPARE(readSimulation(generated), image);

    QFile committed(file);
    QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(file));
    // On a mismatch regenerate with: znt-emulator --write-simulation FILE --model F3|VTX
    QVERIFY2(committed.readAll() == generated, qPrintable(file + QStringLiteral(" is not the generator's output")));
}

void tst_ZntDeviceModel::readsAndWrites_coverTheWholeSpaceAndNoMore()
{
    ZntDeviceModel model(ZntDeviceImage::build(Model::F3));
    QList<quint16> values;
    QCOMPARE(model.read(kRegisterCount - 1, 1, &values), RegisterDevice::NoException);
    QCOMPARE(model.read(kRegisterCount - 1, 2, &values), RegisterDevice::IllegalAddress);
    QCOMPARE(model.read(-1, 1, &values), RegisterDevice::IllegalAddress);
    QCOMPARE(model.write(kRegisterCount, {1}), RegisterDevice::IllegalAddress);
    QCOMPARE(model.write(kRegisterCount - 2, {1, 2, 3}), RegisterDevice::IllegalAddress);
    QCOMPARE(model.registers().mid(kRegisterCount - 2), QList<quint16>({0, 0}));

    QSignalSpy changed(&model, &ZntDeviceModel::registersChanged);
    QCOMPARE(model.write(kLora + 20, {7, 8, 9}), RegisterDevice::NoException);
    QCOMPARE(model.read(kLora + 20, 3, &values), RegisterDevice::NoException);
    QCOMPARE(values, QList<quint16>({7, 8, 9}));
    QCOMPARE(changed.count(), 1);
}

void tst_ZntDeviceModel::storeCommand_keepsTheImageAndTheCommandReadsZero()
{
    ZntDeviceModel model(ZntDeviceImage::build(Model::F3));
    QSignalSpy stored(&model, &ZntDeviceModel::stored);
    QCOMPARE(model.write(kMeasureInterval, {120}), RegisterDevice::NoException);
    QCOMPARE(model.storedRegisters().at(kMeasureInterval), quint16(60));

    // Another command value is no store, and the register reads 0 all the same.
    QCOMPARE(model.write(kCommand, {1}), RegisterDevice::NoException);
    QCOMPARE(stored.count(), 0);
    QCOMPARE(model.registers().at(kCommand), quint16(0));

    // The command inside a multi-register write counts too.
    QCOMPARE(model.write(kCommand - 1, {0, kStoreCommand}), RegisterDevice::NoException);
    QCOMPARE(stored.count(), 1);
    QCOMPARE(model.storedRegisters().at(kMeasureInterval), quint16(120));
    QCOMPARE(model.storedRegisters().at(kCommand), quint16(0));
    QList<quint16> values;
    QCOMPARE(model.read(kCommand, 1, &values), RegisterDevice::NoException);
    QCOMPARE(values, QList<quint16>({0}));
}

void tst_ZntDeviceModel::drift_movesOnlyLiveValuesAndStaysNearTheirCentre()
{
    const QList<quint16> factory = ZntDeviceImage::build(Model::F3);
    ZntDeviceModel model(factory);
    model.setRandomSeed(7);
    const int temperature = blockBase(1, kTemperature) + kBlockValue;
    const int co2 = blockBase(1, kCo2) + kBlockValue;
    QVERIFY(model.liveRegisters().contains(temperature));
    QVERIFY(model.liveRegisters().contains(co2));
    QVERIFY(!model.liveRegisters().contains(blockBase(1, kButton) + kBlockValue));

    QSignalSpy changed(&model, &ZntDeviceModel::registersChanged);
    QSet<quint16> seen;
    for (int i = 0; i < 200; ++i) {
        model.driftLiveValues();
        const qint16 t = qint16(model.registers().at(temperature));
        seen.insert(quint16(t));
        QVERIFY2(qAbs(t - 215) <= 40, qPrintable(QString::number(t)));
    }
    QVERIFY2(seen.size() > 3, "the temperature must wander");
    QCOMPARE(changed.count(), 0);
    QList<quint16> settled = model.registers();
    for (const int reg : model.liveRegisters())
        settled[reg] = factory.at(reg);
    QCOMPARE(settled, factory);

    // A value set from outside becomes the new centre.
    QCOMPARE(model.write(co2, {1500}), RegisterDevice::NoException);
    for (int i = 0; i < 50; ++i)
        model.driftLiveValues();
    QVERIFY(qAbs(int(model.registers().at(co2)) - 1500) <= 40 * 6);
}

QTEST_GUILESS_MAIN(tst_ZntDeviceModel)
#include "tst_ZntDeviceModel.moc"
