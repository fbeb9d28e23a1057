import QtQuick
import QtQuick.Layouts
import QtQuick.Controls.Basic
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// Every request sent to the device and every answer, newest at the bottom.
Rectangle {
    id: page
    objectName: "Log"
    color: Style.background

    property real fontSize: 15
    // Follows new entries unless the technician scrolled up to read older ones.
    property bool follow: true

    TextMetrics {
        id: directionWidth
        font.pixelSize: Style.small(page.fontSize)
        font.bold: true
        text: sentText.length > receivedText.length ? sentText : receivedText
        readonly property string sentText: qsTr("Gesendet")
        readonly property string receivedText: qsTr("Empfangen")
    }

    // Once the log is full the count no longer changes: each new row pushes out the oldest.
    Connections {
        target: NemtraTestLog
        function onRowsInserted() { if (page.follow) Qt.callLater(list.positionViewAtEnd) }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 24
        anchors.topMargin: 16
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
            spacing: 12
            Text {
                objectName: page.objectName + "Title"
                Layout.fillWidth: true
                text: qsTr("Transferlog")
                color: Style.text
                font.pixelSize: Style.title(page.fontSize)
                font.bold: true
                elide: Text.ElideRight
            }
            Text {
                objectName: page.objectName + "Count"
                text: qsTr("%n Einträge", "", list.count)
                color: Style.textMuted
                font.pixelSize: Style.small(page.fontSize)
            }
            CustomButton {
                objectName: page.objectName + "Clear"
                text: qsTr("Clear")
                primary: false
                fontSize: page.fontSize
                onClicked: NemtraTestLog.clear()
            }
        }

        Rectangle {
            objectName: page.objectName + "Frame"
            Layout.fillWidth: true
            Layout.fillHeight: true
            color: Style.surface
            radius: Style.radius
            border.color: Style.border
            border.width: 1

            ListView {
                id: list
                objectName: page.objectName + "List"
                anchors.fill: parent
                anchors.margins: 1
                clip: true
                model: NemtraTestLog
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar { objectName: list.objectName + "ScrollBar" }
                onMovementEnded: page.follow = atYEnd

                delegate: Rectangle {
                    objectName: list.objectName + "Row" + index
                    width: ListView.view.width
                    height: rowLayout.implicitHeight + 8
                    color: isSendRequest ? Style.surface : Style.background

                    RowLayout {
                        id: rowLayout
                        x: 12
                        width: parent.width - 24
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 12
                        Text {
                            objectName: list.objectName + "Time" + index
                            text: timeStamp
                            color: Style.textMuted
                            font.pixelSize: Style.small(page.fontSize)
                            font.family: "monospace"
                        }
                        Text {
                            objectName: list.objectName + "Direction" + index
                            Layout.preferredWidth: directionWidth.advanceWidth + 4
                            text: isSendRequest ? directionWidth.sentText : directionWidth.receivedText
                            color: isSendRequest ? Style.teal : Style.success
                            font.pixelSize: Style.small(page.fontSize)
                            font.bold: true
                        }
                        Text {
                            objectName: list.objectName + "Entry" + index
                            Layout.fillWidth: true
                            text: entry
                            color: Style.text
                            font.pixelSize: Style.small(page.fontSize)
                            font.family: "monospace"
                            wrapMode: Text.WrapAnywhere
                        }
                    }
                }
            }

            Text {
                objectName: page.objectName + "Empty"
                anchors.centerIn: parent
                visible: list.count === 0
                text: qsTr("Noch keine Einträge")
                color: Style.textMuted
                font.pixelSize: page.fontSize
            }
        }
    }
}
