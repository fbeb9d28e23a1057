#include "LanguageController.h"

#include "LogCategory.h"

#include <QCoreApplication>
#include <QLocale>
#include <QQmlEngine>
#include <QTranslator>

LanguageController::LanguageController(QObject *parent)
    : QObject(parent)
    , m_translator(new QTranslator(this))
{
}

LanguageController::~LanguageController()
{
    if (m_installed)
        QCoreApplication::removeTranslator(m_translator);
}

void LanguageController::setEngine(QQmlEngine *engine)
{
    m_engine = engine;
}

QString LanguageController::languageCode() const
{
    return m_language == LanguageSettings::English ? QStringLiteral("en") : QStringLiteral("de");
}

void LanguageController::setLanguage(LanguageSettings::Languages language)
{
    if (m_language == language && m_applied)
        return;
    m_language = language;
    m_applied = true;
    installTranslator();
    // Numbers and dates on the pages follow the chosen language, not the machine's locale.
    QLocale::setDefault(language == LanguageSettings::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                                              : QLocale(QLocale::German, QLocale::Germany));
    // An open plugin installs its own catalogue on this signal; only then may the pages be
    // retranslated, or they keep the old language until the next switch.
    emit languageChanged(m_language);
    if (m_engine)
        m_engine->retranslate();
}

bool LanguageController::setLanguageCode(const QString &code)
{
    const QString normalized = code.trimmed().toLower();
    if (normalized == QLatin1String("de")) {
        setLanguage(LanguageSettings::German);
        return true;
    }
    if (normalized == QLatin1String("en")) {
        setLanguage(LanguageSettings::English);
        return true;
    }
    qCWarning(lcHost) << "ignoring unknown language code" << code;
    return false;
}

void LanguageController::installTranslator()
{
    if (m_installed) {
        QCoreApplication::removeTranslator(m_translator);
        m_installed = false;
    }
    const QString file = m_language == LanguageSettings::English ? QStringLiteral(":/Orvane/i18n/orvane_en.qm")
                                                                 : QStringLiteral(":/Orvane/i18n/orvane_de.qm");
    if (!m_translator->load(file)) {
        qCWarning(lcHost) << "translation not found:" << file;
        return;
    }
    m_installed = QCoreApplication::installTranslator(m_translator);
}
