import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Window
import NemtraPageEnums 1.0
import PopupBackend 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qml/Ui"
import "qml/Drawer"
import "qml/General"

// Root page of the ZNT plugin: the drawer, the page switcher, the info bar and the
// application-wide pop-ups.
Rectangle {
    id: root
    objectName: "NemtraPlugin"
    anchors.fill: parent
    color: Style.background

    readonly property real fontSize: width < 700 ? 14 : 15
    readonly property bool isMobile: typeof Scaling !== "undefined" && Scaling !== null && Scaling.isMobile
    readonly property bool showInfo: !isMobile && NemtraPageManager.pageIndex === NemtraPage.NemtraConnectionPage
                                     && !simulating && !NemtraBackend.connected
    // The back end's isSimulation is also a slot of the same name, which hides the property.
    property bool simulating: NemtraBackend.isSimulation()

    Connections {
        target: NemtraBackend
        function onIsSimulationChanged(simulation) { root.simulating = simulation }
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
        width: root.width / 3
        height: root.height
        fontSize: root.fontSize
        onSaveRequested: popups.askToSave()
    }

    NemtraMainView {
        id: mainView
        objectName: root.objectName + "MainView"
        anchors.left: navigation.right
        anchors.right: infoBar.left
        anchors.top: root.top
        anchors.bottom: root.bottom
        fontSize: root.fontSize
        clip: true
        onWidthChanged: PopupBackend.popupWidth = width
        Component.onCompleted: PopupBackend.popupWidth = width
    }

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
