import QtQuick
import QtQuick.Layouts
import LedEnums 1.0 as Led
import NemtraLedContainer 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// The status LED: how it is driven and the three ranges of the referenced value.
NemtraPage {
    id: page
    objectName: "NemtraLedPage"
    title: qsTr("LED Funktion")

    property int revision: 0
    Connections {
        target: NemtraLedContainer
        function onPropertiesPassedOn() { page.revision++ }
    }
    function led(which) { page.revision; return NemtraLedContainer.property(which) || null }
    function unitOf(prop) { return prop ? prop.unit : "" }

    CustomContentFrame {
        objectName: page.objectName + "Mode"
        Layout.fillWidth: true
        title: qsTr("LED Funktion")
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 10
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Modus:") }
            NemtraPropertyCombo {
                objectName: page.objectName + "ModeBox"
                fontSize: page.fontSize
                prop: page.led(Led.PropertyEnum.Mode)
                model: [qsTr("Aus"), qsTr("Referenz"), qsTr("Blinken")]
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("LED-Referenz[hex]:") }
            NemtraHexField {
                objectName: page.objectName + "Reference"
                Layout.fillWidth: true
                fontSize: page.fontSize
                prop: page.led(Led.PropertyEnum.Reference)
            }
            NemtraFormLabel {
                fontSize: page.fontSize
                text: qsTr("LED on time [%1]:").arg(page.unitOf(page.led(Led.PropertyEnum.OnTime)))
            }
            NemtraPropertyField {
                objectName: page.objectName + "OnTime"
                fontSize: page.fontSize
                prop: page.led(Led.PropertyEnum.OnTime)
            }
            NemtraFormLabel {
                fontSize: page.fontSize
                text: qsTr("LED off time [%1]:").arg(page.unitOf(page.led(Led.PropertyEnum.Interval0)))
            }
            NemtraPropertyField {
                objectName: page.objectName + "OffTime"
                fontSize: page.fontSize
                prop: page.led(Led.PropertyEnum.Interval0)
            }
        }
    }

    CustomContentFrame {
        objectName: page.objectName + "Ranges"
        Layout.fillWidth: true
        title: qsTr("Bereiche")
        fontSize: page.fontSize
        ColumnLayout {
            width: parent.width
            spacing: 10
            RowLayout {
                Layout.fillWidth: true
                spacing: 4
                Repeater {
                    model: [[qsTr("Bereich 1"), "#3a9d5d"], [qsTr("Bereich 2"), "#e0a800"], [qsTr("Bereich 3"), "#c0392b"]]
                    delegate: Rectangle {
                        Layout.fillWidth: true
                        Layout.preferredHeight: 36
                        radius: 4
                        color: modelData[1]
                        Text {
                            anchors.centerIn: parent
                            text: modelData[0]
                            color: "white"
                            font.pixelSize: page.fontSize
                        }
                    }
                }
            }
            GridLayout {
                Layout.fillWidth: true
                columns: 2
                columnSpacing: 16
                NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Schwelle 1/2") }
                NemtraPropertyField {
                    objectName: page.objectName + "Threshold1"
                    fontSize: page.fontSize
                    prop: page.led(Led.PropertyEnum.Threshold1)
                }
                NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Schwelle 2/3") }
                NemtraPropertyField {
                    objectName: page.objectName + "Threshold2"
                    fontSize: page.fontSize
                    prop: page.led(Led.PropertyEnum.Threshold2)
                }
            }
        }
    }
}
