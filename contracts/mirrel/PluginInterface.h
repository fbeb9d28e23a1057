#pragma once

#include <QtPlugin>

class QQmlContext;
class ManagerBase;

// The only way the host reaches a device plugin. The plugin object survives release()
// and may be initialised again with a fresh context.
class PluginInterface
{
public:
    virtual ~PluginInterface() = default;
    virtual void initialize(QQmlContext *context) = 0;
    virtual bool release() = 0;
    virtual ManagerBase *managerObject() = 0;
};

#define PluginInterface_iid "de.Veltaron.PluginInterface"
Q_DECLARE_INTERFACE(PluginInterface, PluginInterface_iid)
