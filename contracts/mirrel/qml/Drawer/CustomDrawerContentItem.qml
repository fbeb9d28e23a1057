import QtQuick
import QtQuick.Controls.Basic
import "../General/MirrelStyle.js" as Style

// The two navigation lists of a plugin's drawer. The upper list unfolds the sub-entries of the
// selected page; the plugin says where each group keeps its sub-page index and which entries
// to hide.
Rectangle {
    id: content
    objectName: "CustomDrawerContentItem"

    // The plugin's page manager: pageIndex, navModelTop, navModelBottom, setIndexByGroup().
    property var pageManager: null
    // Page index -> name of the page manager property that holds the group's sub-page index.
    property var subIndexProperties: ({})
    // function(pageIndex) -> icon URL for an entry without its own image.
    property var iconForPage: function(page) { return "" }
    // function(pageIndex) -> true when a sub-entry must not be offered right now.
    property var isEntryHidden: function(page) { return false }
    property real entryHeight: Math.max(36, height / 16)
    property real fontSize: 15
    property url logoSource: ""
    property string appName: ""
    property string appVersion: ""

    signal entryChosen(int page)

    color: Style.slate

    function subIndexOf(group) {
        const name = subIndexProperties[group]
        return name !== undefined && pageManager ? pageManager[name] : -1
    }

    Flickable {
        id: flick
        objectName: content.objectName + "Flickable"
        anchors.fill: parent
        contentHeight: column.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: column
            objectName: content.objectName + "Column"
            width: flick.width

            Item {
                id: logoArea
                objectName: content.objectName + "LogoArea"
                width: parent.width
                height: content.entryHeight * 1.6
                visible: content.logoSource.toString().length > 0 || content.appName.length > 0

                Text {
                    id: nameText
                    objectName: logoArea.objectName + "Name"
                    anchors.left: parent.left
                    anchors.leftMargin: 20
                    anchors.verticalCenter: parent.verticalCenter
                    text: content.appName
                    color: "#FFFFFF"
                    font.pixelSize: Style.large(content.fontSize)
                    font.bold: true
                    font.letterSpacing: 2
                }

                Text {
                    id: versionText
                    objectName: logoArea.objectName + "Version"
                    anchors.left: nameText.right
                    anchors.leftMargin: 10
                    anchors.baseline: nameText.baseline
                    text: content.appVersion
                    color: Style.slateText
                    font.pixelSize: Style.small(content.fontSize)
                }

                Rectangle {
                    objectName: logoArea.objectName + "Rule"
                    anchors.bottom: parent.bottom
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.margins: 12
                    anchors.bottomMargin: 0
                    height: 1
                    color: Style.slateLight
                }
            }

            Repeater {
                id: topRepeater
                objectName: content.objectName + "Top"
                model: content.pageManager ? content.pageManager.navModelTop : null

                delegate: Column {
                    id: topEntry
                    objectName: topRepeater.objectName + "Entry" + pageIndexRole
                    width: column.width

                    readonly property int page: pageIndexRole
                    readonly property bool selected: content.pageManager && content.pageManager.pageIndex === page
                    readonly property var subModel: content.pageManager
                                                    ? content.pageManager.navModelTop.relatedChildrenModels(page)
                                                    : undefined

                    DrawerEntry {
                        objectName: topEntry.objectName + "Button"
                        width: parent.width
                        height: content.entryHeight
                        text: textRole
                        iconSource: imageRole ? imageRole : content.iconForPage(topEntry.page)
                        highlighted: topEntry.selected
                        fontSize: content.fontSize
                        onClicked: {
                            content.pageManager.pageIndex = topEntry.page
                            // A group stays open so that its sub-entries can be picked.
                            if (!topEntry.subModel)
                                content.entryChosen(topEntry.page)
                        }
                    }

                    Item {
                        id: subArea
                        objectName: topEntry.objectName + "Sub"
                        width: parent.width
                        clip: true
                        height: topEntry.selected && topEntry.subModel ? subColumn.height : 0
                        visible: height > 0
                        Behavior on height { NumberAnimation { duration: 200; easing.type: Easing.OutCubic } }

                        Column {
                            id: subColumn
                            objectName: subArea.objectName + "Column"
                            width: parent.width

                            Repeater {
                                id: subRepeater
                                objectName: subArea.objectName + "Repeater"
                                model: topEntry.subModel ? topEntry.subModel : null

                                DrawerEntry {
                                    objectName: subArea.objectName + "Entry" + pageIndexRole
                                    readonly property bool hidden: content.isEntryHidden(pageIndexRole)
                                    width: subColumn.width
                                    height: hidden ? 0 : content.entryHeight * 0.9
                                    visible: !hidden
                                    indent: 28
                                    text: textRole
                                    iconSource: content.iconForPage(pageIndexRole)
                                    highlighted: content.subIndexOf(topEntry.page) === pageIndexRole
                                    fontSize: Style.small(content.fontSize) + 1
                                    onClicked: {
                                        content.pageManager.setIndexByGroup(topEntry.page, pageIndexRole)
                                        content.entryChosen(pageIndexRole)
                                    }
                                }
                            }
                        }
                    }
                }
            }

            Rectangle {
                id: separator
                objectName: content.objectName + "Separator"
                x: 12
                width: parent.width - 24
                height: 1
                color: Style.slateLight
            }

            Repeater {
                id: bottomRepeater
                objectName: content.objectName + "Bottom"
                model: content.pageManager ? content.pageManager.navModelBottom : null

                DrawerEntry {
                    objectName: bottomRepeater.objectName + "Entry" + pageIndexRole
                    width: column.width
                    height: content.entryHeight
                    text: textRole
                    iconSource: imageRole ? imageRole : content.iconForPage(pageIndexRole)
                    highlighted: content.pageManager && content.pageManager.pageIndex === pageIndexRole
                    fontSize: content.fontSize
                    onClicked: {
                        content.pageManager.pageIndex = pageIndexRole
                        content.entryChosen(pageIndexRole)
                    }
                }
            }
        }
    }

    component DrawerEntry: AbstractButton {
        id: entry
        property url iconSource: ""
        property bool highlighted: false
        property real fontSize: 15
        property real indent: 0
        hoverEnabled: true

        background: Rectangle {
            objectName: entry.objectName + "Background"
            color: entry.highlighted ? Style.slateLight : (entry.hovered ? "#36444F" : "transparent")

            Rectangle {
                objectName: entry.objectName + "Marker"
                visible: entry.highlighted
                width: 4
                height: parent.height
                color: Style.teal
            }
        }

        contentItem: Item {
            objectName: entry.objectName + "Content"

            Image {
                id: entryIcon
                objectName: entry.objectName + "Icon"
                x: 20 + entry.indent
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(entry.height * 0.6, 28)
                height: width
                source: entry.iconSource
                visible: entry.iconSource.toString().length > 0
                sourceSize.width: 56
                sourceSize.height: 56
                smooth: true
            }

            Text {
                objectName: entry.objectName + "Text"
                anchors.left: entryIcon.right
                anchors.leftMargin: 14
                anchors.right: parent.right
                anchors.rightMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                text: entry.text
                color: entry.highlighted ? "#FFFFFF" : Style.slateText
                font.pixelSize: entry.fontSize
                font.bold: entry.highlighted
                elide: Text.ElideRight
            }
        }
    }
}
