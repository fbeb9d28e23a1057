#include "BootLoader.h"

#include "BaseSettings.h"
#include "EmulatorProcess.h"
#include "KivSerialIo.h"
#include "KivSettings.h"
#include "PtyPair.h"
#include "UploadRig.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <QTimer>

#include <cmath>
#include <limits>
#include <memory>

using namespace UploadRigSupport;

namespace {

QList<int> intValues(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &args : spy)
        values.append(args.first().toInt());
    return values;
}

// Stands in for the link: every read is answered with the given first two words.
void answerReads(BootLoader *bootLoader, quint16 word0, quint16 word1)
{
    QObject::connect(
        bootLoader, &BootLoader::readMultiReg, bootLoader,
        [=](uint start, uint count) {
        QList<quint16> values(int(count), 0);
        values[0] = word0;
        values[1] = word1;
        bootLoader->modbusResponse(start, values);
        },
        Qt::QueuedConnection);
}

} // namespace

class tst_BootLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void upload_oddSizedImage_devicePagesArePaddedImageAndProgressCompletes_data();
    void upload_oddSizedImage_devicePagesArePaddedImageAndProgressCompletes();
    void updateGpAndAp_mainBoardThenAddOnFromItsOwnFile();
    void loadFile_missingOrEmpty_fileUnavailableWithoutTouchingTheLink();
    void silentDevice_givesUpAfterSixteenAttempts();
    void transferStalls_reportedAndNextUploadAccepted();
    void loadFile_sizes_pageCountsOrRefusal_data();
    void loadFile_sizes_pageCountsOrRefusal();
    void shortImage_blocksAtTheirRegistersZeroFilledRateFinite();
    void wrongWords_retriedEvery3000msSeventeenthAttemptGivesUp();

private:
    QTemporaryDir m_dir;
};

void tst_BootLoader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
    // The update images live in the temporary folder.
    qputenv("TMPDIR", m_dir.path().toLocal8Bit());
}

void tst_BootLoader::upload_oddSizedImage_devicePagesArePaddedImageAndProgressCompletes_data()
{
    QTest::addColumn<bool>("fast");
    QTest::addColumn<int>("size");
    // Two and a half pages and one odd byte; the slow link writes 5-register blocks.
    QTest::newRow("fast, 2.5 pages") << true << 2 * kPage + kPage / 2 + 1;
    QTest::newRow("slow, under a page") << false << 301;
}

void tst_BootLoader::upload_oddSizedImage_devicePagesArePaddedImageAndProgressCompletes()
{
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
    QFETCH(bool, fast);
    QFETCH(int, size);
    UploadRig rig;
    rig.bootLoader.setFast(fast);
    QVERIFY(rig.connect({}));
    const QByteArray image = makeImage(size, 3);
    const QString path = m_dir.filePath(QStringLiteral("image.bin"));
    QVERIFY(writeFile(path, image));
    const int pages = int((size + kPage - 1) / kPage);

    QSignalSpy finished(&rig.bootLoader, &BootLoader::bootLoaderFinished);
    QSignalSpy progress(&rig.bootLoader, &BootLoaderProperty::curProgressChanged);
    QSignalSpy writes(&rig.bootLoader, &BootLoader::writeRegs);
    QSignalSpy reads(&rig.bootLoader, &BootLoader::readMultiReg);
    QSignalSpy couldNotStart(&rig.bootLoader, &BootLoader::errorCouldNotStartBL);
    QSignalSpy interrupted(&rig.bootLoader, &BootLoader::errorUploadInterrupted);

    rig.bootLoader.loadFile(path);
    QVERIFY(rig.bootLoader.blActive());
    QCOMPARE(rig.bootLoader.maxProgress(), pages + 2);
    QCOMPARE(rig.bootLoader.maxBytes(), pages * kPage);

    QVERIFY(finished.wait(kWaitMs));
    QTRY_COMPARE_WITH_TIMEOUT(rig.received().size(), pages * kPage, kWaitMs);
    QCOMPARE(rig.received(), padded(image));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(couldNotStart.count(), 0);
    QCOMPARE(interrupted.count(), 0);
    QVERIFY(!rig.bootLoader.blActive());

    // One step for the start, one per page, one for the finish.
    QList<int> expected;
    for (int step = 1; step <= pages + 2; ++step)
        expected.append(step);
    QCOMPARE(intValues(progress), expected);
    QCOMPARE(rig.bootLoader.curBytes(), pages * kPage);
    QCOMPARE(rig.bootLoader.bytesPerSec(), 0.0);
    QCOMPARE(rig.bootLoader.remainingTime(), 0);
    QVERIFY(BaseSettings::readInt(KivSettings::kKeyByteRate, 0) > 0);

    // The info block comes in one read on the fast link, in two halves on the slow one.
    QList<QList<QVariant>> expectedReads{QList<QVariant>{0u, 2u}};
    if (fast)
        expectedReads << QList<QVariant>{0u, 10u};
    else
        expectedReads << QList<QVariant>{0u, 5u} << QList<QVariant>{5u, 5u};
    QCOMPARE(QList<QList<QVariant>>(reads.begin(), reads.end()), expectedReads);

    // The first page's data blocks fill registers 10..1033, the last one cut short.
    const int words = fast ? BootLoader::kFastBlockWords : BootLoader::kSlowBlockWords;
    const int blocks = (1024 + words - 1) / words;
    QCOMPARE(writes.at(0).at(1).value<QList<quint16>>(),
             QList<quint16>({0, 0, BootLoader::kKey1, BootLoader::kKey2, quint16(pages), 0, 1}));
    QCOMPARE(writes.at(1).at(0).toUInt(), 10u);
    QCOMPARE(writes.at(1).at(1).value<QList<quint16>>().first(),
             quint16(quint8(image.at(0)) | quint8(image.at(1)) << 8));
    QCOMPARE(writes.at(blocks).at(0).toUInt(), uint(10 + words * (blocks - 1)));
    QCOMPARE(writes.at(blocks).at(1).value<QList<quint16>>().size(), 1024 - words * (blocks - 1));
    QCOMPARE(writes.at(blocks + 1).at(1).value<QList<quint16>>(),
             QList<quint16>({0, 0, BootLoader::kKey1, BootLoader::kKey2, quint16(pages), 0, 2}));
    QCOMPARE(writes.last().at(1).value<QList<quint16>>(),
             QList<quint16>({0, 0, BootLoader::kKey1, BootLoader::kKey2, 0, 0, 3}));
    QCOMPARE(writes.count(), 1 + pages * (blocks + 1) + 1);
}

void tst_BootLoader::updateGpAndAp_mainBoardThenAddOnFromItsOwnFile()
{
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
    UploadRig rig;
    QVERIFY(rig.connect({}));
    const QByteArray mainBoard = makeImage(100, 1);
    const QByteArray addOn = makeImage(kPage + 5, 2);
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("updateGp.bin")), mainBoard));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("updateAp.bin")), addOn));

    QSignalSpy finished(&rig.bootLoader, &BootLoader::bootLoaderFinished);
    QSignalSpy gp(&rig.bootLoader, &BootLoader::updatingGp);
    QSignalSpy ap(&rig.bootLoader, &BootLoader::updatingAP);
    QSignalSpy progress(&rig.bootLoader, &BootLoaderProperty::curProgressChanged);

    rig.bootLoader.updateGpAndAp();
    QCOMPARE(gp.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, kWaitMs);
    QCOMPARE(ap.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(rig.received(), padded(addOn), kWaitMs);
    const QByteArray log = rig.emulator.output();
    QVERIFY2(log.contains("finished, 2048 bytes") && log.contains("finished, 4096 bytes"), log.constData());

    // The main board skips its finish step; the add-on starts again at 0 and completes.
    QCOMPARE(intValues(progress), QList<int>({1, 2, 0, 1, 2, 3, 4}));
    QCOMPARE(rig.bootLoader.curProgress(), rig.bootLoader.maxProgress());
    QVERIFY(!rig.bootLoader.blActive());
}

void tst_BootLoader::loadFile_missingOrEmpty_fileUnavailableWithoutTouchingTheLink()
{
    const QString empty = m_dir.filePath(QStringLiteral("empty.bin"));
    QVERIFY(writeFile(empty, {}));
    QFile::remove(m_dir.filePath(QStringLiteral("updateGp.bin")));
    BootLoader bootLoader;
    QSignalSpy unavailable(&bootLoader, &BootLoader::errorFileUnavailable);
    QSignalSpy active(&bootLoader, &BootLoaderProperty::blActiveChanged);
    QSignalSpy raw(&bootLoader, &BootLoader::writeRawString);

    // A failed main-board file must not leave the add-on upload pending for the next file.
    bootLoader.updateGpAndAp();
    for (const QString &path : {m_dir.filePath(QStringLiteral("missing.bin")), empty, QString()})
        bootLoader.loadFile(path);
    QCOMPARE(unavailable.count(), 4);
    QCOMPARE(active.count(), 8);
    QVERIFY(!bootLoader.blActive());
    QCOMPARE(raw.count(), 0);
}

void tst_BootLoader::silentDevice_givesUpAfterSixteenAttempts()
{
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
    UploadRig rig;
    // The link gives up a request within 100 ms; the bootloader waits 300 ms for any answer.
    QVERIFY(rig.connect({QStringLiteral("--fault"), QStringLiteral("noreply")}, 100, 0));
    BootLoader::Timing timing = kQuick;
    timing.entryWaitMs = 20;
    timing.answerTimeoutMs = 300;
    rig.bootLoader.setTiming(timing);
    const QString path = m_dir.filePath(QStringLiteral("image.bin"));
    QVERIFY(writeFile(path, makeImage(10, 0)));

    QSignalSpy started(&rig.bootLoader, &BootLoader::bootLoaderStarted);
    QSignalSpy couldNotStart(&rig.bootLoader, &BootLoader::errorCouldNotStartBL);
    QSignalSpy writes(&rig.bootLoader, &BootLoader::writeRegs);
    QSignalSpy reads(&rig.bootLoader, &BootLoader::readMultiReg);
    rig.bootLoader.loadFile(path);
    QVERIFY(couldNotStart.wait(kWaitMs));
    QCOMPARE(started.count(), BootLoader::kMaxAttempts + 1);
    QCOMPARE(writes.count(), 0);
    QVERIFY(!rig.bootLoader.blActive());

    // Late answers after giving up change nothing.
    rig.bootLoader.modbusResponse(0, {BootLoader::kKey1, BootLoader::kKey2});
    rig.bootLoader.wasWritten();
    QCOMPARE(reads.count(), BootLoader::kMaxAttempts + 1);
    QVERIFY(!rig.bootLoader.blActive());
}

// The link stops confirming writes mid-transfer: the upload ends with an error instead of
// waiting for ever, and a second upload meanwhile is refused rather than interleaved.
void tst_BootLoader::transferStalls_reportedAndNextUploadAccepted()
{
    BootLoader bootLoader;
    bootLoader.setFast(true);
    BootLoader::Timing timing = kQuick;
    timing.answerTimeoutMs = 200;
    bootLoader.setTiming(timing);
    answerReads(&bootLoader, BootLoader::kKey1, BootLoader::kKey2);
    int confirmed = 0;
    int confirmLimit = 5;
    connect(
        &bootLoader, &BootLoader::writeRegs, &bootLoader,
        [&bootLoader, &confirmed, &confirmLimit] {
        if (++confirmed <= confirmLimit)
            bootLoader.wasWritten();
        },
        Qt::QueuedConnection);
    const QString path = m_dir.filePath(QStringLiteral("image.bin"));
    QVERIFY(writeFile(path, makeImage(3 * kPage, 0)));

    QSignalSpy raw(&bootLoader, &BootLoader::writeRawString);
    QSignalSpy interrupted(&bootLoader, &BootLoader::errorUploadInterrupted);
    QSignalSpy finished(&bootLoader, &BootLoader::bootLoaderFinished);
    bootLoader.loadFile(path);
    bootLoader.loadFile(path);
    QCOMPARE(raw.count(), 1);

    QVERIFY(interrupted.wait(kWaitMs));
    QCOMPARE(confirmed, 6);
    QCOMPARE(finished.count(), 0);
    QVERIFY(!bootLoader.blActive());

    // The link is back: the next upload runs through, and nothing of the first one (a late
    // step, a guard timer) interleaves with it.
    confirmLimit = std::numeric_limits<int>::max();
    QSignalSpy writes(&bootLoader, &BootLoader::writeRegs);
    bootLoader.loadFile(path);
    QCOMPARE(raw.count(), 2);
    QVERIFY(bootLoader.blActive());
    QCOMPARE(bootLoader.curBytes(), 0);
    QVERIFY(finished.wait(kWaitMs));
    QVERIFY(!interrupted.wait(2 * timing.answerTimeoutMs));
    QCOMPARE(interrupted.count(), 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(bootLoader.curProgress(), bootLoader.maxProgress());
    QVERIFY(!bootLoader.blActive());
    const int blocks = 1024 / BootLoader::kFastBlockWords + 1;
    QCOMPARE(writes.count(), 1 + 3 * (blocks + 1) + 1);
    for (int page = 0; page < 3; ++page) {
        const QList<QVariant> commit = writes.at(1 + page * (blocks + 1) + blocks);
        QCOMPARE(commit.at(1).value<QList<quint16>>(),
                 QList<quint16>({0, 0, BootLoader::kKey1, BootLoader::kKey2, 3, quint16(page), 2}));
    }
}

void tst_BootLoader::loadFile_sizes_pageCountsOrRefusal_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("pages");
    QTest::newRow("two full pages") << qint64(4096) << 2;
    QTest::newRow("one byte more") << qint64(4097) << 3;
    // The device counts pages in 16 bits.
    QTest::newRow("over 65535 pages") << qint64(65535) * kPage + 1 << 0;
}

void tst_BootLoader::loadFile_sizes_pageCountsOrRefusal()
{
    QFETCH(qint64, size);
    QFETCH(int, pages);
    const QString path = m_dir.filePath(QStringLiteral("sized.bin"));
    {
        // Sparse, so the oversized file costs no disk.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(file.resize(size));
    }
    BootLoader bootLoader;
    QSignalSpy unavailable(&bootLoader, &BootLoader::errorFileUnavailable);
    QSignalSpy raw(&bootLoader, &BootLoader::writeRawString);
    bootLoader.loadFile(path);
    QFile::remove(path);
    if (pages == 0) {
        QCOMPARE(unavailable.count(), 1);
        QCOMPARE(raw.count(), 0);
        QVERIFY(!bootLoader.blActive());
        return;
    }
    QCOMPARE(unavailable.count(), 0);
    QCOMPARE(raw.count(), 1);
    QCOMPARE(bootLoader.maxProgress(), pages + 2);
    QCOMPARE(bootLoader.maxBytes(), pages * kPage);
    QCOMPARE(bootLoader.curProgress(), 0);
}

// A 100-byte image on the fast link, against a stand-in link that confirms everything: the
// image fills the first 50-register block and the page is completed with zero blocks.
void tst_BootLoader::shortImage_blocksAtTheirRegistersZeroFilledRateFinite()
{
    BootLoader bootLoader;
    bootLoader.setFast(true);
    bootLoader.setTiming(kQuick);
    answerReads(&bootLoader, BootLoader::kKey1, BootLoader::kKey2);
    connect(&bootLoader, &BootLoader::writeRegs, &bootLoader, &BootLoader::wasWritten, Qt::QueuedConnection);
    const QByteArray image = makeImage(100, 9);
    const QString path = m_dir.filePath(QStringLiteral("short.bin"));
    QVERIFY(writeFile(path, image));

    QList<double> rates;
    connect(&bootLoader, &BootLoaderProperty::bytesPerSecChanged, &bootLoader,
            [&rates](double rate) { rates.append(rate); });
    QList<int> remaining;
    connect(&bootLoader, &BootLoaderProperty::remainingTimeChanged, &bootLoader,
            [&remaining](int seconds) { remaining.append(seconds); });
    QSignalSpy writes(&bootLoader, &BootLoader::writeRegs);
    QSignalSpy finished(&bootLoader, &BootLoader::bootLoaderFinished);
    bootLoader.loadFile(path);
    QVERIFY(finished.wait(kWaitMs));

    // Start command, 21 data blocks, the commit, the finish.
    QCOMPARE(writes.count(), 24);
    QList<uint> starts;
    QList<int> sizes;
    QByteArray sent;
    for (int i = 1; i <= 21; ++i) {
        starts.append(writes.at(i).at(0).toUInt());
        const QList<quint16> block = writes.at(i).at(1).value<QList<quint16>>();
        sizes.append(int(block.size()));
        for (quint16 word : block)
            sent.append(char(word & 0xff)).append(char(word >> 8));
    }
    QList<uint> expectedStarts;
    for (uint start = 10; start <= 1010; start += 50)
        expectedStarts.append(start);
    QCOMPARE(starts, expectedStarts);
    QCOMPARE(sizes, QList<int>(20, 50) << 24);
    QCOMPARE(sent, padded(image));
    QCOMPARE(writes.at(22).at(1).value<QList<quint16>>(),
             QList<quint16>({0, 0, BootLoader::kKey1, BootLoader::kKey2, 1, 0, 2}));

    // The blocks follow each other within a millisecond or so: no infinite rate, no negative time.
    for (double rate : std::as_const(rates))
        QVERIFY2(std::isfinite(rate) && rate >= 0, qPrintable(QString::number(rate)));
    for (int seconds : std::as_const(remaining))
        QVERIFY(seconds >= 0);
}

// The device answers the presence read with other words: each start attempt waits 3000 ms
// before it checks again, and the 17th attempt gives up. The timers are fired by hand.
void tst_BootLoader::wrongWords_retriedEvery3000msSeventeenthAttemptGivesUp()
{
    BootLoader bootLoader;
    bootLoader.setFast(true);
    connect(&bootLoader, &BootLoader::readMultiReg, &bootLoader,
            [&bootLoader](uint start, uint count) { bootLoader.modbusResponse(start, QList<quint16>(int(count), 1)); });
    const QString path = m_dir.filePath(QStringLiteral("image.bin"));
    QVERIFY(writeFile(path, makeImage(10, 0)));
    QSignalSpy started(&bootLoader, &BootLoader::bootLoaderStarted);
    QSignalSpy raw(&bootLoader, &BootLoader::writeRawString);
    QSignalSpy reads(&bootLoader, &BootLoader::readMultiReg);
    QSignalSpy couldNotStart(&bootLoader, &BootLoader::errorCouldNotStartBL);
    QSignalSpy writes(&bootLoader, &BootLoader::writeRegs);

    bootLoader.loadFile(path);
    for (int attempt = 1; attempt <= BootLoader::kMaxAttempts + 1; ++attempt) {
        QCOMPARE(started.count(), attempt);
        QCOMPARE(raw.count(), attempt);
        QCOMPARE(reads.count(), attempt - 1);
        QTimer *pending = nullptr;
        for (QTimer *timer : bootLoader.findChildren<QTimer *>()) {
            if (timer->isActive()) {
                QVERIFY2(!pending, "more than one timer running");
                pending = timer;
            }
        }
        QVERIFY(pending);
        QCOMPARE(pending->interval(), 3000);
        QVERIFY(pending->remainingTime() > 2500);
        pending->stop();
        QVERIFY(QMetaObject::invokeMethod(pending, "timeout"));
    }
    QCOMPARE(couldNotStart.count(), 1);
    QCOMPARE(started.count(), BootLoader::kMaxAttempts + 1);
    QCOMPARE(reads.count(), BootLoader::kMaxAttempts + 1);
    QCOMPARE(writes.count(), 0);
    QVERIFY(!bootLoader.blActive());
    for (QTimer *timer : bootLoader.findChildren<QTimer *>())
        QVERIFY(!timer->isActive());
}

QTEST_GUILESS_MAIN(tst_BootLoader)
#include "tst_BootLoader.moc"
