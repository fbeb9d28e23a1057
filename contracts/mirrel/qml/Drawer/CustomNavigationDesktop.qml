import QtQuick

// The navigation panel of the desktop layout: always visible at the side of the pages.
CustomDrawerContentItem {
    id: navigation
    objectName: "CustomNavigationDesktop"
}
