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
    // Fixed so that the values of all rows in a list line up, whatever the row's own width.
    property real labelWidth: 200

    spacing: 16

    Text {
        objectName: row.objectName + "Label"
        Layout.preferredWidth: row.labelWidth
        Layout.minimumWidth: row.labelWidth
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
