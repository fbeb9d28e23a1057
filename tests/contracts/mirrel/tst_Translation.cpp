#include "Translation.h"

#include "Datagram.h"

#include <QSignalSpy>
#include <QTest>

class tst_Translation : public QObject
{
    Q_OBJECT
private slots:
    void setLanguage_switchesOnceAndSignals_missingFilesShowSourceTexts();
    void english_libraryTextsTranslatedWithoutPluginCatalogue();
};

void tst_Translation::setLanguage_switchesOnceAndSignals_missingFilesShowSourceTexts()
{
    Translation translation(QStringLiteral("kivApp"), Translation::LoadMirrel(0), Translation::LoadLibraryFiles(0));
    QCOMPARE(translation.language(), LanguageSettings::German);
    QCOMPARE(translation.translationFile(LanguageSettings::English), QStringLiteral(":/translations/kivApp_en.qm"));
    QSignalSpy spy(&translation, &Translation::languageChanged);
    translation.setLanguage(LanguageSettings::English);
    translation.setLanguage(LanguageSettings::English);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<LanguageSettings::Languages>(), LanguageSettings::English);
    QVERIFY(!translation.isLoaded());
    QCOMPARE(QCoreApplication::translate("ErrorManagement", "Fehler"), QStringLiteral("Fehler"));
    translation.setLanguage(LanguageSettings::German);
    QCOMPARE(spy.count(), 2);
}

void tst_Translation::english_libraryTextsTranslatedWithoutPluginCatalogue()
{
    // Using the link library keeps it (and its catalogue) loaded, as in the plugins.
    QCOMPARE(Datagram::readRequest(0, 1, 1).getStartAdress(), 0u);
    const char *linkText = "Gerät beschäftigt";
    const char *errorText = "Kommunikation mit dem Gerät fehlgeschlagen. Bitte Verbindung und Einstellungen prüfen.";
    Translation translation(QStringLiteral("noSuchApp"), Translation::LoadMirrelTranslations,
                            Translation::LoadFromResources);
    translation.setLanguage(LanguageSettings::English);
    QCOMPARE(QCoreApplication::translate("ModbusClientSerial", linkText), QStringLiteral("device busy"));
    QVERIFY(QCoreApplication::translate("ErrorManagement", errorText).startsWith(QLatin1String("Communication")));
    translation.setLanguage(LanguageSettings::German);
    QCOMPARE(QCoreApplication::translate("ModbusClientSerial", linkText), QString::fromUtf8(linkText));
}

QTEST_GUILESS_MAIN(tst_Translation)
#include "tst_Translation.moc"
