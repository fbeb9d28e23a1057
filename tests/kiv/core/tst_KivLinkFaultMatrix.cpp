// Every fault the device or the cable can show, struck in every phase of the link's life,
// against the real back end over a pty pair. Each cell must end in the start state with an
// error shown, no write claimed that the device did not get, nothing left queued for the next
// device and the link thread gone. The cells are printed as a table at the end.
#include "BaseSettings.h"
#include "BootLoader.h"
#include "EmulatorProcess.h"
#include "KivBackend.h"
#include "KivSettings.h"
#include "KivShareBackend.h"
#include "PtyPair.h"
#include "SaveAndLoad.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {
constexpr int kLinkTimeoutMs = 200;
// The cable is pulled while a request waits for an answer; the wait is longer than the pull.
constexpr int kCableTimeoutMs = 3000;
constexpr int kReadWaitMs = 20000;
constexpr int kEndWaitMs = 10000;
// Requests of the default 8-block device up to the end of the full read: identify, 3 + 8 reads.
constexpr int kRequestsToReady = 12;
constexpr int kRequestsIntoRead = 3;
constexpr uint kScratch = 4000;
constexpr uint kAltitudeReg = 30;
constexpr quint16 kWritten = 4242;

const QStringList kPhases{QStringLiteral("identify"),       QStringLiteral("full read"),
                          QStringLiteral("polling"),        QStringLiteral("single write"),
                          QStringLiteral("cfg write-back"), QStringLiteral("bootloader")};
// The upload's requests before the fault: presence read, info read, start command; the fault
// strikes the first data block.
constexpr int kBootloaderRequests = 3;
constexpr int kImageBytes = 3 * BootLoader::kPageBytes;

int requestsBefore(const QString &phase)
{
    if (phase == QLatin1String("identify"))
        return 0;
    if (phase == QLatin1String("full read"))
        return kRequestsIntoRead;
    if (phase == QLatin1String("bootloader"))
        return kRequestsToReady + kBootloaderRequests;
    return kRequestsToReady;
}

bool writes(const QString &phase)
{
    return phase == QLatin1String("single write") || phase == QLatin1String("cfg write-back") ||
        phase == QLatin1String("bootloader");
}

BootLoader *bootLoader(const KivBackend &backend)
{
    return qobject_cast<BootLoader *>(backend.bootLoader().value<QObject *>());
}

SaveAndLoad *saveLoad(const KivBackend &backend)
{
    return qobject_cast<SaveAndLoad *>(backend.saveLoadBackend().value<QObject *>());
}

QString shortText(QString text)
{
    text = text.simplified();
    return text.size() > 80 ? text.left(79) + QStringLiteral("…") : text;
}
} // namespace

class tst_KivLinkFaultMatrix : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fault_inEveryPhase_endsInStartState_data();
    void fault_inEveryPhase_endsInStartState();
    void cleanupTestCase();

private:
    QTemporaryDir m_dir;
    // fault -> phase -> outcome
    QMap<QString, QMap<QString, QString>> m_table;
    QStringList m_faultOrder;
};

void tst_KivLinkFaultMatrix::initTestCase()
{
    qRegisterMetaType<BluetoothIoEnums::OperationMode>();
    QVERIFY(m_dir.isValid());
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
}

void tst_KivLinkFaultMatrix::fault_inEveryPhase_endsInStartState_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("phase");
    const QStringList faults{QStringLiteral("noreply"),      QStringLiteral("badcrc"),
                             QStringLiteral("exception:1"),  QStringLiteral("exception:2"),
                             QStringLiteral("exception:3"),  QStringLiteral("late:%1").arg(2 * kLinkTimeoutMs),
                             QStringLiteral("drop-after"),   QStringLiteral("garbage"),
                             QStringLiteral("cable pulled"), QStringLiteral("device restart")};
    m_faultOrder = faults;
    for (const QString &fault : faults) {
        for (const QString &phase : kPhases)
            QTest::newRow(qPrintable(fault + QLatin1Char('/') + phase)) << fault << phase;
    }
}

void tst_KivLinkFaultMatrix::fault_inEveryPhase_endsInStartState()
{
    QFETCH(QString, fault);
    QFETCH(QString, phase);
    const bool cable = fault == QLatin1String("cable pulled");
    const bool restart = fault == QLatin1String("device restart");
    const int before = requestsBefore(phase);
    QString &outcome = m_table[fault][phase];
    outcome = QStringLiteral("FAILED");

    BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("matrix.ini")));
    BaseSettings::writeParity(0);
    BaseSettings::writeTimeout(cable ? kCableTimeoutMs : kLinkTimeoutMs);
    BaseSettings::writeRetry(0);
    BaseSettings::writeDeviceID(1);
    KivSettings::writeVerbindungsMode(0);
    // The loss itself is under test: no waiting for the device to come back.
    KivSettings::writeReconnectSeconds(0);

    // The cable and the restart strike while a request waits: the device stays silent from then.
    const QString received = m_dir.filePath(QStringLiteral("received.bin"));
    QFile::remove(received);
    QStringList args{QStringLiteral("--parity"), QStringLiteral("none"), QStringLiteral("--bootloader-image"), received,
                     QStringLiteral("--fault")};
    if (cable || restart)
        args << QStringLiteral("noreply");
    else if (fault == QLatin1String("drop-after"))
        args << QStringLiteral("drop-after:%1").arg(before);
    else
        args << fault;
    if (fault != QLatin1String("drop-after"))
        args << QStringLiteral("--fault-after") << QString::number(before);

    auto pty = std::make_unique<PtyPair>();
    QVERIFY2(pty->start(), qPrintable(pty->errorString()));
    EmulatorProcess emulator;
    QVERIFY2(emulator.start(pty->deviceSide(), args), qPrintable(emulator.errorString()));
    const QString port = pty->appSide();
    BaseSettings::writePortName(port);
    KivShareBackend share;
    auto backend = std::make_unique<KivBackend>(&share);
    QSignalSpy serialErrors(backend.get(), &KivBackend::serialError);
    QSignalSpy plainErrors(backend.get(), &KivBackend::errorPlainText);
    QSignalSpy infos(backend.get(), &KivBackend::infoPlainText);
    QSignalSpy ready(backend.get(), &KivBackend::switchToPoll);
    BootLoader *upload = bootLoader(*backend);
    QVERIFY(upload);
    // Quick steps; each request waits as long as the link's own time-out allows.
    upload->setTiming({50, 10, 20, 10, 20, 800, 0});
    QSignalSpy uploadFinished(upload, &BootLoader::bootLoaderFinished);
    QSignalSpy uploadFailed(upload, &BootLoader::errorUploadInterrupted);
    QSignalSpy uploadNotStarted(upload, &BootLoader::errorCouldNotStartBL);

    // The faulty request is the first one after `before`; the cable and the restart strike then.
    int sent = 0;
    bool struck = false;
    auto onRequest = [&] {
        if (++sent != before + 1 || !(cable || restart))
            return;
        QTimer::singleShot(0, this, [&] {
            if (cable)
                pty->stop();
            else
                emulator.stop();
            struck = true;
        });
    };
    connect(backend.get(), &KivBackend::readMultiRegister, this, onRequest);
    connect(backend.get(), &KivBackend::readPollRegister, this, onRequest);
    connect(backend.get(), &KivBackend::writeSingleRegister, this, onRequest);
    connect(backend.get(), &KivBackend::writeMultiRegister, this, onRequest);
    connect(upload, &BootLoader::readMultiReg, this, onRequest);
    connect(upload, &BootLoader::writeRegs, this, onRequest);

    QElapsedTimer clock;
    clock.start();
    backend->connectDevice();
    QPointer<QObject> link;
    QTRY_VERIFY_WITH_TIMEOUT(backend->hasSerialLink(), kEndWaitMs);
    link = backend->serialLink();
    if (before >= kRequestsToReady) {
        QVERIFY(ready.wait(kReadWaitMs));
        if (phase == QLatin1String("polling")) {
            backend->setDoPoll(true);
        } else if (phase == QLatin1String("single write")) {
            backend->singleWrite(kScratch, kWritten);
        } else if (phase == QLatin1String("bootloader")) {
            const QString image = m_dir.filePath(QStringLiteral("image.bin"));
            QFile file(image);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write(QByteArray(kImageBytes, '\x5A')) == kImageBytes);
            file.close();
            upload->loadFile(image);
        } else {
            QList<quint16> file = backend->registerImage();
            file[kAltitudeReg] = 777;
            backend->setIsLoadingFromDisc(true);
            emit saveLoad(*backend)->loadedFromFile(file);
            backend->singleWrite(kScratch, kWritten);
        }
    }

    // No hang: the link gives up within its time-out and the back end returns to the start.
    QTRY_VERIFY_WITH_TIMEOUT(!backend->connected() && !backend->hasSerialLink() && link.isNull(), kEndWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(backend->updateOngoing(), kEndWaitMs);
    // An upload that lost its device ends with its own error, never as finished.
    if (phase == QLatin1String("bootloader")) {
        QTRY_VERIFY_WITH_TIMEOUT(!upload->blActive(), kEndWaitMs);
        QCOMPARE(uploadFinished.count(), 0);
        QCOMPARE(uploadFailed.count() + uploadNotStarted.count(), 1);
    }
    const qint64 endedMs = clock.elapsed();
    QVERIFY(cable || restart ? struck : true);
    QVERIFY2(serialErrors.count() + plainErrors.count() >= 1, "no error shown");
    const QString error =
        serialErrors.isEmpty() ? plainErrors.first().first().toString() : serialErrors.first().first().toString();
    QVERIFY(!error.trimmed().isEmpty());
    QCOMPARE(ready.count(), before >= kRequestsToReady ? 1 : 0);
    QVERIFY(!backend->doPoll());
    QVERIFY(!backend->isLoadingFromDisc());
    QCOMPARE(backend->currentSerialOperation(), KivBackend::noOp);
    QCOMPARE(backend->registerImage().count(0), KivBackend::kImageSize);
    QCOMPARE(backend->pendingWrites(), 0);
    // Nothing was reported as transferred.
    QCOMPARE(infos.count(), 0);

    // The next device: nothing of the interrupted write reaches it, and the link works again.
    if (writes(phase) || restart) {
        emulator.stop();
        if (cable || !pty) {
            pty = std::make_unique<PtyPair>();
            QVERIFY(pty->start());
        }
        QVERIFY2(emulator.start(pty->deviceSide(), {QStringLiteral("--parity"), QStringLiteral("none")}),
                 qPrintable(emulator.errorString()));
        BaseSettings::writePortName(pty->appSide());
        BaseSettings::writeTimeout(kLinkTimeoutMs);
        QSignalSpy singles(backend.get(), &KivBackend::writeSingleRegister);
        QSignalSpy multis(backend.get(), &KivBackend::writeMultiRegister);
        QSignalSpy uploadWrites(upload, &BootLoader::writeRegs);
        QSignalSpy uploadTexts(upload, &BootLoader::writeRawString);
        ready.clear();
        backend->connectDevice();
        QVERIFY(ready.wait(kReadWaitMs));
        QCOMPARE(singles.count() + multis.count(), 0);
        QVERIFY(emulator.registers().value(int(kScratch)) != kWritten);
        // No step of the interrupted upload reaches the next device, however late.
        QTest::qWait(0);
        QCOMPARE(uploadWrites.count() + uploadTexts.count(), 0);
        QVERIFY(!upload->blActive());
        backend->disconnectDevice();
        QTRY_VERIFY_WITH_TIMEOUT(!backend->hasSerialLink(), kEndWaitMs);
    }
    backend.reset();

    outcome = QStringLiteral("start state %1 ms after connect; %2")
                  .arg(endedMs)
                  .arg(shortText(QString(error).replace(port, QStringLiteral("PORT"))));
    if (writes(phase) || restart)
        outcome += QStringLiteral(" [next device clean]");
}

void tst_KivLinkFaultMatrix::cleanupTestCase()
{
    std::printf("\nLink fault matrix (fault x phase: outcome)\n");
    for (const QString &fault : std::as_const(m_faultOrder)) {
        for (const QString &phase : kPhases) {
            const QString cell = m_table.value(fault).value(phase, QStringLiteral("not run"));
            std::printf("%-15s | %-15s | %s\n", qPrintable(fault), qPrintable(phase), qPrintable(cell));
        }
    }
    std::fflush(stdout);
}

QTEST_MAIN(tst_KivLinkFaultMatrix)
#include "tst_KivLinkFaultMatrix.moc"
