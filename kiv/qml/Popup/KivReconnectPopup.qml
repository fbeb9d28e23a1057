import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Popup"

// The countdown while the plugin waits for a device that dropped off its port (a restart, a
// pulled cable). The page underneath stays; cancelling counts the link as lost.
CustomPopup {
    id: popup
    objectName: "KivReconnectPopup"

    // The back end's reconnect object (active, secondsLeft, totalSeconds, port, portPresent, cancel()).
    property var reconnect: null
    readonly property bool waiting: reconnect !== null && reconnect.active

    title: qsTr("Verbindung unterbrochen")
    text: qsTr("Das Gerät an %1 antwortet nicht mehr. Nach einem Neustart oder wenn das Kabel wieder steckt, wird es automatisch neu verbunden und eingelesen.")
          .arg(reconnect ? reconnect.port : "")
    headerColor: Style.slate
    acceptText: ""
    rejectText: qsTr("Abbrechen")
    closable: false

    onWaitingChanged: waiting ? open() : close()
    onRejectClicked: if (reconnect) reconnect.cancel()

    Text {
        id: stateText
        objectName: popup.objectName + "State"
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
        color: Style.text
        font.pixelSize: popup.fontSize
        font.bold: true
        text: popup.reconnect && popup.reconnect.portPresent ? qsTr("Anschluss vorhanden – Gerät wird gesucht …")
                                                             : qsTr("Anschluss nicht vorhanden – bitte Kabel prüfen.")
    }

    ProgressBar {
        id: bar
        objectName: popup.objectName + "Countdown"
        Layout.fillWidth: true
        Layout.topMargin: 8
        from: 0
        to: popup.reconnect ? Math.max(1, popup.reconnect.totalSeconds) : 1
        value: popup.reconnect ? popup.reconnect.secondsLeft : 0

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
        objectName: popup.objectName + "SecondsLeft"
        Layout.alignment: Qt.AlignRight
        color: Style.textMuted
        font.pixelSize: Style.small(popup.fontSize)
        text: qsTr("Noch %1 s").arg(popup.reconnect ? popup.reconnect.secondsLeft : 0)
    }
}
