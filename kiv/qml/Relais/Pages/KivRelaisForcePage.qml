import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "../../General"
import "../Components"

// Switching the relays by hand, for checking the wiring. Whatever is forced here is undone
// when the page is left.
KivSettingsPage {
    id: page
    objectName: "Force"
    title: qsTr("RELAIS ERZWINGEN")

    function aboutToLeave() { Kiv.resetForcedRelais(-1) }

    KivMessageText {
        objectName: page.objectName + "Note"
        text: qsTr("Beim Verlassen dieser Seite arbeiten die Relais wieder nach ihren Einstellungen.")
        isError: false
        fontSize: page.fontSize
    }

    KivMessageText {
        objectName: page.objectName + "Empty"
        visible: relays.count === 0
        text: qsTr("Dieses Gerät hat keine Relais.")
        isError: false
        fontSize: page.fontSize
    }

    CustomContentFrame {
        id: frame
        objectName: page.objectName + "Frame"
        Layout.fillWidth: true
        visible: relays.count > 0
        title: qsTr("Zwangssteuerung")
        fontSize: page.fontSize

        ColumnLayout {
            objectName: frame.objectName + "Column"
            width: parent.width
            spacing: 14

            Repeater {
                id: relays
                objectName: page.objectName + "Relay"
                model: Kiv.relais

                KivRelaisForceRow {
                    objectName: relays.objectName + index
                    Layout.fillWidth: true
                    relay: modelData
                    relayIndex: index
                    fontSize: page.fontSize
                }
            }
        }
    }

    Component.onDestruction: Kiv.resetForcedRelais(-1)
}
