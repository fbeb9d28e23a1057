import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// Scrolling frame of a settings page: the page header and a column of content below it that
// keeps a readable width on a wide window and uses the whole width on a narrow one.
Flickable {
    id: page
    objectName: "KivSettingsPage"

    property real fontSize: 15
    property string title: ""
    property string subText: Kiv.connected ? Kiv.deviceInfo.deviceName : qsTr("Kein Gerät verbunden")
    readonly property real margin: width < 500 ? 12 : 24
    readonly property real contentWidth: Math.min(width - 2 * margin, 760)
    default property alias content: column.data

    contentHeight: layout.implicitHeight + 2 * margin
    clip: true
    boundsBehavior: Flickable.StopAtBounds

    ColumnLayout {
        id: layout
        objectName: page.objectName + "Layout"
        x: page.margin
        y: page.margin
        width: page.contentWidth
        spacing: 20

        CustomPageHeader {
            objectName: page.objectName + "Header"
            Layout.fillWidth: true
            text: page.title
            subText: page.subText
            fontSize: page.fontSize
        }

        ColumnLayout {
            id: column
            objectName: page.objectName + "Content"
            Layout.fillWidth: true
            spacing: 16
        }
    }
}
