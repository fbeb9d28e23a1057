#pragma once

#include "BaseContainer.h"

#include <QList>

class NemtraBaseContainer;
class NemtraChannelManager;
class NemtraControlsContainer;
class NemtraDeviceInformation;
class NemtraDisplayContainer;
class NemtraExpertMode;
class NemtraGatewayContainer;
class NemtraLedContainer;
class NemtraLoRaContainer;
class NemtraTlfContainer;

// Hands the register image to the process-wide containers and forwards their write and read
// requests, but only while enabled: the back end disables it around every push of the image so
// that values set by the push never come back as writes.
class NemtraContainerManager : public BaseContainer
{
    Q_OBJECT

public:
    explicit NemtraContainerManager(QObject *parent = nullptr);
    ~NemtraContainerManager() override;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    NemtraDeviceInformation *deviceInformation() const { return m_deviceInformation; }
    NemtraLedContainer *led() const { return m_led; }
    NemtraTlfContainer *tlf() const { return m_tlf; }
    NemtraLoRaContainer *lora() const { return m_lora; }
    NemtraGatewayContainer *gateway() const { return m_gateway; }
    NemtraDisplayContainer *display() const { return m_display; }
    NemtraChannelManager *channelManager() const { return m_channelManager; }
    NemtraExpertMode *expertMode() const { return m_expertMode; }
    NemtraControlsContainer *controls() const { return m_controls; }

public slots:
    void setData(QList<quint16> data) override;
    void reset() override;
    void attemptToReadSingle(ushort regValue);
    void attemptToWriteSingle(uint start, ushort value);
    void attemptToWriteMulti(uint start, QList<quint16> words);

signals:
    void saveCommandSend();
    void readSingleRegister(ushort reg);

private:
    // In the order the image is handed out.
    QList<NemtraBaseContainer *> containers() const;
    void connectContainers();
    void distributeProperties();

    NemtraLedContainer *m_led = nullptr;
    NemtraTlfContainer *m_tlf = nullptr;
    NemtraLoRaContainer *m_lora = nullptr;
    NemtraChannelManager *m_channelManager = nullptr;
    NemtraDisplayContainer *m_display = nullptr;
    NemtraDeviceInformation *m_deviceInformation = nullptr;
    NemtraGatewayContainer *m_gateway = nullptr;
    NemtraExpertMode *m_expertMode = nullptr;
    NemtraControlsContainer *m_controls = nullptr;
    bool m_enabled = false;
};
