import QtQuick
import QtQuick.Controls
import App 1.0
import PermissionHandler 1.0

Rectangle {
    id: root
    objectName: "testPluginRoot"
    color: "#fbfbf7"

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
        Button {
            objectName: root.objectName + "_homeButton"
            text: "Home"
            onClicked: HostTestManager.goHome()
        }
    }
}
