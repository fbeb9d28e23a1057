#pragma once

#include <QList>
#include <QStringList>

namespace SaveLoadFiles {

// The list of saved files kept in the shared settings store. Each entry is
// [path, file name, standard-location number]; the location lets a caller find the file again
// under QStandardPaths::writableLocation(location) + "/" + name when the stored path is gone.
// One entry per file name.
class Settings
{
public:
    Settings() = delete;

    static QList<QStringList> readSavedFiles();
    static void writeSavedFiles(const QList<QStringList> &entries);
    // Adds or replaces the entry of fileName.
    static void addSavedFile(const QString &fileName, const QString &filePath);
    static bool removeSavedFile(const QString &fileName);

    enum Field { PathField = 0, NameField = 1, LocationField = 2 };
};

} // namespace SaveLoadFiles
