#include "BaseSettings.h"
#include "BootLoader.h"
#include "KivBackend.h"
#include "KivBlockSet.h"
#include "KivDeviceCommands.h"
#include "KivDeviceSetup.h"
#include "KivPoller.h"
#include "KivReadSequencer.h"
#include "KivReconnect.h"
#include "KivRegisterMap.h"
#include "KivSerialIo.h"
#include "KivSettings.h"
#include "KivTrafficLogModel.h"
#include "KivWriteGate.h"
#include "PortInfo.h"
#include "SerialLinkOwner.h"

#include <QMetaObject>
#include <QThread>
#include <QTimer>

using namespace KivRegisterMap;

// KivBackend: opening and closing the serial link, its losses and the automatic reconnect.
namespace {
// The device restarts into its new firmware before it answers again.
constexpr int kReloadAfterUpdateMs = 2000;
// A dropped cable is tried again at once; a device told to restart is let go once its command
// has left.
constexpr int kReconnectAfterLossMs = 0;
constexpr int kReconnectAfterRestartMs = 1000;
} // namespace

void KivBackend::connectDevice(const QString &btAdress)
{
    // A disconnect asked for earlier goes first; carried out later, it would cut off this connection.
    if (m_disconnectQueued || m_disconnectWait) {
        m_connectAfterDisconnect = true;
        m_pendingConnectAddress = btAdress;
        return;
    }
    if (verbindungsMode() == 0) {
        const QString portName = BaseSettings::readPortName();
        if (portName.isEmpty()) {
            emit errorPlainText(tr("Kein COM-Port ausgewählt!"));
            return;
        }
        openPort(portName);
        return;
    }
    stopSerialThread();
    emit connectToLastService(btAdress);
}

QList<int> KivBackend::serialParameters() const
{
    return {BaseSettings::readBaudrate(), BaseSettings::readParity(),  BaseSettings::readDatabit(),
            BaseSettings::readStopbit(),  BaseSettings::readTimeout(), BaseSettings::readRetry()};
}

void KivBackend::openPort(const QString &port)
{
    setupSerial();
    emit sendModbusID(BaseSettings::readDeviceID());
    emit setSerialParameter(port, serialParameters());
}

void KivBackend::connectDevice()
{
    connectDevice(QString());
}

void KivBackend::disconnectDevice()
{
    setEmergencyMode(false);
    if (m_disconnectWait)
        return;
    auto *link = qobject_cast<KivSerialIo *>(m_link->link());
    if (link && connected() && m_commands->anyRelayForced()) {
        // A relay must not stay forced once nobody watches it: restore and store its settings,
        // and take the link down only after they have left (or after a bounded wait).
        setDoPoll(false);
        setUpdateOngoing(true);
        m_commands->resetForcedRelais(-1);
        m_commands->storeToEeprom();
        m_disconnectWait = new QObject(this);
        connect(link, &KivSerialIo::allWritten, m_disconnectWait, [this] { finishDisconnect(); });
        QTimer::singleShot(kDrainWaitMs, m_disconnectWait, [this] { finishDisconnect(); });
        emit expectWriteFinishedSignal(true);
        setConnected(false);
        return;
    }
    setConnected(false);
    queueDisconnect();
}

void KivBackend::queueDisconnect()
{
    // Queued: the link and resetToStart must not run inside the caller (often a QML handler).
    m_disconnectQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
        m_disconnectQueued = false;
        emit doDisconnect();
        if (std::exchange(m_connectAfterDisconnect, false))
            connectDevice(m_pendingConnectAddress);
        },
        Qt::QueuedConnection);
}

void KivBackend::finishDisconnect()
{
    if (!m_disconnectWait)
        return;
    m_disconnectWait->deleteLater();
    m_disconnectWait = nullptr;
    queueDisconnect();
}

void KivBackend::setupSerial()
{
    if (m_link->hasLink())
        return;
    // The link's thread starts once a retired link has released the port; requests made
    // before then wait in its queue.
    auto *io = new KivSerialIo;
    // Every link records into the same log, so a reconnect keeps the traffic before it.
    io->setTrafficLog(m_traffic->log());
    auto *link = m_link->start(io);

    connect(this, qOverload<bool>(&KivBackend::expectWriteFinishedSignal), link, &KivSerialIo::setDoWriteDoneSignal,
            Qt::QueuedConnection);
    connect(link, &KivSerialIo::allWritten, this, &KivBackend::allWritten, Qt::QueuedConnection);
    connect(this, &KivBackend::setSerialParameter, link, &SerialIo::setParameter, Qt::QueuedConnection);
    connect(this, &KivBackend::readSingleRegister, link, &BaseSerialIo::readSingleReg, Qt::QueuedConnection);
    connect(this, &KivBackend::readMultiRegister, link, &BaseSerialIo::readMultiReg, Qt::QueuedConnection);
    connect(this, &KivBackend::readPollRegister, link, &BaseSerialIo::readPollReg, Qt::QueuedConnection);
    connect(this, &KivBackend::writeSingleRegister, link, &BaseSerialIo::writeSingleReg, Qt::QueuedConnection);
    connect(this, &KivBackend::writeMultiRegister, link, &BaseSerialIo::writeMultiReg, Qt::QueuedConnection);
    connect(
        this, &KivBackend::sendModbusID, link, [link](int id) { link->setModbusId(uchar(id)); }, Qt::QueuedConnection);
    connect(this, &KivBackend::doDisconnect, link, &SerialIo::disconnectDevice, Qt::QueuedConnection);
    connect(this, &KivBackend::setOperationMode, link, &BaseSerialIo::setOperationMode, Qt::QueuedConnection);
    connect(link, &KivSerialIo::newDataSl, this, &KivBackend::readSingle, Qt::QueuedConnection);
    connect(link, &KivSerialIo::newDataPl, this, &KivBackend::readMultiple, Qt::QueuedConnection);
    connect(link, &KivSerialIo::newPoll, this, &KivBackend::readPoll, Qt::QueuedConnection);
    connect(link, &SerialIo::isConnected, this, &KivBackend::connectChanged, Qt::QueuedConnection);
    connect(link, &KivSerialIo::errorAsString, this, &KivBackend::onLinkError, Qt::QueuedConnection);

    auto *bootLoader = static_cast<BootLoader *>(m_bootLoader);
    connect(bootLoader, &BootLoader::writeRawString, link, &BaseSerialIo::writeRawBytes);
    connect(bootLoader, &BootLoader::writeRegs, link, &BaseSerialIo::writeMultiReg);
    connect(bootLoader, &BootLoader::readMultiReg, link, &BaseSerialIo::readMultiReg);
    connect(bootLoader, &BootLoader::bootLoaderFinished, link, &BaseSerialIo::onBootLoaderFinished);
    // A failed upload must hand the link back to normal reads as well.
    connect(bootLoader, &BootLoader::errorCouldNotStartBL, link, &BaseSerialIo::onBootLoaderFinished);
    connect(bootLoader, &BootLoader::errorUploadInterrupted, link, &BaseSerialIo::onBootLoaderFinished);
    connect(link, &KivSerialIo::responseForBootLoader, bootLoader, &BootLoader::modbusResponse, Qt::QueuedConnection);
    connect(link, &KivSerialIo::registerWrittenForBootLoader, bootLoader, &BootLoader::wasWritten,
            Qt::QueuedConnection);
    // The cable carries the bootloader's large data blocks.
    bootLoader->setFast(true);
}

void KivBackend::wireBootLoaderOutcome(BootLoader *bootLoader)
{
    connect(bootLoader, &BootLoader::updatingGp, this, [this] { m_addOnUploadFollows = true; });
    connect(bootLoader, &BootLoader::updatingAP, this, [this] { m_addOnUploadFollows = false; });
    for (auto failure :
         {&BootLoader::errorFileUnavailable, &BootLoader::errorCouldNotStartBL, &BootLoader::errorUploadInterrupted})
        connect(bootLoader, failure, this, [this] { m_addOnUploadFollows = false; });
    // The device runs its new firmware after a restart; what it reports may have changed. A
    // manual read keeps the page the user is on, so the update's outcome stays in view.
    connect(bootLoader, &BootLoader::bootLoaderFinished, this, [this] {
        if (m_addOnUploadFollows)
            return;
        emit bootLoaderFinished();
        QTimer::singleShot(kReloadAfterUpdateMs, this, [this] {
            if (connected())
                getManuelData(true);
        });
    });
}

void KivBackend::stopSerialThread()
{
    m_link->retire({this, m_bootLoader});
}

bool KivBackend::mayReconnect() const
{
    const auto *bootLoader = static_cast<const BootLoader *>(m_bootLoader);
    return connected() && m_wasRead && verbindungsMode() == 0 && !testMode() && !m_disconnectWait &&
        m_link->hasLink() && KivSettings::readReconnectSeconds() > 0 && !(bootLoader && bootLoader->blActive()) &&
        !KivReconnect::identityOf(m_registerImage).isEmpty();
}

void KivBackend::onLinkError(const QString &text)
{
    // Failed attempts while waiting are expected; the loss that starts a wait is told only if
    // the device does not come back.
    if (m_reconnect->isActive())
        return;
    if (mayReconnect()) {
        m_lossText = text;
        return;
    }
    emit serialError(text);
}

void KivBackend::flushLossText()
{
    if (!m_lossText.isEmpty())
        emit serialError(std::exchange(m_lossText, QString()));
}

bool KivBackend::beginReconnect(int firstTryMs)
{
    if (!mayReconnect())
        return false;
    const int seconds = KivSettings::readReconnectSeconds();
    if (seconds <= 0)
        return false;
    m_reconnect->setBudgetMs(seconds * 1000);
    if (!m_reconnect->start(m_stablePort, m_registerImage, firstTryMs))
        return false;
    // The page stays as it is: the re-read takes the path of a manual read.
    m_manualRead = true;
    m_gate->setHolding(true);
    m_poller->stop();
    m_reads->reset();
    stopSerialThread();
    setConnected(false);
    return true;
}

void KivBackend::onDeviceRestarting()
{
    // The command that restarts the device is still on its way to the link; retiring the link
    // now could drop it.
    QTimer::singleShot(kReconnectAfterRestartMs, this, [this] { beginReconnect(0); });
}

void KivBackend::onReconnectGaveUp()
{
    m_manualRead = false;
    m_pollWasOn = false;
    flushLossText();
    setConnected(false);
    resetToStart();
}

void KivBackend::connectChanged(bool isConnected)
{
    if (!isConnected && m_reconnect->isActive()) {
        stopSerialThread();
        m_poller->stop();
        m_reads->reset();
        setConnected(false);
        m_reconnect->attemptFailed();
        return;
    }
    if (!isConnected && beginReconnect(kReconnectAfterLossMs))
        return;
    if (!isConnected)
        flushLossText();
    setConnected(isConnected);
    if (!isConnected) {
        resetToStart();
        return;
    }
    // A settle step left from before this connection must not announce data it has not read.
    ++m_readGeneration;
    QMetaObject::invokeMethod(this, &KivBackend::getBlocks, Qt::QueuedConnection);
}
