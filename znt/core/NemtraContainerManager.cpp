#include "NemtraContainerManager.h"

#include <QLoggingCategory>
#include <QMetaObject>

Q_LOGGING_CATEGORY(lcNemtraContainers, "znt.containers")

NemtraContainerManager::NemtraContainerManager(QObject *parent)
    : BaseContainer(parent)
{
}

NemtraContainerManager::~NemtraContainerManager() = default;

void NemtraContainerManager::setData(QList<quint16> data)
{
    Q_UNUSED(data)
}

void NemtraContainerManager::reset()
{
    m_enabled = false;
    QMetaObject::invokeMethod(
        this, [this] { m_enabled = true; }, Qt::QueuedConnection);
}

void NemtraContainerManager::attemptToReadSingle(ushort regValue)
{
    if (m_enabled) {
        emit readSingleRegister(regValue);
        return;
    }
    qCWarning(lcNemtraContainers) << Q_FUNC_INFO;
    qCWarning(lcNemtraContainers) << "Attempt to read single, when currently disabled";
}

void NemtraContainerManager::attemptToWriteSingle(uint start, ushort value)
{
    if (m_enabled) {
        emit writeSingleRegister(start, value);
        return;
    }
    qCWarning(lcNemtraContainers) << Q_FUNC_INFO;
    qCWarning(lcNemtraContainers) << "Attempt to write single, when currently disabled";
}

void NemtraContainerManager::attemptToWriteMulti(uint start, QList<quint16> words)
{
    if (m_enabled) {
        emit writeMultipleRegister(start, words);
        return;
    }
    qCWarning(lcNemtraContainers) << Q_FUNC_INFO;
    qCWarning(lcNemtraContainers) << "Attempt to write multiple, when currently disabled";
}
