import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../General/MirrelStyle.js" as Style

// Mobile footer of the save/load page: switches between saving and loading.
Rectangle {
    id: footer
    objectName: "CustomFooterSaveLoad"

    property bool saveSelected: true
    property url saveIcon: ""
    property url loadIcon: ""
    property real fontSize: 15
    signal saveClicked()
    signal loadClicked()

    color: Style.slate

    RowLayout {
        id: row
        objectName: footer.objectName + "Row"
        anchors.fill: parent
        spacing: 0

        Repeater {
            id: buttons
            objectName: footer.objectName + "Buttons"
            model: [
                { name: "Save", text: qsTr("Speichern"), icon: footer.saveIcon, selected: footer.saveSelected },
                { name: "Load", text: qsTr("Laden"), icon: footer.loadIcon, selected: !footer.saveSelected }
            ]

            AbstractButton {
                id: button
                objectName: footer.objectName + modelData.name + "Button"
                Layout.fillWidth: true
                Layout.fillHeight: true
                onClicked: modelData.name === "Save" ? footer.saveClicked() : footer.loadClicked()

                background: Rectangle {
                    objectName: button.objectName + "Background"
                    color: modelData.selected ? Style.slateLight : "transparent"
                }
                contentItem: Column {
                    objectName: button.objectName + "Column"
                    topPadding: 6
                    spacing: 2
                    Image {
                        objectName: button.objectName + "Icon"
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: button.height * 0.45
                        height: width
                        source: modelData.icon
                        sourceSize.width: 48
                        sourceSize.height: 48
                    }
                    Text {
                        objectName: button.objectName + "Text"
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: modelData.text
                        color: modelData.selected ? "#FFFFFF" : Style.slateText
                        font.pixelSize: Style.small(footer.fontSize)
                    }
                }
            }
        }
    }
}
