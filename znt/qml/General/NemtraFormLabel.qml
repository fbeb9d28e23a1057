import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// The label of a form row; a fixed width lines the controls of all rows up.
Text {
    objectName: "NemtraFormLabel"
    property real fontSize: 15
    Layout.preferredWidth: 240
    Layout.topMargin: 4
    color: Style.textMuted
    font.pixelSize: fontSize
    wrapMode: Text.WordWrap
}
