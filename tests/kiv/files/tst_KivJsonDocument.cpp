#include "Functions.h"
#include "KivBackendProperty.h"
#include "KivBlockSet.h"
#include "KivCfgFile.h"
#include "KivDatenblock.h"
#include "KivDeviceSetup.h"
#include "KivDocuments.h"
#include "KivLcdBlock.h"
#include "KivReadJson.h"
#include "KivRelaisBlock.h"
#include "KivWriteGate.h"
#include "KivWriteJson.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "FileSizeLimit.h"

#include <cmath>

namespace {
constexpr int kImageSize = 5000;
const QDateTime kNow(QDate(2026, 1, 5), QTime(8, 30, 0));

void put32(QList<quint16> &image, uint reg, quint32 value)
{
    const QList<quint16> words = Functions::fromUInt32(value);
    image[reg] = words.at(0);
    image[reg + 1] = words.at(1);
}

void putFloat(QList<quint16> &image, uint reg, float value)
{
    const QList<quint16> words = Functions::fromFloat(value);
    image[reg] = words.at(0);
    image[reg + 1] = words.at(1);
}

// Block i: type, unit, ranges, channel, value and offset at their block registers.
void putBlock(QList<quint16> &image, int i, qint32 type, qint32 unit, double low, double high, quint32 channel,
              float value, qint32 offset)
{
    const uint b = 1000 + 100 * uint(i);
    put32(image, b + 8, quint32(type));
    put32(image, b + 10, quint32(unit));
    if (type == 9 || type == 10) {
        putFloat(image, b + 16, float(low));
        putFloat(image, b + 18, float(high));
    } else {
        put32(image, b + 16, quint32(qint32(low)));
        put32(image, b + 18, quint32(qint32(high)));
    }
    putFloat(image, b + 6, value);
    put32(image, b + 20, quint32(offset));
    put32(image, b + 24, channel);
}

// A relay device with two temperature sensors and a flow sensor.
QList<quint16> fixedImage()
{
    QList<quint16> image(kImageSize, 0);
    put32(image, 0, 3);
    put32(image, 26, 1);
    put32(image, 30, 420);
    put32(image, 144, 3);
    putBlock(image, 0, 1, 1, 0, 50, 1, 21.5f, -5);
    putBlock(image, 1, 9, 16, 0.0, 1500.5, 2, 312.25f, 0);
    putBlock(image, 2, 1, 1, -20, 80, 0, 19.0f, 3);
    image[82] = 0x5001; // display present, brightness 80
    image[83] = 0x0102; // rotation 2, traffic light on
    image[86] = 0x0001; // calibration shown
    image[87] = 0x0300; // three sensors
    image[88] = 0x0101;
    image[89] = 0x0001;
    image[110] = 0x0302; // traffic light on channel 2, colour 1 red
    image[111] = 0x0102; // yellow, green
    put32(image, 112, 400);
    put32(image, 114, 800);
    put32(image, 146, 1); // relay 1 follows channel 1
    put32(image, 148, 1);
    put32(image, 150, 2);
    put32(image, 152, 3);
    put32(image, 154, 21);
    put32(image, 156, 25);
    put32(image, 158, 2);
    put32(image, 160, 7); // relay 2 follows no channel
    put32(image, 40, 720); // service due in 30 days, interval one month
    put32(image, 44, 1);
    return image;
}

QString typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return QStringLiteral("bool");
    case QJsonValue::Double:
        return QStringLiteral("number");
    case QJsonValue::String:
        return QStringLiteral("string");
    case QJsonValue::Array:
        return QStringLiteral("array");
    case QJsonValue::Object:
        return QStringLiteral("object");
    default:
        return QStringLiteral("null");
    }
}

// The first difference between two documents, as a key path; empty when they are equal.
QString firstDifference(const QJsonValue &expected, const QJsonValue &actual, const QString &path)
{
    if (expected.type() != actual.type())
        return path + QStringLiteral(": ") + typeName(expected) + QStringLiteral(" expected, got ") + typeName(actual);
    if (expected.isObject()) {
        const QJsonObject e = expected.toObject();
        const QJsonObject a = actual.toObject();
        if (e.keys() != a.keys())
            return path + QStringLiteral(": keys ") + e.keys().join(QLatin1Char(',')) +
                QStringLiteral(" expected, got ") + a.keys().join(QLatin1Char(','));
        for (const QString &key : e.keys()) {
            const QString difference = firstDifference(e.value(key), a.value(key), path + QLatin1Char('.') + key);
            if (!difference.isEmpty())
                return difference;
        }
        return {};
    }
    if (expected.isArray()) {
        const QJsonArray e = expected.toArray();
        const QJsonArray a = actual.toArray();
        if (e.size() != a.size())
            return path + QStringLiteral(": %1 entries expected, got %2").arg(e.size()).arg(a.size());
        for (qsizetype i = 0; i < e.size(); ++i) {
            const QString difference = firstDifference(e.at(i), a.at(i), path + QStringLiteral("[%1]").arg(i));
            if (!difference.isEmpty())
                return difference;
        }
        return {};
    }
    if (expected != actual)
        return path + QStringLiteral(": ") + expected.toVariant().toString() + QStringLiteral(" expected, got ") +
            actual.toVariant().toString();
    return {};
}

QString writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    return path;
}

struct Rig
{
    explicit Rig(const QList<quint16> &deviceImage)
        : image(deviceImage)
    {
        device.updateFromImage(image);
        state.setConnected(true);
        state.setUpdateOngoing(true);
        blocks.createOrRefresh(image, image.at(0));
    }
    QList<quint16> image;
    KivBackendProperty state;
    KivDeviceSetup device;
    KivWriteGate gate{&state, &image};
    KivBlockSet blocks{&state, &device, &gate};
};
} // namespace

// The ".json" document: what the writer exports and what the reader hands back to the blocks.
class tst_KivJsonDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void write_fixedImage_matchesTheGoldenDocument();
    void write_thresholdsInTheDevicesFormat();
    void write_damagedImage_boundedAndNoWrap();
    void write_failure_keepsTheOldFileAndReportsFalse();
    void read_refusedDocuments_emitNothing_data();
    void read_refusedDocuments_emitNothing();
    void read_writtenDocument_givesBackItsSettings();
    void read_absentKeys_areSkipped();
    void load_settingsReachTheBlockAtTheirPosition();
    void load_displayChannelsAreWholeRegisters();

private:
    QTemporaryDir m_dir;
};

void tst_KivJsonDocument::write_fixedImage_matchesTheGoldenDocument()
{
    QFile golden(QStringLiteral(KIV_JSON_GOLDEN));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QJsonParseError error;
    const QJsonDocument expected = QJsonDocument::fromJson(golden.readAll(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));

    KivWriteJson writer;
    writer.setReferenceTime(kNow);
    const QString path = m_dir.filePath(QStringLiteral("golden.json"));
    QVERIFY(writer.write(path, fixedImage()));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QJsonDocument actual = QJsonDocument::fromJson(written.readAll(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QString difference = firstDifference(expected.object(), actual.object(), QStringLiteral("$"));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));

    // Below a device image nothing is written at all.
    QVERIFY(!writer.write(m_dir.filePath(QStringLiteral("short.json")), QList<quint16>(1999, 0)));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("short.json"))));
}

void tst_KivJsonDocument::write_thresholdsInTheDevicesFormat()
{
    QList<quint16> image = fixedImage();
    putFloat(image, 112, 12.5f);
    putFloat(image, 114, 1500.75f);
    putFloat(image, 154, 21.5f);
    KivWriteJson writer;

    // A float device: the numbers themselves, not their bit patterns read as integers.
    writer.setTlfThresholdsFloat(true);
    writer.setMainBoardQev(true);
    QJsonObject configuration = writer.document(QStringLiteral("x.json"), image).value("configuration").toObject();
    QCOMPARE(configuration.value("tlf").toObject().value("lowThreshold").toDouble(), 12.5);
    QCOMPARE(configuration.value("tlf").toObject().value("highThreshold").toDouble(), 1500.75);
    QCOMPARE(configuration.value("relais").toArray().at(0).toObject().value("lowThreshold").toDouble(), 21.5);

    writer.setTlfThresholdsFloat(false);
    writer.setMainBoardQev(false);
    configuration = writer.document(QStringLiteral("x.json"), fixedImage()).value("configuration").toObject();
    QCOMPARE(configuration.value("tlf").toObject().value("lowThreshold").toDouble(), 400.0);
    QCOMPARE(configuration.value("relais").toArray().at(0).toObject().value("lowThreshold").toDouble(), 21.0);
}

void tst_KivJsonDocument::write_damagedImage_boundedAndNoWrap()
{
    KivWriteJson writer;
    writer.setReferenceTime(kNow);
    // A block count far beyond the image, and a service interval whose hours overflow 32 bits.
    QList<quint16> image(2000, 0);
    put32(image, 0, 0xFFFFFFFFu);
    put32(image, 40, 100);
    put32(image, 44, 0x7FFFFFFFu);
    const QJsonObject configuration =
        writer.document(QStringLiteral("x.json"), image).value("configuration").toObject();
    const QJsonArray measures = configuration.value("measures").toArray();
    QCOMPARE(measures.size(), 15);
    QCOMPARE(measures.last().toObject().value("register").toInt(), 14);
    QCOMPARE(measures.last().toObject().value("unit").toInt(), 0);
    QCOMPARE(configuration.value("tlf").toObject().value("measure").toObject().value("channel").toInt(), 0);
    // 100 - 720 * (2^31 - 1) hours lies far in the past; a 32-bit product would wrap around.
    const QString last = configuration.value("service").toObject().value("lastService").toString();
    QVERIFY2(!last.startsWith(QStringLiteral("202")), qPrintable(last));
}

void tst_KivJsonDocument::write_failure_keepsTheOldFileAndReportsFalse()
{
    const QString path = m_dir.filePath(QStringLiteral("kept.json"));
    QVERIFY(!writeText(path, QByteArrayLiteral("old")).isEmpty());
    KivWriteJson writer;
    // A folder that does not exist, and a disk that fills up halfway through the document.
    QVERIFY(!writer.write(m_dir.filePath(QStringLiteral("missing/kept.json")), fixedImage()));
    // The register-image file behaves the same.
    const QString cfgPath = m_dir.filePath(QStringLiteral("kept.cfg"));
    QVERIFY(!writeText(cfgPath, QByteArrayLiteral("old")).isEmpty());
    {
        const FileSizeLimit fullDisk(512);
        QVERIFY(!writer.write(path, fixedImage()));
        QVERIFY(!writeCfgFile(cfgPath, fixedImage()));
    }
    for (const QString &kept : {path, cfgPath}) {
        QFile file(kept);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArrayLiteral("old"));
    }
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("kept.json*")}, QDir::Files),
             QStringList{QStringLiteral("kept.json")});
}

void tst_KivJsonDocument::read_refusedDocuments_emitNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("expectedBoard");
    QTest::newRow("not JSON") << QByteArrayLiteral("{\"configuration\": {\"altitude\": 5") << -1;
    QTest::newRow("array") << QByteArrayLiteral("[1, 2]") << -1;
    QTest::newRow("no configuration") << QByteArrayLiteral("{\"altitude\": 5}") << -1;
    QTest::newRow("configuration not an object") << QByteArrayLiteral("{\"configuration\": 5}") << -1;
    QTest::newRow("other board") << QByteArrayLiteral("{\"configuration\": {\"boardType\": 6, \"altitude\": 5}}") << 3;
    QTest::newRow("board unknown") << QByteArrayLiteral("{\"configuration\": {\"altitude\": 5}}") << 3;
    QTest::newRow("empty file") << QByteArray() << -1;
}

void tst_KivJsonDocument::read_refusedDocuments_emitNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(int, expectedBoard);
    const QString path = writeText(m_dir.filePath(QStringLiteral("refused.json")), content);
    QVERIFY(!path.isEmpty());
    KivReadJson reader(path);
    if (expectedBoard >= 0)
        reader.setExpectedBoardType(expectedBoard);
    QSignalSpy failed(&reader, &KivReadJson::readFailed);
    QSignalSpy altitude(&reader, &KivReadJson::setAltitude);
    QVERIFY(!reader.read());
    QCOMPARE(failed.size(), 1);
    QVERIFY(!failed.first().first().toString().isEmpty());
    QCOMPARE(altitude.size(), 0);

    KivReadJson missing(m_dir.filePath(QStringLiteral("nothing.json")));
    QSignalSpy missingFailed(&missing, &KivReadJson::readFailed);
    QVERIFY(!missing.read());
    QCOMPARE(missingFailed.first().first().toString(), QStringLiteral("Die Datei existiert nicht."));
}

void tst_KivJsonDocument::read_writtenDocument_givesBackItsSettings()
{
    QList<quint16> image = fixedImage();
    putFloat(image, 112, 12.5f);
    KivWriteJson writer;
    writer.setTlfThresholdsFloat(true);
    const QString path = m_dir.filePath(QStringLiteral("back.json"));
    QVERIFY(writer.write(path, image));

    KivReadJson reader(path);
    reader.setExpectedBoardType(3);
    QSignalSpy altitude(&reader, &KivReadJson::setAltitude);
    QSignalSpy voltage(&reader, &KivReadJson::setVoltage);
    QSignalSpy threshold(&reader, &KivReadJson::setTlfSchwelle1);
    QSignalSpy colour(&reader, &KivReadJson::setTlfFarbe1);
    QSignalSpy tlfChannel(&reader, &KivReadJson::setTlfChannel);
    QSignalSpy relais(&reader, &KivReadJson::setRelais);
    QSignalSpy blocks(&reader, &KivReadJson::setDataBlock);
    QSignalSpy deviceId(&reader, &KivReadJson::setDeviceId);
    QVERIFY(reader.read());

    QCOMPARE(altitude.first().first().toInt(), 420);
    QCOMPARE(voltage.first().first().toInt(), 0);
    QCOMPARE(threshold.first().first().toDouble(), 12.5);
    QCOMPARE(colour.first().first().value<uint8_t>(), uint8_t(3));
    QCOMPARE(tlfChannel.first().first().value<uint8_t>(), uint8_t(2));
    QCOMPARE(relais.size(), 2);
    QCOMPARE(relais.at(0).at(0).toInt(), 0);
    QCOMPARE(relais.at(0).at(1).value<QList<int>>(), (QList<int>{1, 2, 3, 21, 25, 2, 1}));
    QCOMPARE(relais.at(1).at(1).value<QList<int>>().size(), 7);
    QCOMPARE(blocks.size(), 3);
    // The second temperature sensor keeps its own position; the flow sensor's name is not one the
    // document knows, so it reads as type 0.
    QCOMPARE(blocks.at(2).at(0).toInt(), 2);
    QCOMPARE(blocks.at(2).at(1).value<QList<double>>(), (QList<double>{1, -20, 80, 0, 3}));
    QCOMPARE(blocks.at(1).at(1).value<QList<double>>().first(), 0.0);
    QCOMPARE(deviceId.first().first().toInt(), 1);
}

void tst_KivJsonDocument::read_absentKeys_areSkipped()
{
    const QString path =
        writeText(m_dir.filePath(QStringLiteral("sparse.json")),
                  QByteArrayLiteral("{\"configuration\": {\"altitude\": 12.9, \"display\": {\"channel1\": 1},"
                                    " \"tlf\": {\"measure\": {}}, \"relais\": [{\"states\": [1, 2]}],"
                                    " \"offsets\": [{\"measure\": {\"register\": 1, \"measure\": \"TEMP\","
                                    " \"rangeHigh\": 60}}]}}"));
    KivReadJson reader(path);
    QSignalSpy altitude(&reader, &KivReadJson::setAltitude);
    QSignalSpy measureSystem(&reader, &KivReadJson::setMessureSystem);
    QSignalSpy channel1(&reader, &KivReadJson::setLcdChannel1);
    QSignalSpy channel3(&reader, &KivReadJson::setLcdChannel3);
    QSignalSpy tlfChannel(&reader, &KivReadJson::setTlfChannel);
    QSignalSpy colour(&reader, &KivReadJson::setTlfFarbe1);
    QSignalSpy onOff(&reader, &KivReadJson::setTlfOnOff);
    QSignalSpy relais(&reader, &KivReadJson::setRelais);
    QSignalSpy blocks(&reader, &KivReadJson::setDataBlock);
    QSignalSpy deviceId(&reader, &KivReadJson::setDeviceId);
    QVERIFY(reader.read());

    QCOMPARE(altitude.first().first().toInt(), 12);
    QCOMPARE(channel1.size(), 1);
    for (const QSignalSpy *absent : {&measureSystem, &channel3, &tlfChannel, &colour, &onOff, &deviceId})
        QCOMPARE(absent->size(), 0);
    // An incomplete relay is handed on short, so that nothing of it is applied.
    QCOMPARE(relais.size(), 1);
    QCOMPARE(relais.first().at(1).value<QList<int>>(), (QList<int>{1, 2}));
    const QList<double> values = blocks.first().at(1).value<QList<double>>();
    QCOMPARE(values.at(KivReadJson::DataType), 1.0);
    QCOMPARE(values.at(KivReadJson::DataRangeHigh), 60.0);
    QVERIFY(std::isnan(values.at(KivReadJson::DataRangeLow)));
    QVERIFY(std::isnan(values.at(KivReadJson::DataChannel)));
}

void tst_KivJsonDocument::load_settingsReachTheBlockAtTheirPosition()
{
    Rig rig(fixedImage());
    QCOMPARE(rig.blocks.dataBlocks().size(), 3);
    QCOMPARE(rig.blocks.relais().size(), 2);
    rig.state.setMinVoltage(2);
    KivDatenblock *first = rig.blocks.dataBlocks().at(0);
    KivDatenblock *second = rig.blocks.dataBlocks().at(2);

    // A document of the same device in which the second temperature sensor and relay 1 changed.
    KivWriteJson writer;
    QJsonObject document = writer.document(QStringLiteral("x.json"), fixedImage());
    QJsonObject configuration = document.value("configuration").toObject();
    QJsonArray offsets = configuration.value("offsets").toArray();
    QJsonObject entry = offsets.at(2).toObject();
    QJsonObject measure = entry.value("measure").toObject();
    measure.insert("rangeLow", -40);
    measure.insert("rangeHigh", 120);
    measure.insert("channel", 3);
    entry.insert("measure", measure);
    offsets.replace(2, entry);
    configuration.insert("offsets", offsets);
    QJsonArray relais = configuration.value("relais").toArray();
    QJsonObject relay = relais.at(0).toObject();
    relay.insert("hysteresis", 4);
    relais.replace(0, relay);
    configuration.insert("relais", relais);
    configuration.insert("altitude", 800);
    document.insert("configuration", configuration);
    const QString path = writeText(m_dir.filePath(QStringLiteral("load.json")), QJsonDocument(document).toJson());

    KivReadJson reader(path);
    reader.setExpectedBoardType(3);
    KivDocuments::connectLoad(&reader, &rig.state, &rig.blocks);
    QVERIFY(reader.read());

    QCOMPARE(second->lowerRange(), -40.0);
    QCOMPARE(second->upperRange(), 120.0);
    QCOMPARE(second->channel(), 3u);
    QCOMPARE(first->lowerRange(), 0.0);
    QCOMPARE(first->upperRange(), 50.0);
    QCOMPARE(first->channel(), 1u);
    QCOMPARE(rig.blocks.relais().first()->hysteresis(), 4);
    QCOMPARE(rig.state.hoehe(), 800);
    // The document's "voltage" (always 0) leaves the outputs' voltage alone.
    QCOMPARE(rig.state.minVoltage(), 2);
}

void tst_KivJsonDocument::load_displayChannelsAreWholeRegisters()
{
    Rig rig(fixedImage());
    KivLcdBlock *lcd = rig.blocks.lcd();
    QVERIFY(lcd);
    QCOMPARE(lcd->showChannel1(), quint8(1));
    QCOMPARE(lcd->showChannel3(), quint8(1));
    QCOMPARE(lcd->brightness(), quint8(80));

    // "channel1"/"channel2" are registers 88 and 89 with two show flags each; "channel3" and
    // "channel4" are registers 90 and 91, which belong to no display setting.
    KivWriteJson writer;
    QJsonObject document = writer.document(QStringLiteral("x.json"), fixedImage());
    QJsonObject configuration = document.value("configuration").toObject();
    QJsonObject display = configuration.value("display").toObject();
    display.insert("channel1", 0x0100);
    display.insert("channel2", 0x0100);
    display.insert("channel3", 0xFFFF);
    display.insert("channel4", 5);
    display.insert("brightness", 300); // no byte holds it: left out, not cut to 44
    display.insert("rotation", 3);
    configuration.insert("display", display);
    document.insert("configuration", configuration);
    const QString path = writeText(m_dir.filePath(QStringLiteral("display.json")), QJsonDocument(document).toJson());

    QSignalSpy writes(&rig.gate, &KivWriteGate::writeSingleRegister);
    KivReadJson reader(path);
    reader.setExpectedBoardType(3);
    KivDocuments::connectLoad(&reader, &rig.state, &rig.blocks);
    QVERIFY(reader.read());
    QCOMPARE(lcd->showChannel1(), quint8(0));
    QCOMPARE(lcd->showChannel2(), quint8(1));
    QCOMPARE(lcd->showChannel3(), quint8(0));
    QCOMPARE(lcd->showChannel4(), quint8(1));
    QCOMPARE(lcd->brightness(), quint8(80));
    QCOMPARE(lcd->rotation(), quint8(3));
    QTRY_COMPARE(rig.image.at(88), quint16(0x0100));
    QTRY_COMPARE(rig.image.at(89), quint16(0x0100));
    QCOMPARE(rig.image.at(83), quint16(0x0103)); // the traffic light's byte stays on
    for (const QList<QVariant> &write : std::as_const(writes))
        QVERIFY2(write.at(0).toUInt() < 90 || write.at(0).toUInt() > 91, qPrintable(write.at(0).toString()));
    QCOMPARE(rig.image.at(90), quint16(0));
    QCOMPARE(rig.image.at(82), quint16(0x5001));

    // Without "channel2" the flags of register 89 stay as they are.
    display.remove("channel2");
    display.insert("channel1", 0x0101);
    configuration.insert("display", display);
    document.insert("configuration", configuration);
    writeText(path, QJsonDocument(document).toJson());
    KivReadJson again(path);
    again.setExpectedBoardType(3);
    KivDocuments::connectLoad(&again, &rig.state, &rig.blocks);
    QVERIFY(again.read());
    QCOMPARE(lcd->showChannel1(), quint8(1));
    QCOMPARE(lcd->showChannel3(), quint8(0));
    QCOMPARE(lcd->showChannel4(), quint8(1));
    QTRY_COMPARE(rig.image.at(88), quint16(0x0101));
    QCOMPARE(rig.image.at(89), quint16(0x0100));
}

QTEST_MAIN(tst_KivJsonDocument)
#include "tst_KivJsonDocument.moc"
