import QtQuick
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// Right-hand hint on the connection page: what is needed to configure a device.
Rectangle {
    id: bar
    objectName: "NemtraInfoBar"
    color: Style.surface
    border.color: Style.border

    property real fontSize: 15

    Column {
        id: column
        objectName: bar.objectName + "Column"
        x: 20
        y: 24
        width: bar.width - 40
        spacing: 12

        Text {
            objectName: bar.objectName + "Title"
            width: parent.width
            text: qsTr("INFO")
            font.pixelSize: Style.small(bar.fontSize)
            font.bold: true
            font.letterSpacing: 0.8
            color: Style.teal
        }

        Text {
            objectName: bar.objectName + "Text"
            width: parent.width
            text: qsTr("Die ZNT-Geräte können über die USB-Schnittstelle konfiguriert werden – es wird lediglich ein handelsübliches USB-Kabel benötigt.")
            font.pixelSize: bar.fontSize
            color: Style.text
            wrapMode: Text.WordWrap
        }
    }
}
