#pragma once

#include "Scaling.h"

// The pages' layout scale; init() lets the plugin recompute it when the screen changes.
class KivScaling : public Scaling
{
    Q_OBJECT

public:
    // Below this window width the pages take the mobile layout, also on a desktop.
    static constexpr double kMobileMaxWidth = 600.0;

    explicit KivScaling(QObject *parent = nullptr);

    // The layout a window of that width shows: mobile on a phone or tablet, and for a narrow window.
    Q_INVOKABLE bool isMobileLayout(double windowWidth) const;

public slots:
    void init();
};
