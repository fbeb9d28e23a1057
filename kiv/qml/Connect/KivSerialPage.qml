import QtQuick
import QtQuick.Layouts
import KivPortInfo 1.0
import ZoSettings 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// Cable connection: the port and the fixed line parameters of KIV devices. Above the form the
// adapters are listed under their stable names with what they tell about themselves, so that a
// technician with several adapters picks the right one.
CustomContentFrame {
    id: frame
    objectName: "Serial"
    title: qsTr("Serielle Verbindung")

    Settings {
        id: stored
        objectName: frame.objectName + "Settings"
    }

    PortInfo {
        id: ports
        objectName: frame.objectName + "Ports"
    }

    // The form reads the stored port only when it is created, so a choice made here renews it.
    function choose(path) {
        stored.portName = path
        formLoader.active = false
        formLoader.active = true
    }

    ColumnLayout {
        id: column
        objectName: frame.objectName + "Column"
        width: parent.width
        spacing: 10

        Text {
            objectName: frame.objectName + "PortsLabel"
            Layout.fillWidth: true
            text: ports.Ports.length > 0 ? qsTr("Gefundene Schnittstellen") : qsTr("Keine Schnittstelle gefunden")
            color: Style.textMuted
            font.pixelSize: Style.small(frame.fontSize)
        }

        Repeater {
            id: portList
            objectName: frame.objectName + "PortList"
            model: ports.Ports

            KivPortEntry {
                objectName: portList.objectName + index
                Layout.fillWidth: true
                port: modelData
                selected: ports.indexOfPort(stored.portName) === index
                enabled: !Kiv.connected && !Kiv.testMode
                fontSize: frame.fontSize
                onClicked: frame.choose(modelData.path)
            }
        }

        Loader {
            id: formLoader
            objectName: frame.objectName + "FormLoader"
            Layout.fillWidth: true
            Layout.topMargin: 6
            active: false
            sourceComponent: CustomRs485Page {
                objectName: frame.objectName + "Form"
                settings: stored
                portInfo: ports
                connected: Kiv.connected
                busy: Kiv.testMode
                fontSize: frame.fontSize
                onConnectClicked: Kiv.connectDevice()
                onDisconnectClicked: Kiv.disconnectDevice()
            }
        }
    }

    Component.onCompleted: {
        Kiv.verbindungsMode = 0
        // KIV devices always talk at these settings.
        stored.deviceID = 1
        stored.baudrate = 115200
        stored.parity = 0
        stored.stopbit = 1
        stored.databit = 8
        // The adapter of the last device is offered again once it is back (under any name).
        const last = ports.indexOfPort(stored.readLastPort())
        if (!Kiv.connected && last >= 0)
            stored.portName = ports.PortList[last]
        formLoader.active = true
    }
}
