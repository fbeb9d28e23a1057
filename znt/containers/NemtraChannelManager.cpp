#include "NemtraChannelManager.h"

#include "NemtraChannelDatablock.h"
#include "NemtraChannelListModel.h"
#include "NemtraDeviceInformation.h"

#include <NemtraProperty.h>

namespace {
// Channel c holds the registers strictly between these two bounds.
constexpr uint kChannelBase = 0x8000;
constexpr uint kChannelStride = 0x1000;

bool inChannel(uint reg, int channel)
{
    const uint low = kChannelBase + uint(channel - 1) * kChannelStride;
    return reg > low && reg < low + kChannelStride;
}
} // namespace

NemtraChannelManager::NemtraChannelManager(QObject *parent)
    : NemtraBaseContainer(parent)
{
    for (auto &model : m_models)
        model = new NemtraChannelListModel(this);
    m_combinedModel = new NemtraChannelListModel(this);
}

QVariant NemtraChannelManager::channelByIndex(int index) const
{
    if (index < 0 || index >= ChannelCount)
        return {};
    return QVariant::fromValue(m_models[size_t(index)]);
}

QVariant NemtraChannelManager::channel1Model() const
{
    return channelByIndex(0);
}

QVariant NemtraChannelManager::channel2Model() const
{
    return channelByIndex(1);
}

QVariant NemtraChannelManager::channel3Model() const
{
    return channelByIndex(2);
}

QVariant NemtraChannelManager::channel4Model() const
{
    return channelByIndex(3);
}

QVariant NemtraChannelManager::channelCombined() const
{
    return QVariant::fromValue(m_combinedModel);
}

QVariant NemtraChannelManager::getSpecificProperty(int channelId, ushort type, uchar property) const
{
    if (channelId < 0 || channelId >= ChannelCount)
        return {};
    for (const NemtraChannelDatablock *block : m_blocks[size_t(channelId)]) {
        if (block->type() == type)
            return block->property(property);
    }
    return {};
}

QList<NemtraChannelDatablock *> NemtraChannelManager::blocks(int channel) const
{
    return channel >= 1 && channel <= ChannelCount ? m_blocks[size_t(channel - 1)] : QList<NemtraChannelDatablock *>();
}

QList<NemtraChannelDatablock *> NemtraChannelManager::combinedBlocks() const
{
    return m_combined;
}

void NemtraChannelManager::setProperties(QList<NemtraProperty *> properties)
{
    clearBlocks();
    // The blocks adopt what lies in a channel window; the rest stays with the manager.
    for (NemtraProperty *p : std::as_const(properties)) {
        if (p)
            p->setParent(this);
    }
    setForeignProperties(properties);
    qsizetype i = 0;
    while (i < properties.size()) {
        const quint16 type = properties.at(i)->typeValue();
        qsizetype end = i;
        while (end < properties.size() && properties.at(end)->typeValue() == type)
            ++end;
        for (int c = 1; c <= ChannelCount; ++c) {
            QList<NemtraProperty *> group;
            for (qsizetype k = i; k < end; ++k) {
                if (inChannel(properties.at(k)->registerIndex(), c))
                    group.append(properties.at(k));
            }
            if (group.isEmpty())
                continue;
            auto *block = new NemtraChannelDatablock(type, ushort(c), this);
            block->setProperties(group);
            connect(block, &BaseContainer::writeSingleRegister, this, &BaseContainer::writeSingleRegister);
            connect(block, &BaseContainer::writeHalfRegister, this, &BaseContainer::writeHalfRegister);
            connect(block, &BaseContainer::writeMultipleRegister, this, &BaseContainer::writeMultipleRegister);
            m_blocks[size_t(c - 1)].append(block);
        }
        i = end;
    }

    // Blocks of one type stand together, in channel order 1 to 4.
    m_combined = m_blocks[0];
    for (int c = ChannelCount; c >= 2; --c) {
        for (NemtraChannelDatablock *block : std::as_const(m_blocks[size_t(c - 1)])) {
            const auto sameType =
                std::find_if(m_combined.begin(), m_combined.end(),
                             [block](const NemtraChannelDatablock *b) { return b->type() == block->type(); });
            if (sameType == m_combined.end())
                m_combined.append(block);
            else
                m_combined.insert(sameType + 1, block);
        }
    }
    // A type missing in channel 1 is appended from channel 4 downwards; put its blocks back in
    // channel order, keeping the order of the types.
    QList<int> typeOrder;
    for (const NemtraChannelDatablock *block : std::as_const(m_combined)) {
        if (!typeOrder.contains(block->type()))
            typeOrder.append(block->type());
    }
    std::stable_sort(m_combined.begin(), m_combined.end(),
                     [&typeOrder](const NemtraChannelDatablock *a, const NemtraChannelDatablock *b) {
        const qsizetype ta = typeOrder.indexOf(a->type());
        const qsizetype tb = typeOrder.indexOf(b->type());
        return ta != tb ? ta < tb : a->channel() < b->channel();
    });
    for (int c = 0; c < ChannelCount; ++c)
        m_models[size_t(c)]->setBlocks(m_blocks[size_t(c)]);
    m_combinedModel->setBlocks(m_combined);
    emit propertiesPassedOn();
}

void NemtraChannelManager::setData(QList<quint16> data)
{
    const NemtraDeviceInformation *info = NemtraDeviceInformation::instance();
    for (int c = 1; c <= ChannelCount; ++c) {
        for (NemtraChannelDatablock *block : std::as_const(m_blocks[size_t(c - 1)]))
            block->setValid(info->hasBlock(c, block->type()));
    }
    for (int c = 1; c <= ChannelCount; ++c) {
        for (NemtraChannelDatablock *block : std::as_const(m_blocks[size_t(c - 1)]))
            block->setData(data);
    }
    setValid(true);
    for (NemtraChannelListModel *model : m_models)
        model->refresh();
    m_combinedModel->refresh();
}

void NemtraChannelManager::reset()
{
    for (const auto &channel : m_blocks) {
        for (NemtraChannelDatablock *block : channel)
            block->reset();
    }
    for (NemtraChannelListModel *model : m_models)
        model->refresh();
    m_combinedModel->refresh();
}

void NemtraChannelManager::clearBlocks()
{
    // Owned properties go with their blocks or, outside every window, with the manager.
    for (NemtraProperty *p : properties()) {
        if (p && p->parent() == this)
            delete p;
    }
    setForeignProperties({});
    for (auto &channel : m_blocks) {
        qDeleteAll(channel);
        channel.clear();
    }
    m_combined.clear();
    for (NemtraChannelListModel *model : m_models)
        model->setBlocks({});
    m_combinedModel->setBlocks({});
}
