#include "SaveLoadFilesSettings.h"

#include "BaseSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
constexpr char kArray[] = "SavedFiles";
constexpr char kPathKey[] = "path";
constexpr char kNameKey[] = "name";
constexpr char kLocationKey[] = "location";

// The standard location whose folder directly holds the file; documents otherwise.
int locationOf(const QString &filePath)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    for (auto location :
         {QStandardPaths::DocumentsLocation, QStandardPaths::DesktopLocation, QStandardPaths::DownloadLocation,
          QStandardPaths::AppDataLocation, QStandardPaths::TempLocation}) {
        if (QStandardPaths::writableLocation(location) == folder)
            return location;
    }
    return QStandardPaths::DocumentsLocation;
}
} // namespace

namespace SaveLoadFiles {

QList<QStringList> Settings::readSavedFiles()
{
    QSettings *settings = BaseSettings::getSettings();
    QList<QStringList> entries;
    const int count = settings->beginReadArray(QLatin1String(kArray));
    for (int i = 0; i < count; ++i) {
        settings->setArrayIndex(i);
        const QString name = settings->value(QLatin1String(kNameKey)).toString();
        if (name.isEmpty())
            continue;
        entries.append({settings->value(QLatin1String(kPathKey)).toString(), name,
                        settings->value(QLatin1String(kLocationKey)).toString()});
    }
    settings->endArray();
    return entries;
}

void Settings::writeSavedFiles(const QList<QStringList> &entries)
{
    QSettings *settings = BaseSettings::getSettings();
    settings->remove(QLatin1String(kArray));
    settings->beginWriteArray(QLatin1String(kArray), int(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        const QStringList &entry = entries.at(i);
        settings->setArrayIndex(i);
        settings->setValue(QLatin1String(kPathKey), entry.value(PathField));
        settings->setValue(QLatin1String(kNameKey), entry.value(NameField));
        settings->setValue(QLatin1String(kLocationKey), entry.value(LocationField).toInt());
    }
    settings->endArray();
    settings->sync();
}

void Settings::addSavedFile(const QString &fileName, const QString &filePath)
{
    QList<QStringList> entries = readSavedFiles();
    const QStringList entry{filePath, fileName, QString::number(locationOf(filePath))};
    bool replaced = false;
    for (QStringList &existing : entries) {
        if (existing.value(NameField) == fileName) {
            existing = entry;
            replaced = true;
        }
    }
    if (!replaced)
        entries.append(entry);
    writeSavedFiles(entries);
}

bool Settings::removeSavedFile(const QString &fileName)
{
    QList<QStringList> entries = readSavedFiles();
    const auto removed = entries.removeIf([&](const QStringList &e) { return e.value(NameField) == fileName; });
    if (removed > 0)
        writeSavedFiles(entries);
    return removed > 0;
}

} // namespace SaveLoadFiles
