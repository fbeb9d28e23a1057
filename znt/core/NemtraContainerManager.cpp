#include "NemtraContainerManager.h"

#include "NemtraChannelManager.h"
#include "NemtraControlsContainer.h"
#include "NemtraDeviceInformation.h"
#include "NemtraDisplayContainer.h"
#include "NemtraEnums.h"
#include "NemtraExpertMode.h"
#include "NemtraGatewayContainer.h"
#include "NemtraLedContainer.h"
#include "NemtraLoRaContainer.h"
#include "NemtraPropertyFile.h"
#include "NemtraTlfContainer.h"

#include <QLoggingCategory>
#include <QMetaObject>

Q_LOGGING_CATEGORY(lcNemtraContainerManager, "znt.containermanager")

NemtraContainerManager::NemtraContainerManager(QObject *parent)
    : BaseContainer(parent)
    , m_led(NemtraLedContainer::instance())
    , m_tlf(NemtraTlfContainer::instance())
    , m_lora(NemtraLoRaContainer::instance())
    , m_channelManager(NemtraChannelManager::instance())
    , m_display(NemtraDisplayContainer::instance())
    , m_deviceInformation(NemtraDeviceInformation::instance())
    , m_gateway(NemtraGatewayContainer::instance())
    , m_expertMode(NemtraExpertMode::instance())
    , m_controls(NemtraControlsContainer::instance())
{
    connectContainers();
    distributeProperties();
}

// The containers outlive this manager: the QML singletons were registered with them once, so
// they are freed only when the application quits. Connections made with this manager as
// receiver end here; those between two containers are unique, so a new manager does not
// double them.
NemtraContainerManager::~NemtraContainerManager() = default;

QList<NemtraBaseContainer *> NemtraContainerManager::containers() const
{
    return {m_deviceInformation, m_led,        m_tlf,     m_lora, m_gateway, m_display,
            m_channelManager,    m_expertMode, m_controls};
}

void NemtraContainerManager::connectContainers()
{
    for (NemtraBaseContainer *container : containers()) {
        connect(container, &BaseContainer::writeSingleRegister, this, &NemtraContainerManager::attemptToWriteSingle);
        connect(container, &BaseContainer::writeMultipleRegister, this, &NemtraContainerManager::attemptToWriteMulti);
    }
    connect(m_deviceInformation, &NemtraDeviceInformation::saveCommandSend, this,
            &NemtraContainerManager::saveCommandSend, Qt::QueuedConnection);
    connect(m_expertMode, &NemtraExpertMode::readSingleRegister, this, &NemtraContainerManager::attemptToReadSingle);
    connect(m_controls, &NemtraControlsContainer::setEpdReferenceOccupancy, m_display,
            &NemtraDisplayContainer::onEpdReferenceOccupancy, Qt::UniqueConnection);
    connect(m_controls, &NemtraControlsContainer::setEpdReferenceFan, m_display,
            &NemtraDisplayContainer::onEpdReferenceFan, Qt::UniqueConnection);
}

void NemtraContainerManager::distributeProperties()
{
    QList<NemtraProperty *> loaded = NemtraPropertyFile::loadProperties();
    m_deviceInformation->setProperties(NemtraPropertyFile::takeProperties(loaded, NemtraEnums::DeviceInformation));
    m_deviceInformation->setDeviceSetupProperties(NemtraPropertyFile::takeProperties(loaded, NemtraEnums::DeviceSetup));
    m_led->setProperties(NemtraPropertyFile::takeProperties(loaded, NemtraEnums::Led));
    m_lora->setProperties(NemtraPropertyFile::takeProperties(loaded, NemtraEnums::Lora));
    m_gateway->setProperties(NemtraPropertyFile::takeProperties(loaded, NemtraEnums::Gateway));
    m_tlf->setProperties(NemtraPropertyFile::takeProperties(loaded, NemtraEnums::Tlf));
    m_display->setProperties(NemtraPropertyFile::takeProperties(loaded, NemtraEnums::Display));
    m_channelManager->setProperties(NemtraPropertyFile::takeChannelProperties(loaded));
    m_controls->setProperties(m_channelManager->properties());
    qDeleteAll(loaded);
}

void NemtraContainerManager::setData(QList<quint16> data)
{
    for (NemtraBaseContainer *container : containers())
        container->setData(data);
}

void NemtraContainerManager::reset()
{
    m_enabled = false;
    for (NemtraBaseContainer *container : containers())
        container->reset();
    QMetaObject::invokeMethod(
        this, [this] { m_enabled = true; }, Qt::QueuedConnection);
}

void NemtraContainerManager::attemptToReadSingle(ushort regValue)
{
    if (m_enabled) {
        emit readSingleRegister(regValue);
        return;
    }
    qCWarning(lcNemtraContainerManager) << Q_FUNC_INFO;
    qCWarning(lcNemtraContainerManager) << "Attempt to read single, when currently disabled";
}

void NemtraContainerManager::attemptToWriteSingle(uint start, ushort value)
{
    if (m_enabled) {
        emit writeSingleRegister(start, value);
        return;
    }
    qCWarning(lcNemtraContainerManager) << Q_FUNC_INFO;
    qCWarning(lcNemtraContainerManager) << "Attempt to write single, when currently disabled";
}

void NemtraContainerManager::attemptToWriteMulti(uint start, QList<quint16> words)
{
    if (m_enabled) {
        emit writeMultipleRegister(start, words);
        return;
    }
    qCWarning(lcNemtraContainerManager) << Q_FUNC_INFO;
    qCWarning(lcNemtraContainerManager) << "Attempt to write multiple, when currently disabled";
}
