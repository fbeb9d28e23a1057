import QtQuick
import QtQuick.Layouts
import "../../General"
import "../Components"

// The switching rules of both relays.
KivSettingsPage {
    id: page
    objectName: "Settings"
    title: qsTr("RELAISEINSTELLUNGEN")

    KivMessageText {
        objectName: page.objectName + "Empty"
        visible: relays.count === 0
        text: qsTr("Dieses Gerät hat keine Relais.")
        isError: false
        fontSize: page.fontSize
    }

    Repeater {
        id: relays
        objectName: page.objectName + "Relay"
        model: Kiv.relais

        KivRelaisCard {
            objectName: relays.objectName + index
            Layout.fillWidth: true
            relay: modelData
            relayNumber: index + 1
            fontSize: page.fontSize
        }
    }
}
