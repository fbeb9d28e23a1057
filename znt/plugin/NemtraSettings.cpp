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
