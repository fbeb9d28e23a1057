import QtQuick
import QtQuick.Layouts
import NemtraVersionProvider 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/Monitoring"
import "../General"

// Which software this is.
NemtraPage {
    id: page
    objectName: "NemtraAboutPage"
    title: qsTr("Über DAZuze")

    NemtraVersion { id: versions }

    CustomContentFrame {
        objectName: page.objectName + "Versions"
        Layout.fillWidth: true
        title: qsTr("Versionen")
        fontSize: page.fontSize
        Column {
            width: parent.width
            spacing: 8
            CustomInfoRow {
                objectName: page.objectName + "AppVersion"
                width: parent.width
                fontSize: page.fontSize
                label: qsTr("ZNT-Plugin")
                value: versions.appVersion
            }
            CustomInfoRow {
                width: parent.width
                fontSize: page.fontSize
                label: "Mirrel"
                value: versions.mirrelVersion
            }
            CustomInfoRow {
                width: parent.width
                fontSize: page.fontSize
                label: "Brasko"
                value: versions.braskoVersion
            }
            CustomInfoRow {
                width: parent.width
                fontSize: page.fontSize
                label: "Qt"
                value: versions.qtVersion
            }
        }
    }
}
