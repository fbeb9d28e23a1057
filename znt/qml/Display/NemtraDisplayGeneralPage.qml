import QtQuick
import QtQuick.Layouts
import DisplayEnums 1.0 as Display
import NemtraDisplayContainer 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// How many values the display shows and its background.
NemtraPage {
    id: page
    title: qsTr("DISPLAY")
    subTitle: qsTr("ALLGEMEIN")

    property int revision: 0
    Connections {
        target: NemtraDisplayContainer
        function onPropertiesPassedOn() { page.revision++ }
    }
    function display(which) { page.revision; return NemtraDisplayContainer.property(which) || null }

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
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Anzahl anzuzeigender Werte:") }
            NemtraPropertyField {
                objectName: page.objectName + "Count"
                fontSize: page.fontSize
                prop: page.display(Display.PropertyEnum.DisplayedValuesCount)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Displaygrundfarbe:") }
            NemtraPropertyCombo {
                objectName: page.objectName + "BaseColour"
                fontSize: page.fontSize
                prop: page.display(Display.PropertyEnum.DisplayBaseColor)
                model: [qsTr("Weiß"), qsTr("Schwarz")]
            }
        }
    }
}
