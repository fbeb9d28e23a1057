import QtQuick
import QtQuick.Controls

ApplicationWindow {
    id: window
    objectName: "mainWindow"
    width: 1100
    height: 720
    minimumWidth: 720
    minimumHeight: 480
    visible: true
    title: OrvaneHost.pluginOpen ? "Orvane - " + OrvaneHost.currentPluginName : "Orvane"
    color: "#f4f6f8"

    HomePage {
        id: homePage
        objectName: window.objectName + "_homePage"
        anchors.fill: parent
        visible: !OrvaneHost.pluginOpen
    }

    // Plugin root pages are placed here from C++; they own the whole window while open.
    Item {
        id: pluginArea
        objectName: window.objectName + "_pluginArea"
        anchors.fill: parent
        visible: OrvaneHost.pluginOpen
    }

    Rectangle {
        id: busyOverlay
        objectName: window.objectName + "_busyOverlay"
        anchors.fill: parent
        visible: OrvaneHost.busy
        color: "#80f4f6f8"

        BusyIndicator {
            objectName: busyOverlay.objectName + "_indicator"
            anchors.centerIn: parent
            running: busyOverlay.visible
        }

        MouseArea {
            objectName: busyOverlay.objectName + "_blocker"
            anchors.fill: parent
        }
    }
}
