import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// A labelled progress bar with a line of detail under it (bytes, rate, remaining time).
ColumnLayout {
    id: progress
    objectName: "KivUpdateProgress"

    property string label: ""
    property string detail: ""
    property real value: 0
    property real maximum: 0
    property real fontSize: 15

    spacing: 6

    Text {
        objectName: progress.objectName + "Label"
        Layout.fillWidth: true
        text: progress.label
        color: Style.text
        font.pixelSize: progress.fontSize
        wrapMode: Text.WordWrap
    }

    ProgressBar {
        id: bar
        objectName: progress.objectName + "Bar"
        Layout.fillWidth: true
        from: 0
        to: Math.max(1, progress.maximum)
        value: Math.min(progress.value, to)
        // Without a known size the bar shows that something is happening.
        indeterminate: progress.maximum <= 0

        background: Rectangle {
            objectName: bar.objectName + "Track"
            implicitHeight: 8
            radius: 4
            color: Style.tealLight
        }
        contentItem: Item {
            objectName: bar.objectName + "Content"
            implicitHeight: 8
            Rectangle {
                objectName: bar.objectName + "Fill"
                width: bar.indeterminate ? parent.width * 0.3 : bar.visualPosition * parent.width
                height: parent.height
                radius: 4
                color: Style.teal
                x: bar.indeterminate ? (parent.width - width) * bar.sweep : 0
            }
        }

        property real sweep: 0
        SequentialAnimation on sweep {
            running: bar.indeterminate && bar.visible
            loops: Animation.Infinite
            NumberAnimation { from: 0; to: 1; duration: 900 }
            NumberAnimation { from: 1; to: 0; duration: 900 }
        }
    }

    Text {
        objectName: progress.objectName + "Detail"
        Layout.fillWidth: true
        visible: text.length > 0
        text: progress.detail
        color: Style.textMuted
        font.pixelSize: Style.small(progress.fontSize)
        wrapMode: Text.WordWrap
    }
}
