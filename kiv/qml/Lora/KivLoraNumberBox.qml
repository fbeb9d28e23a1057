import QtQuick
import QtQuick.Controls.Basic

// A whole-number entry whose value follows the device; a change by the user is handed on.
SpinBox {
    id: box
    objectName: "KivLoraNumberBox"

    // [minimum, maximum]
    property var range: [0, 0]
    property int deviceValue: 0
    property real fontSize: 15

    signal committed(int value)

    editable: true
    font.pixelSize: fontSize
    from: range[0]
    to: range[1]
    value: deviceValue
    // Device values are plain numbers, without a thousands separator.
    textFromValue: (number) => String(number)
    valueFromText: (text) => parseInt(text, 10)
    onValueModified: committed(value)
}
