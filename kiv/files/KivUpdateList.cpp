#include "KivUpdateList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

bool parseUpdateList(const QByteArray &bytes, QList<QJsonObject> *entries, QString *error)
{
    entries->clear();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = parseError.errorString();
        return false;
    }
    if (!document.isArray()) {
        *error = QStringLiteral("not an array");
        return false;
    }
    const QJsonArray array = document.array();
    for (const QJsonValue &value : array) {
        if (value.isObject())
            entries->append(value.toObject());
    }
    return true;
}

bool updateEntryMatches(const QString &entryName, const QString &deviceName)
{
    // An empty part is contained in every name: a stray space or an unnamed entry would offer
    // its firmware to every device, so only non-empty parts count.
    const QStringList parts = entryName.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (deviceName.contains(part, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
