import QtQuick
import KivPageEnums 1.0
import "../Templates"

// Mobile footer of its page group: one button per sub-page.
KivFooterBar {
    id: footer
    objectName: "KivFooterRelais"
    group: KivPage.KivRelaisPage
    current: KivPageManager.relaisPageIndex
    entries: [
        { page: KivPage.KivRelais, text: qsTr("Relais"), icon: "Relays.png" },
        { page: KivPage.KivForceRelais, text: qsTr("Zwangssteuerung"), icon: "ForceRelays.png" }
    ]
}
