#include "VersionProvider.h"

// Both contract libraries are built from this source tree and share its version.
#ifndef MIRREL_VERSION
#define MIRREL_VERSION "0.0.0"
#endif

VersionProvider::VersionProvider(QObject *parent)
    : QObject(parent)
{
}

QString VersionProvider::appVersion() const
{
    return QStringLiteral(MIRREL_VERSION);
}

QString VersionProvider::mirrelVersion() const
{
    return QStringLiteral(MIRREL_VERSION);
}

QString VersionProvider::braskoVersion() const
{
    return QStringLiteral(MIRREL_VERSION);
}

QString VersionProvider::qtVersion() const
{
    return QString::fromLatin1(qVersion());
}
