#pragma once

#include "NemtraBaseContainer.h"
#include "NemtraProcessWide.h"

// The status LED: mode, on-time, blink intervals and the thresholds of a referenced value.
class NemtraLedContainer : public NemtraBaseContainer, public NemtraProcessWide<NemtraLedContainer>
{
    Q_OBJECT
public:
    enum LedProperty {
        Mode,
        OnTime,
        Interval0,
        Interval1,
        Interval2,
        Interval3,
        Reference,
        Threshold1,
        Threshold2,
        Max = 9
    };
    Q_ENUM(LedProperty)

    explicit NemtraLedContainer(QObject *parent = nullptr);

public slots:
    bool hasAllProperties() const override;
};
