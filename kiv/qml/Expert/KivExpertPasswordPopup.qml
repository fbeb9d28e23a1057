import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Popup"

// Asks for the four-digit expert password; the container checks it against its digest.
CustomPopup {
    id: popup
    objectName: "KivExpertPasswordPopup"

    property var expert: null

    signal unlocked()
    signal cancelled()

    title: qsTr("Expertenmodus")
    text: qsTr("Bitte Passwort eingeben:")
    acceptText: qsTr("Bestätigen")
    rejectText: qsTr("Abbrechen")
    closable: false

    function confirm() {
        const ok = field.acceptableInput && popup.expert !== null && popup.expert.check(field.text)
        field.text = ""
        if (!ok) {
            wrongAnimation.restart()
            return
        }
        close()
        popup.unlocked()
    }

    onAcceptClicked: confirm()
    onRejectClicked: {
        close()
        popup.cancelled()
    }
    onOpened: field.forceActiveFocus()

    TextField {
        id: field
        objectName: popup.objectName + "Field"
        Layout.fillWidth: true
        echoMode: TextInput.Password
        maximumLength: 4
        inputMethodHints: Qt.ImhDigitsOnly
        validator: IntValidator { bottom: 1000; top: 9999 }
        font.pixelSize: popup.fontSize
        placeholderText: "••••"
        onAccepted: popup.confirm()
    }

    Text {
        id: wrong
        objectName: popup.objectName + "Wrong"
        Layout.fillWidth: true
        text: qsTr("Passwort falsch!")
        color: "darkred"
        font.pixelSize: popup.fontSize
        font.bold: true
        opacity: 0

        SequentialAnimation {
            id: wrongAnimation
            PropertyAction { target: wrong; property: "opacity"; value: 1 }
            PauseAnimation { duration: 500 }
            NumberAnimation { target: wrong; property: "opacity"; to: 0; duration: 1000 }
        }
    }
}
