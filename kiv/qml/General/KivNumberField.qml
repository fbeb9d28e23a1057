import QtQuick
import QtQuick.Controls.Basic
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// A text field for a number; accepts a decimal comma as well as a point.
TextField {
    id: field
    objectName: "KivNumberField"

    property real fontSize: 15
    // The typed number, or NaN when the text is not one.
    readonly property real number: parse(text)

    function parse(value) {
        const normalised = String(value).trim().replace(",", ".")
        if (!/^[-+]?(\d+\.?\d*|\.\d+)$/.test(normalised))
            return NaN
        return Number(normalised)
    }

    implicitWidth: 140
    font.pixelSize: fontSize
    selectByMouse: true
    inputMethodHints: Qt.ImhFormattedNumbersOnly
    color: Style.text
    background: Rectangle {
        objectName: field.objectName + "Background"
        radius: Style.radius
        color: field.enabled ? Style.surface : Style.background
        border.width: field.activeFocus ? 2 : 1
        border.color: field.activeFocus ? Style.teal : Style.border
    }
}
