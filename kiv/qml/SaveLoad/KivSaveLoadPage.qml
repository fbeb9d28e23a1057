import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/Header"
import "qrc:/Dependencies/Mirrel/qml/Popup"

// Saved configurations: save the connected device under a name, and list, load or delete the
// saved files with the device each belongs to. Without a device only the list is shown.
Rectangle {
    id: page
    objectName: "KivSaveLoadPage"
    color: Style.background

    property real fontSize: 15

    readonly property var backend: Kiv.saveLoadBackend
    readonly property bool showSave: Kiv.connected && KivPageManager.saveLoadIndex !== KivPage.KivLoadPage
    readonly property var fileTypes: [".cfg", ".json", ".pdf"]
    property string selectedFile: ""
    // The back end answers a load request synchronously; these record its answer.
    property bool loading: false
    property bool loadRefused: false

    function fileNameFor(name, suffix) {
        const trimmed = name.trim()
        return trimmed.endsWith(suffix) ? trimmed : trimmed + suffix
    }

    function save(fileName) {
        if (backend)
            backend.writeSettingsToHd(fileName, false)
    }

    function requestSave() {
        const fileName = fileNameFor(nameField.text, typeBox.currentText)
        if (backend && backend.savedFiles.indexOf(fileName) >= 0) {
            overwritePopup.fileName = fileName
            overwritePopup.open()
            return
        }
        save(fileName)
    }

    // A register image or JSON document is loaded with its writes held: the preview pop-up lists
    // what would change, and only its "Übernehmen" lets the writes leave.
    function load(fileName) {
        if (!backend)
            return
        const info = backend.getSaveInfo(fileName)
        loadRefused = false
        loading = true
        const started = Kiv.previewLoad(info.length > 1 ? info[1] : "")
        loading = false
        // A refused file has been reported already; an unreadable one has not.
        if (!started && !loadRefused)
            ErrMessage.addErrorMessage(qsTr("Laden fehlgeschlagen!"))
    }

    Component.onCompleted: if (backend) backend.updateSavedFiles("")

    Connections {
        target: page.backend
        ignoreUnknownSignals: true
        function onWritingFileSuccessfully() { nameField.text = "" }
        function onSavedFilesChanged() {
            if (page.backend.savedFiles.indexOf(page.selectedFile) < 0)
                page.selectedFile = ""
        }
    }
    Connections {
        target: Kiv
        function onErrorPlainText() { if (page.loading) page.loadRefused = true }
        // Documents (".json", ".pdf") are written by the back end.
        function onWritingFileSuccessfully() {
            nameField.text = ""
            if (page.backend)
                page.backend.updateSavedFiles(filterField.text)
        }
    }

    Flickable {
        id: flick
        objectName: page.objectName + "Flickable"
        anchors.fill: parent
        contentHeight: layout.implicitHeight + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: layout
            objectName: page.objectName + "Layout"
            x: 24
            y: 24
            width: Math.min(flick.width - 48, 720)
            spacing: 20

            CustomPageHeader {
                id: header
                objectName: page.objectName + "Header"
                Layout.fillWidth: true
                text: qsTr("LADEN/SPEICHERN")
                subText: Kiv.connected ? qsTr("Verbunden mit %1").arg(Kiv.deviceInfo.deviceName)
                                       : qsTr("Kein Gerät verbunden")
                fontSize: page.fontSize
            }

            CustomContentFrame {
                id: saveFrame
                objectName: page.objectName + "SaveFrame"
                Layout.fillWidth: true
                visible: page.showSave
                title: qsTr("Konfiguration speichern")
                fontSize: page.fontSize

                RowLayout {
                    id: saveRow
                    objectName: saveFrame.objectName + "Row"
                    width: parent.width
                    spacing: Style.spacing

                    TextField {
                        id: nameField
                        objectName: saveFrame.objectName + "NameField"
                        Layout.fillWidth: true
                        placeholderText: qsTr("Dateiname")
                        font.pixelSize: page.fontSize
                        // Folder parts are not part of a name.
                        validator: RegularExpressionValidator { regularExpression: /[^\/\\:]*/ }
                        onAccepted: if (saveButton.enabled) page.requestSave()
                    }
                    ComboBox {
                        id: typeBox
                        objectName: saveFrame.objectName + "TypeBox"
                        model: page.fileTypes
                        font.pixelSize: page.fontSize
                    }
                    CustomButton {
                        id: saveButton
                        objectName: saveFrame.objectName + "SaveButton"
                        text: qsTr("Speichern")
                        fontSize: page.fontSize
                        enabled: nameField.text.trim().length > 0 && page.backend !== null
                        onClicked: page.requestSave()
                    }
                }
            }

            CustomContentFrame {
                id: listFrame
                objectName: page.objectName + "ListFrame"
                Layout.fillWidth: true
                title: qsTr("Gespeicherte Dateien")
                fontSize: page.fontSize

                ColumnLayout {
                    id: listColumn
                    objectName: listFrame.objectName + "Column"
                    width: parent.width
                    spacing: Style.spacing

                    TextField {
                        id: filterField
                        objectName: listFrame.objectName + "FilterField"
                        Layout.fillWidth: true
                        placeholderText: qsTr("Suchen")
                        font.pixelSize: page.fontSize
                        onTextChanged: if (page.backend) page.backend.updateSavedFiles(text)
                    }

                    Text {
                        id: emptyText
                        objectName: listFrame.objectName + "EmptyText"
                        visible: fileList.count === 0
                        text: qsTr("Keine gespeicherten Dateien vorhanden.")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                    }

                    ListView {
                        id: fileList
                        objectName: listFrame.objectName + "List"
                        Layout.fillWidth: true
                        Layout.preferredHeight: contentHeight
                        interactive: false
                        model: page.backend ? page.backend.savedFiles : []

                        delegate: ItemDelegate {
                            id: entry
                            objectName: fileList.objectName + "Entry" + index
                            width: fileList.width
                            highlighted: modelData === page.selectedFile
                            onClicked: page.selectedFile = modelData

                            // [name, path, last change, device name, size]; the name is empty
                            // for files that are not register images.
                            readonly property var info: page.backend ? page.backend.getSaveInfo(modelData) : []
                            readonly property string fileName: modelData

                            contentItem: ColumnLayout {
                                objectName: entry.objectName + "Column"
                                spacing: 2
                                Text {
                                    objectName: entry.objectName + "Name"
                                    Layout.fillWidth: true
                                    text: entry.fileName
                                    font.pixelSize: page.fontSize
                                    font.bold: entry.highlighted
                                    color: Style.text
                                    elide: Text.ElideMiddle
                                }
                                Text {
                                    objectName: entry.objectName + "Device"
                                    Layout.fillWidth: true
                                    text: entry.info.length > 3 && entry.info[3] !== ""
                                          ? qsTr("Gerät: %1").arg(entry.info[3]) : ""
                                    visible: text !== ""
                                    font.pixelSize: Style.small(page.fontSize)
                                    color: Style.textMuted
                                    elide: Text.ElideRight
                                }
                                Text {
                                    objectName: entry.objectName + "Date"
                                    Layout.fillWidth: true
                                    text: entry.info.length > 2 ? qsTr("Geändert: %1").arg(entry.info[2]) : ""
                                    font.pixelSize: Style.small(page.fontSize)
                                    color: Style.textMuted
                                }
                            }
                            background: Rectangle {
                                objectName: entry.objectName + "Background"
                                color: entry.highlighted ? Style.tealLight : (entry.hovered ? "#F0F3F5" : "transparent")
                                radius: Style.radius
                            }
                        }
                    }

                    RowLayout {
                        id: actionRow
                        objectName: listFrame.objectName + "Actions"
                        Layout.fillWidth: true
                        spacing: Style.spacing

                        CustomButton {
                            id: loadButton
                            objectName: actionRow.objectName + "LoadButton"
                            text: qsTr("Laden")
                            fontSize: page.fontSize
                            visible: Kiv.connected
                            // Register images and JSON documents can be written back into a device.
                            enabled: (page.selectedFile.endsWith(".cfg") || page.selectedFile.endsWith(".json"))
                                     && !Kiv.isLoadingFromDisc && (!Kiv.loadPreview || Kiv.loadPreview.idle)
                            onClicked: page.load(page.selectedFile)
                        }
                        CustomButton {
                            id: deleteButton
                            objectName: actionRow.objectName + "DeleteButton"
                            text: qsTr("Löschen")
                            primary: false
                            danger: true
                            fontSize: page.fontSize
                            enabled: page.selectedFile !== ""
                            onClicked: {
                                deletePopup.fileName = page.selectedFile
                                deletePopup.open()
                            }
                        }
                        Item {
                            objectName: actionRow.objectName + "Filler"
                            Layout.fillWidth: true
                        }
                    }
                }
            }
        }
    }

    CustomPopup {
        id: deletePopup
        objectName: page.objectName + "DeletePopup"
        property string fileName: ""
        title: qsTr("Datei löschen")
        text: qsTr("Soll die Datei \"%1\" gelöscht werden?").arg(fileName)
        acceptText: qsTr("Löschen")
        rejectText: qsTr("Abbrechen")
        fontSize: page.fontSize
        onAcceptClicked: {
            close()
            if (page.backend)
                page.backend.deleteSelectedFile(fileName)
        }
        onRejectClicked: close()
    }

    CustomPopup {
        id: overwritePopup
        objectName: page.objectName + "OverwritePopup"
        property string fileName: ""
        title: qsTr("Datei überschreiben")
        text: qsTr("Die Datei \"%1\" existiert bereits. Soll sie überschrieben werden?").arg(fileName)
        acceptText: qsTr("Überschreiben")
        rejectText: qsTr("Abbrechen")
        fontSize: page.fontSize
        onAcceptClicked: {
            close()
            page.save(fileName)
        }
        onRejectClicked: close()
    }

    KivLoadPreviewPopup {
        id: previewPopup
        objectName: page.objectName + "PreviewPopup"
        fontSize: page.fontSize
    }
}
