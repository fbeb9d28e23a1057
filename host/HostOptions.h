#pragma once

#include "LanguageSettings.h"

#include <QString>
#include <QStringList>

// What the command line (and the environment) asks of the host. Option names avoid
// --plugin, --platform and --style, which QGuiApplication consumes itself.
class HostOptions
{
public:
    QStringList pluginDirs;
    QString openPlugin;
    LanguageSettings::Languages language = LanguageSettings::German;
    bool languageGiven = false;
    QString screenshotFile;
    QString screenshotDir;
    bool tour = false;
    // Put the opened plugin on its simulated device.
    bool simulate = false;
    bool noSplash = false;
    bool quitAfterScreenshot = false;
    bool helpRequested = false;
    bool versionRequested = false;
    QString helpText;

    // Parses the full argument list (program name first). Returns false and fills
    // errorText on bad input; nothing of a failed parse should be acted on.
    bool parse(const QStringList &arguments, const QString &applicationDir, QString *errorText);

    // A first look at the raw argv before any application object exists, so that --help and
    // --version answer without a display. Qt's own options (-platform ...) may still be in the
    // list; they and any other unknown option are ignored here. Fills only helpRequested,
    // versionRequested, language, languageGiven and helpText.
    static HostOptions preview(const QStringList &arguments);

    // False when a GUI application would abort for want of a display (Linux without X11,
    // Wayland or a platform named in QT_QPA_PLATFORM or by -platform).
    static bool displayAvailable(const QStringList &arguments);
    // One line telling how to run without a display; needs no application object.
    static QString noDisplayHint(const QString &program, LanguageSettings::Languages language);
    static QString versionText();

    // Plugin folders when neither the option nor the environment names one.
    static QStringList defaultPluginDirs(const QString &applicationDir);

    // True when the host runs without a person in front of it and must end by itself.
    bool runsUnattended() const { return tour || quitAfterScreenshot; }
};
