#include "HostTestPlugin.h"

#include "ManagerBase.h"

#include <QQmlContext>

HostTestPlugin::HostTestPlugin(QObject *parent)
    : QObject(parent)
{
    connect(this, &HostTestPlugin::loadUi, this, &HostTestPlugin::onLoadUi, Qt::DirectConnection);
}

HostTestPlugin::~HostTestPlugin()
{
    deleteGraph();
}

void HostTestPlugin::initialize(QQmlContext *context)
{
    deleteGraph();
    ++m_initializeCount;
    m_manager = new ManagerBase;
    connect(m_manager.data(), &ManagerBase::languageChanged, this, [this](LanguageSettings::Languages language) {
        m_lastLanguage = int(language);
        ++m_languageChangeCount;
    });
    context->setContextProperty(QStringLiteral("HostTestManager"), m_manager.data());
}

bool HostTestPlugin::release()
{
    ++m_releaseCount;
    deleteGraph();
    return true;
}

ManagerBase *HostTestPlugin::managerObject()
{
    return m_manager;
}

bool HostTestPlugin::graphAlive() const
{
    return !m_manager.isNull();
}

void HostTestPlugin::onLoadUi()
{
    emit pluginLoaded(m_pageUrl);
}

void HostTestPlugin::deleteGraph()
{
    delete m_manager.data();
    m_manager = nullptr;
}
