import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "MirrelStyle.js" as Style
import "../Header"

// Language choice. The host owns the language; a plugin without a language back end shows
// where to change it.
Rectangle {
    id: page
    objectName: "CustomLanguageSettings"

    // An object with a writable "language" code ("de", "en"), or null.
    property var languageBackend: null
    property real fontSize: 15

    color: Style.background

    ColumnLayout {
        id: layout
        objectName: page.objectName + "Layout"
        anchors.fill: parent
        anchors.margins: 24
        spacing: 16

        CustomPageHeader {
            objectName: page.objectName + "Header"
            Layout.fillWidth: true
            text: qsTr("SPRACHEINSTELLUNGEN")
            fontSize: page.fontSize
        }

        Repeater {
            id: choices
            objectName: page.objectName + "Choices"
            model: page.languageBackend ? [{ code: "de", name: "Deutsch" }, { code: "en", name: "English" }] : []

            RadioButton {
                objectName: choices.objectName + modelData.code
                text: modelData.name
                font.pixelSize: page.fontSize
                checked: page.languageBackend && page.languageBackend.language === modelData.code
                onClicked: page.languageBackend.language = modelData.code
            }
        }

        Text {
            objectName: page.objectName + "HostHint"
            Layout.fillWidth: true
            visible: !page.languageBackend
            text: qsTr("Die Sprache wird auf der Startseite der Anwendung gewählt.")
            color: Style.textMuted
            font.pixelSize: page.fontSize
            wrapMode: Text.WordWrap
        }

        Item {
            objectName: page.objectName + "Filler"
            Layout.fillHeight: true
        }
    }
}
