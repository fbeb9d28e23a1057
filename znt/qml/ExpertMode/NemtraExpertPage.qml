import QtQuick
import QtQuick.Layouts
import QtQuick.Controls.Basic
import NemtraExpertMode 1.0
import NemtraPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "../General"

// Any register by number, read and written as hexadecimal.
NemtraPage {
    id: page
    objectName: "NemtraExpertPage"
    title: qsTr("EXPERT MODE")

    property string message: ""

    // Returns false, with a message, for text that is no register number.
    function addRegister(text) {
        const clean = String(text).trim().replace(/^0x/i, "")
        if (!/^[0-9a-fA-F]{1,4}$/.test(clean)) {
            message = qsTr("Ungültige eingabe!")
            return false
        }
        message = ""
        NemtraExpertMode.addProperty(parseInt(clean, 16))
        return true
    }

    Connections {
        target: NemtraExpertMode
        function onErrorPlainText(error) { page.message = error }
    }

    CustomContentFrame {
        objectName: page.objectName + "Select"
        Layout.fillWidth: true
        title: qsTr("Parameter Auswahl [hex]")
        fontSize: page.fontSize
        ColumnLayout {
            width: parent.width
            RowLayout {
                Layout.fillWidth: true
                spacing: 12
                NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Parameter Auswahl [0x]") }
                TextField {
                    id: registerField
                    objectName: page.objectName + "Register"
                    Layout.preferredWidth: 120
                    font.pixelSize: page.fontSize
                    font.family: "monospace"
                    placeholderText: "0000"
                    onAccepted: if (page.addRegister(text)) text = ""
                }
                CustomButton {
                    objectName: page.objectName + "Add"
                    text: "+"
                    fontSize: page.fontSize
                    onClicked: if (page.addRegister(registerField.text)) registerField.text = ""
                }
            }
            Text {
                objectName: page.objectName + "Message"
                visible: page.message !== ""
                text: page.message
                color: Style.danger
                font.pixelSize: page.fontSize * 0.9
            }
        }
    }

    Repeater {
        objectName: page.objectName + "Entries"
        model: NemtraExpertMode.expertList
        delegate: CustomContentFrame {
            id: entry
            objectName: page.objectName + "Entry" + index
            Layout.fillWidth: true
            fontSize: page.fontSize
            title: qsTr("Parameter: ") + "0x" + modelData.registerIndex.toString(16).toUpperCase().padStart(4, "0")
            RowLayout {
                width: parent.width
                spacing: 12
                NemtraHexField {
                    objectName: entry.objectName + "Value"
                    Layout.fillWidth: true
                    fontSize: page.fontSize
                    prop: modelData
                }
                CustomButton {
                    objectName: entry.objectName + "Remove"
                    text: "-"
                    primary: false
                    fontSize: page.fontSize
                    onClicked: NemtraExpertMode.subProperty(modelData.registerIndex)
                }
            }
        }
    }

    // The test page is in no menu; technicians reach it from here.
    CustomButton {
        objectName: page.objectName + "OpenTestPage"
        text: qsTr("Testseite öffnen")
        primary: false
        fontSize: page.fontSize
        onClicked: NemtraPageManager.pageIndex = NemtraPage.LoraTestPage
    }
}
