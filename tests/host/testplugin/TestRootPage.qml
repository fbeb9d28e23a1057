import QtQuick
import QtQuick.Controls
import App 1.0
import PermissionHandler 1.0

Rectangle {
    id: root
    objectName: "testPluginRoot"
    color: "#fbfbf7"

    // The host's tour: a simulated device that is ready a moment later, and two pages.
    property bool tourReady: false
    property int tourPage: -1
    function tourSimulate() { simulation.start() }
    function tourPages() { return ["Eins", "Zwei"] }
    function tourShow(index) { tourPage = index }
    Timer {
        id: simulation
        interval: 20
        onTriggered: root.tourReady = true
    }

    Column {
        objectName: root.objectName + "_column"
        anchors.centerIn: parent
        spacing: 12

        Label {
            objectName: root.objectName + "_title"
            text: "HostTest"
            font.pixelSize: 24
        }
        Label {
            objectName: root.objectName + "_appName"
            text: App.applicationName + " " + App.version
        }
        Label {
            objectName: root.objectName + "_permission"
            text: PermissionHandler.hasSerialPermission() ? "serial" : "none"
        }
        Label {
            objectName: root.objectName + "_tourPage"
            text: root.tourPage >= 0 ? "Seite " + (root.tourPage + 1) : ""
        }
        Button {
            objectName: root.objectName + "_homeButton"
            text: "Home"
            onClicked: HostTestManager.goHome()
        }
    }
}
