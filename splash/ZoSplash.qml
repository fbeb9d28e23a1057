import QtQuick
import QtQuick.Controls

ApplicationWindow {
    id: zoSplash
    objectName: "zoSplash"

    visible: true
    flags: Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint
    width: Screen.width * 0.35
    height: width / 2.8

    Image {
        id: logo
        objectName: zoSplash.objectName + "Logo"
        anchors.fill: parent
        source: "qrc:/vlLogo.png"
        fillMode: Image.PreserveAspectFit
        horizontalAlignment: Image.AlignHCenter
        verticalAlignment: Image.AlignVCenter
        antialiasing: true
        mipmap: true
    }

    Canvas {
        id: busy
        objectName: zoSplash.objectName + "Busy"
        anchors.fill: parent

        // Nine phases for eight squares: one phase has the opaque entry just off the row.
        readonly property var palette: ["#33867684", "#66867684", "#99867684",
                                        "#cc867684", "#ff867684", "#cc867684",
                                        "#99867684", "#66867684", "#33867684"]
        property int index: 0

        function squareColor(n) {
            return palette[(index + n) % palette.length]
        }

        onIndexChanged: requestPaint()

        onPaint: {
            const ctx = getContext("2d")
            ctx.reset()
            const s = height / 23
            const y = height - 6 * s
            for (let n = 0; n < 8; ++n) {
                ctx.fillStyle = squareColor(n)
                ctx.fillRect(width / 2 + (2 * n - 7) * s, y, s, s)
            }
        }

        Timer {
            objectName: busy.objectName + "Timer"
            interval: 90
            repeat: true
            running: true
            onTriggered: busy.index = (busy.index + 1) % busy.palette.length
        }
    }

    Text {
        objectName: zoSplash.objectName + "Maker"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        font.pixelSize: 12
        color: "#5b4f5a"
        text: "Software by Veltaron"
    }
}
