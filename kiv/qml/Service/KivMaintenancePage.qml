import QtQuick
import QtQuick.Layouts
import "../General"

// Maintenance and calibration intervals of the device.
KivSettingsPage {
    id: page
    objectName: "Service"
    title: qsTr("WARTUNG")

    KivServiceCard {
        objectName: page.objectName + "Maintenance"
        Layout.fillWidth: true
        title: qsTr("Wartung")
        serviceType: 0
        interval: Kiv.intervalWartung
        hoursLeft: Kiv.secToWartung
        lastDate: Kiv.lastWartung
        fontSize: page.fontSize
    }

    KivServiceCard {
        objectName: page.objectName + "Calibration"
        Layout.fillWidth: true
        title: qsTr("Kalibrierung")
        serviceType: 1
        interval: Kiv.intervalKalibrierung
        hoursLeft: Kiv.secToKalibrierung
        lastDate: Kiv.lastKalibrierung
        fontSize: page.fontSize
    }
}
