#include "FuzzSmoke.h"

#include <QTest>

namespace {
constexpr quint32 kSeed = 0x4B495634;
constexpr int kMutationsPerSeed = 300;
constexpr int kRandomInputs = 1000;
constexpr int kMaxRandomSize = 600;
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
    QRandomGenerator random(kSeed);
    FuzzSmoke::feedCorpus(QStringLiteral(KIV_CFG_CORPUS_DIR), 5, random, kMutationsPerSeed);
}

void tst_KivCfgFileFuzz::randomBytes_neitherCrashNorBreakTheRoundTrip()
{
    QRandomGenerator random(kSeed + 1);
    // Valid header starts make the random tails reach the register reading.
    const QByteArray header = QByteArray::fromHex("00000012"
                                                  "004B00490056005F0034002E0032002E0031");
    FuzzSmoke::feedRandom(random, kRandomInputs, kMaxRandomSize, header);
}

QTEST_GUILESS_MAIN(tst_KivCfgFileFuzz)
#include "tst_KivCfgFileFuzz.moc"
