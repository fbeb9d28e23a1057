import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// Every connection starts here: cable, Bluetooth, the internal functions and simulation.
Rectangle {
    id: page
    objectName: "KivConnectionPage"
    color: Style.background

    property real fontSize: 15
    readonly property bool isMobile: typeof Scaling !== "undefined" && Scaling !== null && Scaling.isMobile

    // The internal sub-page is not for users; they get the serial form instead.
    readonly property int subPage: KivPageManager.connectionPageIndex === KivPage.KivSpecial && Kiv.clearance === 0
                                   ? KivPage.KivSerialPage : KivPageManager.connectionPageIndex

    function subPageSource(index) {
        switch (index) {
        case KivPage.KivBlueTooth: return "KivBluetoothPage.qml"
        case KivPage.KivSpecial: return "KivSpecialPage.qml"
        default: return "KivSerialPage.qml"
        }
    }

    Connections {
        target: KivPageManager
        function onConnectionPageIndexChanged(index) {
            if (index === KivPage.KivSimulate && !Kiv.connected)
                simulate.ask()
        }
    }

    Flickable {
        id: flick
        objectName: page.objectName + "Flickable"
        anchors.fill: parent
        contentHeight: layout.implicitHeight + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: layout
            objectName: page.objectName + "Layout"
            x: 24
            y: 24
            width: Math.min(flick.width - 48, 720)
            spacing: 20

            CustomPageHeader {
                id: header
                objectName: page.objectName + "Header"
                Layout.fillWidth: true
                text: qsTr("VERBINDUNGSMANAGER")
                subText: Kiv.connected ? qsTr("Verbunden mit %1").arg(Kiv.deviceInfo.deviceName)
                                       : qsTr("Kein Gerät verbunden")
                fontSize: page.fontSize
            }

            Loader {
                id: subPageLoader
                objectName: page.objectName + "SubPage"
                Layout.fillWidth: true
                source: page.subPageSource(page.subPage)
                onLoaded: item.objectName = subPageLoader.objectName + item.objectName
            }

            // Simulation is a question, not a sub-page: the drawer entry asks, mobile has a button.
            KivSimulatePage {
                id: simulate
                objectName: page.objectName + "Simulate"
                Layout.fillWidth: true
                visible: page.isMobile
                fontSize: page.fontSize
            }
        }
    }
}
