import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// Mobile footer of a page group: one button per sub-page the drawer offers for it.
Rectangle {
    id: footer
    objectName: "NemtraFooterBar"

    property int group: -1
    property int current: -1
    property real fontSize: 15
    // Bumped when the device changes, so that the sub-pages are asked for again.
    property int generation: 0

    color: Style.slate

    Connections {
        target: NemtraPageManager
        function onForceAModelReset() { footer.generation++ }
    }

    RowLayout {
        objectName: footer.objectName + "Row"
        anchors.fill: parent
        spacing: 0

        Repeater {
            id: buttons
            objectName: footer.objectName + "Buttons"
            model: footer.generation >= 0 ? NemtraPageManager.modelTop.relatedChildrenModels(footer.group) : null

            AbstractButton {
                id: button
                objectName: buttons.objectName + pageIndexRole
                Layout.fillWidth: true
                Layout.fillHeight: true
                readonly property bool selected: footer.current === pageIndexRole
                onClicked: NemtraPageManager.setIndexByGroup(footer.group, pageIndexRole)

                background: Rectangle {
                    objectName: button.objectName + "Background"
                    color: button.selected ? Style.slateLight : "transparent"
                }
                contentItem: Text {
                    objectName: button.objectName + "Text"
                    text: textRole
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    color: button.selected ? "#FFFFFF" : Style.slateText
                    font.pixelSize: Style.small(footer.fontSize)
                    font.bold: button.selected
                    elide: Text.ElideRight
                }
            }
        }
    }
}
