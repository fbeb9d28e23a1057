import QtQuick
import "qrc:/Dependencies/Mirrel/qml/General"

// Bluetooth connection; KIV builds without a Bluetooth back end show a note only.
CustomContentFrame {
    id: frame
    objectName: "Bluetooth"
    title: qsTr("Bluetooth")

    CustomBluetoothPage {
        id: list
        objectName: frame.objectName + "List"
        width: parent.width
        btDevice: BtDevice
        fontSize: frame.fontSize
        onDeviceChosen: function(address) {
            if (!Kiv.connected) {
                Kiv.connectDevice(address)
                return
            }
            // Another device is connected: store, drop it, then connect the new one.
            Kiv.testMode = false
            Kiv.forceEepromWrite()
            switchTimer.address = address
            switchTimer.step = 0
            switchTimer.restart()
        }
    }

    Timer {
        id: switchTimer
        objectName: frame.objectName + "SwitchTimer"
        property string address: ""
        property int step: 0
        interval: 10
        onTriggered: {
            if (step === 0) {
                if (BtDevice)
                    BtDevice.disconnectFromDevice()
                Kiv.disconnectDevice()
                step = 1
                restart()
            } else {
                Kiv.connectDevice(address)
            }
        }
    }

    Component.onCompleted: {
        Kiv.verbindungsMode = 1
        if (BtDevice)
            BtDevice.startManualScan()
    }
}
