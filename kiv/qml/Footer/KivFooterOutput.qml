import QtQuick
import KivPageEnums 1.0
import "../Templates"

// Mobile footer of its page group: one button per sub-page.
KivFooterBar {
    id: footer
    objectName: "KivFooterOutput"
    group: KivPage.KivOutputPage
    current: KivPageManager.outputPageIndex
    entries: [
        { page: KivPage.KivOutput, text: qsTr("Ausgänge"), icon: "Output.png" },
        { page: KivPage.KivGeneral, text: qsTr("Allgemein"), icon: "General.png" }
    ]
}
