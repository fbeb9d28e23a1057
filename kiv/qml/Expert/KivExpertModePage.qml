import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General"
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"

// Expert mode: CO2 and VOC adjustment behind the expert password. Entering the page always asks
// for the password; the sub-pages stay hidden until it was given on this page.
Rectangle {
    id: page
    objectName: "KivExpertModePage"
    color: Style.background

    property real fontSize: 15
    readonly property var expert: Kiv.expertBackend
    property bool unlocked: false

    readonly property string subPageSource: {
        if (!unlocked)
            return ""
        switch (KivPageManager.expertPageIndex) {
        case KivPage.KivExpertCo2: return "KivExpertCo2Page.qml"
        case KivPage.KivExpertVOC: return "KivExpertVocPage.qml"
        default: return ""
        }
    }

    Component.onCompleted: {
        Kiv.doPoll = false
        passwordPopup.open()
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
                objectName: page.objectName + "Header"
                Layout.fillWidth: true
                visible: page.subPageSource === ""
                text: qsTr("EXPERTENMODUS")
                subText: qsTr("Passwort erforderlich")
                fontSize: page.fontSize
            }

            Loader {
                id: subPageLoader
                objectName: page.objectName + "SubPage"
                Layout.fillWidth: true
                source: page.subPageSource
                onLoaded: {
                    item.objectName = subPageLoader.objectName + item.objectName
                    item.expert = Qt.binding(() => page.expert)
                    item.fontSize = page.fontSize
                }
            }
        }
    }

    KivExpertPasswordPopup {
        id: passwordPopup
        objectName: page.objectName + "Password"
        fontSize: page.fontSize
        expert: page.expert
        onUnlocked: {
            page.unlocked = true
            KivPageManager.setIndexByGroup(KivPage.KivExpertPage, KivPage.KivExpertCo2)
        }
        onCancelled: KivPageManager.pageIndex = KivPage.KivConnectionPage
    }

    KivExpertWaitPopup {
        id: waitPopup
        objectName: page.objectName + "Wait"
        fontSize: page.fontSize
    }

    Connections {
        target: page.expert
        ignoreUnknownSignals: true
        function onAdjustmentStarted() { waitPopup.start() }
    }
}
