#pragma once

#include <QList>

#include <array>
#include <bitset>

// Which data blocks the device's channels carry, as its device-setup block tells: per channel
// eight words, bit k set when the channel has a block of data-block type k.
class NemtraDeviceSetup
{
public:
    static constexpr int ChannelCount = 4;
    static constexpr int WordsPerChannel = 8;
    static constexpr int FlagsPerChannel = WordsPerChannel * 16;
    static constexpr int ImageSize = 65535;

    // 8, 16, 24 or 32 words fill channels 1 to 4 in turn; a whole register image is decoded
    // from the 32 words at the base register; anything else leaves every channel empty.
    void decodeChannels(const QList<quint16> &words);
    void clearChannels();

    // channel 1 to 4
    bool hasBlock(int channel, int type) const;
    bool channelHasAny(int channel) const;
    int channelsInUse() const;
    bool anyChannelHas(int type) const;

    bool hasBaseRegister() const { return m_hasBase; }
    uint baseRegister() const { return m_baseRegister; }
    void setBaseRegister(uint reg);

private:
    std::array<std::bitset<FlagsPerChannel>, ChannelCount> m_channels;
    uint m_baseRegister = 0;
    bool m_hasBase = false;
};
