#pragma once

#include <QObject>

// Languages the host and the plugins switch between; German is the source language.
class LanguageSettings : public QObject
{
    Q_OBJECT
public:
    enum Languages { German = 0, English = 1 };
    Q_ENUM(Languages)

    explicit LanguageSettings(QObject *parent = nullptr);

    static QString languageCode(Languages language);
    static Languages fromCode(const QString &code, Languages fallback = German);
};
