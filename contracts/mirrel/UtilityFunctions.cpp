#include "UtilityFunctions.h"

#include "MirrelLogging.h"
#include "SharedRuntime.h"

#include <QDir>
#include <QStandardPaths>

namespace {
constexpr char kDataDirEnv[] = "ORVANE_DATA_DIR";

QString &explicitRoot()
{
    static QString root;
    return root;
}
} // namespace

void UtilityFunctions::setRootDirectory(const QString &path)
{
    explicitRoot() = path;
}

QString UtilityFunctions::rootDirectory()
{
    if (!explicitRoot().isEmpty())
        return QDir::cleanPath(explicitRoot());
    const QString fromEnv = qEnvironmentVariable(kDataDirEnv);
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    QString location = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (location.isEmpty())
        location = QDir::homePath() + QStringLiteral("/Orvane");
    return QDir::cleanPath(location);
}

QString UtilityFunctions::pluginDirectory()
{
    return pluginDirectory(SharedRuntime::pluginType());
}

QString UtilityFunctions::pluginDirectory(const QString &type)
{
    if (type.isEmpty())
        return rootDirectory();
    // A type with a folder part would put the plugin's files outside the data root.
    if (!isPlainFileName(type)) {
        qCWarning(lcMirrel) << "plugin type is not a plain folder name:" << type;
        return rootDirectory();
    }
    return rootDirectory() + QLatin1Char('/') + type;
}

bool UtilityFunctions::createNeededFolders()
{
    bool ok = true;
    for (const QString &folder : {saveFileDirectory(), pathToTempFolder(), propertyFileDirectory()}) {
        if (!QDir().mkpath(folder)) {
            qCWarning(lcMirrel) << "cannot create folder" << folder;
            ok = false;
        }
    }
    return ok;
}

QString UtilityFunctions::saveFileDirectory()
{
    return pluginDirectory() + QStringLiteral("/Saves");
}

QString UtilityFunctions::pathToTempFolder()
{
    return pluginDirectory() + QStringLiteral("/Temp");
}

QString UtilityFunctions::propertyFileDirectory()
{
    return pluginDirectory() + QStringLiteral("/Properties");
}

QString UtilityFunctions::propertyFileDirectory(const QString &pluginType)
{
    return pluginDirectory(pluginType) + QStringLiteral("/Properties");
}

bool UtilityFunctions::isPlainFileName(const QString &fileName)
{
    if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String(".."))
        return false;
    for (const QChar c : fileName) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}
