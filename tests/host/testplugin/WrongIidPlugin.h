#pragma once

#include <QObject>

// A valid Qt plugin for some other application.
class WrongIidPlugin : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "de.Veltaron.SomeOtherInterface")
public:
    explicit WrongIidPlugin(QObject *parent = nullptr);
};
