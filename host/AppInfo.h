#pragma once

#include <QObject>
#include <QString>

class LanguageController;

// The "App" singleton that the host's and the plugins' pages import: name, version,
// language and platform flags, plus the way back to the home page.
class AppInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString applicationName READ applicationName CONSTANT)
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(bool isDesktop READ isDesktop CONSTANT)
    Q_PROPERTY(bool isMobile READ isMobile CONSTANT)
    Q_PROPERTY(bool isAndroid READ isAndroid CONSTANT)
    Q_PROPERTY(bool isIos READ isIos CONSTANT)
    Q_PROPERTY(bool isWindows READ isWindows CONSTANT)
    Q_PROPERTY(bool isLinux READ isLinux CONSTANT)
    Q_PROPERTY(bool isMacos READ isMacos CONSTANT)
    Q_PROPERTY(bool isQt6 READ isQt6 CONSTANT)
public:
    explicit AppInfo(LanguageController *language, QObject *parent = nullptr);

    QString applicationName() const;
    QString version() const;
    QString language() const;
    void setLanguage(const QString &code);

    bool isDesktop() const { return !isMobile(); }
    bool isMobile() const { return isAndroid() || isIos(); }
    bool isAndroid() const;
    bool isIos() const;
    bool isWindows() const;
    bool isLinux() const;
    bool isMacos() const;
    bool isQt6() const { return true; }

    Q_INVOKABLE void goHome();

signals:
    void languageChanged();
    void homeRequested();

private:
    LanguageController *m_language = nullptr;
};
