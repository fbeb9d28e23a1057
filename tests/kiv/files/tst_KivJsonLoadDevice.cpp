#include "Functions.h"
#include "KivBlockSet.h"
#include "KivDatenblock.h"
#include "KivEmulatedDevice.h"
#include "KivLcdBlock.h"
#include "KivRelaisBlock.h"
#include "KivRs485.h"
#include "KivSaveAndLoad.h"
#include "KivTlfBlock.h"
#include "UtilityFunctions.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
constexpr int kReadWaitMs = KivEmulatedDevice::kReadWaitMs;
constexpr int kWriteWaitMs = 15000;
// Long enough for the write queue's first step (1000 ms) to have passed twice.
constexpr int kNoWriteWaitMs = 2500;
constexpr uint kAltitudeReg = 30;
constexpr uint kRelay1 = 146;
constexpr uint kRelayRegisters = 28;
constexpr uint kFirstBlock = 1000;
constexpr uint kBlockRangeOffset = 16;
constexpr uint kBlockChannelOffset = 24;
// Where the first block's upper range lies in takenBack().
constexpr qsizetype kSavedUpperRange = 2 + kRelayRegisters + 2;
const QString kLoadFailed = QStringLiteral("Fehler beim Laden");
const QString kLoaded = QStringLiteral("Werte ausgelesen und übertragen");

// Display (brightness, rotation with the traffic light's on/off, the four show-channel flags),
// traffic light (channel, colours, thresholds) and the bus device ID.
const QList<uint> kDisplayTlfBus{82, 83, 88, 89, 110, 111, 112, 113, 114, 115, 148, 149};

QList<quint16> pick(const QList<quint16> &image, const QList<uint> &registers)
{
    QList<quint16> values;
    for (uint reg : registers)
        values.append(image.value(reg));
    return values;
}

QList<quint16> takenBack(const QList<quint16> &image)
{
    QList<quint16> registers = image.mid(kAltitudeReg, 2);
    registers << image.mid(kRelay1, kRelayRegisters);
    registers << image.mid(kFirstBlock + kBlockRangeOffset, 4);
    registers << image.mid(kFirstBlock + kBlockChannelOffset, 2);
    return registers;
}
} // namespace

// A ".json" document saved from the emulated relay device and loaded back into it through the
// real back end, the blocks' setters and the write queue.
class tst_KivJsonLoadDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void load_changedDevice_getsTheSavedSettingsBackAndIsReadAgain();
    void load_displayTrafficLightAndBus_comeBack_data();
    void load_displayTrafficLightAndBus_comeBack();
    void load_refusedDocuments_writeNothing();
    void load_withoutDevice_isNoSuccess();

private:
    KivSaveAndLoad *saveLoad() const { return qvariant_cast<KivSaveAndLoad *>(m_backend->saveLoadBackend()); }
    QString savedDocument();

    QTemporaryDir m_dir;
    KivShareBackend m_share;
    std::unique_ptr<KivEmulatedDevice> m_device;
    KivBackend *m_backend = nullptr;
    EmulatorProcess *m_emulator = nullptr;
};

void tst_KivJsonLoadDevice::initTestCase()
{
    qRegisterMetaType<BluetoothIoEnums::OperationMode>();
    QVERIFY(m_dir.isValid());
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
}

void tst_KivJsonLoadDevice::init()
{
    static int run = 0;
    m_device = std::make_unique<KivEmulatedDevice>();
    // A data row names the emulator variant; tests without rows use the relay device.
    const QString variant =
        QTest::currentDataTag() ? QString::fromLatin1(QTest::currentDataTag()) : QStringLiteral("relay");
    const QString failure = m_device->start(m_dir.filePath(QStringLiteral("run%1").arg(++run)), variant, &m_share);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    m_backend = m_device->backend.get();
    m_emulator = m_device->emulator.get();
    QVERIFY(m_backend->updateOngoing());
}

void tst_KivJsonLoadDevice::cleanup()
{
    m_device.reset();
}

QString tst_KivJsonLoadDevice::savedDocument()
{
    QSignalSpy saved(m_backend, &KivBackend::writingFileSuccessfully);
    QSignalSpy errors(m_backend, &KivBackend::errorPlainText);
    saveLoad()->writeSettingsToHd(QStringLiteral("device.json"), false);
    const QString path = UtilityFunctions::saveFileDirectory() + QStringLiteral("/device.json");
    return saved.size() == 1 && errors.isEmpty() && QFile::exists(path) ? path : QString();
}

void tst_KivJsonLoadDevice::load_changedDevice_getsTheSavedSettingsBackAndIsReadAgain()
{
    const QString path = savedDocument();
    QVERIFY(!path.isEmpty());
    const QList<quint16> saved = takenBack(m_emulator->registers());

    // Change on the device what the document takes back: altitude, both relays and the first
    // measuring channel's range.
    const auto blocks = m_backend->findChild<KivBlockSet *>();
    QVERIFY(blocks);
    QCOMPARE(blocks->relais().size(), 2);
    m_backend->setHoehe(m_backend->hoehe() + 300);
    blocks->relais().at(0)->setHysteresis(blocks->relais().at(0)->hysteresis() + 3);
    blocks->relais().at(1)->setThreshold1(blocks->relais().at(1)->threshold1() + 100);
    KivDatenblock *first = blocks->dataBlocks().first();
    first->setUpperRange(first->upperRange() + 10);
    QTRY_VERIFY_WITH_TIMEOUT(
        takenBack(m_emulator->registers()) != saved && m_emulator->registers().value(kAltitudeReg) != saved.at(0) &&
            m_emulator->registers().value(kFirstBlock + kBlockRangeOffset + 2) != saved.value(kSavedUpperRange),
        kWriteWaitMs);

    QSignalSpy info(m_backend, &KivBackend::infoPlainText);
    QSignalSpy errors(m_backend, &KivBackend::errorPlainText);
    QSignalSpy reread(m_backend, &KivBackend::switchToPoll);
    QSignalSpy progress(m_backend, &KivBackendProperty::progressChanged);
    m_backend->continueLoading(path);
    QCOMPARE(errors.size(), 0);
    QCOMPARE(info.size(), 1);
    QCOMPARE(info.first().first().toString(), kLoaded);
    QVERIFY(m_backend->isLoadingFromDisc());
    QVERIFY(m_backend->maximum() > 0);

    // The writes leave from the queue, then the device is read again.
    QVERIFY(reread.wait(kWriteWaitMs + kReadWaitMs));
    QVERIFY(!m_backend->isLoadingFromDisc());
    QVERIFY(!progress.isEmpty());
    QCOMPARE(errors.size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(takenBack(m_emulator->registers()), saved, kWriteWaitMs);
    QCOMPARE(takenBack(m_backend->registerImage()), saved);
}

void tst_KivJsonLoadDevice::load_displayTrafficLightAndBus_comeBack_data()
{
    QTest::addColumn<bool>("bacnet");
    QTest::newRow("modbus") << false;
    QTest::newRow("bacnet") << true;
}

// Not taken back, as the document is laid out: the bus address, baud rate, mode and parity
// (read-only on the device), the BACnet description, COV switch and increments (not in the
// document), the display's calibration, relay and sensor-count bytes (the reader has no signal
// for them) and registers 90 and 91 (no block owns them).
void tst_KivJsonLoadDevice::load_displayTrafficLightAndBus_comeBack()
{
    QFETCH(bool, bacnet);
    const auto blocks = m_backend->findChild<KivBlockSet *>();
    QVERIFY(blocks);
    KivLcdBlock *lcd = blocks->lcd();
    KivTlfBlock *tlf = blocks->tlf();
    KivRs485 *bus = blocks->rs485();
    QVERIFY(lcd && tlf && bus);
    QCOMPARE(bus->isBacNet(), bacnet);
    QCOMPARE(lcd->showChannel2(), quint8(1));
    QCOMPARE(lcd->showChannel3(), quint8(1));

    // Both bus boards are new enough for float thresholds: fractions must come back whole.
    QVERIFY(tlf->thresholdsAreFloat());
    tlf->setThreshold1(812.5);
    tlf->setThreshold2(1187.75);
    const QList<quint16> fractions = Functions::fromFloat(812.5f) + Functions::fromFloat(1187.75f);
    QTRY_COMPARE_WITH_TIMEOUT(m_emulator->registers().mid(112, 4), fractions, kWriteWaitMs);
    const QString path = savedDocument();
    QVERIFY(!path.isEmpty());
    const QList<quint16> saved = m_emulator->registers();

    lcd->setBrightness(35);
    lcd->setRotation(2);
    lcd->setShowChannel2(0);
    lcd->setShowChannel3(0);
    tlf->setOnOff(0);
    tlf->setChannel(1);
    tlf->setColor1(3);
    tlf->setColor2(1);
    tlf->setColor3(0);
    tlf->setThreshold1(12.25);
    tlf->setThreshold2(30.5);
    bus->setDeviceId(bus->deviceId() + 5);
    const auto allChanged = [&] {
        const QList<quint16> now = m_emulator->registers();
        for (uint reg : {82u, 83u, 88u, 89u, 110u, 111u, 112u, 113u, 114u, 115u, 148u}) {
            if (now.value(reg) == saved.value(reg))
                return false;
        }
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(allChanged(), kWriteWaitMs);

    QSignalSpy info(m_backend, &KivBackend::infoPlainText);
    QSignalSpy errors(m_backend, &KivBackend::errorPlainText);
    QSignalSpy reread(m_backend, &KivBackend::switchToPoll);
    m_backend->continueLoading(path);
    QCOMPARE(errors.size(), 0);
    QCOMPARE(info.size(), 1);
    QCOMPARE(info.first().first().toString(), kLoaded);
    QVERIFY(reread.wait(kWriteWaitMs + kReadWaitMs));
    QTRY_COMPARE_WITH_TIMEOUT(pick(m_emulator->registers(), kDisplayTlfBus), pick(saved, kDisplayTlfBus), kWriteWaitMs);
    QCOMPARE(pick(m_backend->registerImage(), kDisplayTlfBus), pick(saved, kDisplayTlfBus));
    QCOMPARE(tlf->threshold1(), 812.5);
    QCOMPARE(tlf->threshold2(), 1187.75);
    // Nothing else of the display, traffic light or bus block moved on the way.
    QCOMPARE(m_emulator->registers().mid(82, 34), saved.mid(82, 34));
    QCOMPARE(m_emulator->registers().mid(144, 60), saved.mid(144, 60));
    QCOMPARE(errors.size(), 0);
}

void tst_KivJsonLoadDevice::load_refusedDocuments_writeNothing()
{
    const QString path = savedDocument();
    QVERIFY(!path.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject document = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonObject configuration = document.value(QStringLiteral("configuration")).toObject();
    configuration.insert(QStringLiteral("altitude"), configuration.value(QStringLiteral("altitude")).toInt() + 1);
    // The bus board's document on this relay device.
    configuration.insert(QStringLiteral("boardType"), 4);
    document.insert(QStringLiteral("configuration"), configuration);
    const QString otherBoard = m_dir.filePath(QStringLiteral("other.json"));
    const QString broken = m_dir.filePath(QStringLiteral("broken.json"));
    for (const auto &[name, bytes] : {std::pair{otherBoard, QJsonDocument(document).toJson()},
                                      std::pair{broken, QJsonDocument(document).toJson().left(200)}}) {
        QFile out(name);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    const QList<quint16> device = m_emulator->registers();
    const QList<quint16> image = m_backend->registerImage();

    QSignalSpy errors(m_backend, &KivBackend::errorPlainText);
    QSignalSpy info(m_backend, &KivBackend::infoPlainText);
    QSignalSpy multi(m_backend, &KivBackend::writeMultiRegister);
    QSignalSpy single(m_backend, &KivBackend::writeSingleRegister);
    m_backend->continueLoading(otherBoard);
    QCOMPARE(errors.size(), 2);
    QCOMPARE(errors.at(0).first().toString(), QStringLiteral("Die Datei passt nicht zum verbundenen Gerät!"));
    QCOMPARE(errors.at(1).first().toString(), kLoadFailed);
    m_backend->continueLoading(broken);
    QCOMPARE(errors.size(), 4);
    QCOMPARE(errors.at(3).first().toString(), kLoadFailed);
    QCOMPARE(info.size(), 0);
    QVERIFY(!m_backend->isLoadingFromDisc());
    QVERIFY(!multi.wait(kNoWriteWaitMs));
    QCOMPARE(single.size(), 0);
    QCOMPARE(m_backend->registerImage(), image);
    QCOMPARE(m_emulator->registers().mid(0, 300), device.mid(0, 300));
}

void tst_KivJsonLoadDevice::load_withoutDevice_isNoSuccess()
{
    const QString path = savedDocument();
    QVERIFY(!path.isEmpty());
    QSignalSpy gone(m_backend, &KivBackendProperty::connectedChanged);
    m_backend->disconnectDevice();
    QTRY_VERIFY_WITH_TIMEOUT(!m_backend->connected(), kReadWaitMs);

    QSignalSpy errors(m_backend, &KivBackend::errorPlainText);
    QSignalSpy info(m_backend, &KivBackend::infoPlainText);
    m_backend->continueLoading(path);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first().first().toString(), kLoadFailed);
    QCOMPARE(info.size(), 0);
    QVERIFY(!m_backend->isLoadingFromDisc());
}

QTEST_GUILESS_MAIN(tst_KivJsonLoadDevice)
#include "tst_KivJsonLoadDevice.moc"
