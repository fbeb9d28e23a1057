import QtQuick
import QtQuick.Controls.Basic
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// A drop-down choice in the pages' palette.
ComboBox {
    id: menu
    objectName: "KivSelectMenu"

    property real fontSize: 15
    // The entry the back end holds. A new model (a language change renews the texts) resets
    // the control's own index; it returns to this one.
    property int selectedIndex: -1

    currentIndex: selectedIndex
    onCurrentIndexChanged: if (currentIndex !== selectedIndex) currentIndex = Qt.binding(() => selectedIndex)

    implicitWidth: 260
    implicitHeight: 40
    font.pixelSize: fontSize

    background: Rectangle {
        objectName: menu.objectName + "Background"
        radius: Style.radius
        color: menu.enabled ? (menu.pressed ? "#E8ECEF" : Style.surface) : Style.background
        border.width: menu.visualFocus ? 2 : 1
        border.color: menu.visualFocus ? Style.teal : Style.border
    }
    contentItem: Text {
        objectName: menu.objectName + "Text"
        leftPadding: 12
        rightPadding: menu.indicator.width + 8
        text: menu.displayText
        font: menu.font
        color: menu.enabled ? Style.text : Style.textMuted
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    delegate: ItemDelegate {
        objectName: menu.objectName + "Option" + index
        width: menu.width
        highlighted: menu.highlightedIndex === index
        contentItem: Text {
            objectName: menu.objectName + "Option" + index + "Text"
            text: modelData
            font: menu.font
            color: index === menu.currentIndex ? Style.teal : Style.text
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
    }
}
