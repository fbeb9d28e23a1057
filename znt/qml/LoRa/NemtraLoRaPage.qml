import QtQuick
import QtQuick.Layouts
import QtQuick.Controls.Basic
import LoRaEnums 1.0 as LoRa
import NemtraLoRaContainer 1.0
import Clipboard 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// The radio's join identity and transmission settings.
NemtraPage {
    id: page
    objectName: "NemtraLoRaPage"
    title: qsTr("LoRaWAN Parameter")

    property int revision: 0
    Connections {
        target: NemtraLoRaContainer
        function onPropertiesPassedOn() { page.revision++ }
    }
    function lora(which) { page.revision; return NemtraLoRaContainer.property(which) || null }

    Clipboard { id: clipboard }

    CustomContentFrame {
        objectName: page.objectName + "Join"
        Layout.fillWidth: true
        title: qsTr("Join")
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 10
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Device EUI:") }
            RowLayout {
                Layout.fillWidth: true
                NemtraHexField {
                    id: devEui
                    objectName: page.objectName + "DevEui"
                    Layout.fillWidth: true
                    byteReversed: true
                    fontSize: page.fontSize
                    prop: page.lora(LoRa.PropertyEnum.DeviceEui)
                    editable: false
                }
                CustomButton {
                    objectName: page.objectName + "CopyDevEui"
                    text: qsTr("Kopieren")
                    primary: false
                    fontSize: page.fontSize
                    onClicked: clipboard.text = devEui.field.text
                }
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("AppEUI:") }
            NemtraHexField {
                objectName: page.objectName + "AppEui"
                Layout.fillWidth: true
                byteReversed: true
                fontSize: page.fontSize
                prop: page.lora(LoRa.PropertyEnum.JoinEui)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("AppKey:") }
            NemtraHexField {
                objectName: page.objectName + "AppKey"
                Layout.fillWidth: true
                byteReversed: true
                fontSize: page.fontSize
                prop: page.lora(LoRa.PropertyEnum.NwkKey)
            }
        }
    }

    CustomContentFrame {
        objectName: page.objectName + "Transmission"
        Layout.fillWidth: true
        title: qsTr("Übertragung")
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 10
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Adaptive Datenrate (ADR):") }
            NemtraPropertyCombo {
                objectName: page.objectName + "Adr"
                fontSize: page.fontSize
                prop: page.lora(LoRa.PropertyEnum.AdaptiveDatarate)
                model: [qsTr("Deaktiviert"), qsTr("Aktiviert")]
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Datenrate default:") }
            NemtraPropertyCombo {
                objectName: page.objectName + "Datarate"
                fontSize: page.fontSize
                prop: page.lora(LoRa.PropertyEnum.DefaultDatarate)
                model: ["DR0/SF12", "DR1/SF11", "DR2/SF10", "DR3/SF9", "DR4/SF8", "DR5/SF7"]
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Tx Power") }
            NemtraPropertyCombo {
                objectName: page.objectName + "TxPower"
                fontSize: page.fontSize
                prop: page.lora(LoRa.PropertyEnum.TxPower)
                model: ["0", "1", "2", "3", "4", "5", "6", "7"]
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Port") }
            NemtraPropertyField {
                objectName: page.objectName + "Port"
                fontSize: page.fontSize
                prop: page.lora(LoRa.PropertyEnum.Port)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Re-Join Intervall(min):") }
            NemtraPropertyField {
                objectName: page.objectName + "ReJoin"
                fontSize: page.fontSize
                // The definition scales the register's minutes to milliseconds; the label says minutes.
                unitFactor: 60000
                prop: page.lora(LoRa.PropertyEnum.ReJoinInterval)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Retransmissions:") }
            NemtraPropertyField {
                objectName: page.objectName + "Retransmissions"
                fontSize: page.fontSize
                prop: page.lora(LoRa.PropertyEnum.Retransmissions)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Confirmation Activation:") }
            NemtraPropertyCombo {
                objectName: page.objectName + "Confirmation"
                fontSize: page.fontSize
                prop: page.lora(LoRa.PropertyEnum.ConfirmationActivation)
                model: [qsTr("Nein"), qsTr("Ja")]
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Channel Mask") }
            NemtraHexField {
                objectName: page.objectName + "ChannelMask"
                Layout.fillWidth: true
                showBinary: true
                fontSize: page.fontSize
                prop: page.lora(LoRa.PropertyEnum.ChannelMask)
            }
        }
    }
}
