import QtQuick
import "MirrelStyle.js" as Style

// A white card that groups related content on a page; children go into the padded area.
Rectangle {
    id: frame
    objectName: "CustomContentFrame"

    property string title: ""
    property real fontSize: 15
    default property alias content: body.data

    implicitHeight: body.childrenRect.height + body.y + 16
    color: Style.surface
    radius: Style.radius
    border.color: Style.border
    border.width: 1

    Text {
        id: heading
        objectName: frame.objectName + "Title"
        visible: frame.title.length > 0
        x: 16
        y: 12
        width: frame.width - 32
        text: frame.title
        font.pixelSize: Style.small(frame.fontSize)
        font.bold: true
        font.capitalization: Font.AllUppercase
        font.letterSpacing: 0.8
        color: Style.teal
        elide: Text.ElideRight
    }

    Item {
        id: body
        objectName: frame.objectName + "Body"
        x: 16
        y: heading.visible ? heading.y + heading.height + 10 : 16
        width: frame.width - 32
        height: childrenRect.height
    }
}
