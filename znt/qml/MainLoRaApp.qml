import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Window
import NemtraPageEnums 1.0
import DeviceInformationEnums 1.0 as Info
import NemtraDeviceInformation 1.0
import PopupBackend 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/General/PageTour.js" as PageTour
import "qml/Ui"
import "qml/Drawer"
import "qml/Footer"
import "qml/Menu"
import "qml/General"

// Root page of the ZNT plugin: the drawer, the page switcher, the info bar and the
// application-wide pop-ups.
Rectangle {
    id: root
    objectName: "NemtraPlugin"
    anchors.fill: parent
    color: Style.background

    // The host's unattended tour: the simulated F3, every page the drawer offers, then the pages
    // that are opened from a page rather than from the drawer.
    readonly property bool tourReady: deviceLoaded && !NemtraBackend.showProgressbar
    // Connected comes before the image reaches the containers; the pages depend on the image.
    property bool deviceLoaded: false
    property var tourSteps: []
    function tourSimulate() {
        NemtraBackend.simulateDevice(0)
    }
    function tourPages() {
        let steps = PageTour.steps([NemtraPageManager.modelTop, NemtraPageManager.modelBottom],
                                   [NemtraPage.NemtraConnectionPage, NemtraPage.NemtraDisconnect,
                                    NemtraPage.NemtraGoHome], page => false)
        const extras = [PageTour.extra(qsTr("Ampelfunktion(TLF)"), NemtraPage.NemtraTlfPage),
                        PageTour.extra(qsTr("LED Funktion"), NemtraPage.NemtraLedPage),
                        PageTour.extra(qsTr("Gateway"), NemtraPage.NemtraGatewayPage),
                        PageTour.extra(qsTr("Test - Allgemein"), NemtraPage.LoraTestPage, NemtraPage.LoraTestPageGeneral),
                        PageTour.extra(qsTr("Test - Transferlog"), NemtraPage.LoraTestPage, NemtraPage.LoraTestPageLog),
                        PageTour.extra(qsTr("Über"), NemtraPage.NemtraAboutPage)]
        for (const step of extras) {
            // The gateway page is offered only for a bridge, on its device information page.
            const offered = step.group !== NemtraPage.NemtraGatewayPage
                            || NemtraDeviceInfo.deviceType === Info.PropertyEnum.GatewayZntEnocean
            if (offered && mainView.canShow(step.group))
                steps.push(step)
        }
        tourSteps = steps
        return PageTour.names(tourSteps)
    }
    function tourShow(index) {
        PageTour.show(NemtraPageManager, tourSteps[index])
    }

    readonly property real fontSize: width < 700 ? 14 : 15
    // A phone, or a window as narrow as one, takes the mobile layout.
    readonly property bool isMobile: (typeof Scaling !== "undefined" && Scaling !== null && Scaling.isMobile)
                                     || (width > 0 && width < 600)
    readonly property bool isPortrait: height > width
    readonly property real headerHeight: Math.max(56, height * 0.07)
    readonly property bool showInfo: !isMobile && NemtraPageManager.pageIndex === NemtraPage.NemtraConnectionPage
                                     && !simulating && !NemtraBackend.connected
    // The back end's isSimulation is also a slot of the same name, which hides the property.
    property bool simulating: NemtraBackend.isSimulation()

    Connections {
        target: NemtraBackend
        function onIsSimulationChanged(simulation) { root.simulating = simulation }
        function onConnectedAndDataLoaded() { root.deviceLoaded = true }
        function onConnectedChanged() {
            if (!NemtraBackend.connected)
                root.deviceLoaded = false
        }
    }

    // The drawer models translate their texts when read; a new language makes the views read again.
    readonly property string languageCode: qsTr("de", "code of the language of this translation")
    onLanguageCodeChanged: {
        NemtraPageManager.modelTop.resetModel()
        NemtraPageManager.modelBottom.resetModel()
    }

    NemtraNavigationDesktop {
        id: navigation
        objectName: root.objectName + "Navigation"
        visible: !root.isMobile
        width: visible ? root.width / 3 : 0
        height: root.height
        fontSize: root.fontSize
        onSaveRequested: popups.askToSave()
    }

    NemtraMenuHeader {
        id: menuHeader
        objectName: root.objectName + "MenuHeader"
        visible: root.isMobile
        anchors.left: navigation.right
        anchors.right: root.right
        height: visible ? root.headerHeight : 0
        fontSize: root.fontSize
        onMenuClicked: mobileNavigation.open()
        onSaveRequested: popups.askToSave()
    }

    NemtraNavigationMobile {
        id: mobileNavigation
        objectName: root.objectName + "NavigationMobile"
        width: root.width * (root.isPortrait ? 2 / 3 : 1 / 3)
        height: root.height
        interactive: root.isMobile
        fontSize: root.fontSize
        onSaveRequested: popups.askToSave()
    }

    NemtraMainView {
        id: mainView
        objectName: root.objectName + "MainView"
        anchors.left: navigation.right
        anchors.right: infoBar.left
        anchors.top: menuHeader.bottom
        anchors.bottom: footer.top
        fontSize: root.fontSize
        clip: true
        onWidthChanged: PopupBackend.popupWidth = width
        Component.onCompleted: PopupBackend.popupWidth = width
    }

    NemtraFooter {
        id: footer
        objectName: root.objectName + "Footer"
        visible: root.isMobile
        anchors.left: navigation.right
        anchors.right: root.right
        anchors.bottom: root.bottom
        height: root.isMobile && hasContent ? root.headerHeight * 0.8 : 0
        fontSize: root.fontSize
    }

    onIsMobileChanged: if (!isMobile) mobileNavigation.close()

    NemtraInfoBar {
        id: infoBar
        objectName: root.objectName + "InfoBar"
        anchors.right: root.right
        anchors.top: root.top
        anchors.bottom: root.bottom
        width: root.showInfo ? Math.min(320, root.width * 0.24) : 0
        visible: root.showInfo
        fontSize: root.fontSize
    }

    NemtraPopups {
        id: popups
        objectName: root.objectName + "Popups"
        anchors.fill: parent
        fontSize: root.fontSize
        canShowPage: page => mainView.canShow(page)
    }
}
