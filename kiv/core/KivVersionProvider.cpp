#include "KivVersionProvider.h"

namespace {
const QString kKivVersion = QStringLiteral("4.2.1");
}

KivVersionProvider::KivVersionProvider(QObject *parent)
    : VersionProvider(parent)
{
}

QString KivVersionProvider::appVersion() const
{
    return kKivVersion;
}
