import QtQuick
import "qrc:/Dependencies/Mirrel/qml/Drawer"

// The drawer of the desktop layout: a fixed panel beside the pages.
CustomNavigationDesktop {
    id: navigation
    objectName: "KivNavigationDesktop"

    pageManager: KivPageManager
    subIndexProperties: icons.subIndexProperties
    iconForPage: icons.iconFor
    isEntryHidden: icons.isHidden
    appName: "KIV"
    appVersion: Kiv.appVersion

    KivPageIcons {
        id: icons
        objectName: navigation.objectName + "Icons"
    }
}
