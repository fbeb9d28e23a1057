import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// CO2 adjustment: automatic fresh-air adjustment on or off, or a manual adjustment against a
// reference gas whose concentration the user enters.
ColumnLayout {
    id: page
    objectName: "Co2"
    spacing: 20

    property var expert: null
    property real fontSize: 15
    readonly property bool manual: expert !== null && expert.freshAirAdjustment === 0
    readonly property int minPpm: 400
    readonly property int maxPpm: 2000
    readonly property bool referenceValid: expert !== null && expert.freshAirAmount >= minPpm
                                           && expert.freshAirAmount <= maxPpm

    CustomPageHeader {
        objectName: page.objectName + "Header"
        Layout.fillWidth: true
        text: qsTr("CO2 JUSTIERUNG")
        fontSize: page.fontSize
    }

    CustomContentFrame {
        id: frame
        objectName: page.objectName + "Frame"
        Layout.fillWidth: true
        title: qsTr("Justierung")
        fontSize: page.fontSize

        GridLayout {
            id: grid
            objectName: frame.objectName + "Grid"
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 12

            Text {
                objectName: frame.objectName + "ModeLabel"
                text: qsTr("Frischluftjustierung:")
                color: Style.textMuted
                font.pixelSize: page.fontSize
            }
            ComboBox {
                id: modeBox
                objectName: frame.objectName + "ModeBox"
                Layout.fillWidth: true
                font.pixelSize: page.fontSize
                model: [qsTr("manuell"), qsTr("automatisch")]
                // Anything but 0 counts as automatic.
                currentIndex: page.expert !== null && page.expert.freshAirAdjustment > 0 ? 1 : 0
                onActivated: index => { if (page.expert) page.expert.freshAirAdjustment = index }
            }

            Text {
                objectName: frame.objectName + "AmountLabel"
                visible: page.manual
                text: qsTr("Konzentration Justiergas¹:")
                color: Style.textMuted
                font.pixelSize: page.fontSize
            }
            SpinBox {
                id: amountBox
                objectName: frame.objectName + "AmountBox"
                Layout.fillWidth: true
                visible: page.manual
                from: page.minPpm
                to: page.maxPpm
                stepSize: 10
                editable: true
                font.pixelSize: page.fontSize
                value: page.expert !== null ? page.expert.freshAirAmount : page.minPpm
                textFromValue: (value, locale) => Number(value).toLocaleString(locale, "f", 0) + " ppm"
                valueFromText: (text, locale) => Number.fromLocaleString(locale, text.replace(/\s*ppm\s*$/, ""))
                validator: RegularExpressionValidator { regularExpression: /\s*\d{1,4}\s*(ppm)?\s*/ }
                onValueModified: if (page.expert) page.expert.freshAirAmount = value
            }

            Text {
                objectName: frame.objectName + "AmountHint"
                Layout.columnSpan: 2
                Layout.fillWidth: true
                visible: page.manual && !page.referenceValid
                text: qsTr("Bitte die Konzentration des Justiergases eingeben (400 bis 2000 ppm).")
                color: Style.danger
                font.pixelSize: Style.small(page.fontSize)
                wrapMode: Text.WordWrap
            }

            CustomButton {
                objectName: frame.objectName + "StartButton"
                Layout.columnSpan: 2
                Layout.alignment: Qt.AlignRight
                visible: page.manual
                enabled: page.referenceValid && Kiv.connected
                text: qsTr("Justierung starten")
                fontSize: page.fontSize
                onClicked: page.expert.startCo2Adjustment()
            }

            Text {
                objectName: frame.objectName + "Description"
                Layout.columnSpan: 2
                Layout.fillWidth: true
                visible: page.manual
                text: page.expert !== null ? page.expert.descriptionCo2 : ""
                color: Style.textMuted
                font.pixelSize: Style.small(page.fontSize)
                wrapMode: Text.WordWrap
            }
        }
    }

    CustomContentFrame {
        id: infoFrame
        objectName: page.objectName + "InfoFrame"
        Layout.fillWidth: true
        fontSize: page.fontSize

        Text {
            objectName: infoFrame.objectName + "Text"
            width: parent.width
            text: page.expert !== null ? page.expert.infoCo2 : ""
            color: Style.text
            font.pixelSize: Style.small(page.fontSize)
            wrapMode: Text.WordWrap
        }
    }
}
