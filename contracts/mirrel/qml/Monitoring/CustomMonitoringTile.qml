import QtQuick
import QtQuick.Layouts
import "../General/MirrelStyle.js" as Style

// One live measurement: icon and measure, the value with its unit, the measuring range and,
// when the channel drives an analogue output, its voltage and current.
Rectangle {
    id: tile
    objectName: "CustomMonitoringTile"

    property url icon: ""
    property string measure: ""
    property string valueText: ""
    property string unit: ""
    property string rangeText: ""
    property string outputText: ""
    property bool valid: true
    property real fontSize: 15

    implicitHeight: layout.implicitHeight + 28
    implicitWidth: 260
    color: Style.surface
    radius: Style.radius
    border.color: Style.border

    Rectangle {
        objectName: tile.objectName + "Accent"
        width: 4
        height: parent.height - 2 * Style.radius
        anchors.verticalCenter: parent.verticalCenter
        color: tile.valid ? Style.teal : Style.danger
    }

    ColumnLayout {
        id: layout
        objectName: tile.objectName + "Layout"
        anchors.fill: parent
        anchors.margins: 14
        anchors.leftMargin: 18
        spacing: 6

        RowLayout {
            id: head
            objectName: tile.objectName + "Head"
            Layout.fillWidth: true
            spacing: 10

            Image {
                objectName: tile.objectName + "Icon"
                Layout.preferredWidth: 32
                Layout.preferredHeight: 32
                source: tile.icon
                sourceSize.width: 64
                sourceSize.height: 64
            }
            Text {
                objectName: tile.objectName + "Measure"
                Layout.fillWidth: true
                text: tile.measure
                color: Style.textMuted
                font.pixelSize: tile.fontSize
                font.bold: true
                elide: Text.ElideRight
            }
        }

        RowLayout {
            id: valueRow
            objectName: tile.objectName + "ValueRow"
            spacing: 6
            Text {
                objectName: tile.objectName + "Value"
                text: tile.valueText
                color: Style.text
                font.pixelSize: Style.large(tile.fontSize) + 4
                font.bold: true
            }
            Text {
                objectName: tile.objectName + "Unit"
                Layout.alignment: Qt.AlignBaseline
                text: tile.unit
                color: Style.textMuted
                font.pixelSize: Style.title(tile.fontSize)
            }
        }

        Text {
            objectName: tile.objectName + "Range"
            Layout.fillWidth: true
            text: tile.rangeText
            visible: text.length > 0
            color: Style.textMuted
            font.pixelSize: Style.small(tile.fontSize)
            elide: Text.ElideRight
        }

        Text {
            objectName: tile.objectName + "Output"
            Layout.fillWidth: true
            text: tile.outputText
            visible: text.length > 0
            color: Style.tealDark
            font.pixelSize: Style.small(tile.fontSize)
            elide: Text.ElideRight
        }
    }
}
