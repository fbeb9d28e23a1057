import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import NemtraChannelManager 1.0
import NemtraSettings 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// The channels' current values; they are requested anew whenever the page is shown and, when the
// technician wants it (kept across restarts), every few seconds while it stays open.
NemtraPage {
    id: page
    objectName: "Live"
    title: qsTr("MESSWERTE")

    readonly property var channels: NemtraChannelManager.channelCombined()

    Component.onCompleted: NemtraBackend.requestLiveData()

    Settings {
        id: settings
        objectName: page.objectName + "Settings"
    }

    Timer {
        objectName: page.objectName + "Repeat"
        interval: 5000
        repeat: true
        running: settings.updateOnShow && page.visible
        onTriggered: NemtraBackend.requestLiveData()
    }

    Flow {
        objectName: page.objectName + "Actions"
        Layout.fillWidth: true
        spacing: 16
        CustomButton {
            objectName: page.objectName + "Refresh"
            text: qsTr("Messwerte aktualisieren")
            fontSize: page.fontSize
            onClicked: NemtraBackend.requestLiveData()
        }
        CheckBox {
            objectName: page.objectName + "UpdateOnShow"
            text: qsTr("Laufend aktualisieren")
            font.pixelSize: page.fontSize
            checked: settings.updateOnShow
            onToggled: settings.updateOnShow = checked
        }
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
