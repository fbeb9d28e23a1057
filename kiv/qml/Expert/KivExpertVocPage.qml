import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// VOC adjustment: one command; the device adjusts to the fresh air it is kept in.
ColumnLayout {
    id: page
    objectName: "Voc"
    spacing: 20

    property var expert: null
    property real fontSize: 15

    CustomPageHeader {
        objectName: page.objectName + "Header"
        Layout.fillWidth: true
        text: qsTr("VOC JUSTIERUNG")
        fontSize: page.fontSize
    }

    CustomContentFrame {
        id: frame
        objectName: page.objectName + "Frame"
        Layout.fillWidth: true
        title: qsTr("Justierung")
        fontSize: page.fontSize

        ColumnLayout {
            objectName: frame.objectName + "Column"
            width: parent.width
            spacing: 12

            Text {
                objectName: frame.objectName + "Info"
                Layout.fillWidth: true
                text: page.expert !== null ? page.expert.infoVoc : ""
                color: Style.text
                font.pixelSize: Style.small(page.fontSize)
                wrapMode: Text.WordWrap
            }
            CustomButton {
                objectName: frame.objectName + "StartButton"
                Layout.alignment: Qt.AlignRight
                enabled: page.expert !== null && Kiv.connected
                text: qsTr("Justierung starten")
                fontSize: page.fontSize
                onClicked: page.expert.startVocAdjustment()
            }
        }
    }
}
