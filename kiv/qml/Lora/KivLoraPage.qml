import QtQuick
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// LoRaWAN group: information, parameters and control command, switched by the page manager.
Rectangle {
    id: page
    objectName: "KivLoraPage"
    color: Style.background

    property real fontSize: 15

    Loader {
        id: subPageLoader
        objectName: page.objectName + "SubPage"
        anchors.fill: parent
        source: {
            switch (KivPageManager.loraPageIndex) {
            case KivPage.KivLoraInformation: return "KivLoraInfoPage.qml"
            case KivPage.KivLoraCommand: return "KivLoraCommandPage.qml"
            default: return "KivLoraParameterPage.qml"
            }
        }
        onLoaded: item.objectName = subPageLoader.objectName + item.objectName
    }
}
