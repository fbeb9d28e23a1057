import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "MirrelStyle.js" as Style

// Shown instead of a plugin's pages when a permission it needs was refused.
Rectangle {
    id: page
    objectName: "CustomPermissionError"

    property string text: qsTr("Die benötigten Berechtigungen wurden nicht erteilt.")
    property real fontSize: 16
    signal backClicked()

    color: Style.background

    ColumnLayout {
        id: content
        objectName: page.objectName + "Content"
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 480)
        spacing: 24

        Text {
            id: message
            objectName: content.objectName + "Message"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: page.text
            font.pixelSize: Style.title(page.fontSize)
            color: Style.text
        }

        CustomButton {
            id: backButton
            objectName: content.objectName + "BackButton"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Zurück")
            fontSize: page.fontSize
            onClicked: page.backClicked()
        }
    }
}
