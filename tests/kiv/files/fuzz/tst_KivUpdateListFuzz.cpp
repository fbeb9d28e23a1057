#include "FuzzSmoke.h"

#include <QDir>
#include <QFile>
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
    const QDir corpus(QStringLiteral(KIV_UPDATE_CORPUS_DIR));
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY(seeds.size() >= 5);
    QRandomGenerator random(kSeed);
    for (const QString &name : seeds) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray seed = file.readAll();
        QCOMPARE(FuzzSmoke::feed(seed), 0);
        for (int i = 0; i < kMutationsPerSeed; ++i)
            QCOMPARE(FuzzSmoke::feed(FuzzSmoke::mutate(seed, random)), 0);
    }
    const QByteArray start("[{\"name\": \"");
    for (int i = 0; i < kRandomInputs; ++i) {
        const QByteArray bytes = FuzzSmoke::randomBytes(random, kMaxRandomSize);
        QCOMPARE(FuzzSmoke::feed(i % 2 ? start + bytes : bytes), 0);
    }
}

QTEST_GUILESS_MAIN(tst_KivUpdateListFuzz)
#include "tst_KivUpdateListFuzz.moc"
