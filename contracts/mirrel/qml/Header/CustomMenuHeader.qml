import QtQuick
import QtQuick.Controls.Basic
import "../General/MirrelStyle.js" as Style

// Top bar of the mobile layout: a menu button that opens the drawer and the plugin's name.
Rectangle {
    id: header
    objectName: "CustomMenuHeader"

    property string title: ""
    property url logoSource: ""
    property real fontSize: 15
    signal menuClicked()

    color: Style.slate

    ToolButton {
        id: menuButton
        objectName: header.objectName + "MenuButton"
        anchors.left: parent.left
        anchors.leftMargin: 4
        anchors.verticalCenter: parent.verticalCenter
        width: height
        height: parent.height - 8
        onClicked: header.menuClicked()

        contentItem: Column {
            objectName: menuButton.objectName + "Bars"
            spacing: 5
            topPadding: (menuButton.height - 3 * 3 - 2 * 5) / 2
            Repeater {
                objectName: menuButton.objectName + "Repeater"
                model: 3
                Rectangle {
                    objectName: menuButton.objectName + "Bar" + index
                    x: (menuButton.width - width) / 2
                    width: 22
                    height: 3
                    radius: 1.5
                    color: Style.slateText
                }
            }
        }
        background: Rectangle {
            objectName: menuButton.objectName + "Background"
            radius: Style.radius
            color: menuButton.down ? Style.slateLight : "transparent"
        }
    }

    Text {
        id: titleText
        objectName: header.objectName + "Title"
        anchors.left: menuButton.right
        anchors.leftMargin: 12
        anchors.right: logo.left
        anchors.verticalCenter: parent.verticalCenter
        text: header.title
        color: "#FFFFFF"
        font.pixelSize: Style.title(header.fontSize)
        font.bold: true
        elide: Text.ElideRight
    }

    Image {
        id: logo
        objectName: header.objectName + "Logo"
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        height: parent.height * 0.45
        width: visible ? height * 4 : 0
        visible: header.logoSource.toString().length > 0
        source: header.logoSource
        fillMode: Image.PreserveAspectFit
    }
}
