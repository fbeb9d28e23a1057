#include "HostOptions.h"

#include <QDir>
#include <QTest>

class tst_HostOptions : public QObject
{
    Q_OBJECT

private slots:
    void noOptions_usesPluginFolderNextToExecutable();
    void environment_overridesDefaultFolder_optionOverridesBoth();
    void language_acceptsDeAndEn_refusesOthers();
    void unattendedOptions_needTheirTargets();
    void unknownOptionOrArgument_isRefused();
    void preview_seesHelpVersionAndLanguage_amongQtOptionsAndValues();
    void displayAvailable_needsDisplayWaylandOrAPlatform();
    void noDisplayHint_oneLineInTheChosenLanguage();
};

void tst_HostOptions::noOptions_usesPluginFolderNextToExecutable()
{
    qunsetenv("ORVANE_PLUGIN_PATH");
    HostOptions options;
    QString error;
    QVERIFY(options.parse({"Orvane"}, "/opt/orvane/bin", &error));
    QCOMPARE(options.pluginDirs, QStringList{"/opt/orvane/plugins"});
    QCOMPARE(options.language, LanguageSettings::German);
    QVERIFY(!options.languageGiven);
    QVERIFY(!options.runsUnattended());
}

void tst_HostOptions::environment_overridesDefaultFolder_optionOverridesBoth()
{
    qputenv("ORVANE_PLUGIN_PATH", QByteArray("/a/plugins") + QDir::listSeparator().toLatin1() + "/b/plugins");
    HostOptions fromEnv;
    QString error;
    QVERIFY(fromEnv.parse({"Orvane"}, "/opt/orvane/bin", &error));
    QCOMPARE(fromEnv.pluginDirs, (QStringList{"/a/plugins", "/b/plugins"}));

    HostOptions fromOption;
    QVERIFY(fromOption.parse({"Orvane", "--plugin-dir", "/c/plugins"}, "/opt/orvane/bin", &error));
    QCOMPARE(fromOption.pluginDirs, QStringList{"/c/plugins"});
    qunsetenv("ORVANE_PLUGIN_PATH");

    HostOptions empty;
    QVERIFY(!empty.parse({"Orvane", "--plugin-dir", ""}, "/opt/orvane/bin", &error));
}

void tst_HostOptions::language_acceptsDeAndEn_refusesOthers()
{
    QString error;
    HostOptions english;
    QVERIFY(english.parse({"Orvane", "--language", "EN"}, "/x", &error));
    QCOMPARE(english.language, LanguageSettings::English);
    QVERIFY(english.languageGiven);

    HostOptions german;
    QVERIFY(german.parse({"Orvane", "--language=de"}, "/x", &error));
    QCOMPARE(german.language, LanguageSettings::German);

    HostOptions french;
    QVERIFY(!french.parse({"Orvane", "--language", "fr"}, "/x", &error));
    QVERIFY(error.contains("fr"));
}

void tst_HostOptions::unattendedOptions_needTheirTargets()
{
    QString error;
    HostOptions tourWithoutDir;
    QVERIFY(!tourWithoutDir.parse({"Orvane", "--tour"}, "/x", &error));

    HostOptions quitWithoutFile;
    QVERIFY(!quitWithoutFile.parse({"Orvane", "--quit-after-screenshot"}, "/x", &error));

    HostOptions shot;
    QVERIFY(shot.parse(
        {"Orvane", "--open-plugin", "KivApp", "--screenshot", "/tmp/a.png", "--quit-after-screenshot", "--no-splash"},
        "/x", &error));
    QCOMPARE(shot.openPlugin, QString("KivApp"));
    QCOMPARE(shot.screenshotFile, QString("/tmp/a.png"));
    QVERIFY(shot.noSplash);
    QVERIFY(shot.runsUnattended());

    HostOptions tour;
    QVERIFY(tour.parse({"Orvane", "--screenshot-dir", "/tmp/shots", "--tour"}, "/x", &error));
    QVERIFY(tour.tour);
    QVERIFY(tour.runsUnattended());
}

void tst_HostOptions::unknownOptionOrArgument_isRefused()
{
    QString error;
    HostOptions unknown;
    QVERIFY(!unknown.parse({"Orvane", "--frobnicate"}, "/x", &error));
    QVERIFY(!error.isEmpty());

    HostOptions positional;
    QVERIFY(!positional.parse({"Orvane", "stray"}, "/x", &error));
    QVERIFY(error.contains("stray"));
}

void tst_HostOptions::preview_seesHelpVersionAndLanguage_amongQtOptionsAndValues()
{
    const HostOptions help = HostOptions::preview({"Orvane", "-platform", "offscreen", "--no-splash", "-h"});
    QVERIFY(help.helpRequested);
    QVERIFY(!help.versionRequested);
    QVERIFY(HostOptions::preview({"Orvane", "--frobnicate", "--help-all"}).helpRequested);

    const HostOptions version = HostOptions::preview({"Orvane", "-v", "--language=en"});
    QVERIFY(version.versionRequested);
    QVERIFY(version.languageGiven);
    QCOMPARE(version.language, LanguageSettings::English);

    // Qt's -reverse is no bundle of -v; an option's value and anything after "--" ask nothing.
    const HostOptions none = HostOptions::preview({"Orvane", "-reverse", "--screenshot", "--help", "--", "-v"});
    QVERIFY(!none.helpRequested);
    QVERIFY(!none.versionRequested);

    const HostOptions french = HostOptions::preview({"Orvane", "--language", "fr"});
    QVERIFY(!french.languageGiven);
    QCOMPARE(french.language, LanguageSettings::German);
}

void tst_HostOptions::displayAvailable_needsDisplayWaylandOrAPlatform()
{
#if defined(Q_OS_LINUX)
    const QList<QByteArray> names = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    QList<QByteArray> saved;
    for (const QByteArray &name : names) {
        saved << qgetenv(name);
        qunsetenv(name);
    }
    const QStringList plain = {"Orvane", "--tour"};
    QVERIFY(!HostOptions::displayAvailable(plain));
    QVERIFY(HostOptions::displayAvailable({"Orvane", "-platform", "offscreen"}));
    QVERIFY(!HostOptions::displayAvailable({"Orvane", "--", "-platform"}));
    for (const QByteArray &name : names) {
        qputenv(name, "");
        QVERIFY2(!HostOptions::displayAvailable(plain), name.constData());
        qputenv(name, name == "QT_QPA_PLATFORM" ? "offscreen" : ":1");
        QVERIFY2(HostOptions::displayAvailable(plain), name.constData());
        qunsetenv(name);
    }
    for (int i = 0; i < names.size(); ++i) {
        if (!saved.at(i).isNull())
            qputenv(names.at(i), saved.at(i));
    }
#else
    QSKIP("Only Linux starts without any display");
#endif
}

void tst_HostOptions::noDisplayHint_oneLineInTheChosenLanguage()
{
    const QString english = HostOptions::noDisplayHint("/opt/orvane/bin/Orvane", LanguageSettings::English);
    QVERIFY2(english.startsWith("No display found."), qPrintable(english));
    QVERIFY(english.contains("QT_QPA_PLATFORM=offscreen /opt/orvane/bin/Orvane --tour --screenshot-dir"));
    QVERIFY(!english.contains('\n'));

    const QString german = HostOptions::noDisplayHint("Orvane", LanguageSettings::German);
    QVERIFY2(german.startsWith("Keine Anzeige gefunden."), qPrintable(german));
    QVERIFY(german.contains("QT_QPA_PLATFORM=offscreen Orvane --tour"));
}

QTEST_GUILESS_MAIN(tst_HostOptions)
#include "tst_HostOptions.moc"
