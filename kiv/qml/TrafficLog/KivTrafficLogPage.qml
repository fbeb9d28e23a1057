import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/Header"

// The device link's traffic, live: every request with its register range and the values that
// came back (or the error), newest at the bottom. Internal page, shown from access level 1 on.
Rectangle {
    id: page
    objectName: "KivTrafficLogPage"
    color: Style.background

    property real fontSize: 15
    readonly property var log: Kiv.trafficLog
    // Follows new requests unless the user has scrolled up to read older ones.
    property bool follow: true

    readonly property var columnWidths: [0.16, 0.15, 0.15, 0.54]

    Component.onCompleted: if (log) log.live = true
    Component.onDestruction: if (log) log.live = false

    Connections {
        target: Kiv
        // Dropping back to the user level hides the internal page.
        function onClearanceChanged() {
            if (Kiv.clearance === 0)
                KivPageManager.pageIndex = KivPage.KivConnectionPage
        }
    }

    ColumnLayout {
        id: layout
        objectName: page.objectName + "Layout"
        anchors.fill: parent
        anchors.margins: 24
        spacing: 16

        CustomPageHeader {
            id: header
            objectName: page.objectName + "Header"
            Layout.fillWidth: true
            Layout.maximumWidth: 960
            text: qsTr("DATENVERKEHR")
            subText: page.log ? qsTr("%1 Anfragen, davon %2 fehlgeschlagen (höchstens %3 werden behalten)")
                                .arg(page.log.count).arg(page.log.failedCount).arg(page.log.capacity)
                              : ""
            fontSize: page.fontSize
        }

        RowLayout {
            id: actions
            objectName: page.objectName + "Actions"
            Layout.fillWidth: true
            Layout.maximumWidth: 960
            spacing: Style.spacing

            CheckBox {
                id: followBox
                objectName: actions.objectName + "Follow"
                text: qsTr("Neuen Anfragen folgen")
                checked: page.follow
                font.pixelSize: page.fontSize
                onToggled: {
                    page.follow = checked
                    if (checked)
                        list.positionViewAtEnd()
                }
            }
            Item {
                objectName: actions.objectName + "Filler"
                Layout.fillWidth: true
            }
            CustomButton {
                id: exportButton
                objectName: actions.objectName + "ExportButton"
                text: qsTr("Als CSV exportieren")
                fontSize: page.fontSize
                enabled: page.log !== null
                onClicked: page.log.exportToSaveFolder()
            }
            CustomButton {
                id: clearButton
                objectName: actions.objectName + "ClearButton"
                text: qsTr("Leeren")
                primary: false
                fontSize: page.fontSize
                enabled: page.log !== null && page.log.count > 0
                onClicked: page.log.clear()
            }
        }

        CustomContentFrame {
            id: frame
            objectName: page.objectName + "Frame"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.maximumWidth: 960
            fontSize: page.fontSize

            ColumnLayout {
                id: table
                objectName: frame.objectName + "Table"
                width: parent.width
                height: frame.height - 32
                spacing: 4

                RowLayout {
                    id: headRow
                    objectName: table.objectName + "Head"
                    Layout.fillWidth: true
                    spacing: 8
                    Repeater {
                        model: [qsTr("Zeit"), qsTr("Funktion"), qsTr("Register"), qsTr("Werte / Fehler")]
                        delegate: Text {
                            objectName: headRow.objectName + "Cell" + index
                            Layout.preferredWidth: (table.width - 24) * page.columnWidths[index]
                            text: modelData
                            font.pixelSize: Style.small(page.fontSize)
                            font.bold: true
                            color: Style.teal
                            elide: Text.ElideRight
                        }
                    }
                }

                Rectangle {
                    objectName: table.objectName + "Rule"
                    Layout.fillWidth: true
                    Layout.preferredHeight: 1
                    color: Style.border
                }

                Text {
                    id: emptyText
                    objectName: table.objectName + "EmptyText"
                    visible: list.count === 0
                    text: qsTr("Noch kein Datenverkehr aufgezeichnet.")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }

                ListView {
                    id: list
                    objectName: table.objectName + "List"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    clip: true
                    model: page.log
                    boundsBehavior: Flickable.StopAtBounds
                    ScrollBar.vertical: ScrollBar {
                        objectName: list.objectName + "ScrollBar"
                    }
                    // After the new rows are laid out, or the view stops short of them.
                    onCountChanged: if (page.follow) Qt.callLater(positionViewAtEnd)
                    onMovementEnded: page.follow = atYEnd

                    delegate: Rectangle {
                        id: row
                        objectName: list.objectName + "Row" + index
                        width: list.width - 12
                        height: rowLayout.implicitHeight + 6
                        color: model.failed ? Style.dangerLight : (index % 2 ? "#F7F9FA" : "transparent")

                        RowLayout {
                            id: rowLayout
                            objectName: row.objectName + "Layout"
                            anchors.verticalCenter: parent.verticalCenter
                            width: parent.width
                            spacing: 8
                            Text {
                                objectName: row.objectName + "Time"
                                Layout.preferredWidth: (table.width - 24) * page.columnWidths[0]
                                text: model.time
                                font.pixelSize: Style.small(page.fontSize)
                                font.family: "monospace"
                                color: Style.textMuted
                            }
                            Text {
                                objectName: row.objectName + "Function"
                                Layout.preferredWidth: (table.width - 24) * page.columnWidths[1]
                                text: model.functionText
                                font.pixelSize: Style.small(page.fontSize)
                                color: Style.text
                                elide: Text.ElideRight
                            }
                            Text {
                                objectName: row.objectName + "Range"
                                Layout.preferredWidth: (table.width - 24) * page.columnWidths[2]
                                text: model.range
                                font.pixelSize: Style.small(page.fontSize)
                                font.family: "monospace"
                                color: Style.text
                            }
                            Text {
                                objectName: row.objectName + "Values"
                                Layout.fillWidth: true
                                text: model.failed ? model.error : model.values
                                font.pixelSize: Style.small(page.fontSize)
                                font.family: model.failed ? Qt.application.font.family : "monospace"
                                color: model.failed ? Style.danger : Style.text
                                elide: Text.ElideRight
                            }
                        }
                    }
                }
            }
        }
    }
}
