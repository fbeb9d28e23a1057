#pragma once

#include "Scaling.h"

// The pages' layout scale; init() lets the plugin recompute it when the screen changes.
class KivScaling : public Scaling
{
    Q_OBJECT

public:
    explicit KivScaling(QObject *parent = nullptr);

public slots:
    void init();
};
