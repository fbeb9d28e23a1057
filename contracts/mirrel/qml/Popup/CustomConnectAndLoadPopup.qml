import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../General/MirrelStyle.js" as Style

// Progress of connecting and reading a device. Closes when the value reaches the maximum and
// times out when the progress stands still for timeoutMs.
CustomPopup {
    id: popup
    objectName: "CustomConnectAndLoadPopup"

    property real value: 0
    property real maximum: 100
    property int timeoutMs: 30000
    readonly property bool running: value < maximum

    signal timedOut()

    title: qsTr("Verbindung wird aufgebaut")
    text: qsTr("Gerätedaten werden gelesen …")
    acceptText: ""
    closable: false

    onOpened: stallTimer.restart()
    onClosed: stallTimer.stop()
    onValueChanged: if (opened) stallTimer.restart()
    // Only a transition ends it: when opened the back end may not have reset its progress yet.
    // A maximum of 0 means the back end gave up the attempt.
    onRunningChanged: if (!running && opened) close()

    Timer {
        id: stallTimer
        interval: popup.timeoutMs
        onTriggered: {
            popup.close()
            popup.timedOut()
        }
    }

    ProgressBar {
        id: bar
        objectName: popup.objectName + "ProgressBar"
        Layout.fillWidth: true
        from: 0
        to: Math.max(1, popup.maximum)
        value: popup.value
        indeterminate: popup.maximum <= 0

        background: Rectangle {
            objectName: bar.objectName + "Track"
            implicitHeight: 8
            radius: 4
            color: Style.tealLight
        }
        contentItem: Item {
            objectName: bar.objectName + "Content"
            implicitHeight: 8
            Rectangle {
                objectName: bar.objectName + "Fill"
                width: bar.visualPosition * parent.width
                height: parent.height
                radius: 4
                color: Style.teal
            }
        }
    }

    Text {
        objectName: popup.objectName + "Percent"
        Layout.alignment: Qt.AlignRight
        Layout.bottomMargin: 20
        text: popup.maximum > 0 ? Math.round(100 * Math.min(popup.value, popup.maximum) / popup.maximum) + " %" : ""
        color: Style.textMuted
        font.pixelSize: Style.small(popup.fontSize)
    }
}
