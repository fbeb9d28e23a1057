#include "SharedRuntime.h"

namespace {
QString &currentType()
{
    static QString type;
    return type;
}
} // namespace

void SharedRuntime::setPluginType(const QString &name)
{
    currentType() = name.trimmed();
}

QString SharedRuntime::pluginType()
{
    return currentType();
}
