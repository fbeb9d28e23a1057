#include "BootLoader.h"

BootLoader::BootLoader(QObject *parent)
    : QObject(parent)
{
}
