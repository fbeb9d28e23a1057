#pragma once

#include "LanguageSettings.h"

#include <QObject>

class QTranslator;

// Loads the plugin's ".qm" files (":/translations/<appName>_de.qm" / "_en.qm") into a
// translator installed on the application and switches them when the host changes language.
class Translation : public QObject
{
    Q_OBJECT
    Q_PROPERTY(LanguageSettings::Languages language READ language WRITE setLanguage NOTIFY languageChanged)
public:
    // Whether the framework's own texts are translated too.
    enum LoadMirrel { LoadMirrelTranslations = 0, SkipMirrelTranslations = 1 };
    Q_ENUM(LoadMirrel)
    // Where the plugin's ".qm" files come from.
    enum LoadLibraryFiles { LoadFromResources = 0, LoadFromApplicationFolder = 1 };
    Q_ENUM(LoadLibraryFiles)

    Translation(const QString &appName, LoadMirrel loadMirrel, LoadLibraryFiles loadFiles, QObject *parent = nullptr);
    ~Translation() override;

    LanguageSettings::Languages language() const;
    QString appName() const;
    // The file the plugin's translator is loaded from for a language.
    QString translationFile(LanguageSettings::Languages language) const;
    bool isLoaded() const;

public slots:
    void setLanguage(LanguageSettings::Languages language);

signals:
    void languageChanged(LanguageSettings::Languages language);

private:
    void apply(LanguageSettings::Languages language);
    void removeTranslators();

    QString m_appName;
    LoadMirrel m_loadMirrel = LoadMirrelTranslations;
    LoadLibraryFiles m_loadFiles = LoadFromResources;
    LanguageSettings::Languages m_language = LanguageSettings::German;
    QTranslator *m_appTranslator = nullptr;
    QTranslator *m_mirrelTranslator = nullptr;
    QTranslator *m_braskoTranslator = nullptr;
};
