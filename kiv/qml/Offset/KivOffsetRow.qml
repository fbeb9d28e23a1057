import QtQuick
import QtQuick.Layouts
import ZoOffsetBackend 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "../General"

// The offset of one measuring channel, accepted only inside the range allowed for its measure.
ColumnLayout {
    id: row
    objectName: "KivOffsetRow"

    property var block: null
    property real fontSize: 15
    readonly property real minimum: block ? limits.getMinOffset(block.type) : 0
    readonly property real maximum: block ? limits.getMaxOffset(block.type) : 0
    // Measures without a correction range report one that does not contain zero.
    readonly property bool adjustable: block !== null && minimum <= 0 && maximum >= 0
    readonly property string unitText: block ? Kiv.unitToString(block.unit) : ""

    function formatted(value) {
        return Number(value).toLocaleString(Qt.locale(), "f", Number.isInteger(value) ? 0 : 3)
    }

    // Writes the typed offset when it is a whole number inside the range; otherwise says why not.
    function apply() {
        const value = field.number
        if (isNaN(value) || !Number.isInteger(value)) {
            message.text = qsTr("Bitte eine ganze Zahl eingeben.")
            return false
        }
        if (value < minimum || value > maximum) {
            message.text = qsTr("Der Korrekturfaktor muss zwischen %1 und %2 liegen.")
                               .arg(formatted(minimum)).arg(formatted(maximum))
            return false
        }
        message.text = ""
        block.offset = value
        return true
    }

    spacing: 4

    OffsetBackend {
        id: limits
    }

    GridLayout {
        objectName: row.objectName + "Grid"
        Layout.fillWidth: true
        columns: width > 520 ? 3 : 1
        columnSpacing: 12
        rowSpacing: 6

        Column {
            objectName: row.objectName + "Label"
            Layout.fillWidth: true
            spacing: 2
            Text {
                objectName: row.objectName + "Measure"
                width: parent.width
                text: row.block ? Kiv.typeToString(row.block.type) : ""
                color: Style.text
                font.pixelSize: row.fontSize
                font.bold: true
                elide: Text.ElideRight
            }
            Text {
                objectName: row.objectName + "Range"
                width: parent.width
                text: row.adjustable ? qsTr("Erlaubt: %1 … %2 %3").arg(row.formatted(row.minimum))
                                           .arg(row.formatted(row.maximum)).arg(row.unitText)
                                     : qsTr("Für diese Messgröße nicht einstellbar")
                color: Style.textMuted
                font.pixelSize: Style.small(row.fontSize)
                wrapMode: Text.WordWrap
            }
        }
        KivNumberField {
            id: field
            objectName: row.objectName + "Value"
            Layout.preferredWidth: 140
            enabled: row.adjustable
            text: row.block ? String(row.block.offset) : ""
            fontSize: row.fontSize
            onAccepted: row.apply()
        }
        CustomButton {
            objectName: row.objectName + "Apply"
            text: qsTr("Übernehmen")
            primary: false
            fontSize: row.fontSize
            enabled: row.adjustable && Kiv.connected
            onClicked: row.apply()
        }
    }

    KivMessageText {
        id: message
        objectName: row.objectName + "Message"
        fontSize: row.fontSize
    }
}
