import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Popup"

// Before a loaded file writes to the device: every setting it would change, with the device's
// and the file's value. Nothing is written until "Übernehmen"; "Abbrechen" writes nothing.
CustomPopup {
    id: popup
    objectName: "KivLoadPreviewPopup"

    property var preview: Kiv.loadPreview
    readonly property bool busy: preview ? preview.busy : false
    readonly property int changeCount: preview ? preview.changeCount : 0
    readonly property var columnWidths: [0.5, 0.25, 0.25]

    // Taken when the pop-up opens: a width bound to the overlay would be laid out again while
    // the page and its window part, with the table's rows already half torn down.
    property real openWidth: 600
    width: openWidth
    onAboutToShow: openWidth = T.Overlay.overlay ? Math.min(T.Overlay.overlay.width * 0.9, 680) : 600
    closable: false
    title: preview ? qsTr("Vorschau: %1").arg(preview.fileName) : ""
    text: busy ? qsTr("Die Änderungen werden ermittelt …")
               : changeCount === 0 ? qsTr("Die Datei enthält keine Änderungen gegenüber dem Gerät. Es wird nichts geschrieben.")
                                   : qsTr("%n Einstellung(en) werden am Gerät geändert:", "", changeCount)
    acceptText: busy ? "" : (changeCount > 0 ? qsTr("Übernehmen") : qsTr("OK"))
    rejectText: busy || changeCount > 0 ? qsTr("Abbrechen") : ""

    onAcceptClicked: {
        if (changeCount > 0)
            preview.confirm()
        else
            preview.cancel()
    }
    onRejectClicked: preview.cancel()

    Connections {
        target: popup.preview
        function onStateChanged() {
            if (popup.preview.open)
                popup.open()
            else
                popup.close()
        }
    }

    ColumnLayout {
        id: table
        objectName: popup.objectName + "Table"
        Layout.fillWidth: true
        visible: !popup.busy && popup.changeCount > 0
        spacing: 4

        RowLayout {
            id: headRow
            objectName: table.objectName + "Head"
            Layout.fillWidth: true
            spacing: 8
            Repeater {
                model: [qsTr("Einstellung"), qsTr("Gerät"), qsTr("Datei")]
                delegate: Text {
                    objectName: headRow.objectName + "Cell" + index
                    Layout.preferredWidth: (table.width - 16) * popup.columnWidths[index]
                    text: modelData
                    font.pixelSize: Style.small(popup.fontSize)
                    font.bold: true
                    color: Style.teal
                }
            }
        }

        Rectangle {
            objectName: table.objectName + "Rule"
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: Style.border
        }

        ListView {
            id: list
            objectName: table.objectName + "List"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(contentHeight, 320)
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: popup.preview ? popup.preview.changes : []
            ScrollBar.vertical: ScrollBar {
                objectName: list.objectName + "ScrollBar"
                visible: list.contentHeight > list.height
                policy: ScrollBar.AlwaysOn
            }

            delegate: Rectangle {
                id: row
                objectName: list.objectName + "Row" + index
                width: list.width - 12
                height: rowLayout.implicitHeight + 8
                color: index % 2 ? "#F7F9FA" : "transparent"

                RowLayout {
                    id: rowLayout
                    objectName: row.objectName + "Layout"
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width
                    spacing: 8
                    Text {
                        objectName: row.objectName + "Name"
                        Layout.preferredWidth: (table.width - 16) * popup.columnWidths[0]
                        text: modelData.name
                        font.pixelSize: Style.small(popup.fontSize)
                        color: Style.text
                        wrapMode: Text.WordWrap
                    }
                    Text {
                        objectName: row.objectName + "Device"
                        Layout.preferredWidth: (table.width - 16) * popup.columnWidths[1]
                        text: modelData.deviceValue
                        font.pixelSize: Style.small(popup.fontSize)
                        color: Style.textMuted
                        wrapMode: Text.WrapAnywhere
                    }
                    Text {
                        objectName: row.objectName + "File"
                        Layout.preferredWidth: (table.width - 16) * popup.columnWidths[2]
                        text: modelData.fileValue
                        font.pixelSize: Style.small(popup.fontSize)
                        font.bold: true
                        color: Style.text
                        wrapMode: Text.WrapAnywhere
                    }
                }
            }
        }
    }
}
