#pragma once

#include "BackendBase.h"

// The ZNT back end's own observable flags on top of the framework's connection and progress state.
class NemtraProperties : public BackendBase
{
    Q_OBJECT
    Q_PROPERTY(bool valuesModified READ valuesModified WRITE setValuesModified NOTIFY valuesModifiedChanged)
    Q_PROPERTY(bool isSimulation READ isSimulation NOTIFY isSimulationChanged)

public:
    explicit NemtraProperties(QObject *parent = nullptr);

    bool valuesModified() const { return m_valuesModified; }
    bool simulationFlag() const { return m_isSimulation; }
    virtual bool isSimulation() const { return m_isSimulation; }
    QString appVersion() const override;

public slots:
    void setValuesModified(bool valuesModified);
    void setIsSimulation(bool isSimulation);

signals:
    void valuesModifiedChanged(bool valuesModified);
    void isSimulationChanged(bool isSimulation);

private:
    bool m_valuesModified = false;
    bool m_isSimulation = false;
};
