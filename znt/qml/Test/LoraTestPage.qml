import QtQuick
import QtQuick.Layouts
import NemtraPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// The technicians' test page: manual requests or the transfer log, as the test sub-page index
// chooses. The menus do not list this page, so its sub-pages are offered above it as well.
Rectangle {
    id: page
    objectName: "LoraTestPage"
    color: Style.background

    property real fontSize: 15
    readonly property var subModel: NemtraPageManager.modelTop.relatedChildrenModels(NemtraPage.LoraTestPage)

    // The sub-entries translate their texts when read; a new language makes the buttons read again.
    readonly property string languageCode: qsTr("de", "code of the language of this translation")
    onLanguageCodeChanged: subModel.resetModel()

    Component.onCompleted: {
        if (NemtraPageManager.testPageIndex !== NemtraPage.LoraTestPageLog)
            NemtraPageManager.setIndexByGroup(NemtraPage.LoraTestPage, NemtraPage.LoraTestPageGeneral)
    }

    Row {
        id: tabs
        objectName: page.objectName + "Tabs"
        x: 24
        y: 16
        spacing: 8

        Repeater {
            objectName: tabs.objectName + "Repeater"
            model: page.subModel
            CustomButton {
                objectName: tabs.objectName + "Entry" + pageIndexRole
                text: textRole
                fontSize: page.fontSize
                primary: NemtraPageManager.testPageIndex === pageIndexRole
                onClicked: NemtraPageManager.setIndexByGroup(NemtraPage.LoraTestPage, pageIndexRole)
            }
        }
    }

    Loader {
        id: content
        objectName: page.objectName + "Content"
        anchors.top: tabs.bottom
        anchors.topMargin: 0
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        source: NemtraPageManager.testPageIndex === NemtraPage.LoraTestPageLog ? "LoraTestLog.qml"
                                                                               : "LoraTestGeneral.qml"
        onLoaded: {
            item.objectName = page.objectName + item.objectName
            item.fontSize = Qt.binding(() => page.fontSize)
        }
    }
}
