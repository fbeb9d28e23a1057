#include "NemtraProperties.h"

NemtraProperties::NemtraProperties(QObject *parent)
    : BackendBase(parent)
{
}

QString NemtraProperties::appVersion() const
{
    return QStringLiteral("2.1.2");
}

void NemtraProperties::setValuesModified(bool valuesModified)
{
    if (m_valuesModified == valuesModified)
        return;
    m_valuesModified = valuesModified;
    emit valuesModifiedChanged(valuesModified);
}

void NemtraProperties::setIsSimulation(bool isSimulation)
{
    if (m_isSimulation == isSimulation)
        return;
    m_isSimulation = isSimulation;
    emit isSimulationChanged(isSimulation);
}
