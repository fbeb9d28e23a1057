#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// Shared by the smoke drivers: they run a fuzz entry deterministically with the normal compiler,
// the libFuzzer build of the same entry explores further.
namespace FuzzSmoke {

inline int feed(const QByteArray &bytes)
{
    return LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
}

// Byte flips, cuts, insertions, removals and overwritten length fields, as a fuzzer would try first.
inline QByteArray mutate(QByteArray bytes, QRandomGenerator &random)
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

inline QByteArray randomBytes(QRandomGenerator &random, int maxSize)
{
    QByteArray bytes(int(random.bounded(maxSize)), Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

// Every seed of a corpus folder and its mutations must be answered with 0.
inline void feedCorpus(const QString &folder, int minimumSeeds, QRandomGenerator &random, int mutationsPerSeed)
{
    const QDir corpus(folder);
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY(seeds.size() >= minimumSeeds);
    for (const QString &name : seeds) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray seed = file.readAll();
        QCOMPARE(feed(seed), 0);
        for (int i = 0; i < mutationsPerSeed; ++i)
            QCOMPARE(feed(mutate(seed, random)), 0);
    }
}

// Random inputs, every second one behind a valid start so the tails reach the deeper parsing.
inline void feedRandom(QRandomGenerator &random, int inputs, int maxSize, const QByteArray &start)
{
    for (int i = 0; i < inputs; ++i) {
        const QByteArray bytes = randomBytes(random, maxSize);
        QCOMPARE(feed(i % 2 ? start + bytes : bytes), 0);
    }
}

} // namespace FuzzSmoke
