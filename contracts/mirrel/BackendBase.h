#pragma once

#include <QObject>
#include <QString>

// Observable state every plugin back end shares with its pages: connection flag, progress bar
// and the last error. Plugins derive their property class from it and name their version.
class BackendBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool connected READ connected WRITE setConnected NOTIFY connectedChanged)
    Q_PROPERTY(int progressMax READ progressMax WRITE setProgressMax NOTIFY progressMaxChanged)
    Q_PROPERTY(int progressValue READ progressValue WRITE setProgressValue NOTIFY progressValueChanged)
    Q_PROPERTY(bool showProgressbar READ showProgressbar WRITE setShowProgressbar NOTIFY showProgressbarChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY errorTextChanged)
    Q_PROPERTY(QString appVersion READ appVersion CONSTANT)

public:
    explicit BackendBase(QObject *parent = nullptr);

    bool connected() const { return m_connected; }
    int progressMax() const { return m_progressMax; }
    // -1 while nothing is in progress.
    int progressValue() const { return m_progressValue; }
    bool showProgressbar() const { return m_showProgressbar; }
    // The text of the last errorPlainText, however it was emitted.
    QString errorText() const { return m_errorText; }
    // The plugin's version as the pages show it; empty unless a plugin overrides it.
    virtual QString appVersion() const;

    // Emits errorPlainText(text); errorText follows.
    void reportError(const QString &text);

public slots:
    void setConnected(bool connected);
    void setProgressMax(int progressMax);
    void setProgressValue(int progressValue);
    void setShowProgressbar(bool showProgressbar);

signals:
    void connectedChanged(bool connected);
    void progressMaxChanged(int progressMax);
    void progressValueChanged(int progressValue);
    void showProgressbarChanged(bool showProgressbar);
    void errorTextChanged(QString errorText);
    void errorPlainText(QString text);
    void infoPlainText(QString text);

private:
    void setErrorText(const QString &text);

    bool m_connected = false;
    int m_progressMax = 100;
    int m_progressValue = -1;
    bool m_showProgressbar = false;
    QString m_errorText;
};
