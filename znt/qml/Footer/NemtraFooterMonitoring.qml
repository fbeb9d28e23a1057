import QtQuick
import NemtraPageEnums 1.0

// Mobile footer of the monitoring pages: the device information and the live values.
NemtraFooterBar {
    objectName: "NemtraFooterMonitoring"
    group: NemtraPage.NemtraMonitoringPage
    current: NemtraPageManager.monitoringPageIndex
}
