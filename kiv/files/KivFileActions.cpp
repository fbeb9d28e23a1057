#include "KivFileActions.h"

#include "KivRegisterText.h"
#include "SaveLoadFilesSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace KivFileActions {

QString savedFilePath(const QString &name)
{
    for (const QStringList &entry : SaveLoadFiles::Settings::readSavedFiles()) {
        if (entry.value(SaveLoadFiles::Settings::NameField) != name)
            continue;
        const QString path = entry.value(SaveLoadFiles::Settings::PathField);
        if (QFileInfo::exists(path))
            return path;
        const auto location =
            QStandardPaths::StandardLocation(entry.value(SaveLoadFiles::Settings::LocationField).toInt());
        return QStandardPaths::writableLocation(location) + QLatin1Char('/') + name;
    }
    return {};
}

bool readText(const QString &filePath, QString *text)
{
    QFile file(filePath);
    if (filePath.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    *text = QString::fromUtf8(file.readAll());
    return true;
}

bool dumpToDesktop(const QList<quint16> &image)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // A fresh account may have no desktop folder yet.
    QDir().mkpath(folder);
    const QString name =
        QStringLiteral("DeviceData") + QDateTime::currentDateTime().toString(Qt::TextDate) + QStringLiteral(".txt");
    return writeRegisterText(folder + QLatin1Char('/') + name, image);
}

} // namespace KivFileActions
