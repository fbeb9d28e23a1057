import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// One relay on the force page: its state and the buttons that close or open it by hand.
GridLayout {
    id: row
    objectName: "KivRelaisForceRow"

    property var relay: null
    property int relayIndex: 0
    property real fontSize: 15
    // What was last forced from here: 0 none, 1 closed, 2 open.
    property int forcedState: 0
    readonly property bool isForced: relay !== null && relay.forced

    onIsForcedChanged: if (!isForced) forcedState = 0

    // Without this a parent layout keeps the row at its implicit width (one column).
    Layout.maximumWidth: Number.POSITIVE_INFINITY
    columns: width > 560 ? 4 : 1
    columnSpacing: 10
    rowSpacing: 8

    Column {
        objectName: row.objectName + "Label"
        Layout.fillWidth: true
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
    CustomButton {
        objectName: row.objectName + "Close"
        Layout.fillWidth: row.columns === 1
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
        Layout.fillWidth: row.columns === 1
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
        Layout.fillWidth: row.columns === 1
        primary: false
        text: qsTr("Freigeben")
        fontSize: row.fontSize
        enabled: row.isForced
        onClicked: Kiv.resetForcedRelais(row.relayIndex)
    }
}
