import QtQuick
import QtQuick.Layouts
import QtQuick.Controls.Basic
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "../General"

// Manual register requests: what went out last, what came back, and the three request forms.
// Input is checked by the back end, which says why it refuses and then sends nothing.
NemtraPage {
    id: page
    objectName: "General"
    title: qsTr("Manuelles Senden und Lesen")

    readonly property string none: "------"
    readonly property var requests: NemtraManualRequests

    CustomContentFrame {
        objectName: page.objectName + "Last"
        Layout.fillWidth: true
        fontSize: page.fontSize
        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 16
            rowSpacing: 8
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Zuletzt Gesendet:") }
            Text {
                objectName: page.objectName + "LastSent"
                Layout.fillWidth: true
                Layout.topMargin: 4
                text: page.requests.lastSent !== "" ? page.requests.lastSent : page.none
                color: Style.text
                font.pixelSize: page.fontSize
                font.family: "monospace"
                wrapMode: Text.WrapAnywhere
            }
            NemtraFormLabel { fontSize: page.fontSize; text: qsTr("Zuletzt Empfangen:") }
            Text {
                objectName: page.objectName + "LastReceived"
                Layout.fillWidth: true
                Layout.topMargin: 4
                text: page.requests.lastReceived !== "" ? page.requests.lastReceived : page.none
                color: Style.text
                font.pixelSize: page.fontSize
                font.family: "monospace"
                wrapMode: Text.WrapAnywhere
            }
        }
    }

    Text {
        objectName: page.objectName + "Message"
        Layout.fillWidth: true
        visible: page.requests.message !== ""
        text: page.requests.message
        color: Style.danger
        font.pixelSize: page.fontSize * 0.9
        wrapMode: Text.WordWrap
    }

    // One request form: a label, the fields given as children and the "Request" button.
    component RequestForm: CustomContentFrame {
        id: form
        property string label: ""
        // The fields take the room left beside the label; otherwise they keep their own width.
        property bool stretch: false
        property alias fields: fieldRow.data
        signal requested()
        Layout.fillWidth: true
        RowLayout {
            width: parent.width
            spacing: 12
            NemtraFormLabel { fontSize: form.fontSize; text: form.label; Layout.preferredWidth: 200 }
            RowLayout {
                id: fieldRow
                Layout.fillWidth: form.stretch
                spacing: 8
            }
            Item {
                Layout.fillWidth: true
                visible: !form.stretch
            }
            CustomButton {
                objectName: form.objectName + "Request"
                text: qsTr("Request")
                fontSize: form.fontSize
                enabled: !NemtraManualRequests.busy
                onClicked: form.requested()
            }
        }
    }

    component InputField: TextField {
        font.family: "monospace"
        selectByMouse: true
    }

    RequestForm {
        id: readForm
        objectName: page.objectName + "Read"
        fontSize: page.fontSize
        label: qsTr("Request Holding:")
        onRequested: page.requests.requestHolding(readStart.text, readCount.text)
        fields: [
            InputField {
                id: readStart
                objectName: readForm.objectName + "Register"
                Layout.preferredWidth: 110
                font.pixelSize: page.fontSize
                placeholderText: qsTr("Reg. [hex]")
            },
            InputField {
                id: readCount
                objectName: readForm.objectName + "Count"
                Layout.preferredWidth: 90
                font.pixelSize: page.fontSize
                text: "1"
                placeholderText: qsTr("Anzahl")
            }
        ]
    }

    RequestForm {
        id: singleForm
        objectName: page.objectName + "WriteSingle"
        fontSize: page.fontSize
        label: qsTr("Write Single Holding:")
        onRequested: page.requests.writeSingleHolding(singleRegister.text, singleValue.text)
        fields: [
            InputField {
                id: singleRegister
                objectName: singleForm.objectName + "Register"
                Layout.preferredWidth: 110
                font.pixelSize: page.fontSize
                placeholderText: qsTr("Reg. [hex]")
            },
            InputField {
                id: singleValue
                objectName: singleForm.objectName + "Value"
                Layout.preferredWidth: 110
                font.pixelSize: page.fontSize
                placeholderText: qsTr("Wert [hex]")
            }
        ]
    }

    RequestForm {
        id: multiForm
        objectName: page.objectName + "WriteMulti"
        fontSize: page.fontSize
        label: qsTr("Write Multi Holding:")
        stretch: true
        onRequested: page.requests.writeMultiHolding(multiRegister.text, multiValues.text)
        fields: [
            InputField {
                id: multiRegister
                objectName: multiForm.objectName + "Register"
                Layout.preferredWidth: 110
                font.pixelSize: page.fontSize
                placeholderText: qsTr("Reg. [hex]")
            },
            InputField {
                id: multiValues
                objectName: multiForm.objectName + "Values"
                Layout.fillWidth: true
                Layout.minimumWidth: 120
                font.pixelSize: page.fontSize
                placeholderText: qsTr("Werte [hex], z. B. 1 A2 FFFF")
            }
        ]
    }
}
