#include "SaveAndLoad.h"

#include "MirrelLogging.h"
#include "SaveLoadFilesSettings.h"
#include "UtilityFunctions.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using SaveLoadFiles::Settings;

SaveAndLoad::SaveAndLoad(QObject *parent)
    : QObject(parent)
{
}

QStringList SaveAndLoad::savedFiles() const
{
    return m_savedFiles;
}

QString SaveAndLoad::getPathToFileName(const QString &fileName)
{
    if (!UtilityFunctions::isPlainFileName(fileName))
        return {};
    for (const QStringList &entry : Settings::readSavedFiles()) {
        if (entry.value(Settings::NameField) != fileName)
            continue;
        const QString path = entry.value(Settings::PathField);
        if (!path.isEmpty() && QFileInfo(path).fileName() == fileName && QFileInfo::exists(path))
            return path;
        bool ok = false;
        const int location = entry.value(Settings::LocationField).toInt(&ok);
        if (ok) {
            const QString folder = QStandardPaths::writableLocation(QStandardPaths::StandardLocation(location));
            const QString candidate = folder + QLatin1Char('/') + fileName;
            if (!folder.isEmpty() && QFileInfo::exists(candidate))
                return candidate;
        }
        break;
    }
    return UtilityFunctions::saveFileDirectory() + QLatin1Char('/') + fileName;
}

QVariantList SaveAndLoad::getSaveInfo(const QString &fileName)
{
    const QString path = getPathToFileName(fileName);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return {};
    return {fileName, info.absoluteFilePath(), info.lastModified().toString(QStringLiteral("dd.MM.yyyy hh:mm")),
            info.size()};
}

void SaveAndLoad::loadSettingsFromHd(const QString &fileName)
{
    const QString path = getPathToFileName(fileName);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        emit errorPlainText(tr("Die Datei \"%1\" wurde nicht gefunden.").arg(fileName));
        return;
    }
    loadSettingsFromPath(path);
}

void SaveAndLoad::loadSettingsFromUrl(const QUrl &url)
{
    if (!url.isLocalFile()) {
        emit errorPlainText(tr("Nur lokale Dateien können geladen werden: %1").arg(url.toDisplayString()));
        return;
    }
    loadSettingsFromPath(url.toLocalFile());
}

void SaveAndLoad::loadSettingsFromPath(const QString &filePath)
{
    emit errorPlainText(tr("Dieser Dateityp kann nicht geladen werden: %1").arg(QFileInfo(filePath).fileName()));
}

void SaveAndLoad::writeSettingsToHd(const QString &, bool) { }

void SaveAndLoad::updateSavedFiles(const QString &filter)
{
    m_filter = filter;
    QList<QStringList> entries = Settings::readSavedFiles();
    const auto before = entries.size();
    // Entries whose files are gone (deleted outside the program) would only fail on loading.
    entries.removeIf([](const QStringList &e) {
        return !UtilityFunctions::isPlainFileName(e.value(Settings::NameField)) ||
            !QFileInfo(getPathToFileName(e.value(Settings::NameField))).isFile();
    });
    if (entries.size() != before)
        Settings::writeSavedFiles(entries);

    QStringList names;
    for (const QStringList &entry : entries)
        names << entry.value(Settings::NameField);
    const QDir saveDir(UtilityFunctions::saveFileDirectory());
    for (const QString &name : saveDir.entryList(QDir::Files | QDir::NoDotAndDotDot)) {
        if (!names.contains(name))
            names << name;
    }
    if (!filter.isEmpty())
        names.removeIf([&](const QString &n) { return !n.contains(filter, Qt::CaseInsensitive); });
    names.sort(Qt::CaseInsensitive);
    if (names != m_savedFiles) {
        m_savedFiles = names;
        emit savedFilesChanged();
    }
}

bool SaveAndLoad::deleteSelectedFile(const QString &fileName)
{
    const QString path = getPathToFileName(fileName);
    if (path.isEmpty()) {
        emit errorPlainText(tr("Ungültiger Dateiname: %1").arg(fileName));
        return false;
    }
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        emit errorPlainText(tr("Die Datei \"%1\" konnte nicht gelöscht werden.").arg(fileName));
        return false;
    }
    Settings::removeSavedFile(fileName);
    updateSavedFiles(m_filter);
    return true;
}

void SaveAndLoad::addSavedFile(const QString &fileName, const QString &filePath)
{
    if (!UtilityFunctions::isPlainFileName(fileName) || filePath.isEmpty()) {
        qCWarning(lcMirrel) << "refusing saved-file entry" << fileName << filePath;
        return;
    }
    Settings::addSavedFile(fileName, QFileInfo(filePath).absoluteFilePath());
    updateSavedFiles(m_filter);
}

void SaveAndLoad::onAddSaveEntry(const QString &fileName, const QString &filePath)
{
    addSavedFile(fileName, filePath);
}
