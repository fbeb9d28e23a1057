import QtQuick
import QtQuick.Controls.Basic
import "qrc:/Dependencies/Mirrel/qml/Header"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// Top bar of the mobile layout: the menu button, and one button for what is due: storing changed
// values in the device, or reading the device again.
CustomMenuHeader {
    id: header
    objectName: "NemtraMenuHeader"
    title: "ZNT"

    signal saveRequested()

    readonly property bool canSave: NemtraBackend.valuesModified
    readonly property bool canReload: NemtraBackend.connected && !canSave

    ToolButton {
        id: action
        objectName: header.objectName + "Action"
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        height: parent.height - 12
        visible: header.canSave || header.canReload
        text: header.canSave ? qsTr("Speichern") : qsTr("Neu laden")
        font.pixelSize: header.fontSize
        onClicked: {
            if (header.canSave)
                header.saveRequested()
            else
                NemtraBackend.updateAllData()
        }
        contentItem: Row {
            objectName: action.objectName + "Row"
            spacing: 6
            Image {
                objectName: action.objectName + "Warning"
                visible: header.canSave
                anchors.verticalCenter: parent.verticalCenter
                width: visible ? action.height * 0.55 : 0
                height: width
                source: "qrc:/Images/Icons/warning.png"
                sourceSize.width: 48
                sourceSize.height: 48
            }
            Text {
                objectName: action.objectName + "Text"
                anchors.verticalCenter: parent.verticalCenter
                text: action.text
                color: "#FFFFFF"
                font: action.font
            }
        }
        background: Rectangle {
            objectName: action.objectName + "Background"
            radius: Style.radius
            color: action.down ? Style.slateLight : "transparent"
            border.width: 1
            border.color: Style.slateLight
        }
    }
}
