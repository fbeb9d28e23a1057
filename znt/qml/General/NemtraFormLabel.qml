import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// The label of a form row; a fixed width lines the controls of all rows up, and a narrow
// window makes it wrap rather than push the controls out of sight.
Text {
    objectName: "NemtraFormLabel"
    property real fontSize: 15
    Layout.preferredWidth: parent && parent.width > 0 ? Math.max(90, Math.min(240, parent.width * 0.5)) : 240
    Layout.topMargin: 4
    color: Style.textMuted
    font.pixelSize: fontSize
    wrapMode: Text.WordWrap
}
