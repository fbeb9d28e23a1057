#pragma once

#include <QByteArray>
#include <QRandomGenerator>

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

} // namespace FuzzSmoke
