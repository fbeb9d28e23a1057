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
    // An unnamed entry must not offer its image to every device.
    if (entryName.isEmpty())
        return false;
    const QStringList parts = entryName.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    for (const QString &part : parts) {
        if (deviceName.contains(part, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
