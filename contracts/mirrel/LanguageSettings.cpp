#include "LanguageSettings.h"

LanguageSettings::LanguageSettings(QObject *parent)
    : QObject(parent)
{
}

QString LanguageSettings::languageCode(Languages language)
{
    return language == English ? QStringLiteral("en") : QStringLiteral("de");
}

LanguageSettings::Languages LanguageSettings::fromCode(const QString &code, Languages fallback)
{
    const QString c = code.trimmed().toLower();
    if (c.startsWith(QLatin1String("en")))
        return English;
    if (c.startsWith(QLatin1String("de")))
        return German;
    return fallback;
}
