import QtQuick
import "../General/MirrelStyle.js" as Style

// Title line on top of a page: the title in capitals with an accent rule below.
Item {
    id: header
    objectName: "CustomPageHeader"

    property string text: ""
    property string subText: ""
    property real fontSize: 15

    implicitHeight: column.implicitHeight + 14

    Column {
        id: column
        objectName: header.objectName + "Column"
        width: parent.width
        spacing: 4

        Text {
            id: title
            objectName: header.objectName + "Title"
            width: parent.width
            text: header.text
            font.pixelSize: Style.title(header.fontSize)
            font.bold: true
            font.letterSpacing: 1.2
            color: Style.text
            elide: Text.ElideRight
        }

        Text {
            id: sub
            objectName: header.objectName + "SubText"
            width: parent.width
            visible: header.subText.length > 0
            text: header.subText
            font.pixelSize: Style.small(header.fontSize)
            color: Style.textMuted
            elide: Text.ElideRight
        }

        Rectangle {
            id: rule
            objectName: header.objectName + "Rule"
            width: 48
            height: 3
            radius: 1.5
            color: Style.teal
        }
    }
}
