#include "KivPageManager.h"

#include "BaseSettings.h"
#include "KivNavigationModel.h"

#include <QLoggingCategory>

#include <utility>

Q_LOGGING_CATEGORY(lcKivPageManager, "kiv.pagemanager")

namespace {

// Stores and signals only on a real change; the signal carries the new value.
template<typename T, typename Owner, typename Signal>
bool assign(Owner *owner, T &member, T value, Signal changed)
{
    if (member == value)
        return false;
    member = value;
    emit(owner->*changed)(value);
    return true;
}

QString longestText(const KivNavigationModel *model)
{
    QString longest;
    const auto consider = [&longest](const KivNavigationItem &item) {
        const QString text = KivNavigationModel::translatedText(item);
        if (text.size() > longest.size())
            longest = text;
    };
    // Hidden entries count too: the drawer must not resize when entries appear.
    for (const KivNavigationItem &item : model->fullList()) {
        consider(item);
        for (const KivNavigationItem &sub : KivNavigationModel::subItems(item.pageIndex))
            consider(sub);
    }
    return longest;
}

} // namespace

KivPageManager::KivPageManager(QObject *parent)
    : BasePageManager(parent)
{
    m_topModel = new KivNavigationModel(KivNavigationModel::topItems(), this);
    m_bottomModel = new KivNavigationModel(KivNavigationModel::bottomItems(), this);
    setNavModelTop(m_topModel);
    setNavModelBottom(m_bottomModel);

    // The language is chosen in the host; the entry stays in the list only for sizing the drawer.
    m_bottomModel->hide(KivLanguagePage);
    updateModels();

    connect(this, &KivPageManager::isConnectedChanged, this, &KivPageManager::updateModels);
    connect(this, &KivPageManager::isLcdChanged, this, &KivPageManager::updateModels);
    connect(this, &KivPageManager::isCo2Changed, this, &KivPageManager::updateModels);
    connect(this, &KivPageManager::isVocChanged, this, &KivPageManager::updateModels);
    connect(this, &KivPageManager::forceAModelReset, m_topModel, &KivNavigationModel::resetModel);
    connect(this, &KivPageManager::forceAModelReset, m_bottomModel, &KivNavigationModel::resetModel);
}

QString KivPageManager::getMaxWidthText()
{
    const QString top = longestText(m_topModel);
    const QString bottom = longestText(m_bottomModel);
    return bottom.size() > top.size() ? bottom : top;
}

void KivPageManager::setPageIndex(KivNavigationEnums::KivPageIndex pageIndex)
{
    if (pageIndex == m_pageIndex)
        return;

    if (pageIndex == KivManuel) {
        // The manual entry only opens the manual; the page that was shown comes back afterwards.
        // Skipped when something else changed the page in the meantime.
        const KivPageIndex previous = m_pageIndex;
        QMetaObject::invokeMethod(
            this,
            [this, previous] {
            if (m_pageIndex == KivManuel)
                setPageIndex(previous);
            },
            Qt::QueuedConnection);
    } else if (pageIndex == KivExpertPage) {
        // Entering expert mode always starts at the password.
        setExpertPageIndex(KivExpertPW);
    }

    qCDebug(lcKivPageManager) << "page" << m_pageIndex << "->" << pageIndex;
    m_pageIndex = pageIndex;
    emit pageIndexChanged(m_pageIndex);
}

void KivPageManager::setMonitoringPageIndex(KivNavigationEnums::KivPageIndex monitoringPageIndex)
{
    assign(this, m_monitoringPageIndex, monitoringPageIndex, &KivPageManager::monitoringPageIndexChanged);
}

void KivPageManager::setConnectionPageIndex(KivNavigationEnums::KivPageIndex connectionPageIndex)
{
    if (connectionPageIndex == m_connectionPageIndex)
        return;
    if (connectionPageIndex == KivSimulate) {
        // Simulation is a question to the user, never a sub-page of its own.
        emit connectionPageIndexChanged(connectionPageIndex);
        return;
    }
    m_connectionPageIndex = connectionPageIndex;
    emit connectionPageIndexChanged(m_connectionPageIndex);
}

void KivPageManager::setOutputPageIndex(KivNavigationEnums::KivPageIndex outputPageIndex)
{
    assign(this, m_outputPageIndex, outputPageIndex, &KivPageManager::outputPageIndexChanged);
}

void KivPageManager::setRelaisPageIndex(KivNavigationEnums::KivPageIndex relaisPageIndex)
{
    assign(this, m_relaisPageIndex, relaisPageIndex, &KivPageManager::relaisPageIndexChanged);
}

void KivPageManager::setServicePageIndex(KivNavigationEnums::KivPageIndex servicePageIndex)
{
    assign(this, m_servicePageIndex, servicePageIndex, &KivPageManager::servicePageIndexChanged);
}

void KivPageManager::setExpertPageIndex(KivNavigationEnums::KivPageIndex expertPageIndex)
{
    assign(this, m_expertPageIndex, expertPageIndex, &KivPageManager::expertPageIndexChanged);
}

void KivPageManager::setLoraPageIndex(KivNavigationEnums::KivPageIndex loraPageIndex)
{
    assign(this, m_loraPageIndex, loraPageIndex, &KivPageManager::loraPageIndexChanged);
}

void KivPageManager::setSaveLoadIndex(KivNavigationEnums::KivPageIndex saveLoadIndex)
{
    assign(this, m_saveLoadIndex, saveLoadIndex, &KivPageManager::saveLoadIndexChanged);
}

void KivPageManager::setIndexByGroup(KivNavigationEnums::KivPageIndex parent, KivNavigationEnums::KivPageIndex child)
{
    switch (parent) {
    case KivConnectionPage:
        setConnectionPageIndex(child);
        break;
    case KivMonitoringPage:
        setMonitoringPageIndex(child);
        break;
    case KivOutputPage:
        setOutputPageIndex(child);
        break;
    case KivRelaisPage:
        setRelaisPageIndex(child);
        break;
    case KivServicePage:
        setServicePageIndex(child);
        break;
    case KivExpertPage:
        // The password sub-page is reached by entering the expert page, not from the drawer.
        if (child != KivExpertPW)
            setExpertPageIndex(child);
        break;
    case KivSaveLoadPage:
        setSaveLoadIndex(child);
        break;
    case KivLoraPage:
        setLoraPageIndex(child);
        break;
    default:
        break;
    }
}

void KivPageManager::onDisconnected()
{
    // Signalled, so that views bound to a sub-page follow; otherwise picking the same entry after
    // reconnecting would look like a no-op to them.
    setMonitoringPageIndex(KivInfo);
    setOutputPageIndex(KivOutput);
    setRelaisPageIndex(KivRelais);
    setServicePageIndex(KivService);
    setExpertPageIndex(KivExpertPW);
    setLoraPageIndex(KivLoraParameter);
}

void KivPageManager::switchToPoll()
{
    // Users land on the live data; internal access levels stay on the connection page.
    if (BaseSettings::readClearance() == 0)
        setPageIndex(KivMonitoringPage);
    else
        setConnectionPageIndex(KivSerialPage);
}

void KivPageManager::circuitBoardChanged(Enums::TypeCircuitBoard board)
{
    setIsRs485(board == Enums::AP_Modbus || board == Enums::AP_BACnet);
    setIsRelais(board == Enums::AP_Relais);
    setIsLoRa(board == Enums::AP_LORA);
    updateModels();
}

void KivPageManager::setIsConnected(bool isConnected)
{
    if (isConnected == m_isConnected)
        return;
    m_isConnected = isConnected;
    if (isConnected) {
        emit isConnectedChanged(true);
        return;
    }

    // All board flags fall with the connection before anyone hears of it, so every observer and
    // every model update sees one consistent state.
    const bool lcdChanged = std::exchange(m_isLcd, false);
    const bool rs485Changed = std::exchange(m_isRs485, false);
    const bool relaisChanged = std::exchange(m_isRelais, false);
    emit isConnectedChanged(false);
    if (lcdChanged)
        emit isLcdChanged(false);
    if (rs485Changed)
        emit isRs485Changed(false);
    if (relaisChanged)
        emit isRelaisChanged(false);
}

void KivPageManager::setIsLcd(bool isLcd)
{
    assign(this, m_isLcd, isLcd, &KivPageManager::isLcdChanged);
}

void KivPageManager::setIsRs485(bool isRs485)
{
    assign(this, m_isRs485, isRs485, &KivPageManager::isRs485Changed);
}

void KivPageManager::setIsRelais(bool isRelais)
{
    assign(this, m_isRelais, isRelais, &KivPageManager::isRelaisChanged);
}

void KivPageManager::setIsCo2(bool isCo2)
{
    assign(this, m_isCo2, isCo2, &KivPageManager::isCo2Changed);
}

void KivPageManager::setIsVoc(bool isVoc)
{
    assign(this, m_isVoc, isVoc, &KivPageManager::isVocChanged);
}

void KivPageManager::setIsLoRa(bool isLoRa)
{
    assign(this, m_isLoRa, isLoRa, &KivPageManager::isLoRaChanged);
}

void KivPageManager::reset()
{
    setPageIndex(KivConnectionPage);

    // CO2 and VOC describe the sensors, not the session, and survive a reset.
    const bool lcdChanged = std::exchange(m_isLcd, false);
    const bool rs485Changed = std::exchange(m_isRs485, false);
    const bool relaisChanged = std::exchange(m_isRelais, false);
    const bool connectedChanged = std::exchange(m_isConnected, false);
    const bool loRaChanged = std::exchange(m_isLoRa, false);

    // Models first, signals after: the model updates the signals trigger then find nothing to do.
    updateModels();
    if (connectedChanged)
        emit isConnectedChanged(false);
    if (lcdChanged)
        emit isLcdChanged(false);
    if (rs485Changed)
        emit isRs485Changed(false);
    if (relaisChanged)
        emit isRelaisChanged(false);
    if (loRaChanged)
        emit isLoRaChanged(false);
}

void KivPageManager::setClearance(int clearance)
{
    if (m_clearance == clearance)
        return;
    m_clearance = clearance;
    updateModels();
}

void KivPageManager::updateModels()
{
    const auto showIf = [](KivNavigationModel *model, KivPageIndex page, bool show) {
        if (show)
            model->show(page);
        else
            model->hide(page);
    };

    showIf(m_topModel, KivRelaisPage, m_isRelais && m_isConnected);
    showIf(m_topModel, KivRs485Page, m_isRs485 && m_isConnected);
    showIf(m_topModel, KivLcdPage, m_isLcd && m_isConnected);
    showIf(m_topModel, KivTlfPage, m_isLcd && m_isConnected);
    showIf(m_topModel, KivLoraPage, m_isLoRa && m_isConnected);
    showIf(m_bottomModel, KivExpertPage, m_isConnected && (m_isVoc || m_isCo2));
    // Also without a device: the traffic of a failed connection attempt is worth a look.
    showIf(m_bottomModel, KivTrafficLogPage, m_clearance > 0);

    for (KivPageIndex page : {KivMonitoringPage, KivOutputPage, KivOffsetPage, KivServicePage})
        showIf(m_topModel, page, m_isConnected);
    if (m_isConnected) {
        m_bottomModel->hide(KivExportPage);
        m_bottomModel->show(KivSaveLoadPage);
        m_bottomModel->show(KivDisconnect);
    } else {
        m_bottomModel->hide(KivSaveLoadPage);
        m_bottomModel->hide(KivDisconnect);
        m_bottomModel->show(KivExportPage);
    }
}
