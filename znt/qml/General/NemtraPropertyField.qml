import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// A number field bound to one register property. Input outside the property's limits is
// refused with a message and the shown value stays the device's.
TextField {
    id: field
    objectName: "NemtraPropertyField"

    property QtObject prop: null
    property real fontSize: 15
    // Shown value = property value / unitFactor, for a label whose unit differs from the
    // definition's (a value kept in milliseconds shown in minutes).
    property real unitFactor: 1
    // Set when the last input was refused; empty otherwise.
    property string message: ""

    function shownText() {
        if (!prop)
            return ""
        return Number(prop.value / unitFactor).toFixed(Math.max(0, prop.decimals))
    }

    // Checks and applies the text; returns true when the property took it.
    function apply() {
        if (!prop) {
            message = qsTr("Ohne Property")
            return false
        }
        const normalised = String(text).trim().replace(",", ".")
        if (!/^[-+]?(\d+\.?\d*|\.\d+)$/.test(normalised)) {
            message = qsTr("Ungültige eingabe!")
            text = shownText()
            return false
        }
        const number = Number(normalised) * unitFactor
        // Equal limits mean the definition sets none.
        if (prop.minimum < prop.maximum && (number < prop.minimum || number > prop.maximum)) {
            message = qsTr("Wert muss zwischen %1 und %2 liegen!").arg(prop.minimum / unitFactor).arg(prop.maximum / unitFactor)
            text = shownText()
            return false
        }
        message = ""
        prop.value = number
        text = shownText()
        return true
    }

    text: shownText()
    readOnly: prop === null || prop.readOnly
    implicitWidth: 160
    Layout.minimumWidth: 72
    Layout.maximumWidth: implicitWidth
    font.pixelSize: fontSize
    selectByMouse: true
    inputMethodHints: Qt.ImhFormattedNumbersOnly
    color: Style.text
    ToolTip.visible: message !== "" && activeFocus
    ToolTip.text: message
    onAccepted: apply()
    onEditingFinished: if (!readOnly && text !== shownText()) apply()

    Connections {
        target: field.prop
        ignoreUnknownSignals: true
        function onValueChanged() { if (!field.activeFocus) field.text = field.shownText() }
    }

    background: Rectangle {
        objectName: field.objectName + "Background"
        radius: Style.radius
        color: field.readOnly ? Style.background : Style.surface
        border.width: field.activeFocus ? 2 : 1
        border.color: field.message !== "" ? Style.danger : field.activeFocus ? Style.teal : Style.border
    }
}
