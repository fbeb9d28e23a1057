#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QVariantList>

// Saved configurations of a plugin: the list of saved files the load page shows, and the
// loading entry points. A plugin derives from it and supplies the file formats.
class SaveAndLoad : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList savedFiles READ savedFiles NOTIFY savedFilesChanged)
public:
    explicit SaveAndLoad(QObject *parent = nullptr);

    QStringList savedFiles() const;

    // Where a saved file of that name lives: its listed path while that file exists, else the
    // listed standard location, else the save folder. Empty for names that are not bare file
    // names (no folders, no ".."), so a name from QML can never point outside.
    static QString getPathToFileName(const QString &fileName);

    // Information about a saved file: [file name, path, last change "dd.MM.yyyy hh:mm", size in
    // bytes]; empty when the file does not exist.
    Q_INVOKABLE virtual QVariantList getSaveInfo(const QString &fileName);

public slots:
    virtual void loadSettingsFromHd(const QString &fileName);
    virtual void loadSettingsFromUrl(const QUrl &url);
    virtual void loadSettingsFromPath(const QString &filePath);
    virtual void writeSettingsToHd(const QString &fileName, bool temporary);

    // Rebuilds the list: listed files that still exist plus files in the save folder, sorted by
    // name; names containing filter (case-insensitive) only, when filter is not empty.
    void updateSavedFiles(const QString &filter);
    bool deleteSelectedFile(const QString &fileName);
    void addSavedFile(const QString &fileName, const QString &filePath);
    void onAddSaveEntry(const QString &fileName, const QString &filePath);

signals:
    void errorPlainText(QString error);
    void infoPlainText(QString info);
    void loadedFromFile(QList<quint16> values);
    void requestFileShareName(QString currentName);
    void savedFilesChanged();

private:
    QStringList m_savedFiles;
    QString m_filter;
};
