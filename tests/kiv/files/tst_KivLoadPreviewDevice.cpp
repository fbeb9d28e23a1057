#include "Functions.h"
#include "KivCfgFile.h"
#include "KivEmulatedDevice.h"
#include "KivLoadPreview.h"
#include "KivSaveAndLoad.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kSettleWaitMs = 15000;
constexpr int kWriteWaitMs = 15000;
// Longer than a load's first queue step (1000 ms) and a capture's quiet time together.
constexpr int kNoWriteWaitMs = 3000;
constexpr uint kAltitude = 30;
constexpr uint kDisplay = 82; // high byte: brightness
constexpr uint kBlock0UpperRange = 1018;
const QString kAltitudeName = QStringLiteral("Höhe über NN [m]");
const QString kBrightnessName = QStringLiteral("Display: Helligkeit");
} // namespace

// A configuration file loaded into the emulated device over a pty pair: what the preview lists,
// and what reaches the device after "Abbrechen" and after "Übernehmen".
class tst_KivLoadPreviewDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cfg_threeChanges_listedAndNothingWrittenOnCancel();
    void cfg_confirmed_writesExactlyTheListedChanges();
    void cfg_unchanged_saysSoAndWritesNothing();
    void json_changes_listedAndWrittenOnConfirm();

private:
    KivBackend *backend() const { return m_device->backend.get(); }
    KivLoadPreview *preview() const { return backend()->loadPreviewObject(); }
    QString saveImage(const QString &name);
    // A saved image with the altitude, the display brightness and the first block's upper
    // range changed.
    QString imageWithThreeChanges();
    void recordWrites();
    QSet<uint> writtenRegisters() const;

    QTemporaryDir m_dir;
    KivShareBackend m_share;
    std::unique_ptr<KivEmulatedDevice> m_device;
    std::unique_ptr<QObject> m_recording;
    QList<QPair<uint, int>> m_writes;
    QList<quint16> m_file;
};

void tst_KivLoadPreviewDevice::initTestCase()
{
    qRegisterMetaType<BluetoothIoEnums::OperationMode>();
    QVERIFY(m_dir.isValid());
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
}

void tst_KivLoadPreviewDevice::init()
{
    static int run = 0;
    m_device = std::make_unique<KivEmulatedDevice>();
    const QString failure =
        m_device->start(m_dir.filePath(QString::number(++run)), QStringLiteral("standard"), &m_share);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    m_writes.clear();
}

void tst_KivLoadPreviewDevice::cleanup()
{
    m_recording.reset();
    m_device.reset();
}

QString tst_KivLoadPreviewDevice::saveImage(const QString &name)
{
    auto *saveLoad = qvariant_cast<KivSaveAndLoad *>(backend()->saveLoadBackend());
    saveLoad->writeSettingsToHd(name, false);
    const QString path = UtilityFunctions::saveFileDirectory() + QLatin1Char('/') + name;
    return QFile::exists(path) ? path : QString();
}

QString tst_KivLoadPreviewDevice::imageWithThreeChanges()
{
    const QString path = saveImage(QStringLiteral("three.cfg"));
    m_file = readCfgFile(path);
    if (m_file.size() <= int(kBlock0UpperRange) + 1)
        return {};
    m_file[kAltitude] = quint16(m_file.at(kAltitude) + 250);
    const quint8 brightness = Functions::highByte(m_file.at(kDisplay)) == 7 ? 5 : 7;
    m_file[kDisplay] = Functions::replaceByte(m_file.at(kDisplay), brightness, Functions::HighByte);
    const QList<quint16> range = Functions::fromUInt32(Functions::toUInt32(m_file, int(kBlock0UpperRange)) + 10);
    m_file[kBlock0UpperRange] = range.at(0);
    m_file[kBlock0UpperRange + 1] = range.at(1);
    return writeCfgFile(path, m_file) ? path : QString();
}

void tst_KivLoadPreviewDevice::recordWrites()
{
    m_recording = std::make_unique<QObject>();
    connect(backend(), &KivBackend::writeSingleRegister, m_recording.get(), [this](uint reg, ushort) {
        m_writes.append({reg, 1});
    });
    connect(backend(), &KivBackend::writeMultiRegister, m_recording.get(),
            [this](uint start, const QList<quint16> &values) {
        m_writes.append({start, int(values.size())});
    });
}

QSet<uint> tst_KivLoadPreviewDevice::writtenRegisters() const
{
    QSet<uint> registers;
    for (const auto &[start, count] : m_writes) {
        for (int i = 0; i < count; ++i)
            registers.insert(start + uint(i));
    }
    return registers;
}

void tst_KivLoadPreviewDevice::cfg_threeChanges_listedAndNothingWrittenOnCancel()
{
    const QString path = imageWithThreeChanges();
    QVERIFY(!path.isEmpty());
    const QList<quint16> image = backend()->registerImage();
    const QList<quint16> device = m_device->emulator->registers();
    recordWrites();

    QVERIFY(backend()->previewLoad(path));
    QVERIFY(preview()->isOpen());
    QVERIFY(preview()->isBusy());
    QTRY_COMPARE_WITH_TIMEOUT(preview()->state(), KivLoadPreview::State::Ready, kSettleWaitMs);
    QVERIFY2(m_writes.isEmpty(), "nothing leaves while the preview is shown");
    QVERIFY(!backend()->isLoadingFromDisc());

    const QList<KivSettingCatalog::Change> changes = preview()->changes();
    QStringList names;
    for (const auto &change : changes)
        names << change.name;
    QCOMPARE(changes.size(), 3);
    QCOMPARE(names.at(0), kAltitudeName);
    QCOMPARE(changes.at(0).deviceValue, QString::number(qint32(Functions::toUInt32(image, int(kAltitude)))));
    QCOMPARE(changes.at(0).fileValue, QString::number(qint32(Functions::toUInt32(m_file, int(kAltitude)))));
    QCOMPARE(names.at(1), kBrightnessName);
    QCOMPARE(changes.at(1).fileValue, QString::number(Functions::highByte(m_file.at(kDisplay))));
    QVERIFY2(names.at(2).startsWith(QStringLiteral("Messkanal 1")) &&
                 names.at(2).endsWith(QStringLiteral("Messbereich Ende")),
             qPrintable(names.at(2)));

    preview()->cancel();
    QVERIFY(!preview()->isOpen());
    QTRY_COMPARE_WITH_TIMEOUT(preview()->state(), KivLoadPreview::State::Idle, kSettleWaitMs);
    QSignalSpy late(backend(), &KivBackend::writeMultiRegister);
    QVERIFY(!late.wait(kNoWriteWaitMs));
    QVERIFY2(m_writes.isEmpty(), "a cancelled load writes nothing");
    QCOMPARE(backend()->pendingWrites(), 0);
    QCOMPARE(backend()->registerImage(), image);
    QCOMPARE(m_device->emulator->registers().mid(0, 300), device.mid(0, 300));
    QCOMPARE(m_device->emulator->registers().at(kBlock0UpperRange), device.at(kBlock0UpperRange));
}

void tst_KivLoadPreviewDevice::cfg_confirmed_writesExactlyTheListedChanges()
{
    const QString path = imageWithThreeChanges();
    QVERIFY(!path.isEmpty());
    recordWrites();
    QVERIFY(backend()->previewLoad(path));
    QTRY_COMPARE_WITH_TIMEOUT(preview()->state(), KivLoadPreview::State::Ready, kSettleWaitMs);
    QCOMPARE(preview()->changeCount(), 3);

    QSignalSpy reread(backend(), &KivBackend::switchToPoll);
    QSignalSpy errors(backend(), &KivBackend::errorPlainText);
    preview()->confirm();
    QVERIFY(backend()->isLoadingFromDisc());
    QVERIFY(reread.wait(kWriteWaitMs + KivEmulatedDevice::kReadWaitMs));
    QCOMPARE(errors.size(), 0);

    const QSet<uint> expected{kAltitude, kAltitude + 1, kDisplay, kBlock0UpperRange, kBlock0UpperRange + 1};
    QCOMPARE(writtenRegisters(), expected);
    const QList<quint16> after = m_device->emulator->registers();
    for (uint reg : expected)
        QCOMPARE(after.at(reg), m_file.at(reg));
}

void tst_KivLoadPreviewDevice::cfg_unchanged_saysSoAndWritesNothing()
{
    const QString path = saveImage(QStringLiteral("same.cfg"));
    QVERIFY(!path.isEmpty());
    recordWrites();
    QVERIFY(backend()->previewLoad(path));
    QTRY_COMPARE_WITH_TIMEOUT(preview()->state(), KivLoadPreview::State::Ready, kSettleWaitMs);
    QCOMPARE(preview()->changeCount(), 0);

    // The pop-up's only button confirms, which for an unchanged file writes nothing.
    preview()->confirm();
    QTRY_COMPARE_WITH_TIMEOUT(preview()->state(), KivLoadPreview::State::Idle, kSettleWaitMs);
    QVERIFY(!backend()->isLoadingFromDisc());
    QSignalSpy late(backend(), &KivBackend::writeMultiRegister);
    QVERIFY(!late.wait(kNoWriteWaitMs));
    QVERIFY(m_writes.isEmpty());
}

void tst_KivLoadPreviewDevice::json_changes_listedAndWrittenOnConfirm()
{
    const QString path = UtilityFunctions::saveFileDirectory() + QStringLiteral("/doc.json");
    QSignalSpy created(backend(), &KivBackend::onSaveFileCreateAt);
    backend()->createFileAt(path);
    QCOMPARE(created.size(), 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject document = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonObject configuration = document.value(QStringLiteral("configuration")).toObject();
    const int altitude = configuration.value(QStringLiteral("altitude")).toInt() + 40;
    configuration.insert(QStringLiteral("altitude"), altitude);
    QJsonObject display = configuration.value(QStringLiteral("display")).toObject();
    const int brightness = display.value(QStringLiteral("brightness")).toInt() == 3 ? 4 : 3;
    display.insert(QStringLiteral("brightness"), brightness);
    configuration.insert(QStringLiteral("display"), display);
    document.insert(QStringLiteral("configuration"), configuration);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(document).toJson());
    file.close();

    recordWrites();
    QVERIFY(backend()->previewLoad(path));
    QTRY_COMPARE_WITH_TIMEOUT(preview()->state(), KivLoadPreview::State::Ready, kSettleWaitMs);
    QVERIFY(m_writes.isEmpty());
    QStringList names;
    for (const auto &change : preview()->changes())
        names << change.name;
    QCOMPARE(names, QStringList({kAltitudeName, kBrightnessName}));
    QCOMPARE(preview()->changes().at(0).fileValue, QString::number(altitude));

    QSignalSpy info(backend(), &KivBackend::infoPlainText);
    QSignalSpy reread(backend(), &KivBackend::switchToPoll);
    preview()->confirm();
    QCOMPARE(info.size(), 1);
    QCOMPARE(info.first().first().toString(), QStringLiteral("Werte ausgelesen und übertragen"));
    QVERIFY(reread.wait(kWriteWaitMs + KivEmulatedDevice::kReadWaitMs));
    QCOMPARE(writtenRegisters(), QSet<uint>({kAltitude, kAltitude + 1, kDisplay}));
    const QList<quint16> after = m_device->emulator->registers();
    QCOMPARE(qint32(Functions::toUInt32(after, int(kAltitude))), altitude);
    QCOMPARE(int(Functions::highByte(after.at(kDisplay))), brightness);
}

QTEST_GUILESS_MAIN(tst_KivLoadPreviewDevice)
#include "tst_KivLoadPreviewDevice.moc"
