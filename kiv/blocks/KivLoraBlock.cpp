#include "KivLoraBlock.h"

KivLoraBlock::KivLoraBlock(QObject *parent)
    : BaseContainer(parent)
{
}

void KivLoraBlock::setData(QList<quint16> data)
{
    // Images that do not reach the LoRaWAN registers leave the block as it was.
    if (data.size() < kMinImageSize)
        return;
    setValid(true);
}

void KivLoraBlock::reset()
{
    setValid(false);
}
