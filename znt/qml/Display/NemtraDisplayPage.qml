import QtQuick
import NemtraPageEnums 1.0

// The display group: general settings or one displayed value, as the drawer's sub-entry chooses.
Loader {
    id: page
    objectName: "NemtraDisplayPage"

    property real fontSize: 15
    readonly property int value: NemtraPageManager.displayPageIndex - NemtraPage.NemtraDisplayGeneral

    Component.onCompleted: {
        if (value < 0 || value > 4)
            NemtraPageManager.displayPageIndex = NemtraPage.NemtraDisplayGeneral
    }

    sourceComponent: value >= 1 && value <= 4 ? valuePage : generalPage

    Component {
        id: generalPage
        NemtraDisplayGeneralPage { objectName: page.objectName + "General"; fontSize: page.fontSize }
    }
    Component {
        id: valuePage
        NemtraDisplayValueSettings { objectName: page.objectName + "Value"; fontSize: page.fontSize; number: page.value }
    }
}
