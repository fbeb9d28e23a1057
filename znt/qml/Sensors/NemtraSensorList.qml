import QtQuick
import QtQuick.Layouts
import NemtraEnums 1.0
import NemtraChannelManager 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// The data blocks of one channel with their limits; switching inputs show their times instead.
NemtraPage {
    id: page
    title: qsTr("SENSOREN")
    subTitle: qsTr("Kanal") + " " + channel

    property int channel: 1

    Repeater {
        objectName: page.objectName + "Blocks"
        model: NemtraChannelManager.channelByIndex(page.channel - 1)
        delegate: NemtraSensorDelegate {
            objectName: page.objectName + "Block" + index
            Layout.fillWidth: true
            visible: model.isValid
            fontSize: page.fontSize
            blockType: model.type
            title: model.typeString
            valueText: model.value
            valueProperty: model.valueProperty
            minProperty: model.minProperty
            maxProperty: model.maxProperty
            hysteresisProperty: model.hyteresisProperty
            statusValue: model.valueRaw
            disableTime: model.disableTime
            followUpTime: model.followUpTime
        }
    }
}
