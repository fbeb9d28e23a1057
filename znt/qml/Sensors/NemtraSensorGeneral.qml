import QtQuick
import QtQuick.Layouts
import DeviceInformationEnums 1.0 as Info
import NemtraDeviceInformation 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// Measuring and reporting intervals that apply to every channel.
NemtraPage {
    id: page
    title: qsTr("SENSOREN")
    subTitle: qsTr("Allgemein")

    property int revision: 0
    Connections {
        target: NemtraDeviceInfo
        function onPropertiesPassedOn() { page.revision++ }
    }
    function info(which) { page.revision; return NemtraDeviceInfo.property(which) || null }
    function unitOf(prop) { return prop ? prop.unit : "" }

    CustomContentFrame {
        objectName: page.objectName + "Frame"
        Layout.fillWidth: true
        title: qsTr("ALLGEMEIN")
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 10
            NemtraFormLabel {
                fontSize: page.fontSize
                text: qsTr("Messintervall [%1]:").arg(page.unitOf(page.info(Info.PropertyEnum.Messintervall)))
            }
            NemtraPropertyField {
                objectName: page.objectName + "Interval"
                fontSize: page.fontSize
                prop: page.info(Info.PropertyEnum.Messintervall)
            }
            NemtraFormLabel {
                fontSize: page.fontSize
                text: qsTr("Heartbeat [%1]:").arg(page.unitOf(page.info(Info.PropertyEnum.Heartbeat)))
            }
            NemtraPropertyField {
                objectName: page.objectName + "Heartbeat"
                fontSize: page.fontSize
                prop: page.info(Info.PropertyEnum.Heartbeat)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Hysteresebreite") }
            NemtraPropertyCombo {
                objectName: page.objectName + "Hysteresis"
                fontSize: page.fontSize
                Layout.preferredWidth: 320
                prop: page.info(Info.PropertyEnum.Hysterese)
                model: [qsTr("keine Hysterese"), qsTr("bei großer Messwertänderung"),
                        qsTr("bei mittlerer Messwertänderung"), qsTr("bei kleiner Messwertänderung")]
            }
            NemtraFormLabel {
                id: latencyLabel
                fontSize: page.fontSize
                visible: NemtraDeviceInfo.hasReed() || NemtraDeviceInfo.hasPid()
                text: qsTr("Latenzzeit Digitale Eingänge [s]:")
            }
            NemtraPropertyField {
                objectName: page.objectName + "Latency"
                fontSize: page.fontSize
                visible: latencyLabel.visible
                prop: page.info(Info.PropertyEnum.Latency)
            }
        }
    }
}
