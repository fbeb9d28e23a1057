#include "Translation.h"

#include "MirrelLogging.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

namespace {
constexpr char kMirrelBaseName[] = "mirrel";
// The link library's error texts reach the user through the plugins, so they travel with ours.
constexpr char kBraskoBaseName[] = "brasko";
} // namespace

Translation::Translation(const QString &appName, LoadMirrel loadMirrel, LoadLibraryFiles loadFiles, QObject *parent)
    : QObject(parent)
    , m_appName(appName)
    , m_loadMirrel(loadMirrel)
    , m_loadFiles(loadFiles)
{
    apply(m_language);
}

Translation::~Translation()
{
    removeTranslators();
}

LanguageSettings::Languages Translation::language() const
{
    return m_language;
}

QString Translation::appName() const
{
    return m_appName;
}

QString Translation::translationFile(LanguageSettings::Languages language) const
{
    const QString name =
        m_appName + QLatin1Char('_') + LanguageSettings::languageCode(language) + QStringLiteral(".qm");
    if (m_loadFiles == LoadFromApplicationFolder)
        return QCoreApplication::applicationDirPath() + QStringLiteral("/translations/") + name;
    return QStringLiteral(":/translations/") + name;
}

bool Translation::isLoaded() const
{
    return m_appTranslator != nullptr;
}

void Translation::setLanguage(LanguageSettings::Languages language)
{
    if (language == m_language)
        return;
    apply(language);
    emit languageChanged(language);
}

void Translation::apply(LanguageSettings::Languages language)
{
    removeTranslators();
    m_language = language;

    auto load = [](const QString &file) -> QTranslator * {
        if (!QFile::exists(file))
            return nullptr;
        auto *translator = new QTranslator;
        if (!translator->load(file)) {
            qCWarning(lcMirrel) << "cannot load translation" << file;
            delete translator;
            return nullptr;
        }
        QCoreApplication::installTranslator(translator);
        return translator;
    };

    const QString file = translationFile(language);
    m_appTranslator = load(file);
    if (!m_appTranslator)
        qCInfo(lcMirrel) << "no translation" << file << "- showing source texts";
    if (m_loadMirrel == LoadMirrelTranslations) {
        const QString suffix = QLatin1Char('_') + LanguageSettings::languageCode(language) + QStringLiteral(".qm");
        m_mirrelTranslator = load(QStringLiteral(":/translations/") + QLatin1String(kMirrelBaseName) + suffix);
        m_braskoTranslator = load(QStringLiteral(":/translations/") + QLatin1String(kBraskoBaseName) + suffix);
    }
}

void Translation::removeTranslators()
{
    for (QTranslator **translator : {&m_appTranslator, &m_mirrelTranslator, &m_braskoTranslator}) {
        if (*translator) {
            QCoreApplication::removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
}
