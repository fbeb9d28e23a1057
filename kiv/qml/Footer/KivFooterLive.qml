import QtQuick
import KivPageEnums 1.0
import "../Templates"

// Mobile footer of its page group: one button per sub-page.
KivFooterBar {
    id: footer
    objectName: "KivFooterLive"
    group: KivPage.KivMonitoringPage
    current: KivPageManager.monitoringPageIndex
    entries: [
        { page: KivPage.KivInfo, text: qsTr("Gerät"), icon: "DeviceInfo.png" },
        { page: KivPage.KivMonitoring, text: qsTr("Live-Daten"), icon: "Monitoring.png" }
    ]
}
