import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "../../General"
import "../../Menu"

// One relay: the measurement it follows, its switching thresholds and the hysteresis.
CustomContentFrame {
    id: card
    objectName: "KivRelaisCard"

    property var relay: null
    property int relayNumber: 0
    // The data block the relay follows (channel n is the n-th measurement), if any.
    readonly property var block: relay && relay.channel > 0 && relay.channel <= Kiv.dataBlocks.length
                                 ? Kiv.dataBlocks[relay.channel - 1] : null
    readonly property string unitText: block ? Kiv.unitToString(block.unit) : ""

    // Changes with the language; the measurement names come from the back end and are read again.
    readonly property string languageCode: qsTr("de", "code of the language of this translation")

    title: qsTr("Relais %1").arg(relayNumber)
    onLanguageCodeChanged: message.text = ""

    function sources(language) {
        let list = [qsTr("Aus")]
        const blocks = Kiv.dataBlocks
        for (let i = 0; i < blocks.length; ++i)
            list.push(qsTr("%1: %2").arg(i + 1).arg(Kiv.typeToString(blocks[i].type)))
        return list
    }

    // Checks one edited value and hands it to the relay; false leaves everything as it was.
    function apply(field, message, property, integerOnly) {
        const value = field.number
        if (isNaN(value)) {
            message.text = qsTr("Bitte eine Zahl eingeben.")
            return false
        }
        if (integerOnly && (!Number.isInteger(value) || value < 0)) {
            message.text = qsTr("Bitte eine ganze Zahl ab 0 eingeben.")
            return false
        }
        message.text = ""
        card.relay[property] = value
        return true
    }

    ColumnLayout {
        objectName: card.objectName + "Column"
        width: parent.width
        spacing: 6

        KivFormGrid {
            objectName: card.objectName + "Form"
            Layout.fillWidth: true

            KivFormLabel {
                objectName: card.objectName + "ChannelLabel"
                text: qsTr("Messgröße")
                fontSize: card.fontSize
            }
            KivSelectMenu {
                objectName: card.objectName + "Channel"
                Layout.fillWidth: true
                enabled: card.relay !== null
                model: card.sources(card.languageCode)
                selectedIndex: card.relay ? card.relay.channel : -1
                displayText: currentIndex >= 0 ? currentText : "–"
                fontSize: card.fontSize
                onActivated: (index) => card.relay.channel = index
            }

            KivFormLabel {
                objectName: card.objectName + "OnLabel"
                text: card.unitText.length > 0 ? qsTr("Einschaltschwelle [%1]").arg(card.unitText)
                                               : qsTr("Einschaltschwelle")
                fontSize: card.fontSize
            }
            KivNumberField {
                id: onField
                objectName: card.objectName + "On"
                Layout.fillWidth: true
                enabled: card.relay !== null
                text: card.relay ? String(card.relay.threshold1) : ""
                fontSize: card.fontSize
                onEditingFinished: card.apply(onField, message, "threshold1", false)
            }

            KivFormLabel {
                objectName: card.objectName + "OffLabel"
                text: card.unitText.length > 0 ? qsTr("Ausschaltschwelle [%1]").arg(card.unitText)
                                               : qsTr("Ausschaltschwelle")
                fontSize: card.fontSize
            }
            KivNumberField {
                id: offField
                objectName: card.objectName + "Off"
                Layout.fillWidth: true
                enabled: card.relay !== null
                text: card.relay ? String(card.relay.threshold2) : ""
                fontSize: card.fontSize
                onEditingFinished: card.apply(offField, message, "threshold2", false)
            }

            KivFormLabel {
                objectName: card.objectName + "HysteresisLabel"
                text: qsTr("Hysterese")
                fontSize: card.fontSize
            }
            KivNumberField {
                id: hysteresisField
                objectName: card.objectName + "Hysteresis"
                Layout.fillWidth: true
                enabled: card.relay !== null
                text: card.relay ? String(card.relay.hysteresis) : ""
                fontSize: card.fontSize
                onEditingFinished: card.apply(hysteresisField, message, "hysteresis", true)
            }
        }

        KivMessageText {
            id: message
            objectName: card.objectName + "Message"
            fontSize: card.fontSize
        }
    }
}
