#pragma once

#include "PluginInterface.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

class ManagerBase;

// Stands in for a device plugin: counts what the host calls and records the language it hears.
class HostTestPlugin : public QObject, public PluginInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PluginInterface_iid FILE "hosttestplugin.json")
    Q_INTERFACES(PluginInterface)
    Q_PROPERTY(int initializeCount MEMBER m_initializeCount CONSTANT)
    Q_PROPERTY(int releaseCount MEMBER m_releaseCount CONSTANT)
    Q_PROPERTY(int lastLanguage MEMBER m_lastLanguage CONSTANT)
    Q_PROPERTY(int languageChangeCount MEMBER m_languageChangeCount CONSTANT)
    Q_PROPERTY(QUrl pageUrl MEMBER m_pageUrl)
    Q_PROPERTY(bool graphAlive READ graphAlive CONSTANT)
public:
    explicit HostTestPlugin(QObject *parent = nullptr);
    ~HostTestPlugin() override;

    void initialize(QQmlContext *context) override;
    bool release() override;
    ManagerBase *managerObject() override;

    bool graphAlive() const;

signals:
    void pluginClosed();
    void pluginLoaded(const QUrl &url);
    void loadUi();

public slots:
    void onLoadUi();

private:
    void deleteGraph();

    QPointer<ManagerBase> m_manager;
    QUrl m_pageUrl{QStringLiteral("qrc:/HostTestPlugin/TestRootPage.qml")};
    int m_initializeCount = 0;
    int m_releaseCount = 0;
    int m_lastLanguage = -1;
    int m_languageChangeCount = 0;
};
