#include "NemtraDeviceSetup.h"

void NemtraDeviceSetup::decodeChannels(const QList<quint16> &words)
{
    clearChannels();
    qsizetype first = 0;
    int channels = 0;
    if (words.size() == ImageSize) {
        // A base near the end of the image must not read past it.
        if (!m_hasBase || qsizetype(m_baseRegister) + ChannelCount * WordsPerChannel > words.size())
            return;
        first = qsizetype(m_baseRegister);
        channels = ChannelCount;
    } else if (words.size() > 0 && words.size() <= ChannelCount * WordsPerChannel &&
               words.size() % WordsPerChannel == 0) {
        channels = int(words.size() / WordsPerChannel);
    }
    for (int c = 0; c < channels; ++c) {
        for (int k = 0; k < FlagsPerChannel; ++k) {
            const quint16 word = words.at(first + c * WordsPerChannel + k / 16);
            m_channels[size_t(c)][size_t(k)] = (word >> (k % 16)) & 1;
        }
    }
}

void NemtraDeviceSetup::clearChannels()
{
    for (auto &flags : m_channels)
        flags.reset();
}

bool NemtraDeviceSetup::hasBlock(int channel, int type) const
{
    if (channel < 1 || channel > ChannelCount || type < 0 || type >= FlagsPerChannel)
        return false;
    return m_channels[size_t(channel - 1)][size_t(type)];
}

bool NemtraDeviceSetup::channelHasAny(int channel) const
{
    return channel >= 1 && channel <= ChannelCount && m_channels[size_t(channel - 1)].any();
}

int NemtraDeviceSetup::channelsInUse() const
{
    int count = 0;
    for (int c = 1; c <= ChannelCount; ++c)
        count += channelHasAny(c) ? 1 : 0;
    return count;
}

bool NemtraDeviceSetup::anyChannelHas(int type) const
{
    for (int c = 1; c <= ChannelCount; ++c) {
        if (hasBlock(c, type))
            return true;
    }
    return false;
}

void NemtraDeviceSetup::setBaseRegister(uint reg)
{
    m_baseRegister = reg;
    m_hasBase = true;
}
