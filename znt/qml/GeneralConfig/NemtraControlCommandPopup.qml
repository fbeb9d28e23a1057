import QtQuick
import "qrc:/Dependencies/Mirrel/qml/Popup"

// Asks before a command that restarts the device.
CustomPopup {
    objectName: "NemtraControlCommandPopup"
    property int command: 0
    title: qsTr("Service")
    acceptText: qsTr("Fortsetzen")
    rejectText: qsTr("Abbrechen")
    onAcceptClicked: close()
    onRejectClicked: close()
}
