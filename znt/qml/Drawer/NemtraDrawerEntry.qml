import QtQuick
import QtQuick.Controls.Basic
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// One line of the drawer: a marker bar when selected, the text, hover feedback.
AbstractButton {
    id: entry
    objectName: "NemtraDrawerEntry"

    property bool highlighted: false
    property real fontSize: 15
    property real indent: 0
    hoverEnabled: true

    background: Rectangle {
        objectName: entry.objectName + "Background"
        color: entry.highlighted ? Style.slateLight : (entry.hovered ? "#36444F" : "transparent")

        Rectangle {
            objectName: entry.objectName + "Marker"
            visible: entry.highlighted
            width: 4
            height: parent.height
            color: Style.teal
        }
    }

    contentItem: Text {
        objectName: entry.objectName + "Text"
        leftPadding: 20 + entry.indent
        rightPadding: 12
        verticalAlignment: Text.AlignVCenter
        text: entry.text
        color: entry.highlighted ? "#FFFFFF" : Style.slateText
        font.pixelSize: entry.fontSize
        font.bold: entry.highlighted
        elide: Text.ElideRight
    }
}
