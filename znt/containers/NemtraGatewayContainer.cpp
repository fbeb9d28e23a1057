#include "NemtraGatewayContainer.h"

#include "NemtraGatewayFilterModel.h"

#include <QJSEngine>

NemtraGatewayContainer::NemtraGatewayContainer(QObject *parent)
    : NemtraBaseContainer(parent)
{
    static bool registered = false;
    registerPropertyEnum(&staticMetaObject, "GatewayEnums", "Property Enums for NemtraGatewayContainer class",
                         &registered);
    connect(this, &NemtraBaseContainer::propertiesPassedOn, this, &NemtraGatewayContainer::rebuildModels);
}

QString NemtraGatewayContainer::gatewayTypeToString(ushort type) const
{
    switch (type) {
    case 0:
        return QStringLiteral("-- 0 --");
    case 1:
        return QStringLiteral("LoRaWAN-EnOcean");
    default:
        return QStringLiteral("--");
    }
}

NemtraGatewayFilterModel *NemtraGatewayContainer::idModel() const
{
    return m_idModel;
}

NemtraGatewayFilterModel *NemtraGatewayContainer::packetModel() const
{
    return m_packetModel;
}

NemtraGatewayFilterModel *NemtraGatewayContainer::dataModel() const
{
    return m_dataModel;
}

bool NemtraGatewayContainer::hasAllProperties() const
{
    return propertyCount() > 71;
}

void NemtraGatewayContainer::onLanguageChanged()
{
    for (NemtraGatewayFilterModel *model : {m_idModel.data(), m_packetModel.data(), m_dataModel.data()}) {
        if (model)
            model->retranslate();
    }
}

void NemtraGatewayContainer::rebuildModels()
{
    for (NemtraGatewayFilterModel *old : {m_idModel.data(), m_packetModel.data(), m_dataModel.data()}) {
        if (old)
            old->deleteLater();
    }
    m_idModel = makeModel(NemtraGatewayFilterModel::IdFilter, IdFilterCount, IdFilter0, 30);
    m_packetModel = makeModel(NemtraGatewayFilterModel::PacketFilter, PacketFilterCount, PacketFilter0, 16);
    m_dataModel = makeModel(NemtraGatewayFilterModel::DataFilter, DataFilterCount, DataFilter0, 16);
    emit readOnlySignal();
}

NemtraGatewayFilterModel *NemtraGatewayContainer::makeModel(int kind, int countPosition, int firstEntry, int entries)
{
    QList<NemtraProperty *> list;
    for (int i = 0; i < entries; ++i)
        list.append(propertyAt(firstEntry + i));
    auto *model = new NemtraGatewayFilterModel(kind, propertyAt(countPosition), list, this);
    // Handed to QML by an invokable; the container, not the engine, decides when it goes.
    QJSEngine::setObjectOwnership(model, QJSEngine::CppOwnership);
    return model;
}
