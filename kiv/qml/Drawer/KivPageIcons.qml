import QtQuick
import KivPageEnums 1.0

// Icon of each navigation entry; the light variants suit the dark drawer panel.
QtObject {
    id: icons
    objectName: "KivPageIcons"

    property string folder: "qrc:/images/NavigationIcons/"

    function iconFor(page) {
        switch (page) {
        case KivPage.KivConnectionPage: return folder + "Connect.png"
        case KivPage.KivMonitoringPage: return folder + "Monitoring.png"
        case KivPage.KivOutputPage: return folder + "Output.png"
        case KivPage.KivRelaisPage: return folder + "Relays.png"
        case KivPage.KivLcdPage: return folder + "Display.png"
        case KivPage.KivTlfPage: return folder + "TrafficLight.png"
        case KivPage.KivRs485Page: return folder + "Bus.png"
        case KivPage.KivOffsetPage: return folder + "Offset.png"
        case KivPage.KivServicePage: return folder + "Service.png"
        case KivPage.KivUpdatePage: return folder + "Update.png"
        case KivPage.KivExpertPage:
        case KivPage.KivExpertPW:
        case KivPage.KivExpertCo2:
        case KivPage.KivExpertVOC: return folder + "Expert.png"
        case KivPage.KivSaveLoadPage: return folder + "SaveLoad.png"
        case KivPage.KivExportPage: return folder + "Export.png"
        case KivPage.KivLoraPage:
        case KivPage.KivLoraInformation:
        case KivPage.KivLoraParameter:
        case KivPage.KivLoraCommand: return folder + "LoRaWAN.png"
        case KivPage.KivLanguagePage: return folder + "Language.png"
        case KivPage.KivDisconnect: return folder + "Disconnect.png"
        case KivPage.KivManuel: return folder + "Manual.png"
        case KivPage.KivGoHome: return folder + "Back.png"
        case KivPage.KivAbout: return folder + "About.png"
        case KivPage.KivTrafficLogPage: return folder + "Serial.png"
        case KivPage.KivBlueTooth: return folder + "Connect.png"
        case KivPage.KivSerialPage: return folder + "Serial.png"
        case KivPage.KivSpecial: return folder + "Special.png"
        case KivPage.KivSimulate: return folder + "Simulate.png"
        case KivPage.KivInfo: return folder + "DeviceInfo.png"
        case KivPage.KivMonitoring: return folder + "Monitoring.png"
        case KivPage.KivOutput: return folder + "Output.png"
        case KivPage.KivGeneral: return folder + "General.png"
        case KivPage.KivRelais: return folder + "Relays.png"
        case KivPage.KivForceRelais: return folder + "ForceRelays.png"
        case KivPage.KivService: return folder + "Service.png"
        case KivPage.KivContact: return folder + "Contact.png"
        case KivPage.KivSavePage: return folder + "Save.png"
        case KivPage.KivLoadPage: return folder + "Load.png"
        default: return ""
        }
    }

    // Sub-pages that must not be offered: internals below access level 1, simulation while connected.
    function isHidden(page) {
        if (page === KivPage.KivSpecial)
            return Kiv.clearance === 0
        if (page === KivPage.KivSimulate)
            return Kiv.connected
        return false
    }

    // Where each group keeps its sub-page index in the page manager.
    readonly property var subIndexProperties: {
        let map = {}
        map[KivPage.KivConnectionPage] = "connectionPageIndex"
        map[KivPage.KivMonitoringPage] = "monitoringPageIndex"
        map[KivPage.KivOutputPage] = "outputPageIndex"
        map[KivPage.KivServicePage] = "servicePageIndex"
        map[KivPage.KivSaveLoadPage] = "saveLoadIndex"
        map[KivPage.KivLoraPage] = "loraPageIndex"
        return map
    }
}
