import QtQuick
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General"

// Shows the page that belongs to KivPageManager.pageIndex. Commands in the drawer (manual,
// disconnect, back to the host) run here instead of showing a page.
CustomStackView {
    id: view
    objectName: "KivMainView"

    // Where the user manual lies; translated, so the English build opens the English manual.
    readonly property string manualUrl: qsTr("https://www.veltaron.de/downloads/KIV_Bedienungsanleitung_DE.pdf")
    readonly property url defaultPage: Qt.resolvedUrl("KivDefaultPage.qml")

    // [page file, object name suffix] per page index.
    readonly property var pages: {
        let map = {}
        map[KivPage.KivConnectionPage] = ["../Connect/KivConnectionPage.qml", "ConnectionPage"]
        map[KivPage.KivMonitoringPage] = ["../Monitoring/KivMonitoringPage.qml", "MonitoringPage"]
        map[KivPage.KivOutputPage] = ["../Output/KivOutputPage.qml", "OutputPage"]
        map[KivPage.KivRelaisPage] = ["../Relais/KivRelaisPage.qml", "RelaisPage"]
        map[KivPage.KivLcdPage] = ["../Lcd/KivLcdPage.qml", "LcdPage"]
        map[KivPage.KivTlfPage] = ["../Tlf/KivTlfPage.qml", "TlfPage"]
        map[KivPage.KivRs485Page] = ["../RS485/KivRs485Page.qml", "Rs485Page"]
        map[KivPage.KivOffsetPage] = ["../Offset/KivOffsetPage.qml", "OffsetPage"]
        map[KivPage.KivServicePage] = ["../Service/KivServicePage.qml", "ServicePage"]
        map[KivPage.KivUpdatePage] = ["../Update/KivUpdatePage.qml", "UpdatePage"]
        map[KivPage.KivExpertPage] = ["../Expert/KivExpertModePage.qml", "ExpertPage"]
        map[KivPage.KivLoraPage] = ["../Lora/KivLoraPage.qml", "LoraPage"]
        map[KivPage.KivExportPage] = ["../SaveLoad/KivSaveLoadPage.qml", "SaveLoadPage"]
        map[KivPage.KivSaveLoadPage] = ["../SaveLoad/KivSaveLoadPage.qml", "SaveLoadPage"]
        map[KivPage.KivLanguagePage] = ["qrc:/Dependencies/Mirrel/qml/General/CustomLanguageSettings.qml", "LanguagePage"]
        map[KivPage.KivAbout] = ["../About/KivAboutPage.qml", "AboutPage"]
        map[KivPage.KivTrafficLogPage] = ["../TrafficLog/KivTrafficLogPage.qml", "TrafficLogPage"]
        return map
    }

    // Lets the page shown undo what must not outlive it (forced relays) while its writes can
    // still leave, before polling starts for the next page.
    function leaveCurrentPage() {
        if (currentItem && typeof currentItem.aboutToLeave === "function")
            currentItem.aboutToLeave()
    }

    function switchTo(page) {
        const isCommand = page === KivPage.KivManuel || page === KivPage.KivDisconnect || page === KivPage.KivGoHome
        if (!isCommand)
            leaveCurrentPage()
        Kiv.doPoll = page === KivPage.KivMonitoringPage

        switch (page) {
        case KivPage.KivManuel:
            Qt.openUrlExternally(manualUrl)
            return
        case KivPage.KivDisconnect:
            Kiv.testMode = false
            Kiv.forceEepromWrite()
            // The store command leaves before the link goes down.
            disconnectTimer.restart()
            return
        case KivPage.KivGoHome:
            Kiv.closePlugin()
            KivPageManager.pageIndex = KivPage.KivDisconnect
            return
        }

        const entry = pages[page]
        let source = entry ? Qt.resolvedUrl(entry[0]) : defaultPage
        // A page missing from the resources falls back to the default page.
        if (source !== defaultPage && !canLoad(source))
            source = defaultPage
        const suffix = source === defaultPage ? "DefaultPage" : entry[1]
        showPage(source, { objectName: view.objectName + suffix })
    }

    Timer {
        id: disconnectTimer
        objectName: view.objectName + "DisconnectTimer"
        interval: 10
        onTriggered: {
            if (BtDevice)
                BtDevice.disconnectFromDevice()
            Kiv.disconnectDevice()
            KivPageManager.pageIndex = KivPage.KivConnectionPage
        }
    }

    Connections {
        target: KivPageManager
        function onPageIndexChanged() { view.switchTo(KivPageManager.pageIndex) }
    }

    Component.onCompleted: switchTo(KivPageManager.pageIndex)
}
