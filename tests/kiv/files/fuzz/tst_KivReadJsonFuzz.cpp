#include "FuzzSmoke.h"

#include <QDir>
#include <QFile>
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
    const QDir corpus(QStringLiteral(KIV_JSON_CORPUS_DIR));
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY(seeds.size() >= 3);

    QRandomGenerator random(kSeed);
    for (const QString &name : seeds) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray seed = file.readAll();
        QCOMPARE(FuzzSmoke::feed(seed), 0);
        for (int i = 0; i < kMutationsPerSeed; ++i)
            QCOMPARE(FuzzSmoke::feed(FuzzSmoke::mutate(seed, random)), 0);
    }
}

void tst_KivReadJsonFuzz::randomBytes_refusedDocumentsSetNothing()
{
    QRandomGenerator random(kSeed + 1);
    const QByteArray start = QByteArrayLiteral("{\"configuration\": {");
    for (int i = 0; i < kRandomInputs; ++i) {
        const QByteArray bytes = FuzzSmoke::randomBytes(random, kMaxRandomSize);
        QCOMPARE(FuzzSmoke::feed(i % 2 ? start + bytes : bytes), 0);
    }
}

QTEST_GUILESS_MAIN(tst_KivReadJsonFuzz)
#include "tst_KivReadJsonFuzz.moc"
