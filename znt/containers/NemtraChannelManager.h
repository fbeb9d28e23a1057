#pragma once

#include "NemtraBaseContainer.h"
#include "NemtraProcessWide.h"

#include <array>

class NemtraChannelDatablock;
class NemtraChannelListModel;

// The measuring channels: every channel property, grouped into one data block per type and
// channel, and the list models the sensor pages show.
class NemtraChannelManager : public NemtraBaseContainer, public NemtraProcessWide<NemtraChannelManager>
{
    Q_OBJECT
public:
    static constexpr int ChannelCount = 4;

    explicit NemtraChannelManager(QObject *parent = nullptr);

    Q_INVOKABLE QVariant channelByIndex(int index) const;
    Q_INVOKABLE QVariant channel1Model() const;
    Q_INVOKABLE QVariant channel2Model() const;
    Q_INVOKABLE QVariant channel3Model() const;
    Q_INVOKABLE QVariant channel4Model() const;
    Q_INVOKABLE QVariant channelCombined() const;
    Q_INVOKABLE QVariant getSpecificProperty(int channelId, ushort type, uchar property) const;

    // channel 1 to 4
    QList<NemtraChannelDatablock *> blocks(int channel) const;
    QList<NemtraChannelDatablock *> combinedBlocks() const;

public slots:
    void setData(QList<quint16> data) override;
    void reset() override;
    void setProperties(QList<NemtraProperty *> properties) override;

private:
    void clearBlocks();

    std::array<QList<NemtraChannelDatablock *>, ChannelCount> m_blocks;
    QList<NemtraChannelDatablock *> m_combined;
    std::array<NemtraChannelListModel *, ChannelCount> m_models{};
    NemtraChannelListModel *m_combinedModel = nullptr;
};
