#include "KivBlockSet.h"

#include "KivBackendProperty.h"
#include "KivDatenblock.h"
#include "KivDeviceSetup.h"
#include "KivExpertModeContainer.h"
#include "KivLcdBlock.h"
#include "KivLoraBlock.h"
#include "KivRegisterMap.h"
#include "KivRelaisBlock.h"
#include "KivRs485.h"
#include "KivTlfBlock.h"
#include "KivWriteGate.h"

#include <QCoreApplication>

#include <type_traits>

using namespace KivRegisterMap;

namespace {
// Suffix codes of a channel: 1 and 2 number equal measures, 3 marks a mix channel whose first
// parameter tells minimum (2) or maximum (3).
constexpr int kMixSuffix = 3;
constexpr int kMixMin = 2;
constexpr int kMixMax = 3;

template<typename T, typename = void>
struct HasHalfWrite : std::false_type
{
};
template<typename T>
struct HasHalfWrite<T, std::void_t<decltype(&T::writeHalfRegister)>> : std::true_type
{
};
} // namespace

KivBlockSet::KivBlockSet(KivBackendProperty *state, KivDeviceSetup *device, KivWriteGate *gate, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_device(device)
    , m_gate(gate)
{
}

KivBlockSet::~KivBlockSet() = default;

template<typename Block>
void KivBlockSet::connectWrites(Block *block)
{
    connect(block, &Block::writeSingleRegister, m_gate, &KivWriteGate::singleWrite);
    connect(block, &Block::writeMultipleRegister, m_gate, &KivWriteGate::multiWrite);
    if constexpr (HasHalfWrite<Block>::value) {
        connect(block, &Block::writeHalfRegister, m_gate,
                [gate = m_gate](uint reg, uchar value, Functions::Byte which) {
            gate->halfWrite(reg, value, int(which));
        });
    }
}

void KivBlockSet::createOrRefresh(const QList<quint16> &image, quint16 blockCount)
{
    QList<KivDatenblock *> blocks;
    for (quint16 i = 0; i < blockCount && i < kMaxBlocks; ++i) {
        const uint base = kFirstBlock + kBlockStride * i;
        KivDatenblock *block = nullptr;
        for (KivDatenblock *existing : std::as_const(m_dataBlocks)) {
            if (existing->baseRegister() == base)
                block = existing;
        }
        if (block) {
            m_dataBlocks.removeOne(block);
            block->updateFromImage(image);
        } else {
            block = createDataBlock(image, base, i);
        }
        if (block->type() == Enums::Invalid) {
            delete block;
            continue;
        }
        blocks.append(block);
    }
    // Blocks the device no longer reports.
    qDeleteAll(m_dataBlocks);
    m_dataBlocks = blocks;

    createOrRefreshRelais(image);

    if (!m_tlf) {
        m_tlf = new KivTlfBlock(image, KivTlfBlock::kStartRegister, m_device, this);
        connectWrites(m_tlf);
        connect(m_tlf, &KivTlfBlock::channelChanged, this, &KivBlockSet::tlfRangeNeeded, Qt::QueuedConnection);
        connect(m_tlf, &KivTlfBlock::modelChanged, this, &KivBlockSet::tlfRangeNeeded, Qt::QueuedConnection);
    } else {
        m_tlf->updateFromImage(image);
    }

    const Enums::TypeCircuitBoard board = m_device->boardType();
    createOrRefreshBus(image, board);

    if (!m_lcd) {
        m_lcd = new KivLcdBlock(image, KivLcdBlock::kStartRegister, this);
        connectWrites(m_lcd);
        connect(m_lcd, &KivLcdBlock::hasLcd, this, &KivBlockSet::isLcd);
        connect(m_device, &KivDeviceSetup::hasLcdReferenceChanged, m_lcd, &KivLcdBlock::setIsAvailaAbleReferenceCheck);
        m_lcd->setIsAvailaAbleReferenceCheck(m_device->deviceName().contains(QStringLiteral("LCD")));
        emit isLcd(m_lcd->hasDisplay());
    } else {
        m_lcd->updateFromImage(image);
    }

    if (!m_lora) {
        m_lora = new KivLoraBlock(this);
        connectWrites(m_lora);
        connect(m_lora, &KivLoraBlock::errorPlainText, this, &KivBlockSet::errorPlainText);
    }
    // Without a LoRaWAN board these registers belong to another board.
    m_lora->setBoardPresent(board == Enums::AP_LORA);
    m_lora->setData(image);

    if (!m_expert) {
        m_expert = new KivExpertModeContainer(this);
        connectWrites(m_expert);
    }
    m_expert->setData(image);
    for (KivDatenblock *block : std::as_const(m_dataBlocks)) {
        if (block->type() == Enums::CO2)
            m_expert->setCo2Block(block);
        else if (block->type() == Enums::VOC)
            m_expert->setVocBlock(block);
    }
}

void KivBlockSet::createOrRefreshBus(const QList<quint16> &image, Enums::TypeCircuitBoard board)
{
    if (board != Enums::AP_Modbus && board != Enums::AP_BACnet) {
        // A bus block of an earlier device would write into this board's registers.
        deleteBus();
        return;
    }
    QList<Enums::TypeDatenblock> types;
    for (KivDatenblock *block : std::as_const(m_dataBlocks))
        types.append(block->type());
    if (!m_rs485) {
        m_rs485 = new KivRs485(image, KivRs485::kStartRegister, types, this);
        connectWrites(m_rs485);
        connect(m_rs485, &KivRs485::errorPlainText, this, &KivBlockSet::errorPlainText);
    } else {
        // The increments follow the measures the device has now.
        m_rs485->setBlockTypes(types);
        m_rs485->updateFromImage(image);
    }
    m_rs485->setIsBacNet(board == Enums::AP_BACnet);
}

void KivBlockSet::deleteBus()
{
    if (!m_rs485)
        return;
    // Pages may still hold it while they close; it must not write meanwhile.
    m_rs485->disconnect(m_gate);
    m_rs485->deleteLater();
    m_rs485 = nullptr;
}

bool KivBlockSet::hasBlockOfType(int type) const
{
    for (const KivDatenblock *block : m_dataBlocks) {
        if (block->type() == type)
            return true;
    }
    return false;
}

void KivBlockSet::createOrRefreshRelais(const QList<quint16> &image)
{
    if (m_device->boardType() != Enums::AP_Relais || !m_relais.isEmpty()) {
        for (KivRelaisBlock *relay : std::as_const(m_relais))
            relay->updateFromImage(image);
        return;
    }
    for (uint start : {kRelay1, kRelay2}) {
        auto *relay = new KivRelaisBlock(image, start, m_device, this);
        // Each change signal carries the registers it rewrites.
        for (auto signal :
             {&KivRelaisBlock::relais1Changed, &KivRelaisBlock::relais2Changed, &KivRelaisBlock::relais3Changed,
              &KivRelaisBlock::threshold1Changed, &KivRelaisBlock::threshold2Changed,
              &KivRelaisBlock::hysteresisChanged, &KivRelaisBlock::channelChanged})
            connect(relay, signal, m_gate, &KivWriteGate::multiWrite);
        m_relais.append(relay);
    }
}

KivDatenblock *KivBlockSet::createDataBlock(const QList<quint16> &image, uint base, int index)
{
    auto *block = new KivDatenblock(image, base, index, m_device, this);
    connect(block, &KivDatenblock::writeMultipleRegisters, m_gate, &KivWriteGate::multiWrite);
    connect(block, &KivDatenblock::writeSingleRegister, m_gate, &KivWriteGate::singleWrite);
    connect(block, &KivDatenblock::updateThisBlock, this, &KivBlockSet::blockUpdateRequested, Qt::QueuedConnection);
    connect(block, &KivDatenblockProperties::lowerRangeChanged, this, &KivBlockSet::tlfRangeNeeded,
            Qt::QueuedConnection);
    connect(block, &KivDatenblockProperties::upperRangeChanged, this, &KivBlockSet::tlfRangeNeeded,
            Qt::QueuedConnection);
    connect(m_state, &KivBackendProperty::minVoltageChanged, block, &KivDatenblock::setLowerVoltage);
    connect(m_state, &KivBackendProperty::maxVoltageChanged, block, &KivDatenblock::setUpperVoltage);
    connect(m_state, &KivBackendProperty::unitSystemChanged, block, &KivDatenblock::updateUnitSystem);
    block->setUnitSystem(m_state->unitSystem());
    block->setLowerVoltage(m_state->minVoltage());
    block->setUpperVoltage(m_state->maxVoltage());
    return block;
}

void KivBlockSet::refreshDataBlocks(const QList<quint16> &image)
{
    for (KivDatenblock *block : std::as_const(m_dataBlocks))
        block->updateFromImage(image);
}

void KivBlockSet::clear()
{
    qDeleteAll(m_dataBlocks);
    m_dataBlocks.clear();
    qDeleteAll(m_relais);
    m_relais.clear();
    // Pages may still hold these while they close.
    for (QObject *block : std::initializer_list<QObject *>{m_tlf, m_lcd, m_expert}) {
        if (block)
            block->deleteLater();
    }
    m_tlf = nullptr;
    m_lcd = nullptr;
    m_expert = nullptr;
    deleteBus();
}

// The labels keep the translation context of the back end, whose pages show them.
QStringList KivBlockSet::channelLabels(const QList<QObject *> &activeChannels)
{
    QStringList labels{QCoreApplication::translate("KivBackend", "Keine Auswahl")};
    for (QObject *object : activeChannels) {
        const auto *channel = qobject_cast<KivDatenblock *>(object);
        if (!channel || !channel->isValid())
            continue;
        const int multi = channel->multiSuffix();
        QString label = Enums::typeToString(channel->type());
        if (multi == 1 || multi == 2)
            label += QLatin1Char(' ') + QString::number(multi);
        else if (multi == kMixSuffix)
            label += QLatin1Char(' ') + QCoreApplication::translate("KivBackend", "mix");
        if (multi == kMixSuffix) {
            if (channel->parameter0() == kMixMin)
                label += QLatin1Char(' ') + QCoreApplication::translate("KivBackend", "min");
            else if (channel->parameter0() == kMixMax)
                label += QLatin1Char(' ') + QCoreApplication::translate("KivBackend", "max");
        }
        labels.append(label + QStringLiteral(" (") + Enums::unitToString(channel->unit()) + QLatin1Char(')'));
    }
    return labels;
}

void KivBlockSet::updateChannelLabels(const QList<QObject *> &activeChannels)
{
    if (m_tlf)
        m_tlf->setModel(channelLabels(activeChannels));
}

void KivBlockSet::applyTlfSource(QObject *channel)
{
    if (!m_tlf)
        return;
    const auto *source = qobject_cast<KivDatenblock *>(channel);
    if (!source) {
        m_tlf->setChannel(0);
        return;
    }
    m_tlf->setMin(source->lowerRange());
    m_tlf->setMax(source->upperRange());
}

bool KivBlockSet::channelIsVisible(int channel) const
{
    if (!m_lcd || channel < 1 || channel > kVisibleChannels)
        return false;
    return m_lcd->property(QStringLiteral("showChannel%1").arg(channel).toLatin1().constData()).toUInt() != 0;
}

void KivBlockSet::changeChannelVisibility(int channel, bool visible)
{
    if (!m_lcd || channel < 1 || channel > kVisibleChannels)
        return;
    m_lcd->setProperty(QStringLiteral("showChannel%1").arg(channel).toLatin1().constData(), visible ? 1 : 0);
}
