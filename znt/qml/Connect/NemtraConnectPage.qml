import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import NemtraPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// Every connection starts here; the drawer's sub-entries choose how.
Rectangle {
    id: page
    objectName: "NemtraConnectPage"
    color: Style.background

    property real fontSize: 15
    // The back end's isSimulation is also a slot of the same name, which hides the property.
    property bool simulating: NemtraBackend.isSimulation()

    Connections {
        target: NemtraBackend
        function onIsSimulationChanged(simulation) { page.simulating = simulation }
    }

    function subPageSource(index) {
        switch (index) {
        case NemtraPage.NemtraSerialPage: return "NemtraSerialConnectPage.qml"
        default: return ""
        }
    }

    Component.onCompleted: NemtraPageManager.connectionPageIndex = NemtraPage.NemtraSerialPage

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
                objectName: page.objectName + "Header"
                Layout.fillWidth: true
                text: qsTr("VERBINDUNGSMANAGER")
                subText: page.simulating ? qsTr("Gerät wird simuliert")
                                                    : NemtraBackend.connected ? qsTr("Gerät verbunden")
                                                                              : qsTr("Kein Gerät verbunden")
                fontSize: page.fontSize
            }

            Loader {
                id: subPageLoader
                objectName: page.objectName + "SubPage"
                Layout.fillWidth: true
                source: page.subPageSource(NemtraPageManager.connectionPageIndex)
                onLoaded: {
                    item.objectName = subPageLoader.objectName + item.objectName
                    item.fontSize = Qt.binding(() => page.fontSize)
                }
            }
        }
    }
}
