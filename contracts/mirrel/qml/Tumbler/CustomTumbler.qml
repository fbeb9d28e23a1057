import QtQuick
import QtQuick.Controls.Basic
import "../General/MirrelStyle.js" as Style

// A number wheel for values in [from, to] in steps of stepSize.
Tumbler {
    id: tumbler
    objectName: "CustomTumbler"

    property real from: 0
    property real to: 10
    property real stepSize: 1
    property int decimals: 0
    property real fontSize: 15
    readonly property real value: from + currentIndex * stepSize

    function setValue(v) {
        currentIndex = Math.max(0, Math.min(count - 1, Math.round((v - from) / stepSize)))
    }

    model: Math.max(1, Math.floor((to - from) / stepSize + 1e-9) + 1)
    visibleItemCount: 3

    delegate: Text {
        objectName: tumbler.objectName + "Item" + index
        text: (tumbler.from + index * tumbler.stepSize).toFixed(tumbler.decimals)
        color: Tumbler.displacement === 0 ? Style.teal : Style.textMuted
        font.pixelSize: tumbler.fontSize
        font.bold: Tumbler.displacement === 0
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        opacity: 1.0 - Math.abs(Tumbler.displacement) / (tumbler.visibleItemCount / 2)
    }
}
