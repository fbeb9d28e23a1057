import QtQuick
import KivPageEnums 1.0
import "../Templates"

// Mobile footer of its page group: one button per sub-page.
KivFooterBar {
    id: footer
    objectName: "KivFooterExpert"
    group: KivPage.KivExpertPage
    current: KivPageManager.expertPageIndex
    entries: [
        { page: KivPage.KivExpertCo2, text: qsTr("CO2"), icon: "Expert.png" },
        { page: KivPage.KivExpertVOC, text: qsTr("VOC"), icon: "Expert.png" }
    ]
}
