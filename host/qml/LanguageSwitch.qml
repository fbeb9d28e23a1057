import QtQuick
import QtQuick.Controls
import App 1.0

Row {
    id: languageSwitch
    objectName: "languageSwitch"
    spacing: 0

    Repeater {
        id: options
        objectName: languageSwitch.objectName + "_options"
        model: [
            { code: "de", label: "Deutsch" },
            { code: "en", label: "English" }
        ]
        delegate: Button {
            id: option
            objectName: languageSwitch.objectName + "_" + modelData.code
            readonly property bool current: App.language === modelData.code
            text: modelData.label
            checkable: true
            checked: current
            onClicked: App.language = modelData.code
            contentItem: Label {
                objectName: option.objectName + "_label"
                text: option.text
                font.pixelSize: 13
                color: option.current ? "#ffffff" : "#1f6f8b"
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
            background: Rectangle {
                objectName: option.objectName + "_background"
                implicitWidth: 84
                implicitHeight: 30
                radius: 4
                color: option.current ? "#1f6f8b" : "#ffffff"
                border.color: "#1f6f8b"
            }
        }
    }
}
