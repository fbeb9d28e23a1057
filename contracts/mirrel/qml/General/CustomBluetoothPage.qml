import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "MirrelStyle.js" as Style

// Bluetooth device list. Without a Bluetooth back end it only says so.
ColumnLayout {
    id: page
    objectName: "CustomBluetoothPage"

    // The scanner (devices, startManualScan(), connectToDevice(address)); null when absent.
    property var btDevice: null
    property real fontSize: 15

    signal deviceChosen(string address)

    spacing: 12

    Text {
        objectName: page.objectName + "Unavailable"
        Layout.fillWidth: true
        visible: !page.btDevice
        text: qsTr("Bluetooth ist auf diesem System nicht verfügbar. Bitte die serielle Verbindung verwenden.")
        color: Style.textMuted
        font.pixelSize: page.fontSize
        wrapMode: Text.WordWrap
    }

    Repeater {
        id: devices
        objectName: page.objectName + "Devices"
        model: page.btDevice ? page.btDevice.devices : []

        CustomButton {
            objectName: devices.objectName + index
            Layout.fillWidth: true
            primary: false
            text: modelData.name !== undefined ? modelData.name : String(modelData)
            fontSize: page.fontSize
            onClicked: page.deviceChosen(modelData.address !== undefined ? modelData.address : String(modelData))
        }
    }
}
