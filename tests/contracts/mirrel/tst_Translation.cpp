#include "Translation.h"

#include <QSignalSpy>
#include <QTest>

class tst_Translation : public QObject
{
    Q_OBJECT
private slots:
    void setLanguage_switchesOnceAndSignals_missingFilesShowSourceTexts();
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

QTEST_GUILESS_MAIN(tst_Translation)
#include "tst_Translation.moc"
