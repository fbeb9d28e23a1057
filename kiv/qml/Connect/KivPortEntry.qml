import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// One serial port: its stable name, and below it maker, product, serial number and the short
// name the system gives it today.
Rectangle {
    id: entry
    objectName: "KivPortEntry"

    // An entry of PortInfo.Ports.
    property var port: ({})
    property bool selected: false
    property real fontSize: 15

    signal clicked()

    implicitHeight: lines.implicitHeight + 16
    radius: Style.radius
    color: selected ? Style.tealLight : Style.surface
    border.color: selected ? Style.teal : Style.border
    opacity: enabled ? 1 : 0.6

    function fileName(path) {
        const slash = path.lastIndexOf("/")
        return slash >= 0 ? path.substring(slash + 1) : path
    }

    function details() {
        const parts = []
        const maker = [port.manufacturer, port.product].filter(t => t && t.length > 0).join(" ")
        if (maker.length > 0)
            parts.push(maker)
        if (port.serialNumber && port.serialNumber.length > 0)
            parts.push(qsTr("Seriennummer %1").arg(port.serialNumber))
        if (port.shortName && port.shortName !== port.path)
            parts.push(port.stable ? qsTr("derzeit %1").arg(port.shortName) : port.shortName)
        return parts.join("  ·  ")
    }

    ColumnLayout {
        id: lines
        objectName: entry.objectName + "Lines"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        spacing: 2

        Text {
            objectName: entry.objectName + "Name"
            Layout.fillWidth: true
            text: entry.port.stable ? entry.fileName(entry.port.path) : (entry.port.path || "")
            color: Style.text
            font.pixelSize: entry.fontSize
            font.bold: entry.selected
            elide: Text.ElideMiddle
        }
        Text {
            objectName: entry.objectName + "Details"
            Layout.fillWidth: true
            visible: text.length > 0
            text: entry.details()
            color: Style.textMuted
            font.pixelSize: Style.small(entry.fontSize)
            elide: Text.ElideRight
        }
    }

    MouseArea {
        objectName: entry.objectName + "Area"
        anchors.fill: parent
        enabled: entry.enabled
        cursorShape: Qt.PointingHandCursor
        onClicked: entry.clicked()
    }
}
