#include "KivUpdateFile.h"

KivUpdateFile::KivUpdateFile(QObject *parent)
    : QObject(parent)
{
}
