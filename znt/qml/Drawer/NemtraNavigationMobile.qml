import QtQuick
import QtQuick.Controls.Basic

// The drawer of the mobile layout: the desktop navigation sliding in from the left, closed once
// a page is chosen.
Drawer {
    id: drawer
    objectName: "NemtraNavigationMobile"

    property real fontSize: 15
    signal saveRequested()

    edge: Qt.LeftEdge
    padding: 0

    NemtraNavigationDesktop {
        objectName: drawer.objectName + "Content"
        anchors.fill: parent
        fontSize: drawer.fontSize
        onSaveRequested: {
            drawer.close()
            drawer.saveRequested()
        }
        onEntryChosen: drawer.close()
    }
}
