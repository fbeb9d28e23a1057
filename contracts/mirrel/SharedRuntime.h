#pragma once

#include <QString>

// Which plugin currently runs in the host process; the per-plugin folders depend on it.
class SharedRuntime
{
public:
    SharedRuntime() = delete;

    static void setPluginType(const QString &name);
    static QString pluginType();
};
