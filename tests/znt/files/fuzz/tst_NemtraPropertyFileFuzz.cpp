#include "FuzzSmoke.h"

#include <QTest>

namespace {
constexpr quint32 kSeed = 0x5A4E5450;
constexpr int kMutationsPerSeed = 200;
constexpr int kRandomInputs = 1000;
constexpr int kMaxRandomSize = 300;
} // namespace

// Runs the property-file fuzz entry deterministically over the seed corpus and its mutations,
// so the suite exercises it without clang; the libFuzzer build explores further.
class tst_NemtraPropertyFileFuzz : public QObject
{
    Q_OBJECT

private slots:
    void seedsMutationsAndRandomBytes_neitherCrashNorBreakTheInvariants();
};

void tst_NemtraPropertyFileFuzz::seedsMutationsAndRandomBytes_neitherCrashNorBreakTheInvariants()
{
    QRandomGenerator random(kSeed);
    FuzzSmoke::feedCorpus(QStringLiteral(ZNT_PROPERTY_CORPUS_DIR), 5, random, kMutationsPerSeed);
    FuzzSmoke::feedRandom(random, kRandomInputs, kMaxRandomSize, QByteArray("{33024, 0, 10, 1, 0, Temperature, "));
}

QTEST_GUILESS_MAIN(tst_NemtraPropertyFileFuzz)
#include "tst_NemtraPropertyFileFuzz.moc"
