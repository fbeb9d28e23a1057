#include "ApplicationVersion.h"

#include <QStringList>

ApplicationVersion::ApplicationVersion(quint8 build, quint8 revision, quint8 minor, quint8 major)
    : m_major(major)
    , m_minor(minor)
    , m_revision(revision)
    , m_build(build)
{
}

ApplicationVersion ApplicationVersion::fromUInt32(quint32 value)
{
    return ApplicationVersion(quint8(value), quint8(value >> 8), quint8(value >> 16), quint8(value >> 24));
}

ApplicationVersion ApplicationVersion::fromString(const QString &text, bool *ok)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    quint8 bytes[4] = {0, 0, 0, 0};
    bool valid = !parts.isEmpty() && parts.size() <= 4;
    for (int i = 0; valid && i < parts.size(); ++i) {
        bool numberOk = false;
        const uint n = parts.at(i).toUInt(&numberOk);
        valid = numberOk && n <= 0xFF;
        if (valid)
            bytes[i] = quint8(n);
    }
    if (ok)
        *ok = valid;
    if (!valid)
        return {};
    return ApplicationVersion(bytes[3], bytes[2], bytes[1], bytes[0]);
}

quint32 ApplicationVersion::toUInt32() const
{
    return (quint32(m_major) << 24) | (quint32(m_minor) << 16) | (quint32(m_revision) << 8) | m_build;
}

bool ApplicationVersion::isNull() const
{
    return toUInt32() == 0;
}

QString ApplicationVersion::toString(int parts) const
{
    const int values[4] = {m_major, m_minor, m_revision, m_build};
    QStringList text;
    for (int i = 0; i < qBound(1, parts, 4); ++i)
        text << QString::number(values[i]);
    return text.join(QLatin1Char('.'));
}
