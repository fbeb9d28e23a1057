import QtQuick
import QtQuick.Layouts
import QtQuick.Controls.Basic
import GatewayEnums 1.0 as Gateway
import NemtraGatewayContainer 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "../General"

// The EnOcean bridge: its identity and the three filter lists it applies to received telegrams.
NemtraPage {
    id: page
    objectName: "NemtraGatewayPage"
    title: qsTr("Konfiguration Gateway")

    // The filter models are rebuilt with every new property list; bindings ask again then.
    property int revision: 0
    Connections {
        target: NemtraGatewayContainer
        function onReadOnlySignal() { page.revision++ }
    }
    function gateway(which) { page.revision; return NemtraGatewayContainer.property(which) || null }

    readonly property QtObject typeProperty: gateway(Gateway.PropertyEnum.Type)

    CustomContentFrame {
        objectName: page.objectName + "Identity"
        Layout.fillWidth: true
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 10
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Gatewaytyp:") }
            Text {
                objectName: page.objectName + "Type"
                Layout.fillWidth: true
                font.pixelSize: page.fontSize
                font.bold: true
                color: Style.text
                text: NemtraGatewayContainer.gatewayTypeToString(page.typeProperty ? page.typeProperty.value : 0)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("EnOcean Base-ID:") }
            NemtraHexField {
                objectName: page.objectName + "BaseId"
                Layout.fillWidth: true
                fontSize: page.fontSize
                prop: page.gateway(Gateway.PropertyEnum.BaseId)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("EnOcean Chip-ID:") }
            NemtraHexField {
                objectName: page.objectName + "ChipId"
                Layout.fillWidth: true
                fontSize: page.fontSize
                prop: page.gateway(Gateway.PropertyEnum.ChipId)
            }
        }
    }

    TabBar {
        id: tabs
        objectName: page.objectName + "Tabs"
        Layout.fillWidth: true
        font.pixelSize: page.fontSize
        Repeater {
            model: [qsTr("Id"), qsTr("Packettype"), qsTr("Data")]
            TabButton {
                id: tab
                objectName: tabs.objectName + index
                text: modelData
                font.pixelSize: page.fontSize
                contentItem: Text {
                    text: tab.text
                    font: tab.font
                    color: tab.checked ? Style.teal : Style.textMuted
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
                background: Rectangle {
                    color: tab.checked ? Style.surface : Style.background
                    border.color: Style.border
                    Rectangle {
                        width: parent.width
                        height: 3
                        anchors.bottom: parent.bottom
                        visible: tab.checked
                        color: Style.teal
                    }
                }
            }
        }
    }

    // Hidden tabs take no room in the page's column.
    NemtraGatewayFilterTab {
        objectName: page.objectName + "IdTab"
        Layout.fillWidth: true
        visible: tabs.currentIndex === 0
        fontSize: page.fontSize
        filterType: page.gateway(Gateway.PropertyEnum.IdFilterType)
        filterModel: (page.revision, NemtraGatewayContainer.idModel())
        firstEntry: Gateway.PropertyEnum.IdFilter0
    }
    NemtraGatewayFilterTab {
        objectName: page.objectName + "PacketTab"
        Layout.fillWidth: true
        visible: tabs.currentIndex === 1
        fontSize: page.fontSize
        filterType: page.gateway(Gateway.PropertyEnum.PacketFilterType)
        filterModel: (page.revision, NemtraGatewayContainer.packetModel())
        firstEntry: Gateway.PropertyEnum.PacketFilter0
    }
    NemtraGatewayFilterTab {
        objectName: page.objectName + "DataTab"
        Layout.fillWidth: true
        visible: tabs.currentIndex === 2
        fontSize: page.fontSize
        filterType: page.gateway(Gateway.PropertyEnum.DataFilterType)
        filterModel: (page.revision, NemtraGatewayContainer.dataModel())
        firstEntry: Gateway.PropertyEnum.DataFilter0
    }
}
