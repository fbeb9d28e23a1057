import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import ZoSettings 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"
import "qrc:/Dependencies/Mirrel/qml/Monitoring"

// Firmware update: look up the update list for the connected device, download the newer
// images and write them into the device through its bootloader.
Rectangle {
    id: page
    objectName: "KivUpdatePage"
    color: Style.background

    property real fontSize: 15

    readonly property var setup: Kiv.deviceInfo
    readonly property var bootLoader: Kiv.bootLoader
    readonly property var offered: Download.downloadInfo
    readonly property bool downloading: Download.state !== 0
    readonly property bool uploading: bootLoader ? bootLoader.blActive : false

    // What the last check or download came to; statusKind: 0 neutral, 1 good, 2 failure.
    property string statusText: ""
    property int statusKind: 0
    property bool downloadsReady: false
    property string uploadText: ""
    property int uploadKind: 0
    property string uploadBoard: ""
    property bool addOnPending: false

    function setStatus(text, kind) {
        statusText = text
        statusKind = kind
    }

    function setUpload(text, kind) {
        uploadText = text
        uploadKind = kind
    }

    function versionNumber(text) {
        const value = parseFloat(text)
        return isNaN(value) ? 0 : value
    }

    function versionText(value) {
        return value > 0 ? value.toString() : ""
    }

    function checkForUpdate() {
        downloadsReady = false
        setStatus(qsTr("Update-Liste wird geladen …"), 0)
        settings.writeUpdateListUrl(urlField.text)
        Download.checkForUpdate(versionNumber(setup.gpVersionText), versionNumber(setup.apVersionText),
                                settings.readUpdateListUrl(), setup.deviceName)
    }

    function startUpload() {
        setUpload("", 0)
        bootLoader.updateGpAndAp()
    }

    function downloadLabel(state) {
        switch (state) {
        case 1: return qsTr("Update-Liste wird geladen …")
        case 2: return qsTr("Firmware der Hauptplatine wird geladen …")
        case 3: return qsTr("Firmware der Optionsplatine wird geladen …")
        default: return ""
        }
    }

    function bytesText(current, total) {
        return total > 0 ? qsTr("%1 von %2 kB").arg((current / 1024).toFixed(1)).arg((total / 1024).toFixed(1))
                         : qsTr("%1 kB").arg((current / 1024).toFixed(1))
    }

    function statusColor(kind) {
        return kind === 2 ? Style.danger : kind === 1 ? Style.success : Style.text
    }

    Settings {
        id: settings
        objectName: page.objectName + "Settings"
    }

    Flickable {
        id: flick
        objectName: page.objectName + "Flickable"
        anchors.fill: parent
        contentHeight: layout.implicitHeight + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        onContentHeightChanged: if (page.uploading) page.showUploadProgress()

        ColumnLayout {
            id: layout
            objectName: page.objectName + "Layout"
            x: 24
            y: 24
            width: Math.min(flick.width - 48, 760)
            spacing: 20

            CustomPageHeader {
                objectName: page.objectName + "Header"
                Layout.fillWidth: true
                text: qsTr("FIRMWARE-UPDATE")
                subText: Kiv.connected ? "" : qsTr("Kein Gerät verbunden")
                fontSize: page.fontSize
            }

            CustomContentFrame {
                id: versionFrame
                objectName: page.objectName + "Versions"
                Layout.fillWidth: true
                title: qsTr("Firmware")
                fontSize: page.fontSize

                ColumnLayout {
                    objectName: versionFrame.objectName + "Rows"
                    width: parent.width
                    spacing: 10

                    CustomInfoRow {
                        objectName: page.objectName + "DeviceName"
                        Layout.fillWidth: true
                        label: qsTr("Gerätename")
                        value: Kiv.connected ? page.setup.deviceName : ""
                        fontSize: page.fontSize
                    }
                    CustomInfoRow {
                        objectName: page.objectName + "DeviceGp"
                        Layout.fillWidth: true
                        label: qsTr("Hauptplatine im Gerät")
                        value: Kiv.connected ? page.setup.gpVersionText : ""
                        fontSize: page.fontSize
                    }
                    CustomInfoRow {
                        objectName: page.objectName + "DeviceAp"
                        Layout.fillWidth: true
                        label: qsTr("Optionsplatine im Gerät")
                        value: Kiv.connected ? page.setup.apVersionText : ""
                        fontSize: page.fontSize
                    }
                    CustomInfoRow {
                        objectName: page.objectName + "OfferedGp"
                        Layout.fillWidth: true
                        label: qsTr("Hauptplatine angeboten")
                        value: page.offered ? page.versionText(page.offered.versionGp) : ""
                        fontSize: page.fontSize
                    }
                    CustomInfoRow {
                        objectName: page.objectName + "OfferedAp"
                        Layout.fillWidth: true
                        label: qsTr("Optionsplatine angeboten")
                        value: page.offered ? page.versionText(page.offered.versionAp) : ""
                        fontSize: page.fontSize
                    }
                }
            }

            CustomContentFrame {
                id: checkFrame
                objectName: page.objectName + "Check"
                Layout.fillWidth: true
                title: qsTr("Update suchen und laden")
                fontSize: page.fontSize

                ColumnLayout {
                    objectName: checkFrame.objectName + "Column"
                    width: parent.width
                    spacing: 12

                    Text {
                        objectName: checkFrame.objectName + "UrlLabel"
                        Layout.fillWidth: true
                        text: qsTr("Adresse der Update-Liste (http:, https: oder file:)")
                        color: Style.textMuted
                        font.pixelSize: Style.small(page.fontSize)
                        wrapMode: Text.WordWrap
                    }
                    TextField {
                        id: urlField
                        objectName: checkFrame.objectName + "UrlField"
                        Layout.fillWidth: true
                        text: settings.readUpdateListUrl()
                        enabled: !page.downloading && !page.uploading
                        font.pixelSize: page.fontSize
                        selectByMouse: true
                        onEditingFinished: settings.writeUpdateListUrl(text)
                    }

                    RowLayout {
                        objectName: checkFrame.objectName + "Buttons"
                        Layout.fillWidth: true
                        spacing: 10

                        CustomButton {
                            objectName: checkFrame.objectName + "CheckButton"
                            text: qsTr("Nach Updates suchen")
                            fontSize: page.fontSize
                            // A check removes the images, so not while the add-on upload still waits.
                            enabled: Kiv.connected && !page.downloading && !page.uploading && !page.addOnPending
                                     && urlField.text.trim().length > 0
                            onClicked: page.checkForUpdate()
                        }
                        CustomButton {
                            objectName: checkFrame.objectName + "CancelButton"
                            text: qsTr("Abbrechen")
                            primary: false
                            fontSize: page.fontSize
                            visible: page.downloading
                            onClicked: Download.cancelDownloads()
                        }
                        Item { Layout.fillWidth: true }
                    }

                    KivUpdateProgress {
                        objectName: checkFrame.objectName + "Progress"
                        Layout.fillWidth: true
                        visible: page.downloading
                        label: page.downloadLabel(Download.state)
                        value: Download.progressbarCur
                        maximum: Download.progressbarMax
                        detail: page.bytesText(Download.progressbarCur, Download.progressbarMax)
                        fontSize: page.fontSize
                    }

                    Text {
                        objectName: checkFrame.objectName + "Status"
                        Layout.fillWidth: true
                        visible: text.length > 0
                        text: page.statusText
                        color: page.statusColor(page.statusKind)
                        font.pixelSize: page.fontSize
                        wrapMode: Text.WordWrap
                    }

                    Text {
                        objectName: checkFrame.objectName + "Estimate"
                        Layout.fillWidth: true
                        visible: page.downloadsReady
                        text: qsTr("Voraussichtliche Übertragungsdauer zum Gerät: Hauptplatine etwa %1 s, Optionsplatine etwa %2 s.")
                              .arg(Download.remTimeGp).arg(Download.remTimeAp)
                        color: Style.textMuted
                        font.pixelSize: Style.small(page.fontSize)
                        wrapMode: Text.WordWrap
                    }
                }
            }

            CustomContentFrame {
                id: listFrame
                objectName: page.objectName + "List"
                Layout.fillWidth: true
                // Service staff may load any entry of the list, not only the matching one.
                visible: Kiv.clearance > 0 && listRepeater.count > 0
                title: qsTr("Einträge der Update-Liste")
                fontSize: page.fontSize

                ColumnLayout {
                    objectName: listFrame.objectName + "Column"
                    width: parent.width
                    spacing: 8

                    Repeater {
                        id: listRepeater
                        objectName: listFrame.objectName + "Repeater"
                        model: Download.downloadSelection

                        RowLayout {
                            objectName: listFrame.objectName + "Entry" + index
                            Layout.fillWidth: true
                            spacing: 10

                            Text {
                                objectName: listFrame.objectName + "Entry" + index + "Text"
                                Layout.fillWidth: true
                                text: qsTr("%1: Hauptplatine %2, Optionsplatine %3")
                                      .arg(modelData.deviceName).arg(modelData.versionGp).arg(modelData.versionAp)
                                color: Style.text
                                font.pixelSize: page.fontSize
                                elide: Text.ElideRight
                            }
                            CustomButton {
                                objectName: listFrame.objectName + "Entry" + index + "Button"
                                text: qsTr("Laden")
                                primary: false
                                fontSize: page.fontSize
                                enabled: !page.downloading && !page.uploading
                                onClicked: {
                                    page.downloadsReady = false
                                    Download.downloadGpAndAp(modelData.urlGp, modelData.urlAp)
                                }
                            }
                        }
                    }
                }
            }

            CustomContentFrame {
                id: uploadFrame
                objectName: page.objectName + "Upload"
                Layout.fillWidth: true
                title: qsTr("Update übertragen")
                fontSize: page.fontSize

                ColumnLayout {
                    objectName: uploadFrame.objectName + "Column"
                    width: parent.width
                    spacing: 12

                    Text {
                        objectName: uploadFrame.objectName + "Hint"
                        Layout.fillWidth: true
                        text: qsTr("Während der Übertragung das Gerät nicht vom Kabel trennen und nicht ausschalten.")
                        color: Style.textMuted
                        font.pixelSize: Style.small(page.fontSize)
                        wrapMode: Text.WordWrap
                    }

                    CustomButton {
                        objectName: uploadFrame.objectName + "StartButton"
                        text: qsTr("Update starten")
                        fontSize: page.fontSize
                        enabled: page.downloadsReady && Kiv.connected && !page.uploading && !page.downloading
                        onClicked: page.startUpload()
                    }

                    KivUpdateProgress {
                        objectName: uploadFrame.objectName + "Progress"
                        Layout.fillWidth: true
                        visible: page.uploading
                        label: page.bootLoader && page.bootLoader.bytesPerSec > 0
                               ? qsTr("%1 wird übertragen …").arg(page.uploadBoard)
                               : qsTr("Der Bootloader des Geräts wird gestartet …")
                        value: page.bootLoader ? page.bootLoader.curBytes : 0
                        maximum: page.bootLoader ? page.bootLoader.maxBytes : 0
                        detail: page.bootLoader && page.bootLoader.bytesPerSec > 0
                                ? qsTr("%1 – %2 Byte/s, noch etwa %3 s")
                                  .arg(page.bytesText(page.bootLoader.curBytes, page.bootLoader.maxBytes))
                                  .arg(Math.round(page.bootLoader.bytesPerSec))
                                  .arg(page.bootLoader.remainingTime)
                                : ""
                        fontSize: page.fontSize
                    }

                    Text {
                        objectName: uploadFrame.objectName + "Outcome"
                        Layout.fillWidth: true
                        visible: text.length > 0
                        text: page.uploadText
                        color: page.statusColor(page.uploadKind)
                        font.pixelSize: page.fontSize
                        font.bold: page.uploadKind !== 0
                        wrapMode: Text.WordWrap
                    }
                }
            }
        }
    }

    Connections {
        target: Download
        function onNewUpdateAailable() {
            page.setStatus(qsTr("Neuere Firmware gefunden; sie wird geladen …"), 0)
        }
        function onNoUpdateAvailable() {
            // Users are not told that the list lacks their device; it simply offers nothing.
            page.setStatus(page.offered ? qsTr("Kein Update verfügbar: Die Firmware des Geräts ist aktuell.")
                                        : qsTr("Für dieses Gerät ist kein Update verfügbar."), 1)
        }
        function onDeviceNotRecognized() {
            page.setStatus(qsTr("Dieses Gerät ist in der Update-Liste nicht enthalten."), 2)
        }
        function onAllDownLoadsDone() {
            page.downloadsReady = true
            page.setStatus(qsTr("Firmware geladen. Das Update kann übertragen werden."), 1)
        }
        function onCancelDownloads() {
            page.downloadsReady = false
            page.setStatus(qsTr("Download abgebrochen."), 0)
        }
        function onErrorMessage(error) {
            page.downloadsReady = false
            page.setStatus(qsTr("Download fehlgeschlagen (Netzwerkfehler %1). Adresse und Verbindung prüfen.")
                           .arg(error), 2)
        }
        function onErrorText(text) {
            // The first failure says most; what follows from it is only a consequence.
            if (page.statusKind !== 2) {
                page.downloadsReady = false
                page.setStatus(text, 2)
            }
        }
    }

    Connections {
        target: page.bootLoader
        ignoreUnknownSignals: true
        function onUpdatingGp() {
            page.addOnPending = true
            page.uploadBoard = qsTr("Hauptplatine")
        }
        function onUpdatingAP() {
            page.addOnPending = false
            page.uploadBoard = qsTr("Optionsplatine")
        }
        function onBootLoaderStarted() {
            if (page.uploadBoard.length === 0)
                page.uploadBoard = qsTr("Firmware")
        }
        function onBootLoaderFinished() {
            if (page.addOnPending) {
                page.setUpload(qsTr("Hauptplatine übertragen; die Optionsplatine folgt gleich."), 0)
                return
            }
            page.uploadBoard = ""
            // The images are in the device now; a new check decides about the next update.
            page.downloadsReady = false
            page.setUpload(qsTr("Firmwareupdate erfolgreich abgeschlossen. Das Gerät wird neu ausgelesen."), 1)
        }
        function onErrorFileUnavailable() {
            page.addOnPending = false
            page.setUpload(qsTr("Die Updatedatei fehlt, ist leer oder kann nicht gelesen werden. Bitte erneut herunterladen."), 2)
        }
        function onErrorCouldNotStartBL() {
            page.addOnPending = false
            page.setUpload(qsTr("Der Bootloader des Geräts meldet sich nicht. Bitte Verbindung prüfen und das Update erneut starten."), 2)
        }
        function onErrorUploadInterrupted() {
            page.addOnPending = false
            page.setUpload(qsTr("Die Übertragung der Firmware wurde unterbrochen. Das Gerät bleibt im Bootloader; bitte das Update erneut starten."), 2)
        }
    }

    // The progress of a running upload is what matters now.
    function showUploadProgress() {
        flick.contentY = Math.max(0, flick.contentHeight - flick.height)
    }
    // Once the progress has taken its place in the layout.
    onUploadingChanged: if (uploading) Qt.callLater(showUploadProgress)

    // The upload owns the link; live polling must not interleave with it.
    Component.onCompleted: Kiv.doPoll = false
}
