import QtQuick
import QtQuick.Layouts
import NemtraChannelManager 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// The channels' current values; they are requested anew whenever the page is shown.
NemtraPage {
    id: page
    objectName: "Live"
    title: qsTr("MESSWERTE")

    readonly property var channels: NemtraChannelManager.channelCombined()

    Component.onCompleted: NemtraBackend.requestLiveData()

    CustomButton {
        objectName: page.objectName + "Refresh"
        text: qsTr("Messwerte aktualisieren")
        fontSize: page.fontSize
        onClicked: NemtraBackend.requestLiveData()
    }

    CustomContentFrame {
        objectName: page.objectName + "Values"
        Layout.fillWidth: true
        title: qsTr("MESSWERTE")
        fontSize: page.fontSize
        Column {
            width: parent.width
            spacing: 6
            Repeater {
                objectName: page.objectName + "Rows"
                model: page.channels
                delegate: NemtraLiveDelegate {
                    objectName: page.objectName + "Row" + index
                    width: parent ? parent.width : 0
                    fontSize: page.fontSize
                    visible: model.isValid
                    channelType: model.type
                    typeText: model.typeString
                    icon: model.sourceImage
                    rawValue: model.valueRaw
                    valueText: model.value
                    unitText: model.valueProperty ? model.valueProperty.unit : ""
                }
            }
        }
    }
}
