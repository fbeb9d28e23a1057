import QtQuick
import QtQuick.Controls.Basic
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// A register property edited as hexadecimal text (references, keys, masks). With showBinary the
// bits are shown below as well.
Item {
    id: root
    objectName: "NemtraHexField"

    property QtObject prop: null
    property real fontSize: 15
    property bool showBinary: false
    // Keys and EUIs are shown and entered byte-reversed.
    property bool byteReversed: false
    property bool editable: true
    property string message: ""
    readonly property alias field: input

    function reverseBytes(hex) {
        const clean = String(hex).replace(/[\s:-]/g, "")
        let out = []
        for (let i = clean.length; i > 0; i -= 2)
            out.push(clean.substring(Math.max(0, i - 2), i))
        return out.join("")
    }
    function shownText() {
        if (!prop)
            return ""
        const hex = String(prop.hexValue).toUpperCase()
        return byteReversed ? reverseBytes(hex) : hex
    }
    function apply() {
        if (!prop) {
            message = qsTr("Ohne Property")
            return false
        }
        let typed = String(input.text).trim().replace(/^0x/i, "")
        if (!/^[0-9a-fA-F\s:-]*$/.test(typed) || typed.replace(/[\s:-]/g, "").length === 0) {
            message = qsTr("Ungültige eingabe!")
            input.text = shownText()
            return false
        }
        if (byteReversed)
            typed = reverseBytes(typed)
        if (!prop.fromHex(typed)) {
            message = qsTr("Ungültige eingabe!")
            input.text = shownText()
            return false
        }
        message = ""
        input.text = shownText()
        return true
    }

    implicitWidth: 260
    implicitHeight: column.implicitHeight

    Column {
        id: column
        width: root.width
        spacing: 4

        TextField {
            id: input
            objectName: root.objectName + "Input"
            width: root.width
            text: root.shownText()
            readOnly: !root.editable || root.prop === null || root.prop.readOnly
            font.pixelSize: root.fontSize
            font.family: "monospace"
            selectByMouse: true
            color: Style.text
            onAccepted: root.apply()
            onEditingFinished: if (!readOnly && text !== root.shownText()) root.apply()
            background: Rectangle {
                radius: Style.radius
                color: input.readOnly ? Style.background : Style.surface
                border.width: input.activeFocus ? 2 : 1
                border.color: root.message !== "" ? Style.danger : input.activeFocus ? Style.teal : Style.border
            }
            Connections {
                target: root.prop
                ignoreUnknownSignals: true
                function onRawValueChanged() { if (!input.activeFocus) input.text = root.shownText() }
            }
        }
        Text {
            objectName: root.objectName + "Binary"
            visible: root.showBinary && root.prop !== null
            text: root.prop ? Number(root.prop.rawValue).toString(2).padStart(16, "0").replace(/(\d{4})(?=\d)/g, "$1 ") : ""
            font.pixelSize: root.fontSize * 0.9
            font.family: "monospace"
            color: Style.textMuted
        }
        Text {
            objectName: root.objectName + "Message"
            visible: root.message !== ""
            text: root.message
            color: Style.danger
            font.pixelSize: root.fontSize * 0.9
        }
    }
}
