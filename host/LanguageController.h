#pragma once

#include "LanguageSettings.h"

#include <QObject>
#include <QString>

class QQmlEngine;
class QTranslator;

// Holds the host's interface language: installs the matching translator and retranslates
// the engine. Plugins follow through PluginHost, which forwards languageChanged.
class LanguageController : public QObject
{
    Q_OBJECT
public:
    explicit LanguageController(QObject *parent = nullptr);
    ~LanguageController() override;

    void setEngine(QQmlEngine *engine);

    LanguageSettings::Languages language() const { return m_language; }
    QString languageCode() const;
    void setLanguage(LanguageSettings::Languages language);
    // Unknown codes are ignored so that a wrong value from QML cannot leave a half-switched state.
    bool setLanguageCode(const QString &code);

signals:
    void languageChanged(LanguageSettings::Languages language);

private:
    void installTranslator();

    LanguageSettings::Languages m_language = LanguageSettings::German;
    QQmlEngine *m_engine = nullptr;
    QTranslator *m_translator = nullptr;
    bool m_installed = false;
    bool m_applied = false;
};
