import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../General/MirrelStyle.js" as Style

// Blocks the pages while the device is busy; closed by whoever opened it.
CustomPopup {
    id: popup
    objectName: "CustomWaitPopup"

    property url spinnerSource: ""

    title: ""
    text: qsTr("Bitte warten …")
    acceptText: ""
    closable: false

    AnimatedImage {
        objectName: popup.objectName + "Spinner"
        Layout.alignment: Qt.AlignHCenter
        Layout.bottomMargin: 20
        Layout.preferredWidth: 48
        Layout.preferredHeight: 48
        visible: popup.spinnerSource.toString().length > 0
        source: popup.spinnerSource
        playing: popup.opened
    }
}
