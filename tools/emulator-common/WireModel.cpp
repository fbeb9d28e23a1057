#include "WireModel.h"

namespace {
constexpr qint64 kNsPerSecond = 1000000000;
}

WireModel::WireModel(int baud)
    : m_baud(qMax(0, baud))
{
}

qint64 WireModel::bytesNs(qint64 bytes) const
{
    if (!isEnabled() || bytes <= 0)
        return 0;
    return bytes * kBitsPerByte * kNsPerSecond / m_baud;
}

qint64 WireModel::frameSilenceNs() const
{
    if (!isEnabled())
        return 0;
    if (m_baud > kFixedSilenceAboveBaud)
        return kFixedSilenceNs;
    // 3.5 characters: 7 half characters.
    return 7 * kBitsPerByte * kNsPerSecond / (2 * qint64(m_baud));
}

qint64 WireModel::answerDelayNs(qint64 requestBytes, qint64 answerBytes) const
{
    return bytesNs(requestBytes) + frameSilenceNs() + bytesNs(answerBytes);
}

qint64 WireModel::exchangeNs(qint64 requestBytes, qint64 answerBytes) const
{
    return answerDelayNs(requestBytes, answerBytes) + frameSilenceNs();
}
