#pragma once

#include "NemtraProperties.h"

#include <QList>
#include <QUrl>
#include <QVariantList>

class ErrorManagement;
class NemtraConnectionManager;
class NemtraContainerManager;
class QTimer;

// What the ZNT pages see as "NemtraBackend": keeps the device's register image, starts and ends
// connections and simulations and feeds the image to the containers.
class NemtraBackend : public NemtraProperties
{
    Q_OBJECT
    Q_PROPERTY(QString appVersion READ appVersion CONSTANT)

public:
    static constexpr int kImageWords = 65535;
    // The device-model word of a stored register image.
    static constexpr int kDeviceTypeWord = 1024;
    static constexpr int kSimulationStartDelayMs = 1000;
    static constexpr int kSimulationTickMs = 12;
    static constexpr int kDataLoadedDelayMs = 10;

    explicit NemtraBackend(QObject *parent = nullptr);
    ~NemtraBackend() override;

    NemtraConnectionManager *connectionManager() const { return m_connectionManager; }
    NemtraContainerManager *containerManager() const { return m_containerManager; }
    ErrorManagement *errorManagement() const { return m_errorManagement; }
    QList<quint16> registerImage() const { return m_image; }
    bool simulationRunning() const;

    Q_INVOKABLE void requestLiveData();

public slots:
    void simulateDevice(int index);
    void simulateDevice(QUrl file);
    void simulateLoading(QList<quint16> data);
    bool isSimulation() const override;
    void onReadRead(uint start, QList<quint16> values);
    void forceUpdateOnContainers();

signals:
    void connectToSerial(QVariantList data, QString port);
    void disconnectFromDevice();
    void updateAllData();
    void requestBasicPermissions();
    void connectedAndDataLoaded();
    void wasAborted(bool wasAborted);
    void showConnectAndLoadPopup(bool show);

private:
    void pushImage();
    void stopSimulation();
    void onSimulationTick();

    NemtraConnectionManager *m_connectionManager = nullptr;
    NemtraContainerManager *m_containerManager = nullptr;
    ErrorManagement *m_errorManagement = nullptr;
    QList<quint16> m_image;
    QList<quint16> m_simulationData;
    QTimer *m_simulationDelay = nullptr;
    QTimer *m_simulationTicker = nullptr;
    bool m_forceUpdate = false;
};
