#include "FuzzSmoke.h"

#include <QTest>

namespace {
constexpr quint32 kSeed = 0x52494D47;
constexpr int kMutationsPerSeed = 200;
constexpr int kRandomInputs = 1000;
} // namespace

// The register-image file entry over its seed corpus, mutations and random text.
class tst_RegisterImageFileFuzz : public QObject
{
    Q_OBJECT

private slots:
    void seedsAndMutations_refusedCleanlyOrRoundTrip();
    void randomLines_refusedCleanlyOrRoundTrip();
};

void tst_RegisterImageFileFuzz::seedsAndMutations_refusedCleanlyOrRoundTrip()
{
    QRandomGenerator random(kSeed);
    FuzzSmoke::feedCorpus(QStringLiteral(REGISTER_IMAGE_CORPUS_DIR), 5, random, kMutationsPerSeed);
}

void tst_RegisterImageFileFuzz::randomLines_refusedCleanlyOrRoundTrip()
{
    // Number-like lines in random shapes; some inputs reach the full line count.
    static const char *const pieces[] = {"0",    "65535", "65536",      "-1",  "+7",
                                         " 12 ", "\t3",   "0x10",       "1e3", "99999999999999999999",
                                         "\r",   "",      "4294967297", "007"};
    QRandomGenerator random(kSeed + 1);
    for (int i = 0; i < kRandomInputs; ++i) {
        const int lines = i % 10 == 0 ? 4990 + int(random.bounded(20)) : int(random.bounded(50));
        // Long texts get few odd lines, or hardly any would be accepted.
        const quint32 oddOneIn = lines > 1000 ? 2000 : 8;
        QByteArray text;
        for (int l = 0; l < lines; ++l) {
            text.append(random.bounded(oddOneIn) ? QByteArray::number(random.bounded(65536))
                                                 : QByteArray(pieces[random.bounded(int(std::size(pieces)))]));
            text.append(random.bounded(4) ? "\n" : "\r\n");
        }
        QCOMPARE(FuzzSmoke::feed(text), 0);
        QCOMPARE(FuzzSmoke::feed(FuzzSmoke::randomBytes(random, 200)), 0);
    }
}

QTEST_GUILESS_MAIN(tst_RegisterImageFileFuzz)
#include "tst_RegisterImageFileFuzz.moc"
