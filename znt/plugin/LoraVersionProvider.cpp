#include "LoraVersionProvider.h"

LoraVersionProvider::LoraVersionProvider(QObject *parent)
    : VersionProvider(parent)
{
}

QString LoraVersionProvider::appVersion() const
{
    return kVersion;
}
