#include "KivUpdateList.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

// One input: the bytes of an update list. Whatever is read must be objects only, and every
// entry with a word in its name must serve a device of its own name; blanks serve none.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QJsonObject> entries;
    QString error;
    if (!parseUpdateList(bytes, &entries, &error)) {
        if (!entries.isEmpty() || error.isEmpty())
            std::abort();
        return 0;
    }
    for (const QJsonObject &entry : std::as_const(entries)) {
        const QString name = entry.value(QLatin1String("name")).toString();
        const bool hasWord = !name.split(QLatin1Char(' '), Qt::SkipEmptyParts).isEmpty();
        if (hasWord && !updateEntryMatches(name, name.toUpper()))
            std::abort();
        if (updateEntryMatches(QString(), name) || updateEntryMatches(QStringLiteral("  "), name))
            std::abort();
    }
    return 0;
}
