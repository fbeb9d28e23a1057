import QtQuick
import QtQuick.Controls.Basic

// The navigation of the mobile layout: a drawer that slides in from the left and closes after
// an entry is chosen.
Drawer {
    id: drawer
    objectName: "CustomNavigationMobile"

    property alias pageManager: content.pageManager
    property alias subIndexProperties: content.subIndexProperties
    property alias iconForPage: content.iconForPage
    property alias isEntryHidden: content.isEntryHidden
    property alias fontSize: content.fontSize
    property alias appName: content.appName
    property alias appVersion: content.appVersion

    edge: Qt.LeftEdge
    padding: 0

    CustomDrawerContentItem {
        id: content
        objectName: drawer.objectName + "Content"
        anchors.fill: parent
        onEntryChosen: drawer.close()
    }
}
