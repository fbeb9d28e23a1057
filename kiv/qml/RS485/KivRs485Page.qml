import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"
import "qrc:/Dependencies/Mirrel/qml/Monitoring"

// Bus settings of a Modbus or BACnet board. What the DIP switches and the board fix is shown
// only; the address set by software and, for BACnet, the description and the change-of-value
// reporting can be edited.
Rectangle {
    id: page
    objectName: "KivRs485Page"
    color: Style.background

    property real fontSize: 15
    readonly property real labelWidth: 240
    readonly property var bus: Kiv.rs485
    readonly property bool bacnet: bus ? bus.isBacNet : false
    // The block's last refusal, shown next to the entry it concerns.
    property string message: ""

    function parityText(parity) {
        switch (parity) {
        case 0: return qsTr("Keine")
        case 1: return qsTr("Ungerade")
        case 2: return qsTr("Gerade")
        default: return qsTr("Unbekannt (%1)").arg(parity)
        }
    }

    function unitOf(type) {
        const blocks = Kiv.dataBlocks
        for (let i = 0; i < blocks.length; ++i) {
            if (blocks[i] && blocks[i].type === type)
                return Kiv.unitToString(blocks[i].unit)
        }
        return ""
    }

    Connections {
        target: page.bus
        ignoreUnknownSignals: true
        function onErrorPlainText(text) { page.message = text }
        function onDescriptionChanged() { page.message = "" }
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
                text: qsTr("BUS-EINSTELLUNGEN")
                subText: !page.bus ? qsTr("Kein Busmodul vorhanden")
                                   : (page.bacnet ? "BACnet MS/TP" : "Modbus RTU")
                fontSize: page.fontSize
            }

            CustomContentFrame {
                id: lineFrame
                objectName: page.objectName + "Line"
                Layout.fillWidth: true
                visible: page.bus !== null
                title: qsTr("Schnittstelle")
                fontSize: page.fontSize

                ColumnLayout {
                    objectName: lineFrame.objectName + "Rows"
                    width: parent.width
                    spacing: 10

                    CustomInfoRow {
                        objectName: page.objectName + "DipAddress"
                        Layout.fillWidth: true
                        labelWidth: page.labelWidth
                        label: page.bacnet ? qsTr("MAC-Adresse (DIP-Schalter)") : qsTr("Busadresse (DIP-Schalter)")
                        value: page.bus ? String(page.bus.dipAdress) : ""
                        fontSize: page.fontSize
                    }
                    CustomInfoRow {
                        objectName: page.objectName + "Baudrate"
                        Layout.fillWidth: true
                        labelWidth: page.labelWidth
                        label: qsTr("Baudrate")
                        value: page.bus ? qsTr("%1 Bit/s").arg(page.bus.baudrate) : ""
                        fontSize: page.fontSize
                    }
                    CustomInfoRow {
                        objectName: page.objectName + "Mode"
                        Layout.fillWidth: true
                        visible: !page.bacnet
                        labelWidth: page.labelWidth
                        label: qsTr("Übertragungsart")
                        value: page.bus ? (page.bus.modus === 0 ? "RTU" : "TCP") : ""
                        fontSize: page.fontSize
                    }
                    CustomInfoRow {
                        objectName: page.objectName + "Parity"
                        Layout.fillWidth: true
                        labelWidth: page.labelWidth
                        label: qsTr("Parität")
                        value: page.bus ? page.parityText(page.bus.parity) : ""
                        fontSize: page.fontSize
                    }
                    CustomInfoRow {
                        objectName: page.objectName + "StopBits"
                        Layout.fillWidth: true
                        labelWidth: page.labelWidth
                        label: qsTr("Stoppbits")
                        value: page.bus ? String(page.bus.stopBit) : ""
                        fontSize: page.fontSize
                    }
                    Text {
                        objectName: page.objectName + "FixedNote"
                        Layout.fillWidth: true
                        text: qsTr("Diese Werte sind durch DIP-Schalter und Busmodul festgelegt und können hier nicht geändert werden.")
                        color: Style.textMuted
                        font.pixelSize: Style.small(page.fontSize)
                        wrapMode: Text.WordWrap
                    }
                }
            }

            CustomContentFrame {
                id: addressFrame
                objectName: page.objectName + "Address"
                Layout.fillWidth: true
                visible: page.bus !== null
                title: page.bacnet ? qsTr("BACnet-Geräte-ID") : qsTr("Modbus-Adresse")
                fontSize: page.fontSize

                GridLayout {
                    id: addressGrid
                    objectName: addressFrame.objectName + "Grid"
                    width: parent.width
                    columns: 2
                    columnSpacing: 16
                    rowSpacing: 10

                    Text {
                        objectName: addressGrid.objectName + "IdLabel"
                        Layout.preferredWidth: page.labelWidth
                        text: page.bacnet ? qsTr("Offset der Geräte-ID") : qsTr("Adresse (Software)")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                        elide: Text.ElideRight
                    }
                    SpinBox {
                        id: idBox
                        objectName: page.objectName + "DeviceId"
                        Layout.fillWidth: true
                        editable: true
                        font.pixelSize: page.fontSize
                        from: page.bus ? page.bus.deviceIdMinimum : 0
                        to: page.bus ? page.bus.deviceIdMaximum : 0
                        value: page.bus ? page.bus.deviceId : 0
                        textFromValue: (number) => String(number)
                        valueFromText: (text) => parseInt(text, 10)
                        onValueModified: if (page.bus) page.bus.deviceId = value
                    }
                    Text {
                        objectName: page.objectName + "DeviceIdHint"
                        Layout.columnSpan: 2
                        Layout.fillWidth: true
                        visible: !page.bacnet && page.bus !== null && page.bus.dipAdress !== 0
                        text: qsTr("Die Adresse gilt erst, wenn alle Adress-DIP-Schalter ausgeschaltet sind.")
                        color: Style.danger
                        font.pixelSize: Style.small(page.fontSize)
                        wrapMode: Text.WordWrap
                    }
                }
            }

            CustomContentFrame {
                id: bacnetFrame
                objectName: page.objectName + "Bacnet"
                Layout.fillWidth: true
                visible: page.bacnet
                title: qsTr("BACnet")
                fontSize: page.fontSize

                GridLayout {
                    id: bacnetGrid
                    objectName: bacnetFrame.objectName + "Grid"
                    width: parent.width
                    columns: 2
                    columnSpacing: 16
                    rowSpacing: 10

                    Text {
                        objectName: bacnetGrid.objectName + "DescriptionLabel"
                        Layout.preferredWidth: page.labelWidth
                        text: qsTr("Beschreibung")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                        elide: Text.ElideRight
                    }
                    RowLayout {
                        id: descriptionRow
                        objectName: bacnetGrid.objectName + "DescriptionRow"
                        Layout.fillWidth: true
                        spacing: Style.spacing

                        TextField {
                            id: descriptionField
                            objectName: page.objectName + "Description"
                            Layout.fillWidth: true
                            font.pixelSize: page.fontSize
                            maximumLength: page.bus ? page.bus.descriptionLength : 32
                            text: page.bus ? page.bus.description : ""
                            onAccepted: descriptionButton.clicked()
                        }
                        CustomButton {
                            id: descriptionButton
                            objectName: page.objectName + "DescriptionApply"
                            text: qsTr("Übernehmen")
                            fontSize: page.fontSize
                            enabled: page.bus !== null && descriptionField.text !== page.bus.description
                            onClicked: {
                                page.message = ""
                                page.bus.description = descriptionField.text
                            }
                        }
                    }
                    Text {
                        objectName: page.objectName + "Message"
                        Layout.columnSpan: 2
                        Layout.fillWidth: true
                        visible: page.message.length > 0
                        text: page.message
                        color: Style.danger
                        font.pixelSize: Style.small(page.fontSize)
                        wrapMode: Text.WordWrap
                    }

                    Text {
                        objectName: bacnetGrid.objectName + "CovLabel"
                        Layout.preferredWidth: page.labelWidth
                        text: qsTr("COV-Meldungen")
                        color: Style.textMuted
                        font.pixelSize: page.fontSize
                        elide: Text.ElideRight
                    }
                    Switch {
                        id: covSwitch
                        objectName: page.objectName + "CovEnable"
                        checked: page.bus ? page.bus.covEnable >= 1 : false
                        text: checked ? qsTr("aktiv") : qsTr("deaktiviert")
                        font.pixelSize: page.fontSize
                        onToggled: page.bus.covEnable = checked ? 1 : 0
                    }
                }
            }

            CustomContentFrame {
                id: covFrame
                objectName: page.objectName + "Increments"
                Layout.fillWidth: true
                visible: page.bacnet
                title: qsTr("COV-Inkremente")
                fontSize: page.fontSize

                ColumnLayout {
                    id: covColumn
                    objectName: covFrame.objectName + "Column"
                    width: parent.width
                    spacing: 10

                    Text {
                        objectName: covColumn.objectName + "Note"
                        Layout.fillWidth: true
                        text: qsTr("Änderung eines Messwerts, ab der das Gerät eine COV-Meldung sendet; -1 = nicht gesetzt.")
                        color: Style.textMuted
                        font.pixelSize: Style.small(page.fontSize)
                        wrapMode: Text.WordWrap
                    }

                    Repeater {
                        id: covRepeater
                        objectName: covColumn.objectName + "Repeater"
                        model: page.bus ? page.bus.covIncrements : []

                        delegate: RowLayout {
                            id: covRow
                            objectName: page.objectName + "Increment" + index
                            Layout.fillWidth: true
                            spacing: 16

                            Text {
                                objectName: covRow.objectName + "Measure"
                                Layout.preferredWidth: page.labelWidth
                                // Through qsTr, so that a language switch renames the measure too.
                                text: qsTr("%1 (%2)").arg(Kiv.typeToString(modelData.type))
                                                     .arg(page.unitOf(modelData.type) || "–")
                                color: Style.textMuted
                                font.pixelSize: page.fontSize
                                elide: Text.ElideRight
                            }
                            TextField {
                                id: incrementField
                                objectName: covRow.objectName + "Value"
                                Layout.fillWidth: true
                                font.pixelSize: page.fontSize
                                text: Number(modelData.value).toLocaleString(Qt.locale(), "f", 2)
                                validator: DoubleValidator { bottom: -1; decimals: 2; notation: DoubleValidator.StandardNotation }
                                onEditingFinished: {
                                    const value = Number.fromLocaleString(Qt.locale(), text)
                                    if (!isNaN(value))
                                        page.bus.setIncrementFor(modelData.type, value)
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
