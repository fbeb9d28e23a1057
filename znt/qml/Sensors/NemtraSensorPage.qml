import QtQuick
import NemtraPageEnums 1.0

// The sensor group: general settings or one channel, as the drawer's sub-entry chooses.
Loader {
    id: page
    objectName: "NemtraSensorPage"

    property real fontSize: 15
    readonly property int channel: NemtraPageManager.sensorPageIndex - NemtraPage.NemtraSensorGeneral

    Component.onCompleted: {
        if (channel < 0 || channel > 4)
            NemtraPageManager.sensorPageIndex = NemtraPage.NemtraSensorGeneral
    }

    sourceComponent: channel >= 1 && channel <= 4 ? listPage : generalPage

    Component {
        id: generalPage
        NemtraSensorGeneral { objectName: page.objectName + "General"; fontSize: page.fontSize }
    }
    Component {
        id: listPage
        NemtraSensorList { objectName: page.objectName + "Channel"; fontSize: page.fontSize; channel: page.channel }
    }
}
