import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// A short note below a control: why an input was refused, or a hint.
Text {
    id: message
    objectName: "KivMessageText"

    property real fontSize: 15
    property bool isError: true

    Layout.fillWidth: true
    visible: text.length > 0
    color: isError ? Style.danger : Style.textMuted
    font.pixelSize: Style.small(fontSize)
    wrapMode: Text.WordWrap
}
