import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// LoRaWAN parameters of the radio board. The device EUI and the LoRaWAN version are fixed by
// the board and shown read-only; every other value goes to the device when it is changed.
Flickable {
    id: page
    objectName: "Parameter"

    property real fontSize: 15
    readonly property real labelWidth: 220
    readonly property var lora: Kiv.lora
    readonly property var limits: lora ? lora.limits : ({})
    // The block's last refusal, shown under the entries.
    property string message: ""

    function range(name) { return limits[name] ? limits[name] : [0, 0] }

    contentHeight: layout.implicitHeight + 48
    clip: true
    boundsBehavior: Flickable.StopAtBounds

    Connections {
        target: page.lora
        ignoreUnknownSignals: true
        function onErrorPlainText(text) { page.message = text }
    }

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
            text: qsTr("LORAWAN-PARAMETER")
            subText: page.lora && page.lora.valid ? "" : qsTr("Keine LoRaWAN-Daten vorhanden")
            fontSize: page.fontSize
        }

        CustomContentFrame {
            id: identityFrame
            objectName: page.objectName + "Identity"
            Layout.fillWidth: true
            title: qsTr("Identität")
            fontSize: page.fontSize

            GridLayout {
                id: identityGrid
                objectName: identityFrame.objectName + "Grid"
                width: parent.width
                columns: 2
                columnSpacing: 16
                rowSpacing: 10

                Text {
                    objectName: identityGrid.objectName + "DevEuiLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Device EUI")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                TextField {
                    objectName: page.objectName + "DevEui"
                    Layout.fillWidth: true
                    readOnly: true
                    enabled: false
                    font.pixelSize: page.fontSize
                    font.family: "monospace"
                    text: page.lora ? page.lora.devEUI : ""
                }

                Text {
                    objectName: identityGrid.objectName + "AppEuiLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Application EUI")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                RowLayout {
                    objectName: identityGrid.objectName + "AppEuiRow"
                    Layout.fillWidth: true
                    spacing: Style.spacing
                    TextField {
                        id: appEuiField
                        objectName: page.objectName + "AppEui"
                        Layout.fillWidth: true
                        font.pixelSize: page.fontSize
                        font.family: "monospace"
                        placeholderText: "00 00 00 00 00 00 00 00"
                        text: page.lora ? page.lora.appEUI : ""
                        onAccepted: appEuiButton.clicked()
                    }
                    CustomButton {
                        id: appEuiButton
                        objectName: page.objectName + "AppEuiApply"
                        text: qsTr("Übernehmen")
                        fontSize: page.fontSize
                        enabled: page.lora !== null && appEuiField.text !== page.lora.appEUI
                        onClicked: {
                            page.message = ""
                            if (page.lora.appEuiFromHex(appEuiField.text))
                                appEuiField.text = Qt.binding(() => page.lora ? page.lora.appEUI : "")
                        }
                    }
                }

                Text {
                    objectName: identityGrid.objectName + "AppKeyLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Application Key")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                // The key as shown needs the whole width; its button goes below it.
                ColumnLayout {
                    objectName: identityGrid.objectName + "AppKeyColumn"
                    Layout.fillWidth: true
                    spacing: 8
                    TextField {
                        id: appKeyField
                        objectName: page.objectName + "AppKey"
                        Layout.fillWidth: true
                        font.pixelSize: Style.small(page.fontSize)
                        font.family: "monospace"
                        placeholderText: qsTr("32 hexadezimale Ziffern")
                        text: page.lora ? page.lora.appKey : ""
                        onAccepted: appKeyButton.clicked()
                    }
                    CustomButton {
                        id: appKeyButton
                        objectName: page.objectName + "AppKeyApply"
                        Layout.alignment: Qt.AlignRight
                        text: qsTr("Übernehmen")
                        fontSize: page.fontSize
                        enabled: page.lora !== null && appKeyField.text !== page.lora.appKey
                        onClicked: {
                            page.message = ""
                            if (page.lora.appKeyFromHex(appKeyField.text))
                                appKeyField.text = Qt.binding(() => page.lora ? page.lora.appKey : "")
                        }
                    }
                }

                Text {
                    objectName: identityGrid.objectName + "VersionLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("LoRaWAN-Version")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                TextField {
                    objectName: page.objectName + "Version"
                    Layout.fillWidth: true
                    readOnly: true
                    enabled: false
                    font.pixelSize: page.fontSize
                    text: page.lora ? page.lora.version : ""
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
            }
        }

        CustomContentFrame {
            id: radioFrame
            objectName: page.objectName + "Radio"
            Layout.fillWidth: true
            title: qsTr("Funk")
            fontSize: page.fontSize

            GridLayout {
                id: radioGrid
                objectName: radioFrame.objectName + "Grid"
                width: parent.width
                columns: 2
                columnSpacing: 16
                rowSpacing: 10

                Text {
                    objectName: radioGrid.objectName + "RegionLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Frequenzregion (Code)")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                KivLoraNumberBox {
                    objectName: page.objectName + "Region"
                    Layout.fillWidth: true
                    range: page.range("region")
                    deviceValue: page.lora ? page.lora.region : 0
                    fontSize: page.fontSize
                    onCommitted: (value) => page.lora.region = value
                }

                Text {
                    objectName: radioGrid.objectName + "PortLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Port")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                KivLoraNumberBox {
                    objectName: page.objectName + "Port"
                    Layout.fillWidth: true
                    range: page.range("port")
                    deviceValue: page.lora ? page.lora.port : 0
                    fontSize: page.fontSize
                    onCommitted: (value) => page.lora.port = value
                }

                Text {
                    objectName: radioGrid.objectName + "AdrLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Adaptive Datenrate (ADR)")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                Switch {
                    objectName: page.objectName + "Adr"
                    checked: page.lora ? page.lora.adr !== 0 : false
                    text: checked ? qsTr("an") : qsTr("aus")
                    font.pixelSize: page.fontSize
                    onToggled: page.lora.adr = checked ? 1 : 0
                }

                Text {
                    objectName: radioGrid.objectName + "DataRateLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Standard-Datenrate")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                ComboBox {
                    id: dataRateBox
                    objectName: page.objectName + "DataRate"
                    Layout.fillWidth: true
                    font.pixelSize: page.fontSize
                    model: {
                        const r = page.range("dataRate")
                        let names = []
                        for (let dr = r[0]; dr <= r[1]; ++dr)
                            names.push("DR%1 / SF%2".arg(dr).arg(12 - dr))
                        return names
                    }
                    currentIndex: page.lora ? page.lora.dataRateDefault - page.range("dataRate")[0] : -1
                    onActivated: (index) => page.lora.dataRateDefault = index + page.range("dataRate")[0]
                }

                Text {
                    objectName: radioGrid.objectName + "TxPowerLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Sendeleistung (Stufe)")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                KivLoraNumberBox {
                    objectName: page.objectName + "TxPower"
                    Layout.fillWidth: true
                    range: page.range("txPower")
                    deviceValue: page.lora ? page.lora.txPower : 0
                    fontSize: page.fontSize
                    onCommitted: (value) => page.lora.txPower = value
                }

                Text {
                    objectName: radioGrid.objectName + "NbTransLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Wiederholungen (NbTrans)")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                KivLoraNumberBox {
                    objectName: page.objectName + "NbTrans"
                    Layout.fillWidth: true
                    range: page.range("nbTrans")
                    deviceValue: page.lora ? page.lora.nbTrans : 0
                    fontSize: page.fontSize
                    onCommitted: (value) => page.lora.nbTrans = value
                }

                Text {
                    objectName: radioGrid.objectName + "ConfirmLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Bestätigte Nachrichten")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                Switch {
                    objectName: page.objectName + "Confirm"
                    checked: page.lora ? page.lora.confirmActivation !== 0 : false
                    text: checked ? qsTr("ja") : qsTr("nein")
                    font.pixelSize: page.fontSize
                    onToggled: page.lora.confirmActivation = checked ? 1 : 0
                }

                Text {
                    objectName: radioGrid.objectName + "MaskLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Kanalmaske (binär)")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                ColumnLayout {
                    objectName: radioGrid.objectName + "MaskColumn"
                    Layout.fillWidth: true
                    spacing: 8
                    TextField {
                        id: maskField
                        objectName: page.objectName + "ChannelMask"
                        Layout.fillWidth: true
                        font.pixelSize: Style.small(page.fontSize)
                        font.family: "monospace"
                        text: page.lora ? page.lora.channelMaskBin : ""
                        onAccepted: maskButton.clicked()
                    }
                    RowLayout {
                        objectName: radioGrid.objectName + "MaskButtons"
                        Layout.fillWidth: true
                        spacing: Style.spacing
                        Text {
                            objectName: page.objectName + "ChannelMaskHex"
                            Layout.fillWidth: true
                            text: page.lora ? qsTr("hexadezimal %1").arg(page.lora.channelMaskHex) : ""
                            color: Style.textMuted
                            font.pixelSize: Style.small(page.fontSize)
                        }
                        CustomButton {
                            id: maskButton
                            objectName: page.objectName + "ChannelMaskApply"
                            text: qsTr("Übernehmen")
                            fontSize: page.fontSize
                            enabled: page.lora !== null && maskField.text !== page.lora.channelMaskBin
                            onClicked: {
                                page.message = ""
                                if (page.lora.channelMaskFromBin(maskField.text))
                                    maskField.text = Qt.binding(() => page.lora ? page.lora.channelMaskBin : "")
                            }
                        }
                    }
                }
            }
        }

        CustomContentFrame {
            id: timingFrame
            objectName: page.objectName + "Timing"
            Layout.fillWidth: true
            title: qsTr("Intervalle und Anzeige")
            fontSize: page.fontSize

            GridLayout {
                id: timingGrid
                objectName: timingFrame.objectName + "Grid"
                width: parent.width
                columns: 2
                columnSpacing: 16
                rowSpacing: 10

                Text {
                    objectName: timingGrid.objectName + "UplinkLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Sendeintervall (min)")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                KivLoraNumberBox {
                    objectName: page.objectName + "Uplink"
                    Layout.fillWidth: true
                    range: page.range("uplinkInterval")
                    deviceValue: page.lora ? page.lora.uplinkInterval : 0
                    fontSize: page.fontSize
                    onCommitted: (value) => page.lora.uplinkInterval = value
                }

                Text {
                    objectName: timingGrid.objectName + "HeartbeatLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Heartbeat (min)")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                KivLoraNumberBox {
                    objectName: page.objectName + "Heartbeat"
                    Layout.fillWidth: true
                    range: page.range("heartbeat")
                    deviceValue: page.lora ? page.lora.heartbeatTimer : 0
                    fontSize: page.fontSize
                    onCommitted: (value) => page.lora.heartbeatTimer = value
                }

                Text {
                    objectName: timingGrid.objectName + "RejoinLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("Rejoin-Intervall (min)")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                KivLoraNumberBox {
                    objectName: page.objectName + "Rejoin"
                    Layout.fillWidth: true
                    range: page.range("reJoinInterval")
                    deviceValue: page.lora ? page.lora.reJoinInterval : 0
                    fontSize: page.fontSize
                    onCommitted: (value) => page.lora.reJoinInterval = value
                }

                Text {
                    objectName: timingGrid.objectName + "LedLabel"
                    Layout.preferredWidth: page.labelWidth
                    text: qsTr("LED-Anzeige")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                }
                Switch {
                    objectName: page.objectName + "Led"
                    checked: page.lora ? page.lora.ledActivation !== 0 : false
                    text: checked ? qsTr("an") : qsTr("aus")
                    font.pixelSize: page.fontSize
                    onToggled: page.lora.ledActivation = checked ? 1 : 0
                }
            }
        }
    }
}
