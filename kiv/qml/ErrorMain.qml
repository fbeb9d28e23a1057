import QtQuick
import "qrc:/Dependencies/Mirrel/qml/General"

// Shown instead of the root page when the plugin may not use what it needs (permissions).
CustomPermissionError {
    id: root
    objectName: "KivPermissionError"
    anchors.fill: parent
    onBackClicked: Kiv.closePlugin()
}
