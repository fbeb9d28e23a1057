#include "FuzzSmoke.h"

#include <QTest>

namespace {
constexpr quint32 kSeed = 0x55504454;
constexpr int kMutationsPerSeed = 300;
constexpr int kRandomInputs = 1000;
constexpr int kMaxRandomSize = 400;
} // namespace

// Runs the update-list fuzz entry deterministically over the seed corpus and its mutations, so
// the suite exercises it without clang; the libFuzzer build explores further.
class tst_KivUpdateListFuzz : public QObject
{
    Q_OBJECT

private slots:
    void seedsMutationsAndRandomBytes_neitherCrashNorBreakTheInvariants();
};

void tst_KivUpdateListFuzz::seedsMutationsAndRandomBytes_neitherCrashNorBreakTheInvariants()
{
    QRandomGenerator random(kSeed);
    FuzzSmoke::feedCorpus(QStringLiteral(KIV_UPDATE_CORPUS_DIR), 5, random, kMutationsPerSeed);
    const QByteArray start("[{\"name\": \"");
    FuzzSmoke::feedRandom(random, kRandomInputs, kMaxRandomSize, start);
}

QTEST_GUILESS_MAIN(tst_KivUpdateListFuzz)
#include "tst_KivUpdateListFuzz.moc"
