#pragma once

#include "NemtraNavigationEnums.h"

#include <QObject>
#include <QVariant>

#include <functional>

class NemtraNavigationModel;

// The page shown on each level of the ZNT navigation and the two drawer menus. Menu entries
// follow the connection state and the device's equipment.
class NemtraPageManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int pageIndex READ pageIndex WRITE setPageIndex NOTIFY pageIndexChanged)
    Q_PROPERTY(
        int connectionPageIndex READ connectionPageIndex WRITE setConnectionPageIndex NOTIFY connectionPageIndexChanged)
    Q_PROPERTY(
        int monitoringPageIndex READ monitoringPageIndex WRITE setMonitoringPageIndex NOTIFY monitoringPageIndexChanged)
    Q_PROPERTY(int sensorPageIndex READ sensorPageIndex WRITE setSensorPageIndex NOTIFY sensorPageIndexChanged)
    Q_PROPERTY(int displayPageIndex READ displayPageIndex WRITE setDisplayPageIndex NOTIFY displayPageIndexChanged)
    Q_PROPERTY(int controlsPageIndex READ controlsPageIndex WRITE setControlsPageIndex NOTIFY controlsPageIndexChanged)
    Q_PROPERTY(int testPageIndex READ testPageIndex WRITE setTestPageIndex NOTIFY testPageIndexChanged)
    Q_PROPERTY(QVariant modelTop READ modelTop NOTIFY readOnlySignal)
    Q_PROPERTY(QVariant modelBottom READ modelBottom NOTIFY readOnlySignal)
    Q_PROPERTY(bool isConnected READ isConnected WRITE setIsConnected NOTIFY isConnectedChanged)

public:
    using Page = NemtraNavigationEnums::NemtraPageIndex;
    // Tells whether a top-level page can be shown; entries of other pages are not offered.
    using PageFilter = std::function<bool(Page)>;

    explicit NemtraPageManager(QObject *parent = nullptr);

    int pageIndex() const { return m_pageIndex; }
    int connectionPageIndex() const { return m_connectionPageIndex; }
    int monitoringPageIndex() const { return m_monitoringPageIndex; }
    int sensorPageIndex() const { return m_sensorPageIndex; }
    int displayPageIndex() const { return m_displayPageIndex; }
    int controlsPageIndex() const { return m_controlsPageIndex; }
    int testPageIndex() const { return m_testPageIndex; }
    QVariant modelTop() const;
    QVariant modelBottom() const;
    bool isConnected() const { return m_isConnected; }

    NemtraNavigationModel *topModel() const { return m_modelTop; }
    NemtraNavigationModel *bottomModel() const { return m_modelBottom; }
    void setPageFilter(PageFilter filter);

public slots:
    void setPageIndex(int index);
    void setConnectionPageIndex(int index);
    void setMonitoringPageIndex(int index);
    void setSensorPageIndex(int index);
    void setDisplayPageIndex(int index);
    void setControlsPageIndex(int index);
    void setTestPageIndex(int index);
    void setIsConnected(bool connected);

    void reset();
    QString getMaxWidthText() const;
    void setIndexByGroup(int parent, int child);
    void updateModels();

signals:
    void pageIndexChanged(int pageIndex);
    void connectionPageIndexChanged(int connectionPageIndex);
    void monitoringPageIndexChanged(int monitoringPageIndex);
    void sensorPageIndexChanged(int sensorPageIndex);
    void testPageIndexChanged(int testPageIndex);
    void readOnlySignal();
    void isConnectedChanged(bool isConnected);
    void showSimulationSelection();
    void disconnectFromDevice();
    void closePlugin();
    void displayPageIndexChanged(int displayPageIndex);
    void controlsPageIndexChanged(int controlsPageIndex);
    void forceAModelReset();

private:
    void showTop(Page page, bool show);

    int m_pageIndex = Page::NemtraInvalidPage;
    int m_connectionPageIndex = Page::NemtraInvalidConnect;
    int m_monitoringPageIndex = Page::NemtraInvalidMonitoring;
    int m_sensorPageIndex = Page::NemtraInvalidSensor;
    int m_displayPageIndex = Page::NemtraDisplayGeneral;
    int m_controlsPageIndex = Page::NemtraControlsButton1;
    int m_testPageIndex = Page::LoraTestPageInvalid;
    bool m_isConnected = false;
    NemtraNavigationModel *m_modelTop = nullptr;
    NemtraNavigationModel *m_modelBottom = nullptr;
    PageFilter m_pageFilter;
};
