import QtQuick
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/Footer"

// Mobile footer: the sub-page buttons of the shown page group, empty for other pages.
Item {
    id: footer
    objectName: "KivFooter"

    property real fontSize: 15
    readonly property bool hasContent: loader.status === Loader.Ready || saveLoadLoader.status === Loader.Ready

    function sourceFor(page) {
        switch (page) {
        case KivPage.KivMonitoringPage: return "KivFooterLive.qml"
        case KivPage.KivOutputPage: return "KivFooterOutput.qml"
        case KivPage.KivRelaisPage: return "KivFooterRelais.qml"
        case KivPage.KivServicePage: return "KivFooterService.qml"
        case KivPage.KivExpertPage: return "KivFooterExpert.qml"
        case KivPage.KivLoraPage: return "KivFooterLora.qml"
        default: return ""
        }
    }

    Loader {
        id: loader
        objectName: footer.objectName + "Content"
        anchors.fill: parent
        active: footer.sourceFor(KivPageManager.pageIndex).length > 0
        source: footer.sourceFor(KivPageManager.pageIndex)
        onLoaded: item.objectName = loader.objectName + item.objectName
    }

    Loader {
        id: saveLoadLoader
        objectName: footer.objectName + "SaveLoadContent"
        anchors.fill: parent
        active: KivPageManager.pageIndex === KivPage.KivSaveLoadPage
        sourceComponent: saveLoadFooter
        onLoaded: item.objectName = saveLoadLoader.objectName + item.objectName
    }

    Component {
        id: saveLoadFooter
        CustomFooterSaveLoad {
            objectName: "SaveLoad"
            saveSelected: KivPageManager.saveLoadIndex === KivPage.KivSavePage
            saveIcon: "qrc:/images/NavigationIcons/Save.png"
            loadIcon: "qrc:/images/NavigationIcons/Load.png"
            fontSize: footer.fontSize
            onSaveClicked: KivPageManager.saveLoadIndex = KivPage.KivSavePage
            onLoadClicked: KivPageManager.saveLoadIndex = KivPage.KivLoadPage
        }
    }
}
