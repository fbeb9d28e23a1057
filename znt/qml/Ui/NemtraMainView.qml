import QtQuick
import NemtraPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General"

// Shows the page that belongs to NemtraPageManager.pageIndex.
CustomStackView {
    id: view
    objectName: "NemtraMainView"

    property real fontSize: 15
    readonly property url emptyPage: Qt.resolvedUrl("NemtraEmptyPage.qml")

    // [page file, object name suffix] per page index.
    readonly property var pages: {
        let map = {}
        map[NemtraPage.NemtraConnectionPage] = ["../Connect/NemtraConnectPage.qml", "ConnectPage"]
        map[NemtraPage.NemtraMonitoringPage] = ["../Monitoring/NemtraMonitoringPage.qml", "MonitoringPage"]
        map[NemtraPage.NemtraSensorPage] = ["../Sensors/NemtraSensorPage.qml", "SensorPage"]
        map[NemtraPage.NemtraTlfPage] = ["../TLF/NemtraTlfPage.qml", "TlfPage"]
        map[NemtraPage.NemtraLedPage] = ["../LED/NemtraLedPage.qml", "LedPage"]
        map[NemtraPage.NemtraGatewayPage] = ["../Gateway/NemtraGatewayPage.qml", "GatewayPage"]
        map[NemtraPage.NemtraLoraPage] = ["../LoRa/NemtraLoRaPage.qml", "LoRaPage"]
        map[NemtraPage.NemtraConfigPage] = ["../GeneralConfig/NemtraConfigPage.qml", "ConfigPage"]
        map[NemtraPage.NemtraAboutPage] = ["../About/NemtraAboutPage.qml", "AboutPage"]
        map[NemtraPage.NemtraDisplayPage] = ["../Display/NemtraDisplayPage.qml", "DisplayPage"]
        map[NemtraPage.NemtraControlsPage] = ["../Controls/NemtraControlsPage.qml", "ControlsPage"]
        map[NemtraPage.NemtraExpertPage] = ["../ExpertMode/NemtraExpertPage.qml", "ExpertPage"]
        map[NemtraPage.NemtraLanguagePage] = ["qrc:/Dependencies/Mirrel/qml/General/CustomLanguageSettings.qml", "LanguagePage"]
        map[NemtraPage.LoraTestPage] = ["../Test/LoraTestPage.qml", "TestPage"]
        return map
    }

    function canShow(page) {
        const entry = pages[page]
        return entry !== undefined && canLoad(Qt.resolvedUrl(entry[0]))
    }

    function switchTo(page) {
        const entry = pages[page]
        const source = entry ? Qt.resolvedUrl(entry[0]) : emptyPage
        const item = showPage(source, { objectName: view.objectName + (entry ? entry[1] : "EmptyPage") })
        if (item && item.fontSize !== undefined)
            item.fontSize = Qt.binding(() => view.fontSize)
    }

    Connections {
        target: NemtraPageManager
        function onPageIndexChanged() { view.switchTo(NemtraPageManager.pageIndex) }
    }

    Component.onCompleted: switchTo(NemtraPageManager.pageIndex)
}
