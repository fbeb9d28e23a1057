import QtQuick
import QtQuick.Layouts
import NemtraEnums 1.0
import ControlsEnums 1.0 as Controls
import DisplayEnums 1.0 as Display
import NemtraControlsContainer 1.0
import NemtraDisplayContainer 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "NemtraFanLevel.js" as Fan

// One live value: icon, kind and value; switching inputs and buttons get their own wording.
Rectangle {
    id: row
    objectName: "NemtraLiveDelegate"

    property real fontSize: 15
    property int channelType: 0
    property string typeText: ""
    property string icon: ""
    property var rawValue: 0
    property var valueText: ""
    property string unitText: ""

    readonly property int buttonNumber: icon === "Channel1" ? 1 : icon === "Channel2" ? 2 : 0
    readonly property int buttonMode: buttonNumber === 1 ? NemtraControlsContainer.buttonMode1Index()
                                    : buttonNumber === 2 ? NemtraControlsContainer.buttonMode2Index() : -1

    function displayValue(which) {
        const prop = NemtraDisplayContainer.property(which)
        return prop ? prop.value : 0
    }
    function controlValue(which) {
        const prop = NemtraControlsContainer.property(which)
        return prop ? prop.value : 0
    }

    readonly property string shownIcon: {
        if (buttonNumber === 0)
            return icon
        if (buttonMode === 3)
            return "qrc:/Images/Sensors/Icon_Button.png"
        if (buttonMode === 2)
            return "qrc:/Images/Sensors/IconFan.png"
        return "qrc:/Images/Sensors/IconOccupancy.png"
    }
    readonly property string shownValue: {
        const raw = Number(rawValue)
        if (channelType === NemtraEnum.Occupancy || channelType === NemtraEnum.ReedContact)
            return raw !== 0 ? qsTr("geschaltet") : qsTr("nicht geschaltet")
        if (buttonNumber !== 0 && (buttonMode === 0 || buttonMode === 1))
            return (raw & 2) ? "1" : "0"
        if (buttonNumber !== 0 && buttonMode === 2) {
            const count = controlValue(buttonNumber === 1 ? Controls.PropertyEnum.Button0ModeConfig
                                                          : Controls.PropertyEnum.Button1ModeConfig)
            const level = Fan.level(raw, displayValue(Display.PropertyEnum.FanMin),
                                    displayValue(Display.PropertyEnum.FanAuto), count)
            return level === "auto" ? qsTr("Auto") : level === 0 ? qsTr("Aus") : qsTr("Stufe ") + level
        }
        return String(valueText) + (unitText !== "" ? " " + unitText : "")
    }

    implicitHeight: 44
    radius: Style.radius
    color: Style.surface
    border.color: Style.border

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        spacing: 12
        Image {
            objectName: row.objectName + "Icon"
            Layout.preferredWidth: 28
            Layout.preferredHeight: 28
            // This build has no SVG image plugin; the icons are shipped as PNG of the same name.
            source: row.shownIcon.replace(/\.svg$/, ".png")
            sourceSize.width: 28
            sourceSize.height: 28
            fillMode: Image.PreserveAspectFit
        }
        Text {
            objectName: row.objectName + "Type"
            Layout.fillWidth: true
            text: row.typeText
            color: Style.textMuted
            font.pixelSize: row.fontSize
            elide: Text.ElideRight
        }
        Text {
            objectName: row.objectName + "Value"
            text: row.shownValue
            color: Style.text
            font.pixelSize: row.fontSize
            font.bold: true
        }
    }
}
