import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// Control commands of the radio board. Resetting the LoRaWAN configuration asks once more
// before the command leaves, and reads the device again so that the page shows what it holds.
Flickable {
    id: page
    objectName: "Command"

    property real fontSize: 15
    readonly property var lora: Kiv.lora
    property bool confirming: false
    property bool sent: false

    contentHeight: layout.implicitHeight + 48
    clip: true
    boundsBehavior: Flickable.StopAtBounds

    ColumnLayout {
        id: layout
        objectName: page.objectName + "Layout"
        x: 24
        y: 24
        width: Math.min(page.width - 48, 720)
        spacing: 20

        CustomPageHeader {
            objectName: page.objectName + "Header"
            Layout.fillWidth: true
            text: qsTr("CONTROL COMMAND")
            subText: page.lora && page.lora.valid ? "" : qsTr("Keine LoRaWAN-Daten vorhanden")
            fontSize: page.fontSize
        }

        CustomContentFrame {
            id: resetFrame
            objectName: page.objectName + "Reset"
            Layout.fillWidth: true
            title: qsTr("Reset config")
            fontSize: page.fontSize

            ColumnLayout {
                id: resetColumn
                objectName: resetFrame.objectName + "Column"
                width: parent.width
                spacing: Style.spacing

                Text {
                    objectName: resetColumn.objectName + "Text"
                    Layout.fillWidth: true
                    text: qsTr("Setzt die LoRaWAN-Konfiguration des Funkmoduls (Application EUI und Key, Netzwerkparameter und Intervalle) auf die Werkseinstellungen zurück. Das Gerät muss sich danach neu im Netzwerk anmelden.")
                    color: Style.text
                    font.pixelSize: page.fontSize
                    wrapMode: Text.WordWrap
                }

                Text {
                    objectName: page.objectName + "Question"
                    Layout.fillWidth: true
                    visible: page.confirming
                    text: qsTr("Soll die LoRaWAN-Konfiguration wirklich zurückgesetzt werden?")
                    color: Style.danger
                    font.pixelSize: page.fontSize
                    font.bold: true
                    wrapMode: Text.WordWrap
                }

                RowLayout {
                    id: buttonRow
                    objectName: resetColumn.objectName + "Buttons"
                    Layout.alignment: Qt.AlignRight
                    spacing: Style.spacing

                    CustomButton {
                        objectName: page.objectName + "ResetButton"
                        visible: !page.confirming
                        enabled: page.lora !== null && page.lora.valid && Kiv.connected
                        danger: true
                        text: qsTr("Auf Werkseinstellungen zurücksetzen")
                        fontSize: page.fontSize
                        onClicked: {
                            page.sent = false
                            page.confirming = true
                        }
                    }
                    CustomButton {
                        objectName: page.objectName + "CancelButton"
                        visible: page.confirming
                        primary: false
                        text: qsTr("Abbrechen")
                        fontSize: page.fontSize
                        onClicked: page.confirming = false
                    }
                    CustomButton {
                        objectName: page.objectName + "ConfirmButton"
                        visible: page.confirming
                        danger: true
                        text: qsTr("Zurücksetzen")
                        fontSize: page.fontSize
                        onClicked: {
                            page.confirming = false
                            page.lora.resetConfiguration()
                            page.sent = true
                            Kiv.getManuelData(true)
                        }
                    }
                }

                Text {
                    objectName: page.objectName + "Sent"
                    Layout.fillWidth: true
                    visible: page.sent
                    text: qsTr("Befehl gesendet. Die Werte werden neu ausgelesen.")
                    color: Style.success
                    font.pixelSize: Style.small(page.fontSize)
                    wrapMode: Text.WordWrap
                }
            }
        }
    }
}
