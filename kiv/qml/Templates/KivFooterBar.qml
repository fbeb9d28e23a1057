import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// Mobile footer with one button per sub-page of a group.
Rectangle {
    id: footer
    objectName: "KivFooterBar"

    // The group page and its entries: [{ page, text, icon }].
    property int group: -1
    property int current: -1
    property var entries: []
    property real fontSize: 15

    color: Style.slate

    RowLayout {
        id: row
        objectName: footer.objectName + "Row"
        anchors.fill: parent
        spacing: 0

        Repeater {
            id: buttons
            objectName: footer.objectName + "Buttons"
            model: footer.entries

            AbstractButton {
                id: button
                objectName: buttons.objectName + index
                Layout.fillWidth: true
                Layout.fillHeight: true
                readonly property bool selected: footer.current === modelData.page
                onClicked: KivPageManager.setIndexByGroup(footer.group, modelData.page)

                background: Rectangle {
                    objectName: button.objectName + "Background"
                    color: button.selected ? Style.slateLight : "transparent"
                }
                contentItem: Column {
                    objectName: button.objectName + "Column"
                    topPadding: 4
                    spacing: 2
                    Image {
                        objectName: button.objectName + "Icon"
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: button.height * 0.45
                        height: width
                        source: "qrc:/images/NavigationIcons/" + modelData.icon
                        sourceSize.width: 48
                        sourceSize.height: 48
                    }
                    Text {
                        objectName: button.objectName + "Text"
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: modelData.text
                        color: button.selected ? "#FFFFFF" : Style.slateText
                        font.pixelSize: Style.small(footer.fontSize)
                    }
                }
            }
        }
    }
}
