#include "NemtraBackend.h"
#include "NemtraConnectionManager.h"
#include "NemtraContainerManager.h"
#include "NemtraDeviceInformation.h"
#include "NemtraSimulationImage.h"

#include <QDataStream>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {
constexpr int kImageWords = NemtraBackend::kImageWords;

// A stored image file as the save function writes it: optional header string, then words.
QString writeImageFile(const QString &path, const QString &header, const QList<quint16> &words)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QDataStream out(&file);
    if (!header.isEmpty())
        out << header;
    for (quint16 w : words)
        out << w;
    return path;
}

QList<quint16> imageWithDevice(int size, quint16 device)
{
    QList<quint16> words(size, 0);
    if (size > NemtraBackend::kDeviceTypeWord)
        words[NemtraBackend::kDeviceTypeWord] = device;
    return words;
}
} // namespace

class tst_NemtraBackend : public QObject
{
    Q_OBJECT

private slots:
    void simulationText_anyLength_givesWholeImage();
    void imageFile_checksLengthAndDevice();
    void simulateDevice_bothModelsWithoutPort_data();
    void simulateDevice_bothModelsWithoutPort();
    void simulateLoading_padsShortAndCutsLongImages();
    void disconnect_duringSimulation_stopsTimersAndClearsState();
    void readReply_pastImageEnd_isDropped();
    void containerManager_forwardsOnlyWhileEnabled();
    void connectionManager_withoutLink_dropsRequests();

private:
    static void runSimulation(NemtraBackend &backend, const QList<quint16> &data);
    QTemporaryDir m_dir;
};

void tst_NemtraBackend::runSimulation(NemtraBackend &backend, const QList<quint16> &data)
{
    QSignalSpy loaded(&backend, &NemtraBackend::connectedAndDataLoaded);
    // A short progress run keeps the test quick; the pacing is the same.
    backend.setProgressMax(3);
    backend.simulateLoading(data);
    QVERIFY(backend.connected());
    QVERIFY(loaded.wait(5000));
    QCOMPARE(loaded.count(), 1);
    QVERIFY(backend.isSimulation());
    QVERIFY(!backend.simulationRunning());
}

void tst_NemtraBackend::simulationText_anyLength_givesWholeImage()
{
    const QByteArray text = "Register;Wert\n"
                            "10;65535\r\n"
                            "1024;16386\n"
                            "65534;7\n"
                            "65535;9\n" // past the register space
                            "70000;9\n"
                            "12;70000\n" // does not fit 16 bits
                            "13;-4\n"
                            "x;5\n"
                            "14\n"
                            "15;a;300\n";
    const QList<quint16> image = NemtraSimulationImage::fromText(text);
    QCOMPARE(image.size(), kImageWords);
    QCOMPARE(image.at(10), quint16(65535));
    QCOMPARE(image.at(1024), quint16(16386));
    QCOMPARE(image.at(65534), quint16(7));
    QCOMPARE(image.at(12), quint16(0));
    QCOMPARE(image.at(13), quint16(0));
    QCOMPARE(image.at(14), quint16(0));
    QCOMPARE(image.at(15), quint16(300));

    QCOMPARE(NemtraSimulationImage::fromText({}).size(), kImageWords);
    QCOMPARE(NemtraSimulationImage::fromText("Register;Wert\n").size(), kImageWords);
}

void tst_NemtraBackend::imageFile_checksLengthAndDevice()
{
    NemtraBackend backend;
    QSignalSpy errors(&backend, &BackendBase::errorPlainText);

    backend.simulateDevice(
        QUrl::fromLocalFile(writeImageFile(m_dir.filePath("short.dat"), {}, imageWithDevice(1024, 0))));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.last().first().toString(), QStringLiteral("Datei beinhalten nicht genügend Daten!"));

    backend.simulateDevice(
        QUrl::fromLocalFile(writeImageFile(m_dir.filePath("other.dat"), {}, imageWithDevice(2000, 16387))));
    QCOMPARE(errors.count(), 2);
    QCOMPARE(errors.last().first().toString(), QStringLiteral("Datei kann nicht für Simulation genutzt werden!"));

    // A header of another file kind gives no words at all.
    backend.simulateDevice(QUrl::fromLocalFile(
        writeImageFile(m_dir.filePath("kiv.dat"), QStringLiteral("KIV_1.2.3"), imageWithDevice(2000, 16386))));
    QCOMPARE(errors.count(), 3);
    QCOMPARE(errors.last().first().toString(), QStringLiteral("Datei beinhalten nicht genügend Daten!"));
    backend.simulateDevice(QUrl::fromLocalFile(m_dir.filePath("missing.dat")));
    QCOMPARE(errors.count(), 4);
    QVERIFY(!backend.connected());
    QVERIFY(!backend.simulationRunning());

    const QList<quint16> headed = NemtraSimulationImage::fromFile(
        writeImageFile(m_dir.filePath("lora.dat"), QStringLiteral("LORA_2.1.2"), imageWithDevice(3000, 16385)));
    QCOMPARE(headed.size(), 3000);
    QCOMPARE(headed.at(NemtraBackend::kDeviceTypeWord), quint16(16385));
    // Words beyond the register space are never read into memory.
    const QList<quint16> huge = NemtraSimulationImage::fromFile(
        writeImageFile(m_dir.filePath("huge.dat"), {}, imageWithDevice(kImageWords + 500, 16386)));
    QCOMPARE(huge.size(), kImageWords);
}

void tst_NemtraBackend::simulateDevice_bothModelsWithoutPort_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("deviceType");
    QTest::newRow("F3") << 0 << int(NemtraDeviceInformation::Ferox3ZNT);
    QTest::newRow("VTX") << 1 << int(NemtraDeviceInformation::ZNT);
    QTest::newRow("other index means F3") << 7 << int(NemtraDeviceInformation::Ferox3ZNT);
}

void tst_NemtraBackend::simulateDevice_bothModelsWithoutPort()
{
    QFETCH(int, index);
    QFETCH(int, deviceType);
    NemtraBackend backend;
    QSignalSpy loaded(&backend, &NemtraBackend::connectedAndDataLoaded);
    QSignalSpy errors(&backend, &BackendBase::errorPlainText);
    backend.setProgressMax(3);
    backend.simulateDevice(index);
    QVERIFY(loaded.wait(5000));
    QCOMPARE(errors.count(), 0);
    QVERIFY(backend.isSimulation());
    QVERIFY(!backend.connectionManager()->connected());
    QCOMPARE(int(NemtraDeviceInformation::instance()->deviceType()), deviceType);
    QVERIFY(NemtraDeviceInformation::instance()->channelCount() > 0);
    QCOMPARE(backend.registerImage().at(NemtraConnectionManager::kIdentificationRegister), quint16(0xFFFF));
    emit backend.disconnectFromDevice();
    QCOMPARE(int(NemtraDeviceInformation::instance()->deviceType()), 0);
}

void tst_NemtraBackend::simulateLoading_padsShortAndCutsLongImages()
{
    NemtraBackend backend;
    QList<quint16> shortImage = imageWithDevice(1500, 16386);
    shortImage[1499] = 42;
    runSimulation(backend, shortImage);
    QCOMPARE(backend.registerImage().size(), kImageWords);
    QCOMPARE(backend.registerImage().at(1499), quint16(42));
    QVERIFY(backend.simulationFlag());

    // Writes and reads from the pages are not sent anywhere while simulating.
    backend.containerManager()->setEnabled(true);
    backend.containerManager()->attemptToWriteSingle(0xC108, 5);
    QVERIFY(backend.connectionManager()->writeQueue().isEmpty());

    QList<quint16> longImage = imageWithDevice(kImageWords + 100, 16385);
    longImage[kImageWords - 1] = 9;
    runSimulation(backend, longImage);
    QCOMPARE(backend.registerImage().size(), kImageWords);
    QCOMPARE(backend.registerImage().last(), quint16(9));
}

void tst_NemtraBackend::disconnect_duringSimulation_stopsTimersAndClearsState()
{
    NemtraBackend backend;
    QSignalSpy loaded(&backend, &NemtraBackend::connectedAndDataLoaded);
    backend.setProgressMax(3);
    backend.simulateLoading(imageWithDevice(2000, 16386));
    QVERIFY(backend.simulationRunning());
    emit backend.disconnectFromDevice();
    QVERIFY(!backend.simulationRunning());
    QVERIFY(!backend.connected());
    QVERIFY(!backend.simulationFlag());
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(backend.registerImage(), QList<quint16>(kImageWords, 0));

    runSimulation(backend, imageWithDevice(2000, 16386));
    // An edit on the simulated device is not carried as unsaved into the next device.
    backend.containerManager()->setEnabled(true);
    backend.containerManager()->attemptToWriteSingle(0xC108, 5);
    QVERIFY(backend.valuesModified());
    emit backend.disconnectFromDevice();
    QVERIFY(!backend.isSimulation());
    QVERIFY(!backend.connected());
    QVERIFY(!backend.simulationRunning());
    QVERIFY(!backend.valuesModified());
}

void tst_NemtraBackend::readReply_pastImageEnd_isDropped()
{
    NemtraBackend backend;
    backend.onReadRead(65532, {1, 2, 3, 4, 5});
    const QList<quint16> image = backend.registerImage();
    QCOMPARE(image.size(), kImageWords);
    QCOMPARE(image.mid(65532), (QList<quint16>{1, 2, 3}));
    backend.onReadRead(0xFFFFFFFFu, {7});
    QCOMPARE(backend.registerImage(), image);
}

void tst_NemtraBackend::containerManager_forwardsOnlyWhileEnabled()
{
    NemtraContainerManager manager;
    QSignalSpy single(&manager, &BaseContainer::writeSingleRegister);
    QSignalSpy multi(&manager, &BaseContainer::writeMultipleRegister);
    QSignalSpy reads(&manager, &NemtraContainerManager::readSingleRegister);
    QVERIFY(!manager.isEnabled());
    manager.attemptToWriteSingle(1, 2);
    manager.attemptToWriteMulti(1, {2, 3});
    manager.attemptToReadSingle(4);
    QCOMPARE(single.count() + multi.count() + reads.count(), 0);

    manager.setEnabled(true);
    manager.attemptToWriteSingle(1, 2);
    manager.attemptToWriteMulti(1, {2, 3});
    manager.attemptToReadSingle(4);
    QCOMPARE(single.count(), 1);
    QCOMPARE(multi.count(), 1);
    QCOMPARE(reads.count(), 1);

    // A reset disables it until the event loop has run.
    manager.reset();
    QVERIFY(!manager.isEnabled());
    QTRY_VERIFY(manager.isEnabled());
}

void tst_NemtraBackend::connectionManager_withoutLink_dropsRequests()
{
    NemtraBackend backend;
    NemtraConnectionManager *c = backend.connectionManager();
    QSignalSpy modified(&backend, &NemtraProperties::valuesModifiedChanged);
    c->attemptToWriteSingle(0xC100, 1);
    c->attemptToWriteMulti(0xC100, {1, 2});
    c->attemptToReadSingle(0xC100);
    QVERIFY(c->writeQueue().isEmpty());
    QVERIFY(c->singleReadQueue().isEmpty());
    QVERIFY(c->getAllQueue().isEmpty());
    // The user's change is still marked as unsaved.
    QVERIFY(backend.valuesModified());
    QCOMPARE(modified.count(), 1);
    c->onSaveCommand();
    QVERIFY(!backend.valuesModified());
    QCOMPARE(c->currentTask(), NemtraConnectionManager::NothingToDo);
}

QTEST_GUILESS_MAIN(tst_NemtraBackend)
#include "tst_NemtraBackend.moc"
