import QtQuick
import QtQuick.Layouts
import TlfEnums 1.0 as Tlf
import NemtraTlfContainer 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// The traffic light: a referenced value split into ranges by four thresholds, one colour each.
NemtraPage {
    id: page
    objectName: "NemtraTlfPage"
    title: qsTr("AMPELFUNKTION (TLF)")

    property int revision: 0
    Connections {
        target: NemtraTlfContainer
        function onPropertiesPassedOn() { page.revision++ }
    }
    function tlf(which) { page.revision; return NemtraTlfContainer.property(which) || null }
    function unitOf(prop) { return prop ? prop.unit : "" }
    readonly property var mode: tlf(Tlf.PropertyEnum.Mode)
    readonly property bool dataPoint: mode !== null && mode.value === 1
    readonly property var colours: [NemtraTlfContainer.actualColor1, NemtraTlfContainer.actualColor2,
        NemtraTlfContainer.actualColor3, NemtraTlfContainer.actualColor4, NemtraTlfContainer.actualColor5]

    CustomContentFrame {
        objectName: page.objectName + "ModeFrame"
        Layout.fillWidth: true
        title: qsTr("MODUS")
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 10
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("MODUS") }
            NemtraPropertyCombo {
                objectName: page.objectName + "Mode"
                fontSize: page.fontSize
                prop: page.mode
                model: [qsTr("AUS"), qsTr("Datenpunkt"), qsTr("Blinken")]
            }
            NemtraFormLabel { fontSize: page.fontSize; visible: page.dataPoint; text: qsTr("TLF Referenz") }
            NemtraHexField {
                objectName: page.objectName + "Reference"
                Layout.fillWidth: true
                visible: page.dataPoint
                fontSize: page.fontSize
                prop: page.tlf(Tlf.PropertyEnum.Reference)
            }
            NemtraFormLabel {
                fontSize: page.fontSize
                visible: page.dataPoint
                text: qsTr("LED on time (%1)").arg(page.unitOf(page.tlf(Tlf.PropertyEnum.OnTime)))
            }
            NemtraPropertyField {
                objectName: page.objectName + "OnTime"
                visible: page.dataPoint
                fontSize: page.fontSize
                prop: page.tlf(Tlf.PropertyEnum.OnTime)
            }
        }
    }

    CustomContentFrame {
        objectName: page.objectName + "Ranges"
        Layout.fillWidth: true
        title: qsTr("TLF Bereichsfarbe")
        fontSize: page.fontSize
        ColumnLayout {
            width: parent.width
            spacing: 10
            RowLayout {
                objectName: page.objectName + "Bar"
                Layout.fillWidth: true
                spacing: 2
                Repeater {
                    model: page.colours
                    delegate: Rectangle {
                        Layout.fillWidth: true
                        Layout.preferredHeight: 28
                        radius: 4
                        color: modelData
                        border.color: "#99999999"
                    }
                }
            }
            GridLayout {
                Layout.fillWidth: true
                columns: 3
                columnSpacing: 12
                rowSpacing: 8
                Repeater {
                    model: 4
                    delegate: NemtraFormLabel {
                        Layout.row: index
                        Layout.column: 0
                        Layout.preferredWidth: 120
                        fontSize: page.fontSize
                        text: qsTr("Schwelle %1:").arg(index + 1)
                    }
                }
                Repeater {
                    model: 4
                    delegate: NemtraPropertyField {
                        objectName: page.objectName + "Threshold" + (index + 1)
                        Layout.row: index
                        Layout.column: 1
                        fontSize: page.fontSize
                        prop: page.tlf(Tlf.PropertyEnum.Threshold1 + index)
                    }
                }
                Repeater {
                    model: 4
                    delegate: NemtraPropertyCombo {
                        objectName: page.objectName + "Colour" + (index + 1)
                        Layout.row: index
                        Layout.column: 2
                        fontSize: page.fontSize
                        prop: page.tlf(Tlf.PropertyEnum.Color0 + index)
                        model: NemtraTlfContainer.availableColors()
                    }
                }
            }
        }
    }
}
