import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"
import "qrc:/Dependencies/Mirrel/qml/Monitoring"

// The LoRaWAN identity of the radio board and the network settings it uses, for reading only.
Flickable {
    id: page
    objectName: "Info"

    property real fontSize: 15
    readonly property real labelWidth: 190
    readonly property var lora: Kiv.lora

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
            text: qsTr("LORAWAN-INFORMATIONEN")
            subText: page.lora && page.lora.valid ? "" : qsTr("Keine LoRaWAN-Daten vorhanden")
            fontSize: page.fontSize
        }

        CustomContentFrame {
            id: identityFrame
            objectName: page.objectName + "Identity"
            Layout.fillWidth: true
            title: qsTr("Identität")
            fontSize: page.fontSize

            ColumnLayout {
                objectName: identityFrame.objectName + "Rows"
                width: parent.width
                spacing: 10

                CustomInfoRow {
                    objectName: page.objectName + "DevEui"
                    Layout.fillWidth: true
                    labelWidth: page.labelWidth
                    label: qsTr("Device EUI")
                    value: page.lora ? page.lora.devEUI : ""
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "AppEui"
                    Layout.fillWidth: true
                    labelWidth: page.labelWidth
                    label: qsTr("Application EUI")
                    value: page.lora ? page.lora.appEUI : ""
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "AppKey"
                    Layout.fillWidth: true
                    labelWidth: page.labelWidth
                    label: qsTr("Application Key")
                    value: page.lora ? page.lora.appKey : ""
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "Version"
                    Layout.fillWidth: true
                    labelWidth: page.labelWidth
                    label: qsTr("LoRaWAN-Version")
                    value: page.lora ? page.lora.version : ""
                    fontSize: page.fontSize
                }
            }
        }

        CustomContentFrame {
            id: networkFrame
            objectName: page.objectName + "Network"
            Layout.fillWidth: true
            title: qsTr("Netzwerk")
            fontSize: page.fontSize

            ColumnLayout {
                objectName: networkFrame.objectName + "Rows"
                width: parent.width
                spacing: 10

                CustomInfoRow {
                    objectName: page.objectName + "Region"
                    Layout.fillWidth: true
                    labelWidth: page.labelWidth
                    label: qsTr("Frequenzregion (Code)")
                    value: page.lora ? String(page.lora.region) : ""
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "DataRate"
                    Layout.fillWidth: true
                    labelWidth: page.labelWidth
                    label: qsTr("Datenrate")
                    value: page.lora ? "DR%1 / SF%2".arg(page.lora.dataRateDefault).arg(12 - page.lora.dataRateDefault) : ""
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "Adr"
                    Layout.fillWidth: true
                    labelWidth: page.labelWidth
                    label: qsTr("Adaptive Datenrate")
                    value: page.lora ? (page.lora.adr !== 0 ? qsTr("an") : qsTr("aus")) : ""
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "ChannelMask"
                    Layout.fillWidth: true
                    labelWidth: page.labelWidth
                    label: qsTr("Kanalmaske")
                    value: page.lora ? page.lora.channelMaskHex : ""
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "Uplink"
                    Layout.fillWidth: true
                    labelWidth: page.labelWidth
                    label: qsTr("Sendeintervall")
                    value: page.lora ? qsTr("%1 min").arg(page.lora.uplinkInterval) : ""
                    fontSize: page.fontSize
                }
            }
        }
    }
}
