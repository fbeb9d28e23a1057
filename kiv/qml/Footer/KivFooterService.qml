import QtQuick
import KivPageEnums 1.0
import "../Templates"

// Mobile footer of its page group: one button per sub-page.
KivFooterBar {
    id: footer
    objectName: "KivFooterService"
    group: KivPage.KivServicePage
    current: KivPageManager.servicePageIndex
    entries: [
        { page: KivPage.KivService, text: qsTr("Wartung"), icon: "Service.png" },
        { page: KivPage.KivContact, text: qsTr("Kontakt"), icon: "Contact.png" }
    ]
}
