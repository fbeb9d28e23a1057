#include "RegisterImageFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "RegisterImageFileFuzz: %s (line %d)\n", #condition, __LINE__);                       \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// One input: the text of a register-image file. A refused file must leave the caller's image
// alone and say why; an accepted one must be complete and survive being written and read again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<quint16> untouched{1, 2, 3};
    QList<quint16> values = untouched;
    QString error;
    if (!RegisterImageFile::parse(text, &values, &error)) {
        FUZZ_CHECK(values == untouched);
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(values.size() == RegisterImageFile::kLines);
    QList<quint16> again;
    FUZZ_CHECK(RegisterImageFile::parse(RegisterImageFile::format(values), &again, &error));
    FUZZ_CHECK(again == values);
    return 0;
}
