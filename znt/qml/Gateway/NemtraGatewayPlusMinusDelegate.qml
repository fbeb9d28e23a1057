import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// One filter entry, edited as hexadecimal; the list's last entry also carries "+" and "-".
RowLayout {
    id: row
    objectName: "NemtraGatewayPlusMinusDelegate"

    property real fontSize: 15
    property string description: ""
    property int bytes: 0
    property bool full: false
    property bool last: false
    property bool removable: false
    property QtObject prop: null

    signal add()
    signal remove()

    spacing: 16

    NemtraFormLabel {
        objectName: row.objectName + "Label"
        fontSize: row.fontSize
        text: row.description
    }
    NemtraHexField {
        id: value
        objectName: row.objectName + "Value"
        Layout.fillWidth: true
        fontSize: row.fontSize
        prop: row.prop
        field.placeholderText: "0".repeat(Math.max(1, row.bytes) * 2)
    }
    // The same room on every row keeps the value fields of a list equally wide.
    Row {
        Layout.preferredWidth: 108
        spacing: 12
        CustomButton {
            objectName: row.objectName + "Add"
            visible: row.last
            enabled: !row.full
            text: "+"
            fontSize: row.fontSize
            implicitWidth: 48
            onClicked: row.add()
        }
        CustomButton {
            objectName: row.objectName + "Remove"
            visible: row.last
            enabled: row.removable
            primary: false
            text: "-"
            fontSize: row.fontSize
            implicitWidth: 48
            onClicked: row.remove()
        }
    }
}
