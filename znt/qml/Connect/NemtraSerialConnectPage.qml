import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import NemtraPortInfo 1.0
import NemtraSettings 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// USB connection: the port, the answer time-out and the retries; the line itself is fixed.
CustomContentFrame {
    id: frame
    objectName: "Serial"
    title: qsTr("USB-Verbindung")

    readonly property var timeouts: [500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500]
    readonly property var retries: [0, 1, 2, 3, 4, 5]
    readonly property int defaultTimeout: 500
    readonly property int defaultRetries: 1
    // Baud rate, parity (none), data bits, stop bits; then time-out, retries and the device ID.
    readonly property var lineParameters: [115200, 0, 8, 1]
    readonly property int deviceId: 1
    readonly property string selectedPort: portBox.editText.trim()

    function indexOrDefault(list, value, fallback) {
        const index = list.indexOf(value)
        return index >= 0 ? index : list.indexOf(fallback)
    }

    // Makes the typed or chosen port the stored one; a typed path is added when it exists.
    function commitPort() {
        const port = selectedPort
        if (port.length === 0) {
            hint.text = qsTr("Bitte einen Anschluss wählen oder einen Pfad eingeben.")
            return false
        }
        if (ports.PortList.indexOf(port) < 0 && !ports.addPort(port)) {
            hint.text = qsTr("Unter %1 wurde kein Anschluss gefunden.").arg(port)
            return false
        }
        hint.text = ""
        // A port added to the list resets the box's text; show the one just chosen again.
        const index = ports.PortList.indexOf(port)
        if (index >= 0)
            portBox.currentIndex = index
        settings.portName = port
        return true
    }

    function connectDevice() {
        // Taken before the list may change under the box.
        const port = selectedPort
        if (!commitPort())
            return
        NemtraBackend.showProgressbar = true
        NemtraBackend.connectToSerial(lineParameters.concat([timeouts[timeoutBox.currentIndex],
                                                             retries[retryBox.currentIndex], deviceId]),
                                      port)
    }

    Settings {
        id: settings
        objectName: frame.objectName + "Settings"
    }

    PortInfo {
        id: ports
        objectName: frame.objectName + "Ports"
        onPortListChanged: storeTimer.restart()
    }

    // A new port list settles before the shown name is stored.
    Timer {
        id: storeTimer
        objectName: frame.objectName + "StoreTimer"
        interval: 500
        onTriggered: if (frame.selectedPort.length > 0) settings.portName = frame.selectedPort
    }

    ColumnLayout {
        id: column
        objectName: frame.objectName + "Column"
        width: parent.width
        spacing: 10

        GridLayout {
            id: grid
            objectName: frame.objectName + "Grid"
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 16
            rowSpacing: 10

            Text {
                objectName: grid.objectName + "PortLabel"
                text: qsTr("COM-Port")
                font.pixelSize: frame.fontSize
                color: Style.text
            }

            RowLayout {
                id: portRow
                objectName: grid.objectName + "PortRow"
                Layout.fillWidth: true
                spacing: 8

                ComboBox {
                    id: portBox
                    objectName: frame.objectName + "PortBox"
                    Layout.fillWidth: true
                    editable: true
                    enabled: !NemtraBackend.connected
                    font.pixelSize: frame.fontSize
                    model: ports.PortList
                    onActivated: settings.portName = currentText
                    onAccepted: frame.commitPort()
                    Component.onCompleted: {
                        if (settings.portName.length > 0)
                            editText = settings.portName
                    }
                }

                Button {
                    id: refreshButton
                    objectName: frame.objectName + "RefreshButton"
                    Layout.preferredWidth: refreshText.advanceWidth + 2 * Math.max(leftPadding, 12)
                    enabled: !NemtraBackend.connected
                    text: qsTr("Aktualisieren")
                    font.pixelSize: Style.small(frame.fontSize)
                    onClicked: ports.refresh()

                    TextMetrics {
                        id: refreshText
                        font: refreshButton.font
                        text: refreshButton.text
                    }
                }
            }

            Text {
                objectName: grid.objectName + "TimeoutLabel"
                text: qsTr("Timeout")
                font.pixelSize: frame.fontSize
                color: Style.text
            }
            ComboBox {
                id: timeoutBox
                objectName: frame.objectName + "TimeoutBox"
                Layout.fillWidth: true
                enabled: !NemtraBackend.connected
                font.pixelSize: frame.fontSize
                model: frame.timeouts.map(ms => qsTr("%1 ms").arg(ms))
                currentIndex: frame.indexOrDefault(frame.timeouts, settings.connectTimeout, frame.defaultTimeout)
                onActivated: index => settings.connectTimeout = frame.timeouts[index]
            }

            Text {
                objectName: grid.objectName + "RetryLabel"
                text: qsTr("Wiederholungen")
                font.pixelSize: frame.fontSize
                color: Style.text
            }
            ComboBox {
                id: retryBox
                objectName: frame.objectName + "RetryBox"
                Layout.fillWidth: true
                enabled: !NemtraBackend.connected
                font.pixelSize: frame.fontSize
                model: frame.retries
                currentIndex: frame.indexOrDefault(frame.retries, settings.connectRetries, frame.defaultRetries)
                onActivated: index => settings.connectRetries = frame.retries[index]
            }
        }

        Text {
            id: hint
            objectName: frame.objectName + "Hint"
            Layout.fillWidth: true
            visible: text.length > 0 && !NemtraBackend.connected
            color: Style.danger
            font.pixelSize: Style.small(frame.fontSize)
            wrapMode: Text.WordWrap
        }

        CustomButton {
            id: connectButton
            objectName: frame.objectName + "ConnectButton"
            Layout.alignment: Qt.AlignRight
            Layout.topMargin: 4
            text: NemtraBackend.connected ? qsTr("Trennen") : qsTr("Verbinden")
            danger: NemtraBackend.connected
            fontSize: frame.fontSize
            onClicked: NemtraBackend.connected ? NemtraBackend.disconnectFromDevice() : frame.connectDevice()
        }
    }
}
