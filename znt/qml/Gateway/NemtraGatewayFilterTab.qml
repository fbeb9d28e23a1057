import QtQuick
import QtQuick.Layouts
import NemtraGatewayContainer 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// One filter list of the gateway: how it filters, and its entries.
CustomContentFrame {
    id: tab
    objectName: "NemtraGatewayFilterTab"

    property QtObject filterType: null
    property var filterModel: null
    // Position of the list's first entry property in the gateway container.
    property int firstEntry: 0

    ColumnLayout {
        id: column
        width: parent.width
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            spacing: 16
            NemtraFormLabel { fontSize: tab.fontSize; text: qsTr("Filterart:") }
            NemtraPropertyCombo {
                objectName: tab.objectName + "Kind"
                fontSize: tab.fontSize
                prop: tab.filterType
                model: [qsTr("Kein Filter"), qsTr("Whitelist"), qsTr("Blacklist")]
            }
        }

        Repeater {
            id: entries
            objectName: tab.objectName + "Entries"
            model: tab.filterModel
            NemtraGatewayPlusMinusDelegate {
                objectName: tab.objectName + "Entry" + index
                Layout.fillWidth: true
                fontSize: tab.fontSize
                description: descriptionRole
                bytes: numberOfBytes
                full: maxEntryReached
                last: index === entries.count - 1
                removable: entries.count > 1
                prop: NemtraGatewayContainer.property(tab.firstEntry + index) || null
                onAdd: tab.filterModel.addEntry()
                onRemove: tab.filterModel.removeEntry()
            }
        }

        // An empty list still needs a way to its first entry.
        CustomButton {
            objectName: tab.objectName + "AddFirst"
            visible: entries.count === 0 && tab.filterModel !== null
            text: "+"
            fontSize: tab.fontSize
            onClicked: tab.filterModel.addEntry()
        }
    }
}
