import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../General/MirrelStyle.js" as Style

// Shows the framework's error list; confirming clears what was shown.
CustomPopup {
    id: popup
    objectName: "CustomErrorPopup"

    // The error list object (errorMsg, clearErrors()).
    property var errorSource: null

    title: qsTr("Fehler")
    headerColor: Style.danger
    acceptText: qsTr("OK")

    onAcceptClicked: {
        if (errorSource)
            errorSource.clearErrors()
        close()
    }

    Repeater {
        id: messages
        objectName: popup.objectName + "Messages"
        model: popup.errorSource ? popup.errorSource.errorMsg : []

        Text {
            objectName: messages.objectName + index
            Layout.fillWidth: true
            Layout.topMargin: index === 0 ? 0 : 6
            text: "• " + modelData
            color: Style.text
            font.pixelSize: popup.fontSize
            wrapMode: Text.WordWrap
        }
    }
}
