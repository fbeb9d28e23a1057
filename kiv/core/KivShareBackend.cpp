#include "KivShareBackend.h"

KivShareBackend::KivShareBackend(QObject *parent)
    : ShareBackend(parent)
{
}
