#pragma once

#include "LanguageSettings.h"

#include <QHash>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

class ManagerBase;
class PluginCatalog;
class PluginInterface;
class QPluginLoader;
class QQmlComponent;
class QQmlContext;
class QQmlEngine;
class QQuickItem;

// Opens one device plugin at a time: loads its library, initialises it with a fresh child
// context, asks for its root page and shows that page in the content area. Closing destroys
// the page and the context before the plugin is released. Libraries stay loaded for the
// whole run because their QML types stay registered with the engine.
class PluginHost : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool pluginOpen READ isPluginOpen NOTIFY stateChanged)
    Q_PROPERTY(bool busy READ isBusy NOTIFY stateChanged)
    Q_PROPERTY(QString currentPluginName READ currentPluginName NOTIFY stateChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY errorTextChanged)
public:
    enum class State { Home, Opening, Open };

    PluginHost(QQmlEngine *engine, PluginCatalog *catalog, QObject *parent = nullptr);
    ~PluginHost() override;

    void setContentArea(QQuickItem *area);
    void setLoadTimeout(int milliseconds) { m_loadTimer.setInterval(milliseconds); }

    State state() const { return m_state; }
    bool isPluginOpen() const { return m_state == State::Open; }
    bool isBusy() const { return m_state == State::Opening; }
    QString currentPluginName() const { return m_currentName; }
    QString errorText() const { return m_errorText; }

    QObject *pluginObject() const;
    QObject *rootObject() const;
    QQmlContext *pluginContext() const;

    Q_INVOKABLE bool open(int row);
    Q_INVOKABLE bool openByName(const QString &name);
    // Safe to call from inside the plugin's own pages: the page is torn down later.
    Q_INVOKABLE void goHome();
    Q_INVOKABLE void clearError();
    // Tears the plugin down right now; never call it from a handler of the plugin's page.
    void close();

    void setLanguage(LanguageSettings::Languages language);

signals:
    void stateChanged();
    void errorTextChanged();
    void pageShown(QObject *root);
    void pluginClosed();
    void openFailed(const QString &message);

private slots:
    void onPluginLoaded(const QUrl &url);

private:
    void continueLoading();
    void fail(const QString &message);
    void setState(State state);
    void setErrorText(const QString &text);
    bool invokeLoadUi();

    QQmlEngine *m_engine = nullptr;
    PluginCatalog *m_catalog = nullptr;
    QPointer<QQuickItem> m_contentArea;
    QHash<QString, QPluginLoader *> m_loaders;

    State m_state = State::Home;
    QString m_currentName;
    QString m_errorText;
    LanguageSettings::Languages m_language = LanguageSettings::German;

    QPointer<QObject> m_instance;
    PluginInterface *m_plugin = nullptr;
    bool m_initialized = false;
    QPointer<ManagerBase> m_manager;
    QPointer<QQmlContext> m_context;
    QPointer<QQmlComponent> m_component;
    QPointer<QObject> m_root;
    QMetaObject::Connection m_loadedConnection;
    QMetaObject::Connection m_homeConnection;
    bool m_closePending = false;
    QTimer m_loadTimer;
};
