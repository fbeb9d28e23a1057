import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import KivEnums 1.0
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"
import "qrc:/Dependencies/Mirrel/qml/Monitoring"

// What the connected device is: name, boards, serial number and firmware.
Flickable {
    id: page
    objectName: "Info"

    property real fontSize: 15
    readonly property var setup: Kiv.deviceInfo

    function mainBoardText(board) {
        switch (board) {
        case KivEnum.MP_Kiv: return "KIV"
        case KivEnum.MP_Qev: return "QEV"
        case KivEnum.MP_VDX: return "VDX"
        case KivEnum.MP_Ro52: return "RO52"
        case KivEnum.MP_WSK: return "WSK"
        case KivEnum.MP_HBplus: return "HB+"
        default: return qsTr("Unbekannt")
        }
    }

    function boardTypeText(board) {
        switch (board) {
        case KivEnum.AP_VV: return qsTr("Analogausgänge Spannung")
        case KivEnum.AP_AA: return qsTr("Analogausgänge Spannung/Strom")
        case KivEnum.AP_Relais: return qsTr("Relais")
        case KivEnum.AP_Modbus: return "Modbus RTU"
        case KivEnum.AP_LCD: return qsTr("Display")
        case KivEnum.AP_BACnet: return "BACnet MS/TP"
        case KivEnum.AP_LON: return "LON"
        case KivEnum.AP_LORA: return "LoRaWAN"
        default: return qsTr("Keine")
        }
    }

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
            text: qsTr("GERÄTEINFORMATIONEN")
            subText: Kiv.connected ? "" : qsTr("Kein Gerät verbunden")
            fontSize: page.fontSize
        }

        CustomContentFrame {
            id: deviceFrame
            objectName: page.objectName + "Device"
            Layout.fillWidth: true
            title: qsTr("Gerät")
            fontSize: page.fontSize

            ColumnLayout {
                objectName: deviceFrame.objectName + "Rows"
                width: parent.width
                spacing: 10

                CustomInfoRow {
                    objectName: page.objectName + "Name"
                    Layout.fillWidth: true
                    label: qsTr("Gerätename")
                    value: page.setup.deviceName
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "Serial"
                    Layout.fillWidth: true
                    label: qsTr("Seriennummer")
                    value: Kiv.connected ? page.setup.seriennummer.toFixed(0) : ""
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "MainBoard"
                    Layout.fillWidth: true
                    label: qsTr("Hauptplatine")
                    value: page.mainBoardText(page.setup.mainBoard)
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "OptionBoard"
                    Layout.fillWidth: true
                    label: qsTr("Optionsplatine")
                    value: page.boardTypeText(page.setup.boardType)
                    fontSize: page.fontSize
                }
            }
        }

        CustomContentFrame {
            id: firmwareFrame
            objectName: page.objectName + "Firmware"
            Layout.fillWidth: true
            title: qsTr("Firmware")
            fontSize: page.fontSize

            ColumnLayout {
                objectName: firmwareFrame.objectName + "Rows"
                width: parent.width
                spacing: 10

                CustomInfoRow {
                    objectName: page.objectName + "MainVersion"
                    Layout.fillWidth: true
                    label: qsTr("Hauptplatine")
                    value: Kiv.connected ? page.setup.gpVersionText : ""
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "OptionVersion"
                    Layout.fillWidth: true
                    label: qsTr("Optionsplatine")
                    value: Kiv.connected ? page.setup.apVersionText : ""
                    fontSize: page.fontSize
                }
                CustomInfoRow {
                    objectName: page.objectName + "FirmwareText"
                    Layout.fillWidth: true
                    label: qsTr("Versionen (vollständig)")
                    value: page.setup.firmware
                    fontSize: page.fontSize
                }
                CustomButton {
                    objectName: page.objectName + "UpdateButton"
                    visible: Kiv.connected
                    primary: false
                    text: qsTr("Nach Firmware-Update suchen")
                    fontSize: page.fontSize
                    onClicked: KivPageManager.pageIndex = KivPage.KivUpdatePage
                }
            }
        }
    }
}
