#include "HostOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace {
constexpr auto kPluginPathEnv = "ORVANE_PLUGIN_PATH";

QStringList splitDirs(const QString &value)
{
    QStringList dirs;
    for (const QString &part : value.split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            dirs.append(QDir(trimmed).absolutePath());
    }
    return dirs;
}
}

QStringList HostOptions::defaultPluginDirs(const QString &applicationDir)
{
    const QStringList fromEnv = splitDirs(qEnvironmentVariable(kPluginPathEnv));
    if (!fromEnv.isEmpty())
        return fromEnv;
    return {QDir::cleanPath(applicationDir + QStringLiteral("/../plugins"))};
}

bool HostOptions::parse(const QStringList &arguments, const QString &applicationDir, QString *errorText)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("HostOptions", "Orvane - Konfiguration von Raumsensoren"));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption pluginDirOption(
        QStringLiteral("plugin-dir"),
        QCoreApplication::translate("HostOptions", "Sucht die Plugins im Ordner <dir>."),
        QStringLiteral("dir"));
    const QCommandLineOption openOption(
        QStringLiteral("open-plugin"),
        QCoreApplication::translate("HostOptions", "Öffnet das Plugin <name> (Klassen- oder Dateiname) direkt."),
        QStringLiteral("name"));
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QCoreApplication::translate("HostOptions", "Sprache der Oberfläche: de oder en."),
        QStringLiteral("de|en"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QCoreApplication::translate("HostOptions", "Speichert ein Bildschirmfoto der Anzeige in <file>."),
        QStringLiteral("file"));
    const QCommandLineOption screenshotDirOption(
        QStringLiteral("screenshot-dir"),
        QCoreApplication::translate("HostOptions", "Ordner für die Bildschirmfotos des Rundgangs."),
        QStringLiteral("dir"));
    const QCommandLineOption tourOption(
        QStringLiteral("tour"),
        QCoreApplication::translate("HostOptions", "Fotografiert die Startseite und jedes Plugin und beendet sich."));
    const QCommandLineOption noSplashOption(
        QStringLiteral("no-splash"),
        QCoreApplication::translate("HostOptions", "Startet ohne Startbild."));
    const QCommandLineOption quitOption(
        QStringLiteral("quit-after-screenshot"),
        QCoreApplication::translate("HostOptions", "Beendet sich nach dem Bildschirmfoto."));
    parser.addOptions({pluginDirOption, openOption, languageOption, screenshotOption,
                       screenshotDirOption, tourOption, noSplashOption, quitOption});

    helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        *errorText = parser.errorText();
        return false;
    }
    helpRequested = parser.isSet(helpOption);
    versionRequested = parser.isSet(versionOption);

    if (!parser.positionalArguments().isEmpty()) {
        *errorText = QCoreApplication::translate("HostOptions", "Unbekanntes Argument: %1")
                         .arg(parser.positionalArguments().constFirst());
        return false;
    }

    if (parser.isSet(languageOption)) {
        const QString code = parser.value(languageOption).trimmed().toLower();
        if (code == QLatin1String("de")) {
            language = LanguageSettings::German;
        } else if (code == QLatin1String("en")) {
            language = LanguageSettings::English;
        } else {
            *errorText = QCoreApplication::translate("HostOptions", "Unbekannte Sprache \"%1\" (erlaubt: de, en).")
                             .arg(parser.value(languageOption));
            return false;
        }
        languageGiven = true;
    }

    pluginDirs = parser.isSet(pluginDirOption)
        ? splitDirs(parser.value(pluginDirOption))
        : defaultPluginDirs(applicationDir);
    openPlugin = parser.value(openOption).trimmed();
    screenshotFile = parser.value(screenshotOption);
    screenshotDir = parser.value(screenshotDirOption);
    tour = parser.isSet(tourOption);
    noSplash = parser.isSet(noSplashOption);
    quitAfterScreenshot = parser.isSet(quitOption);

    if (tour && screenshotDir.isEmpty()) {
        *errorText = QCoreApplication::translate("HostOptions", "--tour braucht --screenshot-dir.");
        return false;
    }
    if (quitAfterScreenshot && screenshotFile.isEmpty()) {
        *errorText = QCoreApplication::translate("HostOptions", "--quit-after-screenshot braucht --screenshot.");
        return false;
    }
    if (parser.isSet(pluginDirOption) && pluginDirs.isEmpty()) {
        *errorText = QCoreApplication::translate("HostOptions", "--plugin-dir braucht einen Ordner.");
        return false;
    }
    return true;
}
