import QtQuick
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Monitoring"
import "../General"
import "../Tumbler"

// One service interval (maintenance or calibration): when it was last done, when it is due,
// and the interval, which restarts the count when it is written.
CustomContentFrame {
    id: card
    objectName: "KivServiceCard"

    // 0 maintenance, 1 calibration: the type the back end's updateService takes.
    property int serviceType: 0
    property int interval: 0
    property real hoursLeft: 0
    property string lastDate: ""
    readonly property int maxMonths: 120

    function dueText() {
        if (!Kiv.connected || interval < 1)
            return "–"
        const due = new Date(Date.now() + hoursLeft * 3600 * 1000)
        return qsTr("%1 (in %2 Tagen)").arg(due.toLocaleDateString(Qt.locale(), "dd.MM.yyyy"))
                                        .arg(Math.floor(hoursLeft / 24))
    }

    ColumnLayout {
        objectName: card.objectName + "Column"
        width: parent.width
        spacing: 10

        CustomInfoRow {
            objectName: card.objectName + "Last"
            Layout.fillWidth: true
            labelWidth: Math.min(200, card.width * 0.4)
            label: qsTr("Zuletzt durchgeführt")
            value: Kiv.connected ? card.lastDate : ""
            fontSize: card.fontSize
        }
        CustomInfoRow {
            objectName: card.objectName + "Due"
            Layout.fillWidth: true
            labelWidth: Math.min(200, card.width * 0.4)
            label: qsTr("Nächster Termin")
            value: card.dueText()
            fontSize: card.fontSize
        }

        KivFormGrid {
            objectName: card.objectName + "Form"
            Layout.fillWidth: true

            KivFormLabel {
                objectName: card.objectName + "IntervalLabel"
                text: qsTr("Intervall")
                fontSize: card.fontSize
            }
            RowLayout {
                objectName: card.objectName + "IntervalRow"
                Layout.fillWidth: true
                spacing: 10
                KivValueTumbler {
                    id: months
                    objectName: card.objectName + "Interval"
                    from: 0
                    to: card.maxMonths
                    unit: qsTr("Monate")
                    fontSize: card.fontSize
                    Component.onCompleted: setValue(card.interval)
                }
                CustomButton {
                    objectName: card.objectName + "Apply"
                    text: qsTr("Übernehmen")
                    fontSize: card.fontSize
                    enabled: Kiv.connected && months.value >= 1 && months.value !== card.interval
                    onClicked: Kiv.updateService(card.serviceType, months.value)
                }
            }
        }
        KivMessageText {
            objectName: card.objectName + "Hint"
            text: qsTr("Übernehmen setzt die Zeit bis zum nächsten Termin auf das neue Intervall.")
            isError: false
            fontSize: card.fontSize
        }
    }

    onIntervalChanged: months.setValue(interval)
}
