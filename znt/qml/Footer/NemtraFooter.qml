import QtQuick
import NemtraPageEnums 1.0

// Mobile footer: the sub-page buttons of the monitoring, sensor and test pages; empty elsewhere.
Item {
    id: footer
    objectName: "NemtraFooter"

    property real fontSize: 15
    readonly property bool hasContent: loader.status === Loader.Ready

    function sourceFor(page) {
        switch (page) {
        case NemtraPage.NemtraMonitoringPage: return "NemtraFooterMonitoring.qml"
        case NemtraPage.NemtraSensorPage: return "NemtraFooterSensors.qml"
        case NemtraPage.LoraTestPage: return "NemtraFooterDebug.qml"
        default: return ""
        }
    }

    Loader {
        id: loader
        objectName: footer.objectName + "Content"
        anchors.fill: parent
        active: footer.sourceFor(NemtraPageManager.pageIndex).length > 0
        source: footer.sourceFor(NemtraPageManager.pageIndex)
        onLoaded: {
            item.objectName = loader.objectName + item.objectName
            item.fontSize = Qt.binding(() => footer.fontSize)
        }
    }
}
