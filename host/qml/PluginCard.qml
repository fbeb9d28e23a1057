import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

Rectangle {
    id: card
    objectName: "pluginCard"

    property string title
    property string description
    property string fileName
    property string version
    signal openRequested()

    implicitHeight: 148
    radius: 8
    color: "#ffffff"
    border.color: hover.hovered ? "#1f6f8b" : "#dde3e8"
    opacity: enabled ? 1.0 : 0.6

    HoverHandler {
        id: hover
        objectName: card.objectName + "_hover"
    }

    TapHandler {
        objectName: card.objectName + "_tap"
        onTapped: card.openRequested()
    }

    RowLayout {
        objectName: card.objectName + "_row"
        anchors { fill: parent; margins: 20 }
        spacing: 16

        Rectangle {
            id: badge
            objectName: card.objectName + "_badge"
            Layout.alignment: Qt.AlignTop
            implicitWidth: 48
            implicitHeight: 48
            radius: 24
            color: "#e3eff3"

            Label {
                objectName: badge.objectName + "_initials"
                anchors.centerIn: parent
                text: card.title.substring(0, 2).toUpperCase()
                font.pixelSize: 14
                font.weight: Font.DemiBold
                color: "#1f6f8b"
            }
        }

        ColumnLayout {
            objectName: card.objectName + "_texts"
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 4

            Label {
                objectName: card.objectName + "_title"
                Layout.fillWidth: true
                text: card.title
                elide: Text.ElideRight
                font.pixelSize: 17
                font.weight: Font.DemiBold
                color: "#1d2a33"
            }
            Label {
                objectName: card.objectName + "_description"
                Layout.fillWidth: true
                visible: text.length > 0
                text: card.description
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                font.pixelSize: 13
                color: "#5b6b77"
            }
            Label {
                objectName: card.objectName + "_file"
                Layout.fillWidth: true
                text: card.version.length > 0 ? qsTr("%1, Version %2").arg(card.fileName).arg(card.version) : card.fileName
                elide: Text.ElideMiddle
                font.pixelSize: 12
                color: "#8896a0"
            }
            Item {
                objectName: card.objectName + "_filler"
                Layout.fillHeight: true
            }
            Button {
                id: openButton
                objectName: card.objectName + "_openButton"
                Layout.alignment: Qt.AlignRight
                text: qsTr("Öffnen")
                onClicked: card.openRequested()
                contentItem: Label {
                    objectName: openButton.objectName + "_label"
                    text: openButton.text
                    color: "#ffffff"
                    font.pixelSize: 13
                    font.weight: Font.DemiBold
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
                background: Rectangle {
                    objectName: openButton.objectName + "_background"
                    implicitWidth: 96
                    implicitHeight: 32
                    radius: 4
                    color: openButton.down ? "#17566c" : "#1f6f8b"
                }
            }
        }
    }
}
