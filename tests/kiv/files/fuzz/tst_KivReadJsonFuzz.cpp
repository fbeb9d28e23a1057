#include "FuzzSmoke.h"

#include <QTest>

namespace {
constexpr quint32 kSeed = 0x4A534F4E;
constexpr int kMutationsPerSeed = 300;
constexpr int kRandomInputs = 500;
constexpr int kMaxRandomSize = 400;
} // namespace

// Runs the JSON reader's fuzz entry deterministically over the seed corpus and its mutations, so
// the suite exercises it without clang; the libFuzzer build explores further.
class tst_KivReadJsonFuzz : public QObject
{
    Q_OBJECT

private slots:
    void seedsAndMutations_refusedDocumentsSetNothing();
    void randomBytes_refusedDocumentsSetNothing();
};

void tst_KivReadJsonFuzz::seedsAndMutations_refusedDocumentsSetNothing()
{
    QRandomGenerator random(kSeed);
    FuzzSmoke::feedCorpus(QStringLiteral(KIV_JSON_CORPUS_DIR), 3, random, kMutationsPerSeed);
}

void tst_KivReadJsonFuzz::randomBytes_refusedDocumentsSetNothing()
{
    QRandomGenerator random(kSeed + 1);
    const QByteArray start = QByteArrayLiteral("{\"configuration\": {");
    FuzzSmoke::feedRandom(random, kRandomInputs, kMaxRandomSize, start);
}

QTEST_GUILESS_MAIN(tst_KivReadJsonFuzz)
#include "tst_KivReadJsonFuzz.moc"
