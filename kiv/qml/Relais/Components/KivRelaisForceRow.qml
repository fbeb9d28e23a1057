import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// One relay on the force page: its state and the buttons that close or open it by hand.
Column {
    id: row
    objectName: "KivRelaisForceRow"

    property var relay: null
    property int relayIndex: 0
    property real fontSize: 15
    // What was last forced from here: 0 none, 1 closed, 2 open.
    property int forcedState: 0
    readonly property bool isForced: relay !== null && relay.forced

    onIsForcedChanged: if (!isForced) forcedState = 0

    spacing: 8

    Column {
        objectName: row.objectName + "Label"
        width: row.width
        spacing: 2
        Text {
            objectName: row.objectName + "Name"
            text: qsTr("Relais %1").arg(row.relayIndex + 1)
            color: Style.text
            font.pixelSize: row.fontSize
            font.bold: true
        }
        Text {
            objectName: row.objectName + "State"
            text: !row.isForced ? qsTr("Automatisch")
                                : (row.forcedState === 1 ? qsTr("Geschlossen (erzwungen)") : qsTr("Offen (erzwungen)"))
            color: row.isForced ? Style.danger : Style.textMuted
            font.pixelSize: Style.small(row.fontSize)
        }
    }

    // The buttons stand side by side and wrap on a narrow page.
    Flow {
        objectName: row.objectName + "Buttons"
        width: row.width
        spacing: 10

        CustomButton {
            objectName: row.objectName + "Close"
            primary: row.isForced && row.forcedState === 1
            text: qsTr("Schließen")
            fontSize: row.fontSize
            enabled: Kiv.connected && row.relay !== null
            onClicked: {
                row.forcedState = 1
                Kiv.forceRelaisOn(row.relayIndex)
            }
        }
        CustomButton {
            objectName: row.objectName + "Open"
            primary: row.isForced && row.forcedState === 2
            text: qsTr("Öffnen")
            fontSize: row.fontSize
            enabled: Kiv.connected && row.relay !== null
            onClicked: {
                row.forcedState = 2
                Kiv.forceRelaisOff(row.relayIndex)
            }
        }
        CustomButton {
            objectName: row.objectName + "Release"
            primary: false
            text: qsTr("Freigeben")
            fontSize: row.fontSize
            enabled: row.isForced
            onClicked: Kiv.resetForcedRelais(row.relayIndex)
        }
    }
}
