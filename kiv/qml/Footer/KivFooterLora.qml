import QtQuick
import KivPageEnums 1.0
import "../Templates"

// Mobile footer of its page group: one button per sub-page.
KivFooterBar {
    id: footer
    objectName: "KivFooterLora"
    group: KivPage.KivLoraPage
    current: KivPageManager.loraPageIndex
    entries: [
        { page: KivPage.KivLoraInformation, text: qsTr("Information"), icon: "LoRaWAN.png" },
        { page: KivPage.KivLoraParameter, text: qsTr("Parameter"), icon: "LoRaWAN.png" },
        { page: KivPage.KivLoraCommand, text: qsTr("Befehle"), icon: "LoRaWAN.png" }
    ]
}
