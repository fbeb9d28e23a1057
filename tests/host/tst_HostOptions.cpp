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
    QVERIFY(shot.parse({"Orvane", "--open-plugin", "KivApp", "--screenshot", "/tmp/a.png",
                        "--quit-after-screenshot", "--no-splash"}, "/x", &error));
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

QTEST_GUILESS_MAIN(tst_HostOptions)
#include "tst_HostOptions.moc"
