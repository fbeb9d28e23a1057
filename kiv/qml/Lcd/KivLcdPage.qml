import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// The device's display: brightness, rotation and what it shows.
Rectangle {
    id: page
    objectName: "KivLcdPage"
    color: Style.background

    property real fontSize: 15
    readonly property var lcd: Kiv.lcd
    readonly property var rotations: ["0°", "90°", "180°", "270°"]

    Component.onCompleted: Kiv.doPoll = false

    // One on/off setting of the display block, named by its property.
    component OnOffRow: RowLayout {
        id: row
        property var block: null
        property string field: ""
        property string label: ""
        property real fontSize: 15
        spacing: 16
        Layout.fillWidth: true

        Text {
            objectName: row.objectName + "Label"
            Layout.fillWidth: true
            text: row.label
            color: Style.textMuted
            font.pixelSize: row.fontSize
            elide: Text.ElideRight
        }
        Switch {
            objectName: row.objectName + "Switch"
            checked: row.block !== null && row.block[row.field] !== 0
            text: checked ? qsTr("an") : qsTr("aus")
            font.pixelSize: row.fontSize
            onToggled: row.block[row.field] = checked ? 1 : 0
        }
    }

    Flickable {
        id: flick
        objectName: page.objectName + "Flickable"
        anchors.fill: parent
        contentHeight: layout.implicitHeight + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: layout
            objectName: page.objectName + "Layout"
            x: 24
            y: 24
            width: Math.min(flick.width - 48, 720)
            spacing: 20

            CustomPageHeader {
                objectName: page.objectName + "Header"
                Layout.fillWidth: true
                text: qsTr("DISPLAY")
                subText: page.lcd ? "" : qsTr("Kein Gerät verbunden")
                fontSize: page.fontSize
            }

            CustomContentFrame {
                id: displayFrame
                objectName: page.objectName + "Display"
                Layout.fillWidth: true
                visible: page.lcd !== null
                title: qsTr("Anzeige")
                fontSize: page.fontSize

                GridLayout {
                    objectName: displayFrame.objectName + "Grid"
                    width: parent.width
                    columns: 3
                    columnSpacing: 16
                    rowSpacing: 12

                    Text {
                        objectName: displayFrame.objectName + "BrightnessLabel"
                        text: qsTr("Helligkeit:")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                    }
                    Slider {
                        id: brightness
                        objectName: displayFrame.objectName + "Brightness"
                        Layout.fillWidth: true
                        from: 0
                        to: 100
                        stepSize: 5
                        snapMode: Slider.SnapAlways
                        value: page.lcd ? page.lcd.brightness : 0
                        onMoved: page.lcd.brightness = Math.round(value)
                    }
                    Text {
                        objectName: displayFrame.objectName + "BrightnessValue"
                        Layout.preferredWidth: 56
                        text: Math.round(brightness.value) + " %"
                        color: Style.text
                        font.pixelSize: page.fontSize
                        font.bold: true
                    }

                    Text {
                        objectName: displayFrame.objectName + "RotationLabel"
                        text: qsTr("Drehung:")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                    }
                    ComboBox {
                        objectName: displayFrame.objectName + "Rotation"
                        Layout.fillWidth: true
                        Layout.columnSpan: 2
                        font.pixelSize: page.fontSize
                        model: page.rotations
                        currentIndex: page.lcd ? Math.min(page.lcd.rotation, 3) : 0
                        onActivated: index => page.lcd.rotation = index
                    }

                    Text {
                        objectName: displayFrame.objectName + "SensorsLabel"
                        text: qsTr("Anzahl Sensoren:")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                    }
                    Text {
                        objectName: displayFrame.objectName + "Sensors"
                        Layout.columnSpan: 2
                        text: page.lcd ? page.lcd.cntSensors : ""
                        color: Style.text
                        font.pixelSize: page.fontSize
                        font.bold: true
                    }
                }
            }

            CustomContentFrame {
                id: notesFrame
                objectName: page.objectName + "Notes"
                Layout.fillWidth: true
                visible: page.lcd !== null
                title: qsTr("Hinweise und Relais")
                fontSize: page.fontSize

                ColumnLayout {
                    objectName: notesFrame.objectName + "Column"
                    width: parent.width
                    spacing: 8

                    RowLayout {
                        objectName: notesFrame.objectName + "Service"
                        Layout.fillWidth: true
                        spacing: 16
                        Text {
                            objectName: notesFrame.objectName + "ServiceLabel"
                            Layout.fillWidth: true
                            text: qsTr("Servicehinweis")
                            color: Style.textMuted
                            font.pixelSize: page.fontSize
                        }
                        // Set by the device itself; shown only.
                        Text {
                            objectName: notesFrame.objectName + "ServiceValue"
                            text: page.lcd && page.lcd.showService !== 0 ? qsTr("an") : qsTr("aus")
                            color: Style.text
                            font.pixelSize: page.fontSize
                            font.bold: true
                        }
                    }
                    OnOffRow {
                        objectName: notesFrame.objectName + "Calibration"
                        block: page.lcd
                        fontSize: page.fontSize
                        label: qsTr("Kalibrierhinweis anzeigen")
                        field: "showCalibration"
                    }
                    OnOffRow {
                        objectName: notesFrame.objectName + "Relais1"
                        visible: KivPageManager.isRelais
                        block: page.lcd
                        fontSize: page.fontSize
                        label: qsTr("Zustand Relais 1 anzeigen")
                        field: "showRelais1"
                    }
                    OnOffRow {
                        objectName: notesFrame.objectName + "Relais2"
                        visible: KivPageManager.isRelais
                        block: page.lcd
                        fontSize: page.fontSize
                        label: qsTr("Zustand Relais 2 anzeigen")
                        field: "showRelais2"
                    }
                }
            }

            CustomContentFrame {
                id: channelFrame
                objectName: page.objectName + "Channels"
                Layout.fillWidth: true
                visible: page.lcd !== null
                title: qsTr("Angezeigte Kanäle")
                fontSize: page.fontSize

                ColumnLayout {
                    objectName: channelFrame.objectName + "Column"
                    width: parent.width
                    spacing: 8

                    Repeater {
                        model: 4
                        delegate: OnOffRow {
                            required property int index
                            objectName: channelFrame.objectName + "Channel" + (index + 1)
                            block: page.lcd
                            fontSize: page.fontSize
                            label: qsTr("Kanal %1 anzeigen").arg(index + 1)
                            field: "showChannel" + (index + 1)
                        }
                    }
                }
            }
        }
    }
}
