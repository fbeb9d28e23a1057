import QtQuick
import QtQuick.Layouts
import ControlsEnums 1.0 as Controls
import NemtraControlsContainer 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// Step and range of the potentiometer or the incremental encoder.
NemtraPage {
    id: page
    title: encoder ? qsTr("INKREMENTALENCODER") : qsTr("POTENTIOMETER")

    property bool encoder: false

    property int revision: 0
    Connections {
        target: NemtraControlsContainer
        function onPropertiesPassedOn() { page.revision++ }
    }
    function control(which) { page.revision; return NemtraControlsContainer.property(which) || null }

    CustomContentFrame {
        objectName: page.objectName + "Frame"
        Layout.fillWidth: true
        title: page.title
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 10
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Schrittweite:") }
            NemtraPropertyField {
                objectName: page.objectName + "Step"
                fontSize: page.fontSize
                prop: page.control(page.encoder ? Controls.PropertyEnum.EncoderIncrement : Controls.PropertyEnum.PotiIncrement)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: page.encoder ? qsTr("Minimal Wert:") : qsTr("Unterer Grenzwert:") }
            NemtraPropertyField {
                objectName: page.objectName + "Min"
                fontSize: page.fontSize
                prop: page.control(page.encoder ? Controls.PropertyEnum.EncoderMinValue : Controls.PropertyEnum.PotiMinValue)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: page.encoder ? qsTr("Maximal Wert:") : qsTr("Oberer Grenzwert:") }
            NemtraPropertyField {
                objectName: page.objectName + "Max"
                fontSize: page.fontSize
                prop: page.control(page.encoder ? Controls.PropertyEnum.EncoderMaxValue : Controls.PropertyEnum.PotiMaxValue)
            }
        }
    }
}
