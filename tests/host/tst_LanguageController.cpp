#include "LanguageController.h"

#include <QCoreApplication>
#include <QLocale>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {
// Stands in for a plugin's catalogue: it knows one page text.
class PluginCatalogue : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QString::fromUtf8(sourceText) == QLatin1String("Verbindung trennen") ? QStringLiteral("Disconnect")
                                                                                    : QString();
    }
    bool isEmpty() const override { return false; }
};
} // namespace

class tst_LanguageController : public QObject
{
    Q_OBJECT
private slots:
    void switchWhilePluginOpen_pluginTextsAndNumbersFollow();
};

void tst_LanguageController::switchWhilePluginOpen_pluginTextsAndNumbersFollow()
{
    QQmlEngine engine;
    LanguageController language;
    language.setEngine(&engine);

    // Like an open plugin: its catalogue goes in when the host announces the new language.
    PluginCatalogue catalogue;
    connect(&language, &LanguageController::languageChanged, this, [&](LanguageSettings::Languages lang) {
        QCoreApplication::removeTranslator(&catalogue);
        if (lang == LanguageSettings::English)
            QCoreApplication::installTranslator(&catalogue);
    });

    QQmlComponent component(&engine);
    component.setData(
        "import QtQml\nQtObject { property string label: qsTr(\"Verbindung trennen\");"
        " property string number: qsTr(\"Wert %1\").arg(Number(2000.5).toLocaleString(Qt.locale(), 'f', 1)) }",
        QUrl(QStringLiteral("qrc:/Page.qml")));
    std::unique_ptr<QObject> page(component.create());
    QVERIFY2(page, qPrintable(component.errorString()));

    language.setLanguage(LanguageSettings::German);
    QCOMPARE(page->property("label").toString(), QStringLiteral("Verbindung trennen"));
    QCOMPARE(page->property("number").toString(), QStringLiteral("Wert 2.000,5"));

    language.setLanguage(LanguageSettings::English);
    QCOMPARE(page->property("label").toString(), QStringLiteral("Disconnect"));
    QCOMPARE(page->property("number").toString(), QStringLiteral("Wert 2,000.5"));

    language.setLanguage(LanguageSettings::German);
    QCOMPARE(page->property("label").toString(), QStringLiteral("Verbindung trennen"));
    QCoreApplication::removeTranslator(&catalogue);
}

QTEST_MAIN(tst_LanguageController)
#include "tst_LanguageController.moc"
