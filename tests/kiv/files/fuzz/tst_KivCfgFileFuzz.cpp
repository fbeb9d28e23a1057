#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {
constexpr quint32 kSeed = 0x4B495634;
constexpr int kMutationsPerSeed = 300;
constexpr int kRandomInputs = 1000;
constexpr int kMaxRandomSize = 600;

int feed(const QByteArray &bytes)
{
    return LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
}

// Byte flips, cuts, insertions and overwritten length fields, as a fuzzer would try first.
QByteArray mutate(QByteArray bytes, QRandomGenerator &random)
{
    const int steps = 1 + int(random.bounded(4));
    for (int s = 0; s < steps; ++s) {
        const int at = bytes.isEmpty() ? 0 : int(random.bounded(quint32(bytes.size())));
        switch (random.bounded(5)) {
        case 0:
            if (!bytes.isEmpty())
                bytes[at] = char(bytes.at(at) ^ (1 << random.bounded(8)));
            break;
        case 1:
            bytes.truncate(at);
            break;
        case 2:
            bytes.insert(at, char(random.bounded(256)));
            break;
        case 3: {
            // A length or count field set to an extreme value.
            static const quint32 extremes[] = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF};
            const quint32 value = extremes[random.bounded(6)];
            const char raw[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
            bytes.replace(at, 4, QByteArray(raw, 4));
            break;
        }
        default:
            bytes.remove(at, int(random.bounded(8)));
            break;
        }
    }
    return bytes;
}
} // namespace

// Runs the fuzz entry of readCfgFile deterministically over the seed corpus and its mutations,
// so the suite exercises it without clang; the libFuzzer build explores further.
class tst_KivCfgFileFuzz : public QObject
{
    Q_OBJECT

private slots:
    void seedsAndMutations_neitherCrashNorBreakTheRoundTrip();
    void randomBytes_neitherCrashNorBreakTheRoundTrip();
};

void tst_KivCfgFileFuzz::seedsAndMutations_neitherCrashNorBreakTheRoundTrip()
{
    const QDir corpus(QStringLiteral(KIV_CFG_CORPUS_DIR));
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY(seeds.size() >= 5);

    QRandomGenerator random(kSeed);
    for (const QString &name : seeds) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray seed = file.readAll();
        QCOMPARE(feed(seed), 0);
        for (int i = 0; i < kMutationsPerSeed; ++i)
            QCOMPARE(feed(mutate(seed, random)), 0);
    }
}

void tst_KivCfgFileFuzz::randomBytes_neitherCrashNorBreakTheRoundTrip()
{
    QRandomGenerator random(kSeed + 1);
    // Valid header starts make the random tails reach the register reading.
    const QByteArray header = QByteArray::fromHex("00000012" "004B00490056005F0034002E0032002E0031");
    for (int i = 0; i < kRandomInputs; ++i) {
        QByteArray bytes(int(random.bounded(kMaxRandomSize)), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(random.bounded(256));
        QCOMPARE(feed(i % 2 ? header + bytes : bytes), 0);
    }
}

QTEST_GUILESS_MAIN(tst_KivCfgFileFuzz)
#include "tst_KivCfgFileFuzz.moc"
