import QtQuick
import QtQuick.Layouts
import DeviceInformationEnums 1.0 as Info
import LoRaEnums 1.0 as LoRa
import NemtraDeviceInformation 1.0
import NemtraLoRaContainer 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// Battery type and the device commands: reset, store, restart, service uplink.
NemtraPage {
    id: page
    objectName: "NemtraConfigPage"
    title: qsTr("Service")

    // Commands the device-information command register understands.
    readonly property int resetCommand: 1
    readonly property int storeCommand: 2
    readonly property int restartCommand: 3
    readonly property int sleepCommand: 4
    readonly property int serviceUplinkValue: 0xC000

    property int revision: 0
    Connections {
        target: NemtraDeviceInfo
        function onPropertiesPassedOn() { page.revision++ }
    }
    function info(which) { page.revision; return NemtraDeviceInfo.property(which) || null }

    function sendCommand(value) {
        const command = info(Info.PropertyEnum.Command)
        if (command)
            command.value = value
    }
    function askFor(value) {
        if (value === page.storeCommand) {
            sendCommand(value)
            return
        }
        confirm.command = value
        confirm.text = value === page.resetCommand
                ? qsTr("Gerät auf Werkseinstellungen zurücksetzen? Gerät startet im Anschluss neu")
                : NemtraBackend.valuesModified
                  ? qsTr("Diese Aktion wird einen Geräteneustart ausführen,  nicht gespeicherte Änderungen werden verloren gehen!")
                  : qsTr("Diese Aktion wird einen Geräteneustart ausführen!")
        confirm.open()
    }
    function serviceUplink() {
        const uplink = NemtraLoRaContainer.property(LoRa.PropertyEnum.ServiceUplink)
        if (uplink)
            uplink.sendWithoutMemory(page.serviceUplinkValue)
    }

    CustomContentFrame {
        objectName: page.objectName + "Battery"
        Layout.fillWidth: true
        title: qsTr("Batterie")
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Batterietyp:") }
            NemtraPropertyCombo {
                objectName: page.objectName + "BatteryType"
                fontSize: page.fontSize
                prop: page.info(Info.PropertyEnum.BatteryType)
                model: [qsTr("Keine Batterie"), qsTr("Lithium"), qsTr("Alkaline")]
            }
        }
    }

    CustomContentFrame {
        objectName: page.objectName + "Commands"
        Layout.fillWidth: true
        title: qsTr("Befehle")
        fontSize: page.fontSize
        Flow {
            width: parent.width
            spacing: 12
            CustomButton {
                objectName: page.objectName + "Reset"
                text: qsTr("Konfiguration zurücksetzen")
                danger: true
                fontSize: page.fontSize
                onClicked: page.askFor(page.resetCommand)
            }
            CustomButton {
                objectName: page.objectName + "Store"
                text: qsTr("Konfiguration speichern")
                fontSize: page.fontSize
                onClicked: page.askFor(page.storeCommand)
            }
            CustomButton {
                objectName: page.objectName + "Restart"
                text: qsTr("Geräteneustart")
                fontSize: page.fontSize
                onClicked: page.askFor(page.restartCommand)
            }
            CustomButton {
                objectName: page.objectName + "ServiceUplink"
                text: qsTr("Service Uplink auslösen")
                primary: false
                fontSize: page.fontSize
                onClicked: page.serviceUplink()
            }
        }
    }

    NemtraControlCommandPopup {
        id: confirm
        objectName: page.objectName + "Confirm"
        fontSize: page.fontSize
        onAcceptClicked: page.sendCommand(command)
    }
}
