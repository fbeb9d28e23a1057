import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/Popup"

// The choice of a device model to simulate; the pages then show its stored register image.
CustomPopup {
    id: popup
    objectName: "NemtraSimulatePopup"

    // Index = the back end's simulated device model.
    readonly property var models: ["FEROX 3 ZNT", "VTX ZNT"]

    title: qsTr("Gerät simulieren")
    text: qsTr("Welches Gerät soll simuliert werden?")
    acceptText: ""
    rejectText: qsTr("Abbrechen")
    onRejectClicked: close()

    function simulate(index) {
        if (NemtraBackend.connected)
            NemtraBackend.disconnectFromDevice()
        close()
        NemtraBackend.showConnectAndLoadPopup(true)
        NemtraBackend.simulateDevice(index)
    }

    RowLayout {
        id: buttons
        objectName: popup.objectName + "Buttons"
        Layout.fillWidth: true
        Layout.bottomMargin: 8
        spacing: 12

        Repeater {
            id: repeater
            objectName: buttons.objectName + "Repeater"
            model: popup.models

            CustomButton {
                objectName: buttons.objectName + index
                Layout.fillWidth: true
                text: modelData
                fontSize: popup.fontSize
                onClicked: popup.simulate(index)
            }
        }
    }
}
