import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "../General"

// The correction offset of every measuring channel.
Rectangle {
    id: root
    objectName: "KivOffsetPage"
    color: Style.background

    property real fontSize: 15

    KivSettingsPage {
        id: page
        objectName: root.objectName + "Content"
        anchors.fill: parent
        title: qsTr("OFFSET-EINSTELLUNGEN")
        fontSize: root.fontSize

        KivMessageText {
            objectName: page.objectName + "Note"
            text: qsTr("Der Korrekturfaktor wird zum Messwert addiert. Er wird eine Sekunde nach der letzten Änderung an das Gerät übertragen.")
            isError: false
            fontSize: page.fontSize
        }

        KivMessageText {
            objectName: page.objectName + "Empty"
            visible: rows.count === 0
            text: qsTr("Keine Messwerte vorhanden.")
            isError: false
            fontSize: page.fontSize
        }

        CustomContentFrame {
            id: frame
            objectName: page.objectName + "Frame"
            Layout.fillWidth: true
            visible: rows.count > 0
            title: qsTr("Korrekturfaktor")
            fontSize: page.fontSize

            Column {
                objectName: frame.objectName + "Column"
                width: parent.width
                spacing: 16

                Repeater {
                    id: rows
                    objectName: page.objectName + "Row"
                    model: Kiv.dataBlocks

                    KivOffsetRow {
                        objectName: rows.objectName + index
                        width: parent.width
                        block: modelData
                        fontSize: page.fontSize
                    }
                }
            }
        }
    }
}
