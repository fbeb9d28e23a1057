#include "HostOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace {
constexpr auto kPluginPathEnv = "ORVANE_PLUGIN_PATH";
constexpr auto kNoDisplayHint = QT_TRANSLATE_NOOP(
    "HostOptions",
    "Keine Anzeige gefunden. Ohne Anzeige starten: QT_QPA_PLATFORM=offscreen %1 --tour --screenshot-dir ORDNER");

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

bool languageFromCode(const QString &value, LanguageSettings::Languages *language)
{
    const QString code = value.trimmed().toLower();
    if (code == QLatin1String("de"))
        *language = LanguageSettings::German;
    else if (code == QLatin1String("en"))
        *language = LanguageSettings::English;
    else
        return false;
    return true;
}

// The host's own options, shared by the full parse and the preview.
struct HostOptionSet
{
    QCommandLineOption pluginDir{QStringLiteral("plugin-dir"),
                                 QCoreApplication::translate("HostOptions", "Sucht die Plugins im Ordner <dir>."),
                                 QStringLiteral("dir")};
    QCommandLineOption open{
        QStringLiteral("open-plugin"),
        QCoreApplication::translate("HostOptions", "Öffnet das Plugin <name> (Klassen- oder Dateiname) direkt."),
        QStringLiteral("name")};
    QCommandLineOption simulate{
        QStringLiteral("simulate"),
        QCoreApplication::translate("HostOptions",
                                    "Zeigt das mit --open-plugin geöffnete Plugin mit einem simulierten Gerät.")};
    QCommandLineOption language{QStringLiteral("language"),
                                QCoreApplication::translate("HostOptions", "Sprache der Oberfläche: de oder en."),
                                QStringLiteral("de|en")};
    QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        QCoreApplication::translate("HostOptions", "Speichert ein Bildschirmfoto der Anzeige in <file>."),
        QStringLiteral("file")};
    QCommandLineOption screenshotDir{
        QStringLiteral("screenshot-dir"),
        QCoreApplication::translate("HostOptions", "Ordner für die Bildschirmfotos des Rundgangs."),
        QStringLiteral("dir")};
    QCommandLineOption tour{
        QStringLiteral("tour"),
        QCoreApplication::translate("HostOptions", "Fotografiert die Startseite und jedes Plugin und beendet sich.")};
    QCommandLineOption noSplash{QStringLiteral("no-splash"),
                                QCoreApplication::translate("HostOptions", "Startet ohne Startbild.")};
    QCommandLineOption quit{QStringLiteral("quit-after-screenshot"),
                            QCoreApplication::translate("HostOptions", "Beendet sich nach dem Bildschirmfoto.")};

    // Everything the help text lists, in its order.
    void setUp(QCommandLineParser &parser) const
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("HostOptions", "Orvane - Konfiguration von Raumsensoren"));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({pluginDir, open, simulate, language, screenshot, screenshotDir, tour, noSplash, quit});
    }
};
} // namespace

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
    const HostOptionSet options;
    options.setUp(parser);

    helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        *errorText = parser.errorText();
        return false;
    }
    helpRequested = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    versionRequested = parser.isSet(QStringLiteral("version"));

    if (!parser.positionalArguments().isEmpty()) {
        *errorText = QCoreApplication::translate("HostOptions", "Unbekanntes Argument: %1")
                         .arg(parser.positionalArguments().constFirst());
        return false;
    }

    if (parser.isSet(options.language)) {
        if (!languageFromCode(parser.value(options.language), &language)) {
            *errorText = QCoreApplication::translate("HostOptions", "Unbekannte Sprache \"%1\" (erlaubt: de, en).")
                             .arg(parser.value(options.language));
            return false;
        }
        languageGiven = true;
    }

    pluginDirs = parser.isSet(options.pluginDir) ? splitDirs(parser.value(options.pluginDir))
                                                 : defaultPluginDirs(applicationDir);
    openPlugin = parser.value(options.open).trimmed();
    screenshotFile = parser.value(options.screenshot);
    screenshotDir = parser.value(options.screenshotDir);
    tour = parser.isSet(options.tour);
    simulate = parser.isSet(options.simulate);
    noSplash = parser.isSet(options.noSplash);
    quitAfterScreenshot = parser.isSet(options.quit);

    if (tour && screenshotDir.isEmpty()) {
        *errorText = QCoreApplication::translate("HostOptions", "--tour braucht --screenshot-dir.");
        return false;
    }
    if (simulate && openPlugin.isEmpty()) {
        *errorText = QCoreApplication::translate("HostOptions", "--simulate braucht --open-plugin.");
        return false;
    }
    if (quitAfterScreenshot && screenshotFile.isEmpty()) {
        *errorText = QCoreApplication::translate("HostOptions", "--quit-after-screenshot braucht --screenshot.");
        return false;
    }
    if (parser.isSet(options.pluginDir) && pluginDirs.isEmpty()) {
        *errorText = QCoreApplication::translate("HostOptions", "--plugin-dir braucht einen Ordner.");
        return false;
    }
    return true;
}

HostOptions HostOptions::preview(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's single-dash words (-platform, -reverse) must not read as bundles of -h and -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const HostOptionSet options;
    options.setUp(parser);
    // Fails on unknown options but still reads the rest, values of our options included.
    parser.parse(arguments);

    HostOptions result;
    result.helpText = parser.helpText();
    result.helpRequested = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    result.versionRequested = parser.isSet(QStringLiteral("version"));
    result.languageGiven =
        parser.isSet(options.language) && languageFromCode(parser.value(options.language), &result.language);
    return result;
}

bool HostOptions::displayAvailable(const QStringList &arguments)
{
#if defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("-platform") || argument == QLatin1String("--platform"))
            return true;
    }
    return false;
#else
    Q_UNUSED(arguments)
    return true;
#endif
}

QString HostOptions::noDisplayHint(const QString &program, LanguageSettings::Languages language)
{
    // No application object exists yet to install a translator on, so ask the catalogue directly.
    QTranslator translator;
    QString text;
    if (translator.load(QStringLiteral(":/Orvane/i18n/orvane_") + LanguageSettings::languageCode(language) +
                        QStringLiteral(".qm")))
        text = translator.translate("HostOptions", kNoDisplayHint);
    if (text.isEmpty())
        text = QString::fromUtf8(kNoDisplayHint);
    return text.arg(program);
}

QString HostOptions::versionText()
{
    return QStringLiteral("Orvane " ORVANE_VERSION);
}
