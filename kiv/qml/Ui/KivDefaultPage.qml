import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// Placeholder for pages whose content is not available in this build.
Rectangle {
    id: page
    objectName: "KivDefaultPage"
    color: Style.background

    property real fontSize: 15

    ColumnLayout {
        id: layout
        objectName: page.objectName + "Layout"
        anchors.fill: parent
        anchors.margins: 24
        spacing: 16

        CustomPageHeader {
            objectName: page.objectName + "Header"
            Layout.fillWidth: true
            text: qsTr("IN VORBEREITUNG")
            fontSize: page.fontSize
        }

        Text {
            objectName: page.objectName + "Text"
            Layout.fillWidth: true
            text: qsTr("Diese Seite steht in dieser Version noch nicht zur Verfügung.")
            color: Style.textMuted
            font.pixelSize: page.fontSize
            wrapMode: Text.WordWrap
        }

        Item {
            objectName: page.objectName + "Filler"
            Layout.fillHeight: true
        }
    }
}
