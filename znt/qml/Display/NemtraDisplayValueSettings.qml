import QtQuick
import QtQuick.Layouts
import DisplayEnums 1.0 as Display
import NemtraDisplayContainer 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// One displayed value: which register, in which unit, as which physical quantity.
NemtraPage {
    id: page
    title: qsTr("DISPLAY")
    subTitle: qsTr("Anzeige %1:").arg(number)

    property int number: 1

    property int revision: 0
    Connections {
        target: NemtraDisplayContainer
        function onPropertiesPassedOn() { page.revision++ }
    }
    function display(which) { page.revision; return NemtraDisplayContainer.property(which) || null }

    CustomContentFrame {
        objectName: page.objectName + "Frame"
        Layout.fillWidth: true
        title: qsTr("Anzeige %1:").arg(page.number)
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 10
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Referenz Wert:") }
            NemtraMappedCombo {
                objectName: page.objectName + "Reference"
                fontSize: page.fontSize
                model: NemtraDisplayContainer.modelReference()
                prop: page.display(Display.PropertyEnum.DisplayValue1Reference + page.number - 1)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Einheit:") }
            NemtraMappedCombo {
                objectName: page.objectName + "Unit"
                fontSize: page.fontSize
                model: NemtraDisplayContainer.modelUnit()
                prop: page.display(Display.PropertyEnum.DisplayValue1Unit + page.number - 1)
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Physikalischer Wert:") }
            NemtraMappedCombo {
                objectName: page.objectName + "Physical"
                fontSize: page.fontSize
                model: NemtraDisplayContainer.modelPysicalValue()
                prop: page.display(Display.PropertyEnum.DisplayValue1Physical + page.number - 1)
            }
        }
    }
}
