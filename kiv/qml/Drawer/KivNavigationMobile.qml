import QtQuick
import "qrc:/Dependencies/Mirrel/qml/Drawer"

// The drawer of the mobile layout, opened from the header's menu button.
CustomNavigationMobile {
    id: navigation
    objectName: "KivNavigationMobile"

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
