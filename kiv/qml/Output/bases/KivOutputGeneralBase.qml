import QtQuick
import QtQuick.Layouts
import KivEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "../../General"
import "../../Menu"
import "../../Tumbler"

// Settings shared by all outputs: the voltage span, the current output and the altitude that
// the pressure-dependent measures are corrected for.
KivSettingsPage {
    id: page
    objectName: "General"
    title: qsTr("AUSGÄNGE ALLGEMEIN")

    readonly property bool hasCurrentOutput: Kiv.deviceInfo.boardType === KivEnum.AP_AA
    readonly property int maxAltitude: 9000

    CustomContentFrame {
        id: signalFrame
        objectName: page.objectName + "Signal"
        Layout.fillWidth: true
        title: qsTr("Ausgangssignal")
        fontSize: page.fontSize

        KivFormGrid {
            objectName: signalFrame.objectName + "Form"
            width: parent.width

            KivFormLabel {
                objectName: signalFrame.objectName + "SpanLabel"
                text: qsTr("Spannungsbereich")
                fontSize: page.fontSize
            }
            KivSelectMenu {
                objectName: signalFrame.objectName + "Span"
                Layout.fillWidth: true
                enabled: Kiv.connected && Kiv.voltageRange.length > 0
                model: Kiv.voltageRange
                selectedIndex: Kiv.minVoltage
                displayText: currentIndex >= 0 ? currentText : "–"
                fontSize: page.fontSize
                onActivated: (index) => Kiv.minVoltage = index
            }

            KivFormLabel {
                objectName: signalFrame.objectName + "MaxLabel"
                text: qsTr("Maximale Spannung")
                fontSize: page.fontSize
            }
            RowLayout {
                objectName: signalFrame.objectName + "MaxRow"
                Layout.fillWidth: true
                spacing: 10
                KivValueTumbler {
                    id: maxVoltage
                    objectName: signalFrame.objectName + "Max"
                    from: 1
                    to: 10
                    unit: "V"
                    fontSize: page.fontSize
                    Component.onCompleted: setValue(Kiv.maxVoltage)
                    Connections {
                        target: Kiv
                        function onMaxVoltageChanged() { maxVoltage.setValue(Kiv.maxVoltage) }
                    }
                }
                CustomButton {
                    objectName: signalFrame.objectName + "MaxApply"
                    text: qsTr("Übernehmen")
                    fontSize: page.fontSize
                    enabled: Kiv.connected && maxVoltage.value !== Kiv.maxVoltage
                    onClicked: Kiv.maxVoltage = maxVoltage.value
                }
            }

            KivFormLabel {
                objectName: signalFrame.objectName + "CurrentLabel"
                text: qsTr("Stromausgang")
                fontSize: page.fontSize
            }
            Text {
                objectName: signalFrame.objectName + "Current"
                Layout.fillWidth: true
                Layout.topMargin: 4
                text: page.hasCurrentOutput ? qsTr("4 - 20 mA an jedem belegten Ausgang")
                                            : qsTr("Diese Optionsplatine hat nur Spannungsausgänge.")
                color: page.hasCurrentOutput ? Style.text : Style.textMuted
                font.pixelSize: page.fontSize
                wrapMode: Text.WordWrap
            }
        }
    }

    CustomContentFrame {
        id: siteFrame
        objectName: page.objectName + "Site"
        Layout.fillWidth: true
        title: qsTr("Standort")
        fontSize: page.fontSize

        ColumnLayout {
            objectName: siteFrame.objectName + "Column"
            width: parent.width
            spacing: 6

            KivFormGrid {
                objectName: siteFrame.objectName + "Form"
                Layout.fillWidth: true

                KivFormLabel {
                    objectName: siteFrame.objectName + "AltitudeLabel"
                    text: qsTr("Höhe über NN [m]")
                    fontSize: page.fontSize
                }
                RowLayout {
                    objectName: siteFrame.objectName + "AltitudeRow"
                    Layout.fillWidth: true
                    spacing: 10
                    KivNumberField {
                        id: altitude
                        objectName: siteFrame.objectName + "Altitude"
                        text: String(Kiv.hoehe)
                        fontSize: page.fontSize
                        enabled: Kiv.connected
                        onAccepted: altitudeApply.clicked()
                    }
                    CustomButton {
                        id: altitudeApply
                        objectName: siteFrame.objectName + "AltitudeApply"
                        text: qsTr("Übernehmen")
                        fontSize: page.fontSize
                        enabled: Kiv.connected
                        onClicked: {
                            const value = altitude.number
                            if (isNaN(value) || !Number.isInteger(value) || value < 0 || value > page.maxAltitude) {
                                altitudeMessage.text = qsTr("Bitte eine ganze Zahl von 0 bis %1 eingeben.").arg(page.maxAltitude)
                                return
                            }
                            altitudeMessage.text = ""
                            Kiv.hoehe = value
                        }
                    }
                }
            }
            KivMessageText {
                id: altitudeMessage
                objectName: siteFrame.objectName + "AltitudeMessage"
                fontSize: page.fontSize
            }
        }
    }
}
