#pragma once

#include "NemtraBaseContainer.h"
#include "NemtraProcessWide.h"

#include <MappedModel.h>

// The e-paper display: what it shows, in which unit, and the references of the control
// elements that drive its occupancy and fan symbols.
class NemtraDisplayContainer : public NemtraBaseContainer, public NemtraProcessWide<NemtraDisplayContainer>
{
    Q_OBJECT
public:
    enum DisplayProperty {
        DisplayCommand,
        DisplayedValuesCount,
        DisplayBaseColor,
        DisplayValue1Reference,
        DisplayValue2Reference,
        DisplayValue3Reference,
        DisplayValue4Reference,
        DisplayValue1Unit,
        DisplayValue2Unit,
        DisplayValue3Unit,
        DisplayValue4Unit,
        DisplayValue1Physical,
        DisplayValue2Physical,
        DisplayValue3Physical,
        DisplayValue4Physical,
        OccupancyReference,
        FanReference,
        FanMin,
        FanAuto,
        Max = 19
    };
    Q_ENUM(DisplayProperty)

    // The display takes a changed configuration once this command is written.
    static constexpr ushort RefreshCommand = 1;
    static constexpr int CommandDelayMs = 1000;

    explicit NemtraDisplayContainer(QObject *parent = nullptr);

    Q_INVOKABLE void setReference(DisplayProperty which, ushort reg, bool set);
    Q_INVOKABLE MappedModel *modelUnit();
    Q_INVOKABLE MappedModel *modelReference();
    Q_INVOKABLE MappedModel *modelPysicalValue();

public slots:
    bool hasAllProperties() const override;
    void onEpdReferenceOccupancy(ushort reg, bool set);
    void onEpdReferenceFan(ushort reg, bool set);
    void onLanguageChanged();

signals:
    void displayCountChanged();

private:
    void onPropertiesPassedOn();
    void requestRefresh();

    MappedModel *m_modelUnit = nullptr;
    MappedModel *m_modelReference = nullptr;
    MappedModel *m_modelPhysical = nullptr;
};
