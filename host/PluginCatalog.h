#pragma once

#include <QAbstractListModel>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// One device plugin found on disk; nothing of it is loaded yet.
struct PluginEntry
{
    QString filePath; // absolute, the only way it is ever loaded
    QString fileBaseName; // "libKivApp" -> "KivApp"
    QString className;
    QString displayName;
    QString description;
    QString version;
    QJsonObject metaData; // the plugin's own metadata object, if any
};

// Finds the device plugins in the plugin folders. Only libraries whose metadata names the
// plugin interface are listed; reading the metadata does not load the library.
class PluginCatalog : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(QStringList skippedFiles READ skippedFiles NOTIFY countChanged)
    Q_PROPERTY(QStringList directories READ directories NOTIFY countChanged)
public:
    enum Roles {
        DisplayNameRole = Qt::UserRole + 1,
        ClassNameRole,
        FileNameRole,
        FilePathRole,
        DescriptionRole,
        VersionRole,
    };
    Q_ENUM(Roles)

    explicit PluginCatalog(QObject *parent = nullptr);

    void scan(const QStringList &directories);
    const QList<PluginEntry> &entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }
    QStringList skippedFiles() const { return m_skipped; }
    QStringList directories() const { return m_directories; }

    // Matches the class name, the file base name (with or without "lib") or the display name,
    // ignoring case. Returns -1 if nothing matches.
    Q_INVOKABLE int indexOf(const QString &name) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

private:
    QList<PluginEntry> m_entries;
    QStringList m_skipped;
    QStringList m_directories;
};
