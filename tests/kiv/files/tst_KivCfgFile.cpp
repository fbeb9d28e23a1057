#include "KivCfgFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
// "KIV_4.2.1" as the stream writes it: byte length 18, then UTF-16 big-endian.
const QByteArray kHeader421 = QByteArray::fromHex("00000012"
                                                  "004B00490056005F0034002E0032002E0031");
// "KIV_3.3.9": the last version without a register count.
const QByteArray kHeader339 = QByteArray::fromHex("00000012"
                                                  "004B00490056005F0033002E0033002E0039");
// "KIV_3.4.0": the first version with a register count.
const QByteArray kHeader340 = QByteArray::fromHex("00000012"
                                                  "004B00490056005F0033002E0034002E0030");

// Keeps file writes of this process below limitBytes while alive; root hits this limit too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limitBytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = limitBytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};
} // namespace

class tst_KivCfgFile : public QObject
{
    Q_OBJECT

private slots:
    void write_layoutIsHeaderCountAndBigEndianWords();
    void read_roundTripsAFullImage();
    void read_versionSelectsCountedOrLegacyLayout_data();
    void read_versionSelectsCountedOrLegacyLayout();
    void read_malformedFilesYieldNothing_data();
    void read_malformedFilesYieldNothing();
    void read_missingFileYieldsNothing();
    void write_intoAFolderThatCannotExistFails();
    void write_failingMidwayReportsFailureAndKeepsTheOldFile();

private:
    QString fileWith(const QByteArray &bytes);
    QTemporaryDir m_dir;
    int m_fileCount = 0;
};

QString tst_KivCfgFile::fileWith(const QByteArray &bytes)
{
    const QString path = m_dir.filePath(QStringLiteral("f%1.cfg").arg(++m_fileCount));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
    return path;
}

void tst_KivCfgFile::write_layoutIsHeaderCountAndBigEndianWords()
{
    const QString path = m_dir.filePath(QStringLiteral("layout.cfg"));
    QVERIFY(writeCfgFile(path, {0x0102, 0xFFFE, 0x0000}));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toHex(),
             (kHeader421 +
              QByteArray::fromHex("00000003"
                                  "0102FFFE0000"))
                 .toHex());
}

void tst_KivCfgFile::read_roundTripsAFullImage()
{
    QList<quint16> image(5000);
    for (int i = 0; i < image.size(); ++i)
        image[i] = quint16(i * 7919);
    const QString path = m_dir.filePath(QStringLiteral("full.cfg"));
    QVERIFY(writeCfgFile(path, image));
    QCOMPARE(QFileInfo(path).size(), 26 + 2 * 5000);
    QCOMPARE(readCfgFile(path), image);
}

void tst_KivCfgFile::read_versionSelectsCountedOrLegacyLayout_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<quint16>>("registers");

    // In a legacy file the "count" is just the first two words.
    const QByteArray body = QByteArray::fromHex("00000002"
                                                "ABCD1234");
    QTest::newRow("3.3.9 reads words to the end") << kHeader339 + body << QList<quint16>{0, 2, 0xABCD, 0x1234};
    QTest::newRow("3.4.0 reads a counted list") << kHeader340 + body << QList<quint16>{0xABCD, 0x1234};
    QTest::newRow("counted list ignores trailing bytes")
        << kHeader421 + body + QByteArray::fromHex("FFFF") << QList<quint16>{0xABCD, 0x1234};
    QTest::newRow("legacy header alone is an empty image") << kHeader339 << QList<quint16>{};
    // "KIV_x.4.0": a part that is no number counts as 0, so this is 0.4.0, a legacy file.
    QTest::newRow("non-numeric part counts as zero") << QByteArray::fromHex("00000012"
                                                                            "004B00490056005F0078002E0034002E0030") +
            QByteArray::fromHex("0007") << QList<quint16>{7};
    // "KIV_10.0.0.beta": further parts do not matter.
    QTest::newRow("four version parts") << QByteArray::fromHex(
                                               "0000001E"
                                               "004B00490056005F00310030002E0030002E0030002E0062006500740061") +
            QByteArray::fromHex("00000001"
                                "0005") << QList<quint16>{5};
}

void tst_KivCfgFile::read_versionSelectsCountedOrLegacyLayout()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<quint16>, registers);
    QCOMPARE(readCfgFile(fileWith(bytes)), registers);
}

void tst_KivCfgFile::read_malformedFilesYieldNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("header length cut") << QByteArray::fromHex("0000");
    QTest::newRow("header text cut") << kHeader421.left(15);
    QTest::newRow("empty header") << QByteArray::fromHex("00000000"
                                                         "00000001"
                                                         "0001");
    QTest::newRow("null header") << QByteArray::fromHex("FFFFFFFF"
                                                        "00000001"
                                                        "0001");
    QTest::newRow("header longer than the file") << QByteArray::fromHex("7FFFFFFE") + kHeader421.mid(4);
    QTest::newRow("header one byte past the end") << QByteArray::fromHex("00000013") + kHeader421.mid(4);
    QTest::newRow("odd header length") << QByteArray::fromHex("00000011") + kHeader421.mid(4);
    // "KIV_4.2" carries only two version parts.
    QTest::newRow("two version parts") << QByteArray::fromHex("0000000E"
                                                              "004B00490056005F0034002E0032"
                                                              "00000001"
                                                              "0001");
    // "ZNT_4.2.1": another product's file.
    QTest::newRow("other prefix") << QByteArray::fromHex("00000012"
                                                         "005A004E0054005F0034002E0032002E0031"
                                                         "00000001"
                                                         "0001");
    // "kiv_4.2.1": the prefix is case-sensitive.
    QTest::newRow("lower-case prefix") << QByteArray::fromHex("00000012"
                                                              "006B00690076005F0034002E0032002E0031"
                                                              "00000001"
                                                              "0001");
    QTest::newRow("count missing") << kHeader421 + QByteArray::fromHex("0000");
    QTest::newRow("words cut short") << kHeader421 +
            QByteArray::fromHex("00000003"
                                "00010002");
    QTest::newRow("huge count") << kHeader421 +
            QByteArray::fromHex("FFFFFFFF"
                                "0001");
    QTest::newRow("legacy file with an odd byte") << kHeader339 + QByteArray::fromHex("000100");
}

void tst_KivCfgFile::read_malformedFilesYieldNothing()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(readCfgFile(fileWith(bytes)), QList<quint16>());
}

void tst_KivCfgFile::read_missingFileYieldsNothing()
{
    QCOMPARE(readCfgFile(m_dir.filePath(QStringLiteral("missing.cfg"))), QList<quint16>());
    QCOMPARE(readCfgFile(m_dir.path()), QList<quint16>());
}

void tst_KivCfgFile::write_intoAFolderThatCannotExistFails()
{
    const QString blocker = fileWith("a regular file");
    QVERIFY(!writeCfgFile(blocker + QStringLiteral("/x.cfg"), {1, 2, 3}));
}

void tst_KivCfgFile::write_failingMidwayReportsFailureAndKeepsTheOldFile()
{
    const QString path = m_dir.filePath(QStringLiteral("keep.cfg"));
    const QList<quint16> older{1, 2, 3};
    QVERIFY(writeCfgFile(path, older));

    // The file opens, but the data does not fit: the image is larger than the limit.
    bool written = true;
    {
        FileSizeLimit limit(1024);
        written = writeCfgFile(path, QList<quint16>(5000, 0xAAAA));
    }
    QVERIFY(!written);
    QCOMPARE(readCfgFile(path), older);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("keep")),
             QStringList{QStringLiteral("keep.cfg")});
}

QTEST_GUILESS_MAIN(tst_KivCfgFile)
#include "tst_KivCfgFile.moc"
