import QtQuick
import QtQuick.Layouts
import "../General/MirrelStyle.js" as Style

// A label and its value on one line, for device information lists.
RowLayout {
    id: row
    objectName: "CustomInfoRow"

    property string label: ""
    property string value: ""
    property real fontSize: 15

    spacing: 16

    Text {
        objectName: row.objectName + "Label"
        Layout.preferredWidth: Math.min(220, Math.max(120, row.width * 0.4))
        Layout.minimumWidth: Layout.preferredWidth
        text: row.label
        color: Style.textMuted
        font.pixelSize: row.fontSize
        elide: Text.ElideRight
    }
    Text {
        objectName: row.objectName + "Value"
        Layout.fillWidth: true
        text: row.value.length > 0 ? row.value : "–"
        color: Style.text
        font.pixelSize: row.fontSize
        font.bold: true
        wrapMode: Text.WrapAnywhere
    }
}
