#include "NemtraPageManager.h"

#include "NemtraEquipment.h"
#include "NemtraNavigationModel.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcNemtraPages, "znt.pages")

using Page = NemtraNavigationEnums::NemtraPageIndex;

namespace {

template<typename Signal>
void storeAndSignal(NemtraPageManager *manager, int &member, int value, Signal changed)
{
    if (member == value)
        return;
    member = value;
    emit(manager->*changed)(value);
}

} // namespace

NemtraPageManager::NemtraPageManager(QObject *parent)
    : QObject(parent)
    , m_modelTop(new NemtraNavigationModel(NemtraNavigationModel::topItems(), this))
    , m_modelBottom(new NemtraNavigationModel(NemtraNavigationModel::bottomItems(), this))
{
    m_modelBottom->hide(Page::NemtraLanguagePage);
    connect(NemtraEquipmentSource::instance(), &NemtraEquipmentSource::equipmentChanged, this,
            &NemtraPageManager::updateModels);
    // Views hold the sub-entry models they asked for; a new device makes them ask again.
    connect(NemtraEquipmentSource::instance(), &NemtraEquipmentSource::equipmentChanged, this,
            &NemtraPageManager::forceAModelReset);
    reset();
}

QVariant NemtraPageManager::modelTop() const
{
    return QVariant::fromValue(m_modelTop);
}

QVariant NemtraPageManager::modelBottom() const
{
    return QVariant::fromValue(m_modelBottom);
}

void NemtraPageManager::setPageFilter(PageFilter filter)
{
    m_pageFilter = std::move(filter);
    updateModels();
}

void NemtraPageManager::setPageIndex(int index)
{
    // Two drawer entries are commands, not pages.
    if (index == Page::NemtraDisconnect) {
        emit disconnectFromDevice();
        return;
    }
    if (index == Page::NemtraGoHome) {
        emit disconnectFromDevice();
        emit closePlugin();
        return;
    }
    storeAndSignal(this, m_pageIndex, index, &NemtraPageManager::pageIndexChanged);
}

void NemtraPageManager::setConnectionPageIndex(int index)
{
    // Simulation is a question to the user, not a sub-page.
    if (index == Page::NemtraSimulatePage) {
        emit showSimulationSelection();
        return;
    }
    storeAndSignal(this, m_connectionPageIndex, index, &NemtraPageManager::connectionPageIndexChanged);
}

void NemtraPageManager::setMonitoringPageIndex(int index)
{
    storeAndSignal(this, m_monitoringPageIndex, index, &NemtraPageManager::monitoringPageIndexChanged);
}

void NemtraPageManager::setSensorPageIndex(int index)
{
    storeAndSignal(this, m_sensorPageIndex, index, &NemtraPageManager::sensorPageIndexChanged);
}

void NemtraPageManager::setDisplayPageIndex(int index)
{
    storeAndSignal(this, m_displayPageIndex, index, &NemtraPageManager::displayPageIndexChanged);
}

void NemtraPageManager::setControlsPageIndex(int index)
{
    storeAndSignal(this, m_controlsPageIndex, index, &NemtraPageManager::controlsPageIndexChanged);
}

void NemtraPageManager::setTestPageIndex(int index)
{
    storeAndSignal(this, m_testPageIndex, index, &NemtraPageManager::testPageIndexChanged);
}

void NemtraPageManager::setIsConnected(bool connected)
{
    if (m_isConnected == connected)
        return;
    m_isConnected = connected;
    emit isConnectedChanged(connected);
    updateModels();
}

void NemtraPageManager::reset()
{
    setPageIndex(Page::NemtraConnectionPage);
    setConnectionPageIndex(Page::NemtraSerialPage);
    setMonitoringPageIndex(Page::NemtraInfoPage);
    setSensorPageIndex(Page::NemtraSensorGeneral);
    setTestPageIndex(Page::LoraTestPageInvalid);
    setDisplayPageIndex(Page::NemtraDisplayGeneral);
    setControlsPageIndex(Page::NemtraControlsButton1);
    m_isConnected = false;
    updateModels();
}

QString NemtraPageManager::getMaxWidthText() const
{
    const QString top = m_modelTop->getMaxDisplayRoleText();
    const QString bottom = m_modelBottom->getMaxDisplayRoleText();
    return bottom.size() > top.size() ? bottom : top;
}

void NemtraPageManager::setIndexByGroup(int parent, int child)
{
    switch (parent) {
    case Page::NemtraConnectionPage:
        setConnectionPageIndex(child);
        break;
    case Page::NemtraMonitoringPage:
        setMonitoringPageIndex(child);
        break;
    case Page::NemtraSensorPage:
        setSensorPageIndex(child);
        break;
    case Page::NemtraDisplayPage:
        setDisplayPageIndex(child);
        break;
    case Page::NemtraControlsPage:
        setControlsPageIndex(child);
        break;
    case Page::LoraTestPage:
        setTestPageIndex(child);
        break;
    default:
        qCDebug(lcNemtraPages) << "page" << parent << "has no sub-pages";
        break;
    }
}

void NemtraPageManager::showTop(Page page, bool show)
{
    if (show && (!m_pageFilter || m_pageFilter(page)))
        m_modelTop->show(page);
    else
        m_modelTop->hide(page);
}

void NemtraPageManager::updateModels()
{
    const NemtraEquipment &equipment = NemtraEquipmentSource::instance()->equipment();
    for (Page page : {Page::NemtraMonitoringPage, Page::NemtraSensorPage, Page::NemtraLoraPage, Page::NemtraConfigPage,
                      Page::LoraTestPage, Page::NemtraExpertPage})
        showTop(page, m_isConnected);
    showTop(Page::NemtraDisplayPage, m_isConnected && equipment.hasEpd);
    showTop(Page::NemtraControlsPage, m_isConnected && equipment.hasControls());
    if (m_isConnected) {
        m_modelBottom->show(Page::NemtraDisconnect);
    } else {
        m_modelBottom->hide(Page::NemtraDisconnect);
        setPageIndex(Page::NemtraConnectionPage);
        setMonitoringPageIndex(Page::NemtraInfoPage);
        setSensorPageIndex(Page::NemtraSensorGeneral);
        setTestPageIndex(Page::LoraTestPageInvalid);
        setDisplayPageIndex(Page::NemtraDisplayGeneral);
    }
    // The device offers no traffic-light or LED settings over this interface.
    m_modelTop->hide(Page::NemtraTlfPage);
    m_modelTop->hide(Page::NemtraLedPage);
}
