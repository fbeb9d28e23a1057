import QtQuick
import QtQuick.Layouts
import KivPortInfo 1.0
import ZoSettings 1.0
import "qrc:/Dependencies/Mirrel/qml/General"

// Cable connection: the port and the fixed line parameters of KIV devices.
CustomContentFrame {
    id: frame
    objectName: "Serial"
    title: qsTr("Serielle Verbindung")

    Settings {
        id: settings
        objectName: frame.objectName + "Settings"
    }

    PortInfo {
        id: ports
        objectName: frame.objectName + "Ports"
    }

    CustomRs485Page {
        id: form
        objectName: frame.objectName + "Form"
        width: parent.width
        settings: settings
        portInfo: ports
        connected: Kiv.connected
        busy: Kiv.testMode
        fontSize: frame.fontSize
        onConnectClicked: Kiv.connectDevice()
        onDisconnectClicked: Kiv.disconnectDevice()
    }

    Component.onCompleted: {
        Kiv.verbindungsMode = 0
        // KIV devices always talk at these settings.
        settings.deviceID = 1
        settings.baudrate = 115200
        settings.parity = 0
        settings.stopbit = 1
        settings.databit = 8
    }
}
