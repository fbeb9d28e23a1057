import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "MirrelStyle.js" as Style

// The serial connection form: port choice (listed ports or a typed path) and the fixed line
// parameters. Only the port and the connect button can be used while disconnected.
ColumnLayout {
    id: form
    objectName: "CustomRs485Page"

    // Stored serial parameters (portName, deviceID, baudrate, parity, stopbit, databit).
    property var settings: null
    // The port enumerator (PortList, refresh(), addPort(path)).
    property var portInfo: null
    property bool connected: false
    property bool busy: false
    property real fontSize: 15
    readonly property string selectedPort: portBox.editText.trim()

    signal connectClicked()
    signal disconnectClicked()

    spacing: 14

    function parityText(parity) {
        switch (parity) {
        case 0: return qsTr("Keine")
        case 2: return qsTr("Gerade")
        case 3: return qsTr("Ungerade")
        default: return String(parity)
        }
    }

    // Makes the typed or chosen port the stored one; a typed path is added to the list when it exists.
    function commitPort() {
        const port = selectedPort
        if (port.length === 0) {
            hint.text = qsTr("Bitte einen Anschluss wählen oder einen Pfad eingeben.")
            return false
        }
        if (portInfo && portInfo.PortList.indexOf(port) < 0 && !portInfo.addPort(port)) {
            hint.text = qsTr("Unter %1 wurde kein Anschluss gefunden.").arg(port)
            return false
        }
        hint.text = ""
        if (settings)
            settings.portName = port
        return true
    }

    GridLayout {
        id: grid
        objectName: form.objectName + "Grid"
        Layout.fillWidth: true
        columns: 2
        columnSpacing: 16
        rowSpacing: 10

        Text {
            objectName: grid.objectName + "PortLabel"
            text: qsTr("Anschluss")
            font.pixelSize: form.fontSize
            color: Style.text
        }

        RowLayout {
            id: portRow
            objectName: grid.objectName + "PortRow"
            Layout.fillWidth: true
            spacing: 8

            ComboBox {
                id: portBox
                objectName: form.objectName + "PortBox"
                Layout.fillWidth: true
                editable: true
                enabled: !form.connected && !form.busy
                font.pixelSize: form.fontSize
                model: form.portInfo ? form.portInfo.PortList : []
                Component.onCompleted: {
                    const stored = form.settings ? form.settings.portName : ""
                    if (stored.length > 0)
                        editText = stored
                }
            }

            Button {
                id: refreshButton
                objectName: form.objectName + "RefreshButton"
                enabled: !form.connected && !form.busy
                text: qsTr("Aktualisieren")
                font.pixelSize: Style.small(form.fontSize)
                onClicked: if (form.portInfo) form.portInfo.refresh()
            }
        }

        Text {
            objectName: grid.objectName + "IdLabel"
            text: qsTr("Geräte-ID")
            font.pixelSize: form.fontSize
            color: Style.textMuted
        }
        TextField {
            objectName: form.objectName + "IdField"
            Layout.fillWidth: true
            enabled: false
            font.pixelSize: form.fontSize
            text: form.settings ? String(form.settings.deviceID) : ""
        }

        Text {
            objectName: grid.objectName + "BaudLabel"
            text: qsTr("Baudrate")
            font.pixelSize: form.fontSize
            color: Style.textMuted
        }
        TextField {
            objectName: form.objectName + "BaudField"
            Layout.fillWidth: true
            enabled: false
            font.pixelSize: form.fontSize
            text: form.settings ? String(form.settings.baudrate) : ""
        }

        Text {
            objectName: grid.objectName + "ParityLabel"
            text: qsTr("Parität")
            font.pixelSize: form.fontSize
            color: Style.textMuted
        }
        TextField {
            objectName: form.objectName + "ParityField"
            Layout.fillWidth: true
            enabled: false
            font.pixelSize: form.fontSize
            text: form.settings ? form.parityText(form.settings.parity) : ""
        }

        Text {
            objectName: grid.objectName + "FrameLabel"
            text: qsTr("Datenbits / Stoppbits")
            font.pixelSize: form.fontSize
            color: Style.textMuted
        }
        TextField {
            objectName: form.objectName + "FrameField"
            Layout.fillWidth: true
            enabled: false
            font.pixelSize: form.fontSize
            text: form.settings ? form.settings.databit + " / " + form.settings.stopbit : ""
        }
    }

    Text {
        id: hint
        objectName: form.objectName + "Hint"
        Layout.fillWidth: true
        visible: text.length > 0
        color: Style.danger
        font.pixelSize: Style.small(form.fontSize)
        wrapMode: Text.WordWrap
    }

    CustomButton {
        id: connectButton
        objectName: form.objectName + "ConnectButton"
        Layout.alignment: Qt.AlignRight
        enabled: !form.busy
        danger: form.connected
        text: form.connected ? qsTr("Verbindung trennen") : qsTr("Verbinden")
        fontSize: form.fontSize
        onClicked: {
            if (form.connected)
                form.disconnectClicked()
            else if (form.commitPort())
                form.connectClicked()
        }
    }
}
