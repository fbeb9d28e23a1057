import QtQuick
import QtQuick.Layouts
import DeviceInformationEnums 1.0 as Info
import NemtraDeviceInformation 1.0
import NemtraLoRaContainer 1.0
import LoRaEnums 1.0 as LoRa
import NemtraPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/Monitoring"
import "../General"

// Identity of the device and of its radio.
NemtraPage {
    id: page
    objectName: "Info"
    title: qsTr("GERÄTEINFORMATIONEN")

    property int revision: 0
    Connections {
        target: NemtraDeviceInfo
        function onPropertiesPassedOn() { page.revision++ }
    }
    Connections {
        target: NemtraLoRaContainer
        function onPropertiesPassedOn() { page.revision++ }
    }
    function info(which) { page.revision; return NemtraDeviceInfo.property(which) || null }
    function lora(which) { page.revision; return NemtraLoRaContainer.property(which) || null }
    function value(prop) { return prop ? prop.value : 0 }

    readonly property var regions: ["AS923", "AU915", "CN470", "CN779", "EU433", "EU868", "KR920", "IN865", "US915", "RU864"]

    CustomContentFrame {
        objectName: page.objectName + "Device"
        Layout.fillWidth: true
        title: qsTr("GERÄTEINFORMATIONEN")
        fontSize: page.fontSize
        Column {
            width: parent.width
            spacing: 8
            CustomInfoRow {
                objectName: page.objectName + "DeviceId"
                width: parent.width
                fontSize: page.fontSize
                label: qsTr("Bezeichnung:")
                value: NemtraDeviceInfo.stringifyDeviceId(page.value(page.info(Info.PropertyEnum.DeviceId)))
            }
            CustomInfoRow {
                objectName: page.objectName + "ProductionDate"
                width: parent.width
                fontSize: page.fontSize
                label: qsTr("Produktionsdatum:")
                value: NemtraDeviceInfo.toDate(page.value(page.info(Info.PropertyEnum.ProductionDate)))
            }
            CustomInfoRow {
                objectName: page.objectName + "Software"
                width: parent.width
                fontSize: page.fontSize
                label: qsTr("Softwarestand:")
                value: NemtraDeviceInfo.toVersionNumber(page.value(page.info(Info.PropertyEnum.SoftwareVersion)))
            }
            CustomInfoRow {
                objectName: page.objectName + "Hardware"
                width: parent.width
                fontSize: page.fontSize
                label: qsTr("Hardwarestand:")
                value: NemtraDeviceInfo.toVersionNumber(page.value(page.info(Info.PropertyEnum.HardwareVersion)))
            }
        }
    }

    CustomContentFrame {
        objectName: page.objectName + "LoRa"
        Layout.fillWidth: true
        title: qsTr("LORAWAN INFORMATIONEN")
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 8
            NemtraFormLabel { text: qsTr("Device EUI:"); fontSize: page.fontSize }
            NemtraHexField {
                objectName: page.objectName + "DevEui"
                Layout.fillWidth: true
                prop: page.lora(LoRa.PropertyEnum.DeviceEui)
                byteReversed: true
                fontSize: page.fontSize
            }
            NemtraFormLabel { text: qsTr("AppEUI:"); fontSize: page.fontSize }
            NemtraHexField {
                objectName: page.objectName + "AppEui"
                Layout.fillWidth: true
                prop: page.lora(LoRa.PropertyEnum.JoinEui)
                byteReversed: true
                fontSize: page.fontSize
            }
            NemtraFormLabel { text: qsTr("AppKey:"); fontSize: page.fontSize }
            NemtraHexField {
                objectName: page.objectName + "AppKey"
                Layout.fillWidth: true
                prop: page.lora(LoRa.PropertyEnum.NwkKey)
                byteReversed: true
                fontSize: page.fontSize
            }
            NemtraFormLabel { text: qsTr("Join-Status:"); fontSize: page.fontSize }
            Text {
                objectName: page.objectName + "JoinState"
                font.pixelSize: page.fontSize
                text: {
                    const state = page.lora(LoRa.PropertyEnum.JoinState)
                    if (!state)
                        return "--"
                    return state.value === 0 ? qsTr("nicht gejoined") : state.value === 1 ? qsTr("joined") : "--"
                }
            }
            NemtraFormLabel { text: qsTr("LoRaWAN Version:"); fontSize: page.fontSize }
            Text {
                objectName: page.objectName + "LoRaWanVersion"
                font.pixelSize: page.fontSize
                text: NemtraLoRaContainer.valueToVersion(page.value(page.lora(LoRa.PropertyEnum.LoRaWanVersion)), 3)
            }
            NemtraFormLabel { text: qsTr("Regional Parameter Version:"); fontSize: page.fontSize }
            Text {
                objectName: page.objectName + "RegionVersion"
                font.pixelSize: page.fontSize
                text: "RP00" + NemtraLoRaContainer.valueToVersion(
                          page.value(page.lora(LoRa.PropertyEnum.RegionParameterVersion))).replace(".", "-")
            }
            NemtraFormLabel { text: qsTr("Region:"); fontSize: page.fontSize }
            Text {
                objectName: page.objectName + "Region"
                font.pixelSize: page.fontSize
                text: {
                    const region = page.value(page.lora(LoRa.PropertyEnum.FrequencyRegion))
                    return region >= 0 && region < page.regions.length ? page.regions[region] : "--"
                }
            }
        }
    }

    // The gateway page has no menu entry; an EnOcean bridge is configured from here.
    CustomButton {
        objectName: page.objectName + "GatewayButton"
        visible: NemtraDeviceInfo.deviceType === Info.PropertyEnum.GatewayZntEnocean
        text: qsTr("Gateway konfigurieren")
        fontSize: page.fontSize
        onClicked: NemtraPageManager.pageIndex = NemtraPage.NemtraGatewayPage
    }
}
