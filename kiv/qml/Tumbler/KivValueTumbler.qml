import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Tumbler"

// A number wheel with its unit beside it, framed like the other inputs.
Rectangle {
    id: frame
    objectName: "KivValueTumbler"

    property alias from: wheel.from
    property alias to: wheel.to
    property alias stepSize: wheel.stepSize
    property alias decimals: wheel.decimals
    property string unit: ""
    property real fontSize: 15
    readonly property real value: wheel.value

    // A wheel that is still being laid out shows its first entry whatever its index: set the
    // index at once for readers and again once the wheel has settled, for the eye.
    property real pendingValue: 0
    function setValue(v) {
        wheel.setValue(v)
        pendingValue = v
        Qt.callLater(settle)
    }
    function settle() {
        // The page may be gone by then.
        if (wheel === null)
            return
        wheel.setValue(pendingValue)
        wheel.positionViewAtIndex(wheel.currentIndex, Tumbler.Center)
    }

    implicitWidth: 160
    implicitHeight: 96
    radius: Style.radius
    color: Style.surface
    border.color: Style.border

    RowLayout {
        objectName: frame.objectName + "Row"
        anchors.fill: parent
        anchors.margins: 4
        spacing: 4

        CustomTumbler {
            id: wheel
            objectName: frame.objectName + "Wheel"
            Layout.fillWidth: true
            Layout.fillHeight: true
            fontSize: frame.fontSize
            wrap: false
        }
        Text {
            objectName: frame.objectName + "Unit"
            visible: frame.unit.length > 0
            Layout.rightMargin: 8
            text: frame.unit
            color: Style.textMuted
            font.pixelSize: frame.fontSize
        }
    }
}
