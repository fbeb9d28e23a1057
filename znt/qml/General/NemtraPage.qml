import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// The frame of a device page: a scrolling column under the page header.
Rectangle {
    id: page
    objectName: "NemtraPage"

    property real fontSize: 15
    property string title: ""
    property string subTitle: ""
    default property alias content: column.data

    color: Style.background

    Flickable {
        id: flick
        objectName: page.objectName + "Flickable"
        anchors.fill: parent
        contentHeight: column.implicitHeight + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: column
            objectName: page.objectName + "Layout"
            x: 24
            y: 24
            width: Math.min(flick.width - 48, 760)
            spacing: 20

            CustomPageHeader {
                objectName: page.objectName + "Header"
                Layout.fillWidth: true
                text: page.title
                subText: page.subTitle
                fontSize: page.fontSize
            }
        }
    }
}
