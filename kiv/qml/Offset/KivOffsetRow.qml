import QtQuick
import QtQuick.Layouts
import ZoOffsetBackend 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "../General"

// The offset of one measuring channel, accepted only inside the range allowed for its measure.
Column {
    id: row
    objectName: "KivOffsetRow"

    property var block: null
    property real fontSize: 15
    readonly property real minimum: block ? limits.getMinOffset(block.type) : 0
    readonly property real maximum: block ? limits.getMaxOffset(block.type) : 0
    // Measures without a correction range report one that does not contain zero.
    readonly property bool adjustable: block !== null && minimum <= 0 && maximum >= 0
    readonly property string unitText: block ? Kiv.unitToString(block.unit) : ""
    // Changes with the language; bindings that call into the back end for texts read it so
    // that they are evaluated again.
    readonly property string languageCode: qsTr("de", "code of the language of this translation")

    onLanguageCodeChanged: message.text = ""

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

    spacing: 6

    OffsetBackend {
        id: limits
    }

    Text {
        objectName: row.objectName + "Measure"
        width: row.width
        text: row.block && row.languageCode ? Kiv.typeToString(row.block.type) : ""
        color: Style.text
        font.pixelSize: row.fontSize
        font.bold: true
        elide: Text.ElideRight
    }
    Text {
        objectName: row.objectName + "Range"
        width: row.width
        text: row.adjustable ? qsTr("Erlaubt: %1 … %2 %3").arg(row.formatted(row.minimum))
                                   .arg(row.formatted(row.maximum)).arg(row.unitText)
                             : qsTr("Für diese Messgröße nicht einstellbar")
        color: Style.textMuted
        font.pixelSize: Style.small(row.fontSize)
        wrapMode: Text.WordWrap
    }
    Row {
        objectName: row.objectName + "Edit"
        visible: row.adjustable
        spacing: 10
        KivNumberField {
            id: field
            objectName: row.objectName + "Value"
            width: 140
            height: apply.height
            enabled: row.adjustable
            text: row.block ? String(row.block.offset) : ""
            fontSize: row.fontSize
            onAccepted: row.apply()
        }
        CustomButton {
            id: apply
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
        width: row.width
        fontSize: row.fontSize
    }
}
