import QtQuick
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// Service group: maintenance and calibration intervals, and whom to call.
Rectangle {
    id: page
    objectName: "KivServicePage"
    color: Style.background

    property real fontSize: 15

    Loader {
        id: subPageLoader
        objectName: page.objectName + "SubPage"
        anchors.fill: parent
        source: KivPageManager.servicePageIndex === KivPage.KivContact ? "KivContactPage.qml"
                                                                       : "KivMaintenancePage.qml"
        onLoaded: {
            item.objectName = subPageLoader.objectName + item.objectName
            item.fontSize = Qt.binding(() => page.fontSize)
        }
    }
}
