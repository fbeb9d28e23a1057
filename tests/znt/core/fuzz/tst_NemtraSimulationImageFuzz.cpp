#include "FuzzSmoke.h"

#include <QTest>

namespace {
constexpr quint32 kSeed = 0x5A4E5453;
constexpr int kMutationsPerSeed = 100;
constexpr int kRandomInputs = 1000;
constexpr int kMaxRandomSize = 300;
} // namespace

// Runs the simulation-image fuzz entry deterministically over the two device models and their
// mutations, so the suite exercises it without clang; the libFuzzer build explores further.
class tst_NemtraSimulationImageFuzz : public QObject
{
    Q_OBJECT

private slots:
    void modelsMutationsAndRandomBytes_neitherCrashNorOverrunTheImage();
};

void tst_NemtraSimulationImageFuzz::modelsMutationsAndRandomBytes_neitherCrashNorOverrunTheImage()
{
    QRandomGenerator random(kSeed);
    FuzzSmoke::feedCorpus(QStringLiteral(ZNT_SIMULATION_DIR), 2, random, kMutationsPerSeed);
    FuzzSmoke::feedRandom(random, kRandomInputs, kMaxRandomSize, QByteArray("Register;Wert\n10;"));
    // A stored image whose header string claims more characters than the file holds.
    FuzzSmoke::feedRandom(random, kRandomInputs / 10, kMaxRandomSize, QByteArray::fromHex("7fffffff"));
}

QTEST_GUILESS_MAIN(tst_NemtraSimulationImageFuzz)
#include "tst_NemtraSimulationImageFuzz.moc"
