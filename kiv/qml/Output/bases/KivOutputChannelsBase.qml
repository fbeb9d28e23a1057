import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "../../General"
import "../delegates"

// One card per analogue output; the choices come from the back end's list of active channels.
KivSettingsPage {
    id: page
    objectName: "Outputs"
    title: qsTr("AUSGANGSKONFIGURATION")

    RowLayout {
        objectName: page.objectName + "Busy"
        Layout.fillWidth: true
        visible: Kiv.outputBusy
        spacing: 10
        BusyIndicator {
            objectName: page.objectName + "BusyIndicator"
            running: Kiv.outputBusy
            Layout.preferredWidth: 32
            Layout.preferredHeight: 32
        }
        Text {
            objectName: page.objectName + "BusyText"
            Layout.fillWidth: true
            text: qsTr("Die Auswahl wird übernommen …")
            color: Style.textMuted
            font.pixelSize: page.fontSize
        }
    }

    KivMessageText {
        objectName: page.objectName + "Empty"
        visible: outputs.count === 0
        text: qsTr("Keine Ausgänge vorhanden.")
        isError: false
        fontSize: page.fontSize
    }

    Repeater {
        id: outputs
        objectName: page.objectName + "Output"
        model: Kiv.activeChannels

        KivOutputDelegate {
            objectName: outputs.objectName + index
            Layout.fillWidth: true
            block: modelData
            outputNumber: index + 1
            enabled: !Kiv.outputBusy
            fontSize: page.fontSize
        }
    }
}
