import QtQuick
import NemtraPageEnums 1.0

// Mobile footer of the sensor pages: the general sensor settings and each channel.
NemtraFooterBar {
    objectName: "NemtraFooterSensors"
    group: NemtraPage.NemtraSensorPage
    current: NemtraPageManager.sensorPageIndex
}
