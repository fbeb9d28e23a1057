import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Root page of the KIV plugin, loaded by the host into the plugin's context.
Rectangle {
    id: root
    objectName: "KivPlugin"
    anchors.fill: parent
    color: "#f4f6f8"

    readonly property bool deviceConnected: Kiv !== null && Kiv.connected

    ColumnLayout {
        id: content
        objectName: root.objectName + "Content"
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 480)
        spacing: 24

        Image {
            id: logo
            objectName: content.objectName + "Logo"
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: Math.min(content.width, 320)
            Layout.preferredHeight: Layout.preferredWidth / 4
            fillMode: Image.PreserveAspectFit
            source: "qrc:/images/Logos/veltaronLogoMain.png"
        }

        Label {
            id: title
            objectName: content.objectName + "Title"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("KIV Raumsensoren")
            font.pixelSize: 28
            font.bold: true
            color: "#2b3a4a"
        }

        Rectangle {
            id: statusBadge
            objectName: content.objectName + "State"
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: stateText.implicitWidth + 48
            Layout.preferredHeight: stateText.implicitHeight + 20
            radius: height / 2
            color: root.deviceConnected ? "#d7f0dc" : "#e6e9ed"

            Label {
                id: stateText
                objectName: statusBadge.objectName + "Text"
                anchors.centerIn: parent
                text: root.deviceConnected ? qsTr("Gerät verbunden") : qsTr("Kein Gerät verbunden")
                font.pixelSize: 18
                color: root.deviceConnected ? "#1e6b34" : "#4a5663"
            }
        }

        Button {
            id: backButton
            objectName: content.objectName + "BackButton"
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 200
            text: qsTr("Zurück")
            font.pixelSize: 16
            onClicked: Kiv.closePlugin()
        }
    }
}
