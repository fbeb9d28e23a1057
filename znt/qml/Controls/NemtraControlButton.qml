import QtQuick
import QtQuick.Layouts
import QtQuick.Controls.Basic
import ControlsEnums 1.0 as Controls
import DisplayEnums 1.0 as Display
import NemtraControlsContainer 1.0
import NemtraDisplayContainer 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "../General"

// What a button does; as a fan switch also how many stages it steps through.
NemtraPage {
    id: page
    title: qsTr("TASTER %1").arg(number)

    property int number: 1
    readonly property bool first: number === 1
    readonly property var modes: first ? NemtraControlsContainer.modelButton1() : NemtraControlsContainer.modelButton2()
    property int mode: currentMode()
    readonly property bool fanStages: mode === 2

    function currentMode() { return first ? NemtraControlsContainer.buttonMode1Index() : NemtraControlsContainer.buttonMode2Index() }
    function select(value) {
        if (first)
            NemtraControlsContainer.button1ModelSelection(value)
        else
            NemtraControlsContainer.button2ModelSelection(value)
        mode = currentMode()
    }

    property int revision: 0
    Connections {
        target: NemtraControlsContainer
        function onPropertiesPassedOn() { page.revision++; page.mode = page.currentMode() }
    }
    function control(which) { page.revision; return NemtraControlsContainer.property(which) || null }
    function display(which) { page.revision; return NemtraDisplayContainer.property(which) || null }
    function wholeNumbers(prop) {
        let list = []
        if (prop)
            for (let i = Math.ceil(prop.minimum); i <= Math.floor(prop.maximum); ++i)
                list.push(String(i))
        return list
    }

    CustomContentFrame {
        objectName: page.objectName + "Frame"
        Layout.fillWidth: true
        title: qsTr("TASTER %1").arg(page.number)
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 10
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Taster %1 modus:").arg(page.number) }
            ComboBox {
                objectName: page.objectName + "Mode"
                Layout.preferredWidth: 260
                font.pixelSize: page.fontSize
                model: page.modes
                textRole: "text"
                valueRole: "value"
                currentIndex: page.modes ? page.modes.indexOfValue(page.mode) : -1
                onActivated: page.select(currentValue)
            }
            NemtraFormLabel { fontSize: page.fontSize; visible: page.fanStages; text: qsTr("Anzahl Lüfterstufen:") }
            NemtraPropertyField {
                objectName: page.objectName + "FanCount"
                visible: page.fanStages
                fontSize: page.fontSize
                prop: page.control(page.first ? Controls.PropertyEnum.Button0ModeConfig : Controls.PropertyEnum.Button1ModeConfig)
            }
            NemtraFormLabel { fontSize: page.fontSize; visible: page.fanStages; text: qsTr("Niedrigste LüfterStufe") }
            NemtraPropertyCombo {
                objectName: page.objectName + "FanMin"
                visible: page.fanStages
                fontSize: page.fontSize
                prop: page.display(Display.PropertyEnum.FanMin)
                model: page.wholeNumbers(prop)
                offset: prop ? prop.minimum : 0
            }
            NemtraFormLabel { fontSize: page.fontSize; visible: page.fanStages; text: qsTr("Automatik LüfterStufe") }
            NemtraPropertyCombo {
                objectName: page.objectName + "FanAuto"
                visible: page.fanStages
                fontSize: page.fontSize
                prop: page.display(Display.PropertyEnum.FanAuto)
                model: page.wholeNumbers(prop)
                offset: prop ? prop.minimum : 0
            }
        }
    }
}
