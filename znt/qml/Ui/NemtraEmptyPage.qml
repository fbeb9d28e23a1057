import QtQuick
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// Shown for page indices that are no page of their own.
Rectangle {
    id: page
    objectName: "NemtraEmptyPage"
    color: Style.background
}
