#include "BaseSettings.h"
#include "EmulatorProcess.h"
#include "KivBackend.h"
#include "KivSettings.h"
#include "KivTrafficLogModel.h"
#include "PtyPair.h"
#include "UtilityFunctions.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
constexpr int kReadWaitMs = 30000;
constexpr int kBlocks = 15;
constexpr int kBlockStride = 100;
constexpr int kFirstBlock = 1000;
constexpr int kBlockRegisters = 50;
// CSV columns.
constexpr int kColFunction = 2;
constexpr int kColStart = 3;
constexpr int kColEnd = 4;
constexpr int kColCount = 5;
constexpr int kColValues = 7;
constexpr int kColError = 8;

// The standard device with all fifteen data blocks, so that a full read takes 3 + 15 requests.
void fillAllBlocks(QList<quint16> &image)
{
    const int present = image.at(0);
    for (int i = present; i < kBlocks; ++i) {
        for (int r = 0; r < kBlockRegisters; ++r)
            image[kFirstBlock + kBlockStride * i + r] = image.at(kFirstBlock + kBlockStride * (i % present) + r);
    }
    image[0] = kBlocks;
}

QList<QStringList> csvRows(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines.at(i).isEmpty())
            rows.append(QString::fromUtf8(lines.at(i)).split(QLatin1Char(';')));
    }
    return rows;
}
} // namespace

// The link's traffic as the technician sees it, against the emulated device over a pty pair.
class tst_KivTrafficLog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fullRead_csvListsTheEighteenRequestsWithTheirRanges();
    void refusedRequest_recordedWithTheDeviceErrorAndKeptAfterTheLinkIsGone();

private:
    KivTrafficLogModel *log() const { return m_backend->trafficLogModel(); }

    QTemporaryDir m_dir;
    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<EmulatorProcess> m_emulator;
    std::unique_ptr<KivBackend> m_backend;
};

void tst_KivTrafficLog::initTestCase()
{
    qRegisterMetaType<BluetoothIoEnums::OperationMode>();
    QVERIFY(m_dir.isValid());
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
}

void tst_KivTrafficLog::init()
{
    static int run = 0;
    ++run;
    BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("settings%1.ini").arg(run)));
    UtilityFunctions::setRootDirectory(m_dir.filePath(QStringLiteral("root%1").arg(run)));
    QVERIFY(UtilityFunctions::createNeededFolders());
    BaseSettings::writeParity(0);
    BaseSettings::writeTimeout(1000);
    BaseSettings::writeRetry(0);
    BaseSettings::writeDeviceID(1);
    KivSettings::writeVerbindungsMode(0);
    // A refused request ends the link here; the wait for the device to come back is not under test.
    KivSettings::writeReconnectSeconds(0);

    const QString image = m_dir.filePath(QStringLiteral("image%1.txt").arg(run));
    QVERIFY(EmulatorProcess::writeEditedImage(image, fillAllBlocks));
    m_pty = std::make_unique<PtyPair>();
    QVERIFY2(m_pty->start(), qPrintable(m_pty->errorString()));
    m_emulator = std::make_unique<EmulatorProcess>();
    QVERIFY2(
        m_emulator->start(m_pty->deviceSide(),
                          {QStringLiteral("--parity"), QStringLiteral("none"), QStringLiteral("--registers"), image}),
        qPrintable(m_emulator->errorString()));
    BaseSettings::writePortName(m_pty->appSide());

    m_backend = std::make_unique<KivBackend>(nullptr);
    QSignalSpy ready(m_backend.get(), &KivBackend::switchToPoll);
    m_backend->connectDevice();
    QVERIFY(ready.wait(kReadWaitMs));
}

void tst_KivTrafficLog::cleanup()
{
    m_backend.reset();
    m_emulator.reset();
    m_pty.reset();
}

void tst_KivTrafficLog::fullRead_csvListsTheEighteenRequestsWithTheirRanges()
{
    // The connection's own reads are there already, each with its answer.
    log()->refresh();
    QVERIFY(log()->rowCount() >= 3 + kBlocks);
    log()->clear();
    QCOMPARE(log()->rowCount(), 0);

    QSignalSpy reread(m_backend.get(), &KivBackend::switchToPoll);
    m_backend->getAllData();
    QVERIFY(reread.wait(kReadWaitMs));

    const QString path = m_dir.filePath(QStringLiteral("traffic.csv"));
    QVERIFY(log()->exportCsv(path));
    QList<QStringList> reads;
    for (const QStringList &row : csvRows(path)) {
        QCOMPARE(row.size(), kColError + 1);
        if (row.at(kColFunction) == QLatin1String("3"))
            reads.append(row);
    }
    QVERIFY2(reads.size() >= 3 + kBlocks, qPrintable(QString::number(reads.size())));

    QStringList expected;
    for (int start = 0; start < 300; start += 100)
        expected << QStringLiteral("%1-%2").arg(start).arg(start + 99);
    for (int i = 0; i < kBlocks; ++i) {
        const int start = kFirstBlock + kBlockStride * i;
        expected << QStringLiteral("%1-%2").arg(start).arg(start + kBlockRegisters - 1);
    }
    QStringList ranges;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QStringList &row = reads.at(i);
        ranges << row.at(kColStart) + QLatin1Char('-') + row.at(kColEnd);
        const int count = row.at(kColCount).toInt();
        // Each answer's values are there, one per register.
        QCOMPARE(row.at(kColValues).split(QLatin1Char(' ')).size(), count);
        QVERIFY(row.at(kColError).isEmpty());
    }
    QCOMPARE(ranges, expected);
    // The emulator's name registers come back as they are.
    QCOMPARE(reads.first().at(kColValues).split(QLatin1Char(' ')).mid(4, 20), [this] {
        QStringList words;
        for (quint16 w : m_emulator->registers().mid(4, 20))
            words << QString::number(w);
        return words;
    }());
}

void tst_KivTrafficLog::refusedRequest_recordedWithTheDeviceErrorAndKeptAfterTheLinkIsGone()
{
    log()->setLive(true);
    QSignalSpy gone(m_backend.get(), &KivBackendProperty::connectedChanged);
    // Past the device's last register: the device refuses, and the link gives up.
    emit m_backend->readMultiRegister(4990, 20);
    QVERIFY(gone.wait(kReadWaitMs));
    QTRY_VERIFY(log()->failedCount() == 1);

    const int last = log()->rowCount() - 1;
    const QModelIndex row = log()->index(last);
    QVERIFY(row.data(KivTrafficLogModel::FailedRole).toBool());
    QCOMPARE(row.data(KivTrafficLogModel::RangeRole).toString(), QStringLiteral("4990–5009"));
    QVERIFY2(row.data(KivTrafficLogModel::ErrorRole).toString().contains(QStringLiteral("Modbus")),
             qPrintable(row.data(KivTrafficLogModel::ErrorRole).toString()));

    // The link is gone; its traffic is not.
    QTRY_VERIFY(!m_backend->hasSerialLink());
    const QString path = m_dir.filePath(QStringLiteral("refused.csv"));
    QVERIFY(log()->exportCsv(path));
    const QList<QStringList> rows = csvRows(path);
    QVERIFY(!rows.isEmpty());
    QCOMPARE(rows.last().at(kColStart), QStringLiteral("4990"));
    QCOMPARE(rows.last().at(kColEnd), QStringLiteral("5009"));
    QVERIFY(!rows.last().at(kColError).isEmpty());
}

QTEST_GUILESS_MAIN(tst_KivTrafficLog)
#include "tst_KivTrafficLog.moc"
