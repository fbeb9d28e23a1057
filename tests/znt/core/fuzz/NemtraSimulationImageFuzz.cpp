#include "NemtraSimulationImage.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {
void check(bool ok)
{
    if (!ok)
        std::abort();
}
} // namespace

// One input, read both ways a simulation image arrives: as a device model's text it always gives
// one whole register image; as a stored image file it never gives more words than that, and
// without a header every word of the input is kept up to that bound.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    check(NemtraSimulationImage::fromText(bytes).size() == NemtraSimulationImage::kImageWords);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QList<quint16> words = NemtraSimulationImage::fromStream(&buffer);
    check(words.size() <= NemtraSimulationImage::kImageWords);
    check(words.size() <= qsizetype(size / 2));
    return 0;
}
