import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Window
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/General/PageTour.js" as PageTour
import "qrc:/Dependencies/Mirrel/qml/Header"
import "qml/Ui"
import "qml/Drawer"
import "qml/Footer"
import "qml/Popup"

// Root page of the KIV plugin: navigation, the page switcher, the mobile footer and the
// application-wide pop-ups and shortcuts.
Rectangle {
    id: root
    objectName: "KivPlugin"
    anchors.fill: parent
    color: Style.background

    // The host's unattended tour: the simulated device at the highest access level, then every
    // page the drawer offers.
    readonly property bool tourReady: Kiv.connected
    property var tourSteps: []
    function tourSimulate() {
        Kiv.clearance = 2
        Kiv.testMode = true
    }
    function tourPages() {
        tourSteps = PageTour.steps([KivPageManager.navModelTop, KivPageManager.navModelBottom],
                                   [KivPage.KivConnectionPage, KivPage.KivManuel, KivPage.KivDisconnect,
                                    KivPage.KivGoHome], page => false)
        return PageTour.names(tourSteps)
    }
    function tourShow(index) {
        PageTour.show(KivPageManager, tourSteps[index])
    }

    readonly property bool isPortrait: Screen.primaryOrientation === Qt.PortraitOrientation
                                       || Screen.primaryOrientation === Qt.InvertedPortraitOrientation
    // The layout scale object is optional: hosts without it get the desktop layout. A narrow
    // window takes the mobile layout as a phone does.
    readonly property bool isMobile: typeof Scaling !== "undefined" && Scaling !== null
                                     && Scaling.isMobileLayout(width)
    property bool showUpdate: false
    readonly property real yOffset: height * 0.07
    readonly property real headerHeight: Math.max(56, yOffset)
    readonly property real fontSize: width < 700 ? 14 : 15

    // The drawer models translate their texts when asked; a new language makes the views ask again.
    readonly property string languageCode: qsTr("de", "code of the language of this translation")
    onLanguageCodeChanged: {
        KivPageManager.navModelTop.resetModel()
        KivPageManager.navModelBottom.resetModel()
    }

    onIsPortraitChanged: if (mobileNavigation.item) mobileNavigation.item.close()

    Loader {
        id: desktopNavigation
        objectName: root.objectName + "NavigationDesktop"
        active: !root.isMobile
        width: active ? root.width / 3 : 0
        height: root.height
        source: "qml/Drawer/KivNavigationDesktop.qml"
        onLoaded: {
            item.objectName = desktopNavigation.objectName + "Panel"
            item.fontSize = Qt.binding(() => root.fontSize)
        }
    }

    CustomMenuHeader {
        id: menuHeader
        objectName: root.objectName + "MenuHeader"
        visible: root.isMobile
        width: root.width
        height: visible ? root.headerHeight : 0
        title: "KIV"
        fontSize: root.fontSize
        onMenuClicked: if (mobileNavigation.item) mobileNavigation.item.open()
    }

    Loader {
        id: mobileNavigation
        objectName: root.objectName + "NavigationMobile"
        active: root.isMobile
        source: "qml/Drawer/KivNavigationMobile.qml"
        onLoaded: {
            item.objectName = mobileNavigation.objectName + "Drawer"
            item.width = Qt.binding(() => root.width * (root.isPortrait ? 2 / 3 : 1 / 3))
            item.height = Qt.binding(() => root.height)
            item.fontSize = Qt.binding(() => root.fontSize)
        }
    }

    KivMainView {
        id: mainView
        objectName: root.objectName + "MainView"
        anchors.left: desktopNavigation.right
        anchors.right: root.right
        anchors.top: menuHeader.bottom
        anchors.bottom: footer.top
        clip: true
    }

    KivFooter {
        id: footer
        objectName: root.objectName + "Footer"
        visible: root.isMobile
        anchors.left: desktopNavigation.right
        anchors.right: root.right
        anchors.bottom: root.bottom
        height: root.isMobile && hasContent ? root.headerHeight * 0.8 : 0
        fontSize: root.fontSize
    }

    KivPopups {
        id: popups
        objectName: root.objectName + "Popups"
        anchors.fill: parent
        fontSize: root.fontSize
    }

    Connections {
        target: Kiv
        function onBootLoaderFinished() { root.showUpdate = false }
        function onSwitchToPoll() {
            if (Kiv.clearance === 0)
                KivPageManager.pageIndex = KivPage.KivMonitoringPage
        }
        function onConnectedChanged() {
            // While a lost device is waited for, the page stays; giving up leaves it below.
            if (!Kiv.connected && Kiv.clearance === 0 && !Kiv.reconnect.active)
                KivPageManager.pageIndex = KivPage.KivConnectionPage
        }
    }

    Connections {
        target: Kiv.reconnect
        function onActiveChanged() {
            if (!Kiv.reconnect.active && !Kiv.connected && Kiv.clearance === 0)
                KivPageManager.pageIndex = KivPage.KivConnectionPage
        }
    }

    Shortcut {
        objectName: root.objectName + "ShortcutClearance0"
        sequence: "Ctrl+Alt+Shift+0"
        context: Qt.ApplicationShortcut
        onActivated: Kiv.clearance = 0
    }
    Shortcut {
        objectName: root.objectName + "ShortcutClearance1"
        sequence: "Ctrl+Alt+Shift+1"
        context: Qt.ApplicationShortcut
        onActivated: Kiv.clearance = 1
    }
    Shortcut {
        objectName: root.objectName + "ShortcutClearance2"
        sequence: "Ctrl+Alt+Shift+2"
        context: Qt.ApplicationShortcut
        onActivated: Kiv.clearance = 2
    }
    Shortcut {
        objectName: root.objectName + "ShortcutReset"
        sequence: "Ctrl+R"
        context: Qt.ApplicationShortcut
        onActivated: Kiv.forceDeviceReset()
    }
    Shortcut {
        objectName: root.objectName + "ShortcutDump"
        sequence: "Ctrl+P"
        context: Qt.ApplicationShortcut
        onActivated: Kiv.dumpDeviceDataToTextFile()
    }
}
