import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Monitoring"
import "../General"

// Whom to ask about service, calibration and spare parts.
KivSettingsPage {
    id: page
    objectName: "Contact"
    title: qsTr("KONTAKT")
    subText: qsTr("Service und Kalibrierung")

    readonly property string mail: "service@veltaron.de"

    CustomContentFrame {
        id: frame
        objectName: page.objectName + "Frame"
        Layout.fillWidth: true
        title: "Veltaron GmbH"
        fontSize: page.fontSize

        ColumnLayout {
            objectName: frame.objectName + "Column"
            width: parent.width
            spacing: 10

            CustomInfoRow {
                objectName: page.objectName + "Department"
                Layout.fillWidth: true
                labelWidth: Math.min(200, frame.width * 0.35)
                label: qsTr("Abteilung")
                value: qsTr("Kundendienst")
                fontSize: page.fontSize
            }
            CustomInfoRow {
                objectName: page.objectName + "Mail"
                Layout.fillWidth: true
                labelWidth: Math.min(200, frame.width * 0.35)
                label: qsTr("E-Mail")
                value: page.mail
                fontSize: page.fontSize
            }
            CustomInfoRow {
                objectName: page.objectName + "Web"
                Layout.fillWidth: true
                labelWidth: Math.min(200, frame.width * 0.35)
                label: qsTr("Internet")
                value: "www.veltaron.de"
                fontSize: page.fontSize
            }
            Text {
                objectName: page.objectName + "Note"
                Layout.fillWidth: true
                text: qsTr("Bitte halten Sie die Seriennummer des Geräts bereit: %1")
                          .arg(Kiv.connected ? Kiv.deviceInfo.seriennummer.toFixed(0) : "–")
                color: Style.textMuted
                font.pixelSize: page.fontSize
                wrapMode: Text.WordWrap
            }
            CustomButton {
                objectName: page.objectName + "MailButton"
                Layout.alignment: Qt.AlignRight
                text: qsTr("E-Mail schreiben")
                fontSize: page.fontSize
                onClicked: Qt.openUrlExternally("mailto:" + page.mail)
            }
        }
    }
}
