#include "ShareBackend.h"

#include "MirrelLogging.h"
#include "UtilityFunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ShareBackend::ShareBackend(QObject *parent)
    : QObject(parent)
{
}

QString ShareBackend::lastSharedFile() const
{
    return m_lastSharedFile;
}

void ShareBackend::shareFile(const QString &fileName)
{
    const QString name = fileName.trimmed();
    if (!UtilityFunctions::isPlainFileName(name) || QFileInfo(name).suffix().isEmpty()) {
        emit errorPlainText(tr("Ungültiger Dateiname: %1").arg(fileName));
        return;
    }
    UtilityFunctions::createNeededFolders();
    emit saveFileForEMail(UtilityFunctions::pathToTempFolder() + QLatin1Char('/') + name);
}

void ShareBackend::prepareFileForEMail(const QString &filePath)
{
    const QFileInfo source(filePath);
    if (!source.isFile()) {
        emit errorPlainText(tr("Die Datei zum Teilen konnte nicht erstellt werden."));
        return;
    }
    // Keep a copy among the saved files; a shared configuration should not vanish with the temp folder.
    const QString copyPath = UtilityFunctions::saveFileDirectory() + QLatin1Char('/') + source.fileName();
    if (QFileInfo(copyPath).absoluteFilePath() != source.absoluteFilePath()) {
        QDir().mkpath(UtilityFunctions::saveFileDirectory());
        const QString partial = copyPath + QStringLiteral(".part");
        QFile::remove(partial);
        if (!QFile::copy(filePath, partial) || (QFile::exists(copyPath) && !QFile::remove(copyPath)) ||
            !QFile::rename(partial, copyPath)) {
            QFile::remove(partial);
            emit errorPlainText(tr("Die Datei konnte nicht in den Speicherordner kopiert werden."));
            return;
        }
    }
    emit addSaveEntry(source.fileName(), copyPath);
    m_lastSharedFile = source.absoluteFilePath();
    emit fileReadyToShare(m_lastSharedFile);
    emit infoPlainText(tr("Die Datei %1 liegt zum Teilen bereit.").arg(source.fileName()));
}
