import QtQuick
import QtQuick.Controls.Basic
import "MirrelStyle.js" as Style

// A flat button in the shared palette; "primary" buttons carry the accent colour.
Button {
    id: control
    objectName: "CustomButton"

    property bool primary: true
    property bool danger: false
    property real fontSize: 15

    implicitHeight: Math.max(40, contentItem.implicitHeight + 16)
    implicitWidth: Math.max(120, contentItem.implicitWidth + 32)
    font.pixelSize: fontSize
    hoverEnabled: true

    contentItem: Text {
        objectName: control.objectName + "Text"
        text: control.text
        font: control.font
        color: !control.enabled ? Style.textMuted
                                : (control.primary || control.danger ? "#FFFFFF" : Style.text)
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        objectName: control.objectName + "Background"
        radius: Style.radius
        border.width: control.primary || control.danger ? 0 : 1
        border.color: Style.border
        color: {
            if (!control.enabled)
                return "#E3E7EA"
            if (control.danger)
                return control.down ? "#8C1D18" : Style.danger
            if (control.primary)
                return control.down ? Style.tealDark : (control.hovered ? "#23999A" : Style.teal)
            return control.down ? "#E8ECEF" : (control.hovered ? "#F0F3F5" : Style.surface)
        }
    }
}
