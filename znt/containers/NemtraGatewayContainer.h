#pragma once

#include "NemtraBaseContainer.h"
#include "NemtraProcessWide.h"

#include <QPointer>

#include "NemtraGatewayFilterModel.h"

// The gateway's identity and its three filter lists.
class NemtraGatewayContainer : public NemtraBaseContainer, public NemtraProcessWide<NemtraGatewayContainer>
{
    Q_OBJECT
public:
    enum GatewayProperty {
        Type,
        Port,
        ChipId,
        BaseId,
        IdFilterType,
        IdFilterCount,
        PacketFilterType,
        PacketFilterCount,
        DataFilterType,
        DataFilterCount,
        IdFilter0,
        IdFilter1,
        IdFilter2,
        IdFilter3,
        IdFilter4,
        IdFilter5,
        IdFilter6,
        IdFilter7,
        IdFilter8,
        IdFilter9,
        IdFilter10,
        IdFilter11,
        IdFilter12,
        IdFilter13,
        IdFilter14,
        IdFilter15,
        IdFilter16,
        IdFilter17,
        IdFilter18,
        IdFilter19,
        IdFilter20,
        IdFilter21,
        IdFilter22,
        IdFilter23,
        IdFilter24,
        IdFilter25,
        IdFilter26,
        IdFilter27,
        IdFilter28,
        IdFilter29,
        PacketFilter0,
        PacketFilter1,
        PacketFilter2,
        PacketFilter3,
        PacketFilter4,
        PacketFilter5,
        PacketFilter6,
        PacketFilter7,
        PacketFilter8,
        PacketFilter9,
        PacketFilter10,
        PacketFilter11,
        PacketFilter12,
        PacketFilter13,
        PacketFilter14,
        PacketFilter15,
        DataFilter0,
        DataFilter1,
        DataFilter2,
        DataFilter3,
        DataFilter4,
        DataFilter5,
        DataFilter6,
        DataFilter7,
        DataFilter8,
        DataFilter9,
        DataFilter10,
        DataFilter11,
        DataFilter12,
        DataFilter13,
        DataFilter14,
        DataFilter15,
        Max = 72
    };
    Q_ENUM(GatewayProperty)

    explicit NemtraGatewayContainer(QObject *parent = nullptr);

    Q_INVOKABLE QString gatewayTypeToString(ushort type) const;
    Q_INVOKABLE NemtraGatewayFilterModel *idModel() const;
    Q_INVOKABLE NemtraGatewayFilterModel *packetModel() const;
    Q_INVOKABLE NemtraGatewayFilterModel *dataModel() const;

public slots:
    bool hasAllProperties() const override;
    void onLanguageChanged();

signals:
    void readOnlySignal();

private:
    void rebuildModels();
    NemtraGatewayFilterModel *makeModel(int kind, int countPosition, int firstEntry, int entries);

    QPointer<NemtraGatewayFilterModel> m_idModel;
    QPointer<NemtraGatewayFilterModel> m_packetModel;
    QPointer<NemtraGatewayFilterModel> m_dataModel;
};
