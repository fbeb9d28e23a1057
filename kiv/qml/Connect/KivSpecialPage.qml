import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Popup"

// Internal functions for service staff (access level 1 and 2).
CustomContentFrame {
    id: frame
    objectName: "Special"
    title: qsTr("Veltaron internals")

    readonly property var bootLoader: Kiv.bootLoader
    readonly property string unitSwitchText: Kiv.unitSystem === 1 ? qsTr("Si auf Imp umstellen")
                                           : Kiv.unitSystem === 2 ? qsTr("Imp auf Si umstellen")
                                                                  : qsTr("Unbekannt")

    // A chosen file URL as a local path; other platforms keep what they were given.
    function localPath(url) {
        let path = url.toString()
        if (Qt.platform.os === "windows")
            path = path.replace(/^file:\/\/\//, "")
        else
            path = path.replace(/^file:\/\//, "")
        return decodeURIComponent(path)
    }

    ColumnLayout {
        id: layout
        objectName: frame.objectName + "Layout"
        width: parent.width
        spacing: 12

        Text {
            objectName: frame.objectName + "NoDevice"
            Layout.fillWidth: true
            visible: !Kiv.connected
            text: qsTr("Keine Verbindung mit einem Gerät!")
            color: Style.textMuted
            font.pixelSize: frame.fontSize
        }

        GridLayout {
            id: actions
            objectName: frame.objectName + "Actions"
            Layout.fillWidth: true
            visible: Kiv.connected
            columns: width > 480 ? 2 : 1
            columnSpacing: 10
            rowSpacing: 10

            CustomButton {
                objectName: frame.objectName + "UnitButton"
                Layout.fillWidth: true
                primary: false
                text: frame.unitSwitchText
                enabled: Kiv.unitSystem === 1 || Kiv.unitSystem === 2
                onClicked: Kiv.updateUnitByApp(Kiv.unitSystem === 1 ? 2 : 1)
            }
            CustomButton {
                objectName: frame.objectName + "FactoryResetButton"
                Layout.fillWidth: true
                primary: false
                text: qsTr("Auf Werkseinstellungen zurücksetzen!")
                onClicked: Kiv.factoryReset = true
            }
            CustomButton {
                objectName: frame.objectName + "FirmwareButton"
                Layout.fillWidth: true
                primary: false
                text: qsTr("Firmwareupdate")
                onClicked: fileDialog.open()
            }
            CustomButton {
                objectName: frame.objectName + "ReloadButton"
                Layout.fillWidth: true
                primary: false
                text: qsTr("Neu auslesen")
                onClicked: Kiv.forceReloadAllData()
            }
        }

        CustomButton {
            objectName: frame.objectName + "ConnectButton"
            Layout.alignment: Qt.AlignRight
            danger: Kiv.connected
            text: Kiv.connected ? qsTr("Verbindung trennen") : qsTr("Verbinden")
            onClicked: Kiv.connected ? Kiv.disconnectDevice() : Kiv.connectDevice()
        }
    }

    SelectFileDialog {
        id: fileDialog
        objectName: frame.objectName + "FileDialog"
        title: qsTr("Bitte specifizieren Sie die Updatedatei")
        nameFilters: [qsTr("bin files (*.bin)")]
        onAccepted: {
            const path = frame.localPath(selectedFile)
            if (!path.endsWith("bin"))
                return
            updatePopup.open()
            Kiv.bootLoader.loadFile(path)
        }
    }

    CustomConnectAndLoadPopup {
        id: updatePopup
        objectName: frame.objectName + "UpdatePopup"
        title: qsTr("Firmwareupdate")
        text: qsTr("Die Firmware wird übertragen …")
        value: frame.bootLoader ? frame.bootLoader.curProgress : 0
        maximum: frame.bootLoader ? frame.bootLoader.maxProgress : 0
        // The boot loader reports a stalled transfer itself; this only catches a lost link object.
        timeoutMs: 600000

        Text {
            objectName: updatePopup.objectName + "Rate"
            Layout.fillWidth: true
            Layout.bottomMargin: 20
            readonly property real rate: frame.bootLoader ? frame.bootLoader.bytesPerSec : 0
            text: rate > 0 ? qsTr("%1 Byte/s, noch etwa %2 s").arg(Math.round(rate))
                                                            .arg(frame.bootLoader.remainingTime)
                           : qsTr("Der Bootloader des Geräts wird gestartet …")
            color: Style.textMuted
            font.pixelSize: Style.small(updatePopup.fontSize)
            wrapMode: Text.WordWrap
        }
    }

    CustomPopup {
        id: updateErrorPopup
        objectName: frame.objectName + "UpdateErrorPopup"
        title: qsTr("Firmwareupdate fehlgeschlagen")
        headerColor: Style.danger
        acceptText: qsTr("OK")
        onAcceptClicked: close()
    }

    function showUpdateError(message) {
        updatePopup.close()
        updateErrorPopup.text = message
        updateErrorPopup.open()
    }

    Connections {
        target: frame.bootLoader
        ignoreUnknownSignals: true
        function onBootLoaderFinished() { updatePopup.close() }
        function onErrorFileUnavailable() {
            frame.showUpdateError(qsTr("Die Updatedatei fehlt, ist leer oder kann nicht gelesen werden."))
        }
        function onErrorCouldNotStartBL() {
            frame.showUpdateError(qsTr("Der Bootloader des Geräts meldet sich nicht. Bitte Verbindung prüfen und das Update erneut starten."))
        }
        function onErrorUploadInterrupted() {
            frame.showUpdateError(qsTr("Die Übertragung der Firmware wurde unterbrochen. Das Gerät bleibt im Bootloader; bitte das Update erneut starten."))
        }
    }

    Component.onCompleted: Kiv.doPoll = false
}
