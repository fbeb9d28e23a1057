#include "NemtraSettings.h"

NemtraSettings::NemtraSettings(QObject *parent)
    : BaseSettings(parent)
{
}

bool NemtraSettings::updateOnShow() const
{
    return readBool(kKeyUpdateOnShow, false);
}

void NemtraSettings::setUpdateOnShow(bool updateOnShow)
{
    if (this->updateOnShow() == updateOnShow)
        return;
    writeValue(kKeyUpdateOnShow, updateOnShow);
    emit updateOnShowChanged(updateOnShow);
}

int NemtraSettings::connectTimeout() const
{
    return readInt(kKeyTimeout, kDefaultConnectTimeout, 1);
}

void NemtraSettings::setConnectTimeout(int milliseconds)
{
    if (connectTimeout() == milliseconds)
        return;
    writeValue(kKeyTimeout, milliseconds);
    emit connectTimeoutChanged();
    emit timeoutChanged();
}

int NemtraSettings::connectRetries() const
{
    return readInt(kKeyRetry, kDefaultConnectRetries, 0);
}

void NemtraSettings::setConnectRetries(int retries)
{
    if (connectRetries() == retries)
        return;
    writeValue(kKeyRetry, retries);
    emit connectRetriesChanged();
    emit retryChanged();
}
