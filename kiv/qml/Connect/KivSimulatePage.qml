import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Popup"

// Simulation of a device from the stored register image, for trying the pages without hardware.
CustomContentFrame {
    id: frame
    objectName: "Simulate"
    title: qsTr("Gerät simulieren")

    ColumnLayout {
        id: layout
        objectName: frame.objectName + "Layout"
        width: parent.width
        spacing: 12

        Text {
            objectName: frame.objectName + "Text"
            Layout.fillWidth: true
            text: qsTr("Die Seiten zeigen dann die Werte eines gespeicherten Beispielgeräts; es wird nichts an ein Gerät gesendet.")
            color: Style.textMuted
            font.pixelSize: frame.fontSize
            wrapMode: Text.WordWrap
        }

        CustomButton {
            objectName: frame.objectName + "Button"
            Layout.alignment: Qt.AlignRight
            text: Kiv.testMode ? qsTr("Gerät wird simuliert") : qsTr("Gerät simulieren")
            primary: !Kiv.testMode
            onClicked: {
                if (Kiv.testMode) {
                    Kiv.testMode = false
                    Kiv.disconnectDevice()
                } else {
                    frame.ask()
                }
            }
        }
    }

    CustomPopup {
        id: question
        objectName: frame.objectName + "Question"
        title: qsTr("Simulation")
        text: qsTr("Soll ein Gerät simuliert werden?")
        acceptText: qsTr("Ja")
        rejectText: qsTr("Nein")
        onAcceptClicked: {
            close()
            Kiv.testMode = true
        }
        onRejectClicked: close()
    }

    function ask() {
        question.open()
    }
}
