import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"
import "qrc:/Dependencies/Mirrel/qml/Monitoring"

// Which software this is.
Rectangle {
    id: page
    objectName: "KivAboutPage"
    color: Style.background

    property real fontSize: 15

    ColumnLayout {
        id: layout
        objectName: page.objectName + "Layout"
        x: 24
        y: 24
        width: Math.min(page.width - 48, 720)
        spacing: 20

        CustomPageHeader {
            objectName: page.objectName + "Header"
            Layout.fillWidth: true
            text: qsTr("ÜBER")
            fontSize: page.fontSize
        }

        Image {
            objectName: page.objectName + "Logo"
            Layout.preferredWidth: Math.min(layout.width, 320)
            Layout.preferredHeight: Layout.preferredWidth / 4
            fillMode: Image.PreserveAspectFit
            source: "qrc:/images/Logos/veltaronLogoMain.png"
        }

        CustomContentFrame {
            id: frame
            objectName: page.objectName + "Frame"
            Layout.fillWidth: true
            title: qsTr("KIV Raumsensoren")
            fontSize: page.fontSize

            ColumnLayout {
                objectName: frame.objectName + "Rows"
                width: parent.width
                spacing: 10

                CustomInfoRow {
                    objectName: page.objectName + "Version"
                    Layout.fillWidth: true
                    label: qsTr("Version")
                    value: Kiv.appVersion
                    fontSize: page.fontSize
                }
                Text {
                    objectName: page.objectName + "Description"
                    Layout.fillWidth: true
                    text: qsTr("Konfiguration und Kalibrierung von KIV Raumsensoren über die serielle Schnittstelle.")
                    color: Style.textMuted
                    font.pixelSize: page.fontSize
                    wrapMode: Text.WordWrap
                }
            }
        }
    }
}
