import QtQuick
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// Analogue outputs: which measurement drives each output, and the general output settings.
Rectangle {
    id: page
    objectName: "KivOutputPage"
    color: Style.background

    property real fontSize: 15

    Loader {
        id: subPageLoader
        objectName: page.objectName + "SubPage"
        anchors.fill: parent
        source: KivPageManager.outputPageIndex === KivPage.KivGeneral ? "bases/KivOutputGeneralBase.qml"
                                                                      : "bases/KivOutputChannelsBase.qml"
        onLoaded: {
            item.objectName = subPageLoader.objectName + item.objectName
            item.fontSize = Qt.binding(() => page.fontSize)
        }
    }
}
