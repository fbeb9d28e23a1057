import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Popup"

// Shown while the device restarts and adjusts itself (up to two minutes); the user cannot close
// it, it closes after 180 s.
CustomPopup {
    id: popup
    objectName: "KivExpertWaitPopup"

    readonly property int maximum: 18000
    readonly property int step: 100
    property int progress: 0

    function start() {
        progress = 0
        open()
        ticker.restart()
    }

    title: qsTr("Bitte warten!")
    text: qsTr("Das Gerät startet neu und führt die Justierung durch.")
    acceptText: ""
    rejectText: ""
    closable: false

    ProgressBar {
        id: bar
        objectName: popup.objectName + "Progress"
        Layout.fillWidth: true
        Layout.bottomMargin: 20
        from: 0
        to: popup.maximum
        value: popup.progress
    }

    Timer {
        id: ticker
        objectName: popup.objectName + "Ticker"
        interval: 1000
        repeat: true
        onTriggered: {
            popup.progress = Math.min(popup.maximum, popup.progress + popup.step)
            if (popup.progress >= popup.maximum) {
                stop()
                popup.close()
            }
        }
    }
}
