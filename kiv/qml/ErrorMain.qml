import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Shown instead of the root page when the plugin may not use what it needs (permissions).
Rectangle {
    id: root
    objectName: "KivPermissionError"
    anchors.fill: parent
    color: "#f4f6f8"

    ColumnLayout {
        id: content
        objectName: root.objectName + "Content"
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 480)
        spacing: 24

        Label {
            id: message
            objectName: content.objectName + "Message"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTr("Die benötigten Berechtigungen wurden nicht erteilt.")
            font.pixelSize: 18
            color: "#4a5663"
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
