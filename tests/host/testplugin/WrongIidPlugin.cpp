#include "WrongIidPlugin.h"

WrongIidPlugin::WrongIidPlugin(QObject *parent)
    : QObject(parent)
{
}
