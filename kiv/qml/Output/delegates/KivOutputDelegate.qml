import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "../../General"
import "../../Menu"

// One analogue output: the measurement that drives it, its measuring range and the present signal.
CustomContentFrame {
    id: card
    objectName: "KivOutputDelegate"

    // An entry of Kiv.activeChannels: the data block on this output or a placeholder.
    property var block: null
    property int outputNumber: 0
    readonly property bool assigned: block !== null && block.isValid
    readonly property string unitText: assigned ? Kiv.unitToString(block.unit) : ""

    title: qsTr("Ausgang %1").arg(outputNumber)

    function formatted(value, decimals) {
        return Number(value).toLocaleString(Qt.locale(), "f", decimals)
    }

    KivFormGrid {
        id: grid
        objectName: card.objectName + "Form"
        width: parent.width

        KivFormLabel {
            objectName: card.objectName + "SourceLabel"
            text: qsTr("Messgröße")
            fontSize: card.fontSize
        }
        KivSelectMenu {
            id: source
            objectName: card.objectName + "Source"
            Layout.fillWidth: true
            model: card.block ? card.block.otherChannels : []
            selectedIndex: card.block ? card.block.channelIndex : -1
            fontSize: card.fontSize
            // A placeholder has no block index: the back end then assigns without an old block.
            onActivated: (index) => Kiv.changeActiveChannel(card.assigned ? card.block.index : -1,
                                                            card.outputNumber, index)
        }

        KivFormLabel {
            objectName: card.objectName + "RangeLabel"
            text: qsTr("Messbereich")
            fontSize: card.fontSize
        }
        KivSelectMenu {
            id: range
            objectName: card.objectName + "Range"
            Layout.fillWidth: true
            enabled: card.assigned && count > 0
            model: card.assigned ? card.block.rangeList.map(r => r + " " + card.unitText) : []
            selectedIndex: card.assigned ? card.block.rangeIndex : -1
            displayText: currentIndex >= 0 ? currentText : (card.assigned ? qsTr("Eigener Bereich") : "–")
            fontSize: card.fontSize
            onActivated: (index) => card.block.rangeIndex = index
        }

        KivFormLabel {
            objectName: card.objectName + "SignalLabel"
            text: qsTr("Ausgangssignal")
            fontSize: card.fontSize
        }
        Text {
            objectName: card.objectName + "Signal"
            Layout.fillWidth: true
            Layout.topMargin: 4
            text: card.assigned
                  ? qsTr("%1 V · %2 mA").arg(card.formatted(card.block.voltage, 2)).arg(card.formatted(card.block.amps, 2))
                  : qsTr("nicht belegt")
            color: card.assigned ? Style.text : Style.textMuted
            font.pixelSize: card.fontSize
            font.bold: card.assigned
            wrapMode: Text.WordWrap
        }
    }
}
