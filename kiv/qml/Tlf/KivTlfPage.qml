import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// Traffic-light function: the display shows one channel as a traffic light, colour 1 below
// threshold 1, colour 2 between the thresholds, colour 3 above threshold 2. Thresholds are shown
// and entered in the channel's unit.
Rectangle {
    id: page
    objectName: "KivTlfPage"
    color: Style.background

    property real fontSize: 15
    readonly property var tlf: Kiv.tlf
    // The data block the light watches (channel n is the n-th active channel), or null.
    readonly property var source: {
        Kiv.activeChannels // re-evaluate when the channels change
        return tlf && tlf.channel > 0 ? Kiv.getActiveChannel(tlf.channel - 1) : null
    }
    readonly property int unit: source ? source.unit : 0
    readonly property string unitText: source ? Kiv.unitToString(source.unit) : ""
    readonly property bool hasRange: tlf !== null && tlf.max > tlf.min
    readonly property var colorNames: [qsTr("Keine"), qsTr("Grün"), qsTr("Gelb"), qsTr("Rot")]
    readonly property var colorValues: ["transparent", "#2E9E4F", "#E8B923", "#C62828"]

    // Up to two decimals, without group separators, so that the text parses back as typed.
    function shown(threshold) {
        if (!tlf)
            return ""
        const text = String(Math.round(tlf.adjustThreshold(threshold, unit) * 100) / 100)
        return text.replace(".", Qt.locale().decimalPoint)
    }

    // Takes a typed threshold; false (with the reason shown) when it is not taken.
    function applyThreshold(which, text) {
        if (!tlf)
            return false
        let value = NaN
        try {
            value = Number.fromLocaleString(Qt.locale(), text.trim())
        } catch (e) {
            value = NaN
        }
        if (!isFinite(value)) {
            message.text = qsTr("Bitte eine Zahl eingeben.")
            return false
        }
        if (hasRange && (value < tlf.min || value > tlf.max)) {
            message.text = qsTr("Der Wert liegt außerhalb des Messbereichs (%1 bis %2 %3).")
                           .arg(tlf.min).arg(tlf.max).arg(unitText)
            return false
        }
        message.text = ""
        const stored = tlf.aThresholdToValue(value, unit)
        if (which === 1)
            tlf.threshold1 = stored
        else
            tlf.threshold2 = stored
        return true
    }

    Component.onCompleted: Kiv.doPoll = false

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
                text: qsTr("AMPELFUNKTION")
                subText: page.tlf ? "" : qsTr("Kein Gerät verbunden")
                fontSize: page.fontSize
            }

            CustomContentFrame {
                id: lightFrame
                objectName: page.objectName + "Light"
                Layout.fillWidth: true
                visible: page.tlf !== null
                title: qsTr("Ampel")
                fontSize: page.fontSize

                GridLayout {
                    objectName: lightFrame.objectName + "Grid"
                    width: parent.width
                    columns: 2
                    columnSpacing: 16
                    rowSpacing: 12

                    Text {
                        objectName: lightFrame.objectName + "OnOffLabel"
                        text: qsTr("Ampelfunktion:")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                    }
                    Switch {
                        objectName: lightFrame.objectName + "OnOff"
                        checked: page.tlf !== null && page.tlf.onOff !== 0
                        text: checked ? qsTr("an") : qsTr("aus")
                        font.pixelSize: page.fontSize
                        onToggled: page.tlf.onOff = checked ? 1 : 0
                    }

                    Text {
                        objectName: lightFrame.objectName + "ChannelLabel"
                        text: qsTr("Kanal:")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                    }
                    ComboBox {
                        objectName: lightFrame.objectName + "Channel"
                        Layout.fillWidth: true
                        font.pixelSize: page.fontSize
                        model: page.tlf ? page.tlf.model : []
                        currentIndex: page.tlf ? page.tlf.channel : -1
                        onActivated: index => page.tlf.channel = index
                    }

                    Text {
                        objectName: lightFrame.objectName + "RangeLabel"
                        text: qsTr("Messbereich:")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                    }
                    Text {
                        objectName: lightFrame.objectName + "Range"
                        Layout.fillWidth: true
                        text: page.hasRange ? qsTr("%1 bis %2 %3").arg(page.tlf.min).arg(page.tlf.max).arg(page.unitText)
                                            : "–"
                        color: Style.text
                        font.pixelSize: page.fontSize
                        font.bold: true
                    }
                }
            }

            CustomContentFrame {
                id: colorFrame
                objectName: page.objectName + "Colors"
                Layout.fillWidth: true
                visible: page.tlf !== null
                title: qsTr("Farben")
                fontSize: page.fontSize

                GridLayout {
                    objectName: colorFrame.objectName + "Grid"
                    width: parent.width
                    columns: 2
                    columnSpacing: 16
                    rowSpacing: 12

                    Repeater {
                        model: [
                            { label: qsTr("Unter Schwelle 1:"), property: "color1" },
                            { label: qsTr("Zwischen den Schwellen:"), property: "color2" },
                            { label: qsTr("Über Schwelle 2:"), property: "color3" }
                        ]

                        delegate: RowLayout {
                            id: colorRow
                            objectName: colorFrame.objectName + "Row" + index
                            Layout.columnSpan: 2
                            Layout.fillWidth: true
                            spacing: 16
                            required property var modelData
                            required property int index

                            Text {
                                objectName: colorRow.objectName + "Label"
                                Layout.preferredWidth: 220
                                text: colorRow.modelData.label
                                color: Style.textMuted
                                font.pixelSize: page.fontSize
                            }
                            Rectangle {
                                objectName: colorRow.objectName + "Swatch"
                                width: 18
                                height: 18
                                radius: 9
                                border.color: Style.border
                                color: page.colorValues[box.currentIndex] || "transparent"
                            }
                            ComboBox {
                                id: box
                                objectName: colorRow.objectName + "Box"
                                Layout.fillWidth: true
                                font.pixelSize: page.fontSize
                                model: page.colorNames
                                currentIndex: page.tlf ? Math.min(page.tlf[colorRow.modelData.property], 3) : 0
                                onActivated: index => page.tlf[colorRow.modelData.property] = index
                            }
                        }
                    }
                }
            }

            CustomContentFrame {
                id: thresholdFrame
                objectName: page.objectName + "Thresholds"
                Layout.fillWidth: true
                visible: page.tlf !== null
                title: qsTr("Schwellen")
                fontSize: page.fontSize

                GridLayout {
                    objectName: thresholdFrame.objectName + "Grid"
                    width: parent.width
                    columns: 3
                    columnSpacing: 16
                    rowSpacing: 12

                    Text {
                        objectName: thresholdFrame.objectName + "Label1"
                        text: qsTr("Schwelle 1:")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                    }
                    TextField {
                        id: threshold1Field
                        objectName: thresholdFrame.objectName + "Threshold1"
                        Layout.fillWidth: true
                        font.pixelSize: page.fontSize
                        text: page.tlf ? page.shown(page.tlf.threshold1) : ""
                        validator: DoubleValidator { notation: DoubleValidator.StandardNotation }
                        onEditingFinished: if (!page.applyThreshold(1, text)) text = Qt.binding(() => page.tlf ? page.shown(page.tlf.threshold1) : "")
                    }
                    Text {
                        objectName: thresholdFrame.objectName + "Unit1"
                        text: page.unitText
                        color: Style.text
                        font.pixelSize: page.fontSize
                    }

                    Text {
                        objectName: thresholdFrame.objectName + "Label2"
                        text: qsTr("Schwelle 2:")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                    }
                    TextField {
                        id: threshold2Field
                        objectName: thresholdFrame.objectName + "Threshold2"
                        Layout.fillWidth: true
                        font.pixelSize: page.fontSize
                        text: page.tlf ? page.shown(page.tlf.threshold2) : ""
                        validator: DoubleValidator { notation: DoubleValidator.StandardNotation }
                        onEditingFinished: if (!page.applyThreshold(2, text)) text = Qt.binding(() => page.tlf ? page.shown(page.tlf.threshold2) : "")
                    }
                    Text {
                        objectName: thresholdFrame.objectName + "Unit2"
                        text: page.unitText
                        color: Style.text
                        font.pixelSize: page.fontSize
                    }

                    Text {
                        id: message
                        objectName: thresholdFrame.objectName + "Message"
                        Layout.columnSpan: 3
                        Layout.fillWidth: true
                        visible: text !== ""
                        color: Style.danger
                        font.pixelSize: Style.small(page.fontSize)
                        wrapMode: Text.WordWrap
                    }
                }
            }
        }
    }
}
