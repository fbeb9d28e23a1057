import QtQuick
import QtQuick.Layouts
import NemtraEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// One data block of a channel.
CustomContentFrame {
    id: block
    objectName: "NemtraSensorDelegate"

    property int blockType: 0
    property var valueText: ""
    property var valueProperty: null
    property var minProperty: null
    property var maxProperty: null
    property var hysteresisProperty: null
    property var statusValue: 0
    property var disableTime: null
    property var followUpTime: null

    readonly property bool occupancy: blockType === NemtraEnum.Occupancy
    readonly property bool reed: blockType === NemtraEnum.ReedContact
    readonly property string unit: valueProperty ? valueProperty.unit : ""
    readonly property string switched: Number(statusValue) !== 0 ? qsTr("geschaltet") : qsTr("nicht geschaltet")

    GridLayout {
        width: parent.width
        columns: 2
        columnSpacing: 16
        rowSpacing: 10

        NemtraFormLabel { fontSize: block.fontSize; text: block.occupancy || block.reed ? qsTr("Status:") : qsTr("Messwert:") }
        Text {
            objectName: block.objectName + "Value"
            font.pixelSize: block.fontSize
            font.bold: true
            text: block.occupancy || block.reed ? block.switched
                                               : String(block.valueText) + (block.unit !== "" ? " " + block.unit : "")
        }

        NemtraFormLabel { fontSize: block.fontSize; visible: block.occupancy; text: qsTr("Disable-Zeit:") }
        NemtraPropertyField {
            objectName: block.objectName + "DisableTime"
            visible: block.occupancy
            fontSize: block.fontSize
            prop: block.disableTime || null
        }
        NemtraFormLabel { fontSize: block.fontSize; visible: block.occupancy; text: qsTr("Nachlaufzeit:") }
        NemtraPropertyField {
            objectName: block.objectName + "FollowUpTime"
            visible: block.occupancy
            fontSize: block.fontSize
            prop: block.followUpTime || null
        }

        NemtraFormLabel { fontSize: block.fontSize; visible: !block.occupancy && !block.reed && !!block.maxProperty; text: qsTr("Oberer Grenzwert") }
        NemtraPropertyField {
            objectName: block.objectName + "Max"
            visible: !block.occupancy && !block.reed && !!block.maxProperty
            fontSize: block.fontSize
            prop: block.maxProperty || null
        }
        NemtraFormLabel { fontSize: block.fontSize; visible: !block.occupancy && !block.reed && !!block.minProperty; text: qsTr("Unterer Grenzwert") }
        NemtraPropertyField {
            objectName: block.objectName + "Min"
            visible: !block.occupancy && !block.reed && !!block.minProperty
            fontSize: block.fontSize
            prop: block.minProperty || null
        }
        NemtraFormLabel { fontSize: block.fontSize; visible: !block.occupancy && !block.reed && !!block.hysteresisProperty; text: qsTr("Hysteresewert:") }
        NemtraPropertyField {
            objectName: block.objectName + "Hysteresis"
            visible: !block.occupancy && !block.reed && !!block.hysteresisProperty
            fontSize: block.fontSize
            prop: block.hysteresisProperty || null
        }
    }
}
