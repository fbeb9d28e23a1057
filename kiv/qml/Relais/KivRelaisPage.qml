import QtQuick
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// Relay group: the settings of both relays and switching them by hand.
Rectangle {
    id: page
    objectName: "KivRelaisPage"
    color: Style.background

    property real fontSize: 15

    // Called by the page switcher before it moves on (and turns polling on, which would hold
    // back the restore of forced relays).
    function aboutToLeave() {
        if (subPageLoader.item && typeof subPageLoader.item.aboutToLeave === "function")
            subPageLoader.item.aboutToLeave()
    }

    Loader {
        id: subPageLoader
        objectName: page.objectName + "SubPage"
        anchors.fill: parent
        source: KivPageManager.relaisPageIndex === KivPage.KivForceRelais ? "Pages/KivRelaisForcePage.qml"
                                                                         : "Pages/KivRelaisSettingsPage.qml"
        onLoaded: {
            item.objectName = subPageLoader.objectName + item.objectName
            item.fontSize = Qt.binding(() => page.fontSize)
        }
    }
}
