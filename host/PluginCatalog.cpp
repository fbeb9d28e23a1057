#include "PluginCatalog.h"

#include "LogCategory.h"
#include "PluginInterface.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonValue>
#include <QLibrary>
#include <QPluginLoader>
#include <QSet>
#include <algorithm>

namespace {

// Names for plugins whose metadata carries only the interface and the class name. The
// descriptions are source texts of the "PluginCatalog" context, translated by the home page.
struct KnownPlugin
{
    const char *className;
    const char *displayName;
    const char *description;
    const char *version;
};

constexpr KnownPlugin kKnownPlugins[] = {
    {"KivApp", "KIV", QT_TRANSLATE_NOOP("PluginCatalog", "Konfiguration der KIV-Raumsensoren"), "4.2.1"},
    {"LoRaApp", "ZNT", QT_TRANSLATE_NOOP("PluginCatalog", "Konfiguration der LoRaWAN-Sensoren über USB"), "2.1.2"},
};

const KnownPlugin *knownPlugin(const QString &className)
{
    for (const KnownPlugin &known : kKnownPlugins) {
        if (className == QLatin1String(known.className))
            return &known;
    }
    return nullptr;
}

QString stripLibPrefix(const QString &baseName)
{
#ifndef Q_OS_WIN
    if (baseName.startsWith(QLatin1String("lib")) && baseName.size() > 3)
        return baseName.mid(3);
#endif
    return baseName;
}
} // namespace

PluginCatalog::PluginCatalog(QObject *parent)
    : QAbstractListModel(parent)
{
}

void PluginCatalog::scan(const QStringList &directories)
{
    QList<PluginEntry> found;
    QStringList skipped;
    QSet<QString> classNames;

    for (const QString &dirPath : directories) {
        const QDir dir(dirPath);
        if (!dir.exists()) {
            qCInfo(lcHost) << "plugin folder does not exist:" << dirPath;
            continue;
        }
        const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo &info : files) {
            const QString path = info.absoluteFilePath();
            if (!QLibrary::isLibrary(path))
                continue;
            const QJsonObject meta = QPluginLoader(path).metaData();
            const QString iid = meta.value(QLatin1String("IID")).toString();
            if (iid != QLatin1String(PluginInterface_iid)) {
                qCInfo(lcHost) << "skipping" << path
                               << (meta.isEmpty() ? "(no plugin metadata)" : "(interface " + iid + ")");
                skipped.append(path);
                continue;
            }
            PluginEntry entry;
            entry.filePath = path;
            entry.fileBaseName = stripLibPrefix(info.completeBaseName());
            entry.className = meta.value(QLatin1String("className")).toString();
            entry.metaData = meta.value(QLatin1String("MetaData")).toObject();
            // Earlier folders win, so a plugin folder given on the command line shadows the default one.
            const QString key = entry.className.isEmpty() ? entry.fileBaseName : entry.className;
            if (classNames.contains(key)) {
                qCInfo(lcHost) << "skipping duplicate plugin" << path;
                skipped.append(path);
                continue;
            }
            classNames.insert(key);
            const KnownPlugin *known = knownPlugin(entry.className);
            entry.displayName = entry.metaData.value(QLatin1String("name")).toString();
            if (entry.displayName.isEmpty())
                entry.displayName = known ? QString::fromLatin1(known->displayName) : key;
            entry.description = entry.metaData.value(QLatin1String("description")).toString();
            if (entry.description.isEmpty() && known)
                entry.description = QString::fromUtf8(known->description);
            entry.version = entry.metaData.value(QLatin1String("version")).toString();
            if (entry.version.isEmpty() && known)
                entry.version = QString::fromLatin1(known->version);
            found.append(entry);
            qCInfo(lcHost) << "found plugin" << entry.className << "in" << path;
        }
    }

    std::sort(found.begin(), found.end(), [](const PluginEntry &a, const PluginEntry &b) {
        return a.displayName.compare(b.displayName, Qt::CaseInsensitive) < 0;
    });

    beginResetModel();
    m_entries = found;
    m_skipped = skipped;
    m_directories = directories;
    endResetModel();
    emit countChanged();
}

int PluginCatalog::indexOf(const QString &name) const
{
    const QString wanted = name.trimmed();
    if (wanted.isEmpty())
        return -1;
    for (int i = 0; i < m_entries.size(); ++i) {
        const PluginEntry &e = m_entries.at(i);
        for (const QString &candidate :
             {e.className, e.fileBaseName, QStringLiteral("lib") + e.fileBaseName, e.displayName}) {
            if (!candidate.isEmpty() && candidate.compare(wanted, Qt::CaseInsensitive) == 0)
                return i;
        }
    }
    return -1;
}

int PluginCatalog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant PluginCatalog::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_entries.size())
        return {};
    const PluginEntry &e = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case DisplayNameRole:
        return e.displayName;
    case ClassNameRole:
        return e.className;
    case FileNameRole:
        return QFileInfo(e.filePath).fileName();
    case FilePathRole:
        return e.filePath;
    case DescriptionRole:
        return e.description;
    case VersionRole:
        return e.version;
    default:
        return {};
    }
}

QHash<int, QByteArray> PluginCatalog::roleNames() const
{
    return {
        {DisplayNameRole, "displayName"}, {ClassNameRole, "className"},     {FileNameRole, "fileName"},
        {FilePathRole, "filePath"},       {DescriptionRole, "description"}, {VersionRole, "version"},
    };
}
