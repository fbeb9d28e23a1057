#include "AppInfo.h"

#include "LanguageController.h"

#include <QCoreApplication>

AppInfo::AppInfo(LanguageController *language, QObject *parent)
    : QObject(parent)
    , m_language(language)
{
    connect(m_language, &LanguageController::languageChanged, this, &AppInfo::languageChanged);
}

QString AppInfo::applicationName() const
{
    return QStringLiteral("Orvane");
}

QString AppInfo::version() const
{
    return QStringLiteral(ORVANE_VERSION);
}

QString AppInfo::language() const
{
    return m_language->languageCode();
}

void AppInfo::setLanguage(const QString &code)
{
    m_language->setLanguageCode(code);
}

bool AppInfo::isAndroid() const
{
#ifdef Q_OS_ANDROID
    return true;
#else
    return false;
#endif
}

bool AppInfo::isIos() const
{
#ifdef Q_OS_IOS
    return true;
#else
    return false;
#endif
}

bool AppInfo::isWindows() const
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

bool AppInfo::isLinux() const
{
#if defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)
    return true;
#else
    return false;
#endif
}

bool AppInfo::isMacos() const
{
#ifdef Q_OS_MACOS
    return true;
#else
    return false;
#endif
}

void AppInfo::goHome()
{
    emit homeRequested();
}
