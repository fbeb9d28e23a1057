#include "LanguageController.h"

#include "LogCategory.h"

#include <QCoreApplication>
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
    if (m_engine)
        m_engine->retranslate();
    emit languageChanged(m_language);
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
