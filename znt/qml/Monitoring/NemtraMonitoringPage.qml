import QtQuick
import NemtraPageEnums 1.0

// The monitoring group: device information or live values, as the drawer's sub-entry chooses.
Loader {
    id: page
    objectName: "NemtraMonitoringPage"

    property real fontSize: 15

    Component.onCompleted: {
        if (NemtraPageManager.monitoringPageIndex !== NemtraPage.NemtraMonitoring)
            NemtraPageManager.monitoringPageIndex = NemtraPage.NemtraInfoPage
    }

    source: NemtraPageManager.monitoringPageIndex === NemtraPage.NemtraMonitoring ? "NemtraLivePage.qml"
                                                                                   : "NemtraDeviceInformationPage.qml"
    onLoaded: {
        item.objectName = page.objectName + item.objectName
        item.fontSize = Qt.binding(() => page.fontSize)
    }
}
