#include "NemtraBackend.h"

#include "ErrorManagement.h"
#include "NemtraConnectionManager.h"
#include "NemtraContainerManager.h"
#include "NemtraSimulationImage.h"

#include <QFile>
#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcNemtraBackend, "znt.backend")

namespace {
const char *const kSimulationFiles[] = {":/others/F3_ZNT.txt", ":/others/VTX_ZNT.txt"};
constexpr quint16 kVtxDevice = 16385;
constexpr quint16 kF3Device = 16386;
constexpr int kMinimumImageWords = 1024;
} // namespace

NemtraBackend::NemtraBackend(QObject *parent)
    : NemtraProperties(parent)
    , m_connectionManager(new NemtraConnectionManager(this))
    , m_containerManager(new NemtraContainerManager(this))
    , m_errorManagement(new ErrorManagement(this))
    , m_image(kImageWords, 0)
    , m_simulationDelay(new QTimer(this))
    , m_simulationTicker(new QTimer(this))
{
    m_simulationDelay->setSingleShot(true);
    m_simulationDelay->setInterval(kSimulationStartDelayMs);
    m_simulationTicker->setInterval(kSimulationTickMs);
    connect(m_simulationDelay, &QTimer::timeout, this, [this] {
        setProgressValue(0);
        m_simulationTicker->start();
    });
    connect(m_simulationTicker, &QTimer::timeout, this, &NemtraBackend::onSimulationTick);

    auto *c = m_connectionManager;
    auto *m = m_containerManager;
    auto *e = m_errorManagement;
    connect(m, &NemtraContainerManager::readSingleRegister, c, &NemtraConnectionManager::attemptToReadSingle);
    connect(m, &NemtraContainerManager::readSingleRegister, this, &NemtraBackend::forceUpdateOnContainers);
    connect(m, &BaseContainer::writeSingleRegister, c, &NemtraConnectionManager::attemptToWriteSingle);
    connect(m, &BaseContainer::writeMultipleRegister, c, &NemtraConnectionManager::attemptToWriteMulti);
    connect(m, &NemtraContainerManager::saveCommandSend, c, &NemtraConnectionManager::onSaveCommand,
            Qt::QueuedConnection);
    connect(c, &ConnectionManagerBase::connectedChanged, this, &BackendBase::setConnected);
    connect(c, &NemtraConnectionManager::progressMaxChanged, this, &BackendBase::setProgressMax);
    connect(c, &NemtraConnectionManager::progressValueChanged, this, &BackendBase::setProgressValue);
    connect(c, &ConnectionManagerBase::isConnecting, this, [this](bool connecting) {
        if (connecting)
            setShowProgressbar(true);
    });
    connect(c, &NemtraConnectionManager::valuesModifiedChanged, this, &NemtraProperties::setValuesModified);
    connect(c, &ConnectionManagerBase::failedCommunication, e, &ErrorManagement::failedCommunication);
    connect(c, &ConnectionManagerBase::serialError, e, &ErrorManagement::addErrorMessage);
    connect(this, &NemtraBackend::connectToSerial, c, &ConnectionManagerBase::connectToSerial);
    connect(c, &ConnectionManagerBase::errorPlainText, e, &ErrorManagement::addErrorMessage);
    connect(this, &BackendBase::errorPlainText, e, &ErrorManagement::addErrorMessage);
    connect(e, &ErrorManagement::errorMsgChanged, this, [this] { setShowProgressbar(false); });
    connect(c, &ConnectionManagerBase::readyRead, this, &NemtraBackend::onReadRead);
    connect(this, &NemtraBackend::disconnectFromDevice, this, [this] {
        const bool wasSimulating = simulationFlag() || m_connectionManager->doSimulation();
        stopSimulation();
        setIsSimulation(false);
        setConnected(false);
        m_connectionManager->setDoSimulation(false);
        m_connectionManager->setConnected(false);
        if (wasSimulating) {
            // No link was open, so nothing else clears what the simulation showed.
            m_containerManager->setEnabled(false);
            m_containerManager->reset();
            m_containerManager->setEnabled(true);
            m_connectionManager->setValuesModified(false);
        }
    });
    connect(this, &NemtraBackend::disconnectFromDevice, c, &ConnectionManagerBase::doDisconnect);
    connect(this, &NemtraBackend::updateAllData, c, &NemtraConnectionManager::updateAllData);
    connect(this, &NemtraBackend::updateAllData, this, [this] {
        if (m_connectionManager->doSimulation()) {
            setProgressValue(100);
        } else {
            setShowProgressbar(true);
            m_containerManager->setEnabled(false);
        }
    });
    connect(c, &ConnectionManagerBase::connectedChanged, this, [m](bool connected) {
        m->setEnabled(false);
        if (!connected) {
            m->reset();
            m->setEnabled(true);
        }
    });
    connect(c, &NemtraConnectionManager::allDataReceived, this, [this] {
        m_containerManager->setData(m_image);
        m_containerManager->setEnabled(true);
    });
    connect(c, &NemtraConnectionManager::allLiveDataReceived, this, &NemtraBackend::pushImage);
    connect(c, &NemtraConnectionManager::allDataWritten, this, &NemtraBackend::pushImage);
    // QML bindings on isSimulation follow the manager's flag, which the getter reports.
    connect(c, &NemtraConnectionManager::doSimulationChanged, this, &NemtraProperties::isSimulationChanged);
}

NemtraBackend::~NemtraBackend()
{
    stopSimulation();
    // The managers are deleted after this object's own members; nothing of theirs may reach it then.
    m_connectionManager->disconnect(this);
    m_containerManager->disconnect(this);
    m_errorManagement->disconnect(this);
}

void NemtraBackend::pushImage()
{
    // Disabled while pushing, so that values set by the push never come back as writes.
    m_containerManager->setEnabled(false);
    m_containerManager->setData(m_image);
    m_containerManager->setEnabled(true);
}

bool NemtraBackend::isSimulation() const
{
    return m_connectionManager->doSimulation();
}

bool NemtraBackend::simulationRunning() const
{
    return m_simulationDelay->isActive() || m_simulationTicker->isActive();
}

void NemtraBackend::requestLiveData()
{
    m_connectionManager->requestLiveData();
}

void NemtraBackend::onReadRead(uint start, QList<quint16> values)
{
    for (qsizetype i = 0; i < values.size() && quint64(start) + quint64(i) < quint64(m_image.size()); ++i)
        m_image[qsizetype(start) + i] = values.at(i);
    if (m_forceUpdate) {
        pushImage();
        m_forceUpdate = false;
    }
}

void NemtraBackend::forceUpdateOnContainers()
{
    m_forceUpdate = true;
    pushImage();
}

void NemtraBackend::simulateDevice(int index)
{
    const int which = (index == 1) ? 1 : 0;
    QFile file(QString::fromLatin1(kSimulationFiles[which]));
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcNemtraBackend) << "simulation image missing:" << file.fileName();
        emit errorPlainText(tr("Die Simulationsdaten konnten nicht geladen werden."));
        return;
    }
    simulateLoading(NemtraSimulationImage::fromText(file.readAll()));
}

void NemtraBackend::simulateDevice(QUrl file)
{
    const QList<quint16> words = NemtraSimulationImage::fromFile(file.toLocalFile());
    if (words.size() <= kMinimumImageWords) {
        emit errorPlainText(tr("Datei beinhalten nicht genügend Daten!"));
        return;
    }
    const quint16 device = words.at(kDeviceTypeWord);
    if (device != kVtxDevice && device != kF3Device) {
        emit errorPlainText(tr("Datei kann nicht für Simulation genutzt werden!"));
        return;
    }
    simulateLoading(words);
}

void NemtraBackend::simulateLoading(QList<quint16> data)
{
    stopSimulation();
    // Any length becomes one whole image, so no register lookup can run past its end.
    data.resize(kImageWords, 0);
    m_simulationData = data;
    setConnected(true);
    setIsSimulation(true);
    m_simulationDelay->start();
}

void NemtraBackend::onSimulationTick()
{
    if (progressValue() >= progressMax()) {
        m_simulationTicker->stop();
        m_connectionManager->setDoSimulation(true);
        m_image = m_simulationData;
        m_simulationData.clear();
        pushImage();
        QTimer::singleShot(kDataLoadedDelayMs, this, [this] {
            if (m_connectionManager->doSimulation())
                emit connectedAndDataLoaded();
        });
    }
    setProgressValue(progressValue() + 1);
}

void NemtraBackend::stopSimulation()
{
    m_simulationDelay->stop();
    m_simulationTicker->stop();
    m_simulationData.clear();
}
