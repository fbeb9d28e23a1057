#pragma once

#include "BasePageManager.h"
#include "Enums.h"
#include "KivNavigationEnums.h"

class KivNavigationModel;

// Which KIV page and sub-pages are shown, and which drawer entries the device offers.
class KivPageManager : public BasePageManager, public KivNavigationEnums
{
    Q_OBJECT
    Q_PROPERTY(KivNavigationEnums::KivPageIndex pageIndex READ pageIndex WRITE setPageIndex NOTIFY pageIndexChanged)
    Q_PROPERTY(KivNavigationEnums::KivPageIndex connectionPageIndex READ connectionPageIndex WRITE
                   setConnectionPageIndex NOTIFY connectionPageIndexChanged)
    Q_PROPERTY(KivNavigationEnums::KivPageIndex monitoringPageIndex READ monitoringPageIndex WRITE
                   setMonitoringPageIndex NOTIFY monitoringPageIndexChanged)
    Q_PROPERTY(KivNavigationEnums::KivPageIndex outputPageIndex READ outputPageIndex WRITE setOutputPageIndex NOTIFY
                   outputPageIndexChanged)
    Q_PROPERTY(KivNavigationEnums::KivPageIndex relaisPageIndex READ relaisPageIndex WRITE setRelaisPageIndex NOTIFY
                   relaisPageIndexChanged)
    Q_PROPERTY(KivNavigationEnums::KivPageIndex servicePageIndex READ servicePageIndex WRITE setServicePageIndex NOTIFY
                   servicePageIndexChanged)
    Q_PROPERTY(KivNavigationEnums::KivPageIndex expertPageIndex READ expertPageIndex WRITE setExpertPageIndex NOTIFY
                   expertPageIndexChanged)
    Q_PROPERTY(KivNavigationEnums::KivPageIndex loraPageIndex READ loraPageIndex WRITE setLoraPageIndex NOTIFY
                   loraPageIndexChanged)
    Q_PROPERTY(KivNavigationEnums::KivPageIndex saveLoadIndex READ saveLoadIndex WRITE setSaveLoadIndex NOTIFY
                   saveLoadIndexChanged)
    Q_PROPERTY(bool isConnected READ isConnected WRITE setIsConnected NOTIFY isConnectedChanged)
    Q_PROPERTY(bool isLcd READ isLcd WRITE setIsLcd NOTIFY isLcdChanged)
    Q_PROPERTY(bool isRs485 READ isRs485 WRITE setIsRs485 NOTIFY isRs485Changed)
    Q_PROPERTY(bool isRelais READ isRelais WRITE setIsRelais NOTIFY isRelaisChanged)
    Q_PROPERTY(bool isCo2 READ isCo2 WRITE setIsCo2 NOTIFY isCo2Changed)
    Q_PROPERTY(bool isVoc READ isVoc WRITE setIsVoc NOTIFY isVocChanged)
    Q_PROPERTY(bool isLoRa READ isLoRa WRITE setIsLoRa NOTIFY isLoRaChanged)

public:
    explicit KivPageManager(QObject *parent = nullptr);

    KivPageIndex pageIndex() const { return m_pageIndex; }
    KivPageIndex connectionPageIndex() const { return m_connectionPageIndex; }
    KivPageIndex monitoringPageIndex() const { return m_monitoringPageIndex; }
    KivPageIndex outputPageIndex() const { return m_outputPageIndex; }
    KivPageIndex relaisPageIndex() const { return m_relaisPageIndex; }
    KivPageIndex servicePageIndex() const { return m_servicePageIndex; }
    KivPageIndex expertPageIndex() const { return m_expertPageIndex; }
    KivPageIndex loraPageIndex() const { return m_loraPageIndex; }
    KivPageIndex saveLoadIndex() const { return m_saveLoadIndex; }
    bool isConnected() const { return m_isConnected; }
    bool isLcd() const { return m_isLcd; }
    bool isRs485() const { return m_isRs485; }
    bool isRelais() const { return m_isRelais; }
    bool isCo2() const { return m_isCo2; }
    bool isVoc() const { return m_isVoc; }
    bool isLoRa() const { return m_isLoRa; }

    KivNavigationModel *topModel() const { return m_topModel; }
    KivNavigationModel *bottomModel() const { return m_bottomModel; }

    Q_INVOKABLE void setIndexByGroup(KivNavigationEnums::KivPageIndex parent, KivNavigationEnums::KivPageIndex child);

signals:
    void pageIndexChanged(KivNavigationEnums::KivPageIndex pageIndex);
    void connectionPageIndexChanged(KivNavigationEnums::KivPageIndex connectionPageIndex);
    void monitoringPageIndexChanged(KivNavigationEnums::KivPageIndex monitoringPageIndex);
    void outputPageIndexChanged(KivNavigationEnums::KivPageIndex outputPageIndex);
    void relaisPageIndexChanged(KivNavigationEnums::KivPageIndex relaisPageIndex);
    void servicePageIndexChanged(KivNavigationEnums::KivPageIndex servicePageIndex);
    void readOnlySignal();
    void isConnectedChanged(bool isConnected);
    void isLcdChanged(bool isLcd);
    void isRs485Changed(bool isRs485);
    void isRelaisChanged(bool isRelais);
    void isCo2Changed(bool isCo2);
    void isVocChanged(bool isVoc);
    void isLoRaChanged(bool isLoRa);
    void expertPageIndexChanged(KivNavigationEnums::KivPageIndex expertPageIndex);
    void loraPageIndexChanged(KivNavigationEnums::KivPageIndex loraPageIndex);
    void saveLoadIndexChanged(KivNavigationEnums::KivPageIndex saveLoadIndex);
    void forceAModelReset();

public slots:
    QString getMaxWidthText() override;
    void setPageIndex(KivNavigationEnums::KivPageIndex pageIndex);
    void setMonitoringPageIndex(KivNavigationEnums::KivPageIndex monitoringPageIndex);
    void setConnectionPageIndex(KivNavigationEnums::KivPageIndex connectionPageIndex);
    void setOutputPageIndex(KivNavigationEnums::KivPageIndex outputPageIndex);
    void setRelaisPageIndex(KivNavigationEnums::KivPageIndex relaisPageIndex);
    void setServicePageIndex(KivNavigationEnums::KivPageIndex servicePageIndex);
    void setExpertPageIndex(KivNavigationEnums::KivPageIndex expertPageIndex);
    void setLoraPageIndex(KivNavigationEnums::KivPageIndex loraPageIndex);
    void setSaveLoadIndex(KivNavigationEnums::KivPageIndex saveLoadIndex);
    void onDisconnected();
    void switchToPoll();
    void circuitBoardChanged(Enums::TypeCircuitBoard board);
    void setIsConnected(bool isConnected);
    void setIsLcd(bool isLcd);
    void setIsRs485(bool isRs485);
    void setIsRelais(bool isRelais);
    void setIsCo2(bool isCo2);
    void setIsVoc(bool isVoc);
    void setIsLoRa(bool isLoRa);
    // The user's access level; the internal pages are listed from level 1 on.
    void setClearance(int clearance);
    void reset();
    void updateModels() override;

private:
    KivPageIndex m_pageIndex = KivConnectionPage;
    KivPageIndex m_connectionPageIndex = KivSerialPage;
    KivPageIndex m_monitoringPageIndex = KivInfo;
    KivPageIndex m_outputPageIndex = KivOutput;
    KivPageIndex m_relaisPageIndex = KivRelais;
    KivPageIndex m_servicePageIndex = KivService;
    KivPageIndex m_expertPageIndex = KivExpertPW;
    KivPageIndex m_loraPageIndex = KivLoraParameter;
    KivPageIndex m_saveLoadIndex = KivSavePage;
    bool m_isConnected = false;
    bool m_isLcd = false;
    bool m_isRs485 = false;
    bool m_isRelais = false;
    bool m_isCo2 = false;
    bool m_isVoc = false;
    bool m_isLoRa = false;
    int m_clearance = 0;

    KivNavigationModel *m_topModel = nullptr;
    KivNavigationModel *m_bottomModel = nullptr;
};
