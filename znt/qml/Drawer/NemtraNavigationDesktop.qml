import QtQuick
import QtQuick.Controls.Basic
import NemtraPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style

// The drawer of the desktop layout: the page menu with its sub-pages, the commands below it and
// a warning while changed values are not yet stored in the device.
Rectangle {
    id: drawer
    objectName: "NemtraNavigationDesktop"
    color: Style.slate

    property real fontSize: 15
    readonly property real entryHeight: Math.max(32, height / 16)
    // Group page -> page-manager property with its sub-page index.
    readonly property var subIndexProperties: {
        let map = {}
        map[NemtraPage.NemtraConnectionPage] = "connectionPageIndex"
        map[NemtraPage.NemtraMonitoringPage] = "monitoringPageIndex"
        map[NemtraPage.NemtraSensorPage] = "sensorPageIndex"
        map[NemtraPage.LoraTestPage] = "testPageIndex"
        map[NemtraPage.NemtraDisplayPage] = "displayPageIndex"
        map[NemtraPage.NemtraControlsPage] = "controlsPageIndex"
        return map
    }
    // Bumped when the device changes, so that the sub-entries are asked for again.
    property int modelGeneration: 0

    signal saveRequested()
    // A page was chosen (not a group opened); the mobile drawer closes on it.
    signal entryChosen(int page)

    function subIndexOf(group) {
        const name = subIndexProperties[group]
        return name !== undefined ? NemtraPageManager[name] : -1
    }

    Connections {
        target: NemtraPageManager
        function onForceAModelReset() { drawer.modelGeneration++ }
    }

    TextMetrics {
        id: widest
        objectName: drawer.objectName + "Widest"
        font.pixelSize: drawer.fontSize
        text: NemtraPageManager.getMaxWidthText()
    }

    Item {
        id: header
        objectName: drawer.objectName + "Header"
        width: parent.width
        height: drawer.entryHeight * 1.6

        Text {
            id: headerText
            objectName: header.objectName + "Text"
            x: 20
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(widest.advanceWidth, header.width - x - warning.width - 32)
            text: qsTr("NAVIGATION")
            color: "#FFFFFF"
            font.pixelSize: Style.title(drawer.fontSize)
            font.bold: true
            font.letterSpacing: 2
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: drawer.fontSize
            elide: Text.ElideRight
        }

        Image {
            id: warning
            objectName: header.objectName + "Warning"
            anchors.left: headerText.right
            anchors.leftMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            width: drawer.entryHeight * 0.7
            height: width
            source: "qrc:/Images/Icons/warning.png"
            visible: NemtraBackend.valuesModified
            sourceSize.width: 64
            sourceSize.height: 64

            TapHandler {
                objectName: warning.objectName + "Tap"
                onTapped: drawer.saveRequested()
            }
        }

        Rectangle {
            objectName: header.objectName + "Rule"
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 12
            anchors.bottomMargin: 0
            height: 1
            color: Style.slateLight
        }
    }

    Flickable {
        id: flick
        objectName: drawer.objectName + "Flickable"
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        contentHeight: column.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: column
            objectName: drawer.objectName + "Column"
            width: flick.width

            Repeater {
                id: topRepeater
                objectName: drawer.objectName + "Top"
                model: NemtraPageManager.modelTop

                delegate: Column {
                    id: topEntry
                    objectName: topRepeater.objectName + "Entry" + pageIndexRole
                    width: column.width

                    readonly property int page: pageIndexRole
                    readonly property bool selected: NemtraPageManager.pageIndex === page
                    readonly property var subModel: drawer.modelGeneration >= 0
                                                    ? NemtraPageManager.modelTop.relatedChildrenModels(page) : null

                    NemtraDrawerEntry {
                        objectName: topEntry.objectName + "Button"
                        width: parent.width
                        height: drawer.entryHeight
                        text: textRole
                        highlighted: topEntry.selected
                        fontSize: drawer.fontSize
                        onClicked: {
                            NemtraPageManager.pageIndex = topEntry.page
                            if (!topEntry.subModel || topEntry.subModel.rowCount() === 0)
                                drawer.entryChosen(topEntry.page)
                        }
                    }

                    Item {
                        id: subArea
                        objectName: topEntry.objectName + "Sub"
                        width: parent.width
                        clip: true
                        height: topEntry.selected ? subColumn.height : 0
                        visible: height > 0
                        Behavior on height { NumberAnimation { duration: 200; easing.type: Easing.OutCubic } }

                        Column {
                            id: subColumn
                            objectName: subArea.objectName + "Column"
                            width: parent.width

                            Repeater {
                                id: subRepeater
                                objectName: subArea.objectName + "Repeater"
                                model: topEntry.subModel

                                NemtraDrawerEntry {
                                    objectName: subArea.objectName + "Entry" + pageIndexRole
                                    width: subColumn.width
                                    height: drawer.entryHeight * 0.9
                                    indent: 24
                                    text: textRole
                                    highlighted: drawer.subIndexOf(topEntry.page) === pageIndexRole
                                    fontSize: Style.small(drawer.fontSize) + 1
                                    onClicked: {
                                        NemtraPageManager.setIndexByGroup(topEntry.page, pageIndexRole)
                                        drawer.entryChosen(pageIndexRole)
                                    }
                                }
                            }
                        }
                    }
                }
            }

            Rectangle {
                objectName: drawer.objectName + "Separator"
                x: 12
                width: parent.width - 24
                height: 1
                color: Style.slateLight
            }

            Repeater {
                id: bottomRepeater
                objectName: drawer.objectName + "Bottom"
                model: NemtraPageManager.modelBottom

                NemtraDrawerEntry {
                    objectName: bottomRepeater.objectName + "Entry" + pageIndexRole
                    width: column.width
                    height: drawer.entryHeight
                    text: textRole
                    highlighted: NemtraPageManager.pageIndex === pageIndexRole
                    fontSize: drawer.fontSize
                    onClicked: {
                        NemtraPageManager.pageIndex = pageIndexRole
                        drawer.entryChosen(pageIndexRole)
                    }
                }
            }
        }
    }
}
