import QtQuick
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// Live data group: device information and the live values, switched by the page manager.
Rectangle {
    id: page
    objectName: "KivMonitoringPage"
    color: Style.background

    property real fontSize: 15

    Loader {
        id: subPageLoader
        objectName: page.objectName + "SubPage"
        anchors.fill: parent
        source: KivPageManager.monitoringPageIndex === KivPage.KivMonitoring ? "KivLivePage.qml"
                                                                              : "KivDeviceInfoPage.qml"
        onLoaded: item.objectName = subPageLoader.objectName + item.objectName
    }
}
