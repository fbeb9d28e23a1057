import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import App 1.0

Item {
    id: page
    objectName: "homePage"

    Rectangle {
        id: header
        objectName: page.objectName + "_header"
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 72
        color: "#ffffff"

        Rectangle {
            objectName: header.objectName + "_accent"
            anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
            width: 4
            color: "#1f6f8b"
        }

        RowLayout {
            objectName: header.objectName + "_row"
            anchors { fill: parent; leftMargin: 32; rightMargin: 32 }
            spacing: 16

            Column {
                objectName: header.objectName + "_titles"
                Layout.alignment: Qt.AlignVCenter
                spacing: 2

                Label {
                    objectName: header.objectName + "_appName"
                    text: App.applicationName
                    font.pixelSize: 22
                    font.weight: Font.DemiBold
                    color: "#1d2a33"
                }
                Label {
                    objectName: header.objectName + "_subtitle"
                    text: qsTr("Konfiguration von Raumsensoren")
                    font.pixelSize: 13
                    color: "#5b6b77"
                }
            }

            Item {
                objectName: header.objectName + "_spacer"
                Layout.fillWidth: true
            }

            LanguageSwitch {
                objectName: header.objectName + "_languageSwitch"
                Layout.alignment: Qt.AlignVCenter
            }
        }

        Rectangle {
            objectName: header.objectName + "_divider"
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
            height: 1
            color: "#dde3e8"
        }
    }

    Flickable {
        id: body
        objectName: page.objectName + "_body"
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: footer.top }
        contentWidth: width
        contentHeight: bodyColumn.implicitHeight + 64
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { objectName: body.objectName + "_scrollBar" }

        ColumnLayout {
            id: bodyColumn
            objectName: body.objectName + "_column"
            x: 32
            y: 32
            width: body.width - 64
            spacing: 20

            ColumnLayout {
                objectName: bodyColumn.objectName + "_intro"
                spacing: 4
                Label {
                    objectName: bodyColumn.objectName + "_title"
                    text: qsTr("Geräte")
                    font.pixelSize: 20
                    font.weight: Font.DemiBold
                    color: "#1d2a33"
                }
                Label {
                    objectName: bodyColumn.objectName + "_hint"
                    text: qsTr("Wählen Sie die Gerätefamilie, die Sie konfigurieren möchten.")
                    font.pixelSize: 14
                    color: "#5b6b77"
                }
            }

            Rectangle {
                id: errorBanner
                objectName: bodyColumn.objectName + "_errorBanner"
                Layout.fillWidth: true
                visible: OrvaneHost.errorText.length > 0
                implicitHeight: errorRow.implicitHeight + 24
                radius: 6
                color: "#fdecea"
                border.color: "#f1b5ae"

                RowLayout {
                    id: errorRow
                    objectName: errorBanner.objectName + "_row"
                    anchors { fill: parent; leftMargin: 16; rightMargin: 8 }
                    Label {
                        objectName: errorBanner.objectName + "_text"
                        Layout.fillWidth: true
                        text: OrvaneHost.errorText
                        wrapMode: Text.Wrap
                        color: "#8a1f11"
                        font.pixelSize: 13
                    }
                    Button {
                        objectName: errorBanner.objectName + "_dismiss"
                        text: qsTr("Schließen")
                        flat: true
                        onClicked: OrvaneHost.clearError()
                    }
                }
            }

            GridLayout {
                id: grid
                Layout.alignment: Qt.AlignLeft
                objectName: bodyColumn.objectName + "_pluginGrid"
                Layout.fillWidth: true
                columns: Math.max(1, Math.min(OrvanePlugins.count,
                                              Math.floor((bodyColumn.width + columnSpacing) / (320 + columnSpacing))))
                columnSpacing: 16
                rowSpacing: 16
                visible: OrvanePlugins.count > 0

                Repeater {
                    id: pluginRepeater
                    objectName: grid.objectName + "_repeater"
                    model: OrvanePlugins
                    delegate: PluginCard {
                        objectName: grid.objectName + "_card_" + model.className
                        Layout.fillWidth: true
                        Layout.preferredWidth: 320
                        Layout.maximumWidth: 440
                        title: model.displayName
                        description: qsTranslate("PluginCatalog", model.description)
                        fileName: model.fileName
                        version: model.version
                        enabled: !OrvaneHost.busy
                        onOpenRequested: OrvaneHost.open(index)
                    }
                }
            }

            Rectangle {
                id: emptyState
                objectName: bodyColumn.objectName + "_emptyState"
                Layout.fillWidth: true
                visible: OrvanePlugins.count === 0
                implicitHeight: emptyColumn.implicitHeight + 48
                radius: 8
                color: "#ffffff"
                border.color: "#dde3e8"

                Column {
                    id: emptyColumn
                    objectName: emptyState.objectName + "_column"
                    anchors.centerIn: parent
                    width: parent.width - 48
                    spacing: 6
                    Label {
                        objectName: emptyState.objectName + "_title"
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTr("Keine Geräte-Plugins gefunden")
                        font.pixelSize: 16
                        font.weight: Font.DemiBold
                        color: "#1d2a33"
                    }
                    Label {
                        objectName: emptyState.objectName + "_folders"
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.Wrap
                        text: qsTr("Gesucht in: %1").arg(OrvanePlugins.directories.join(", "))
                        font.pixelSize: 13
                        color: "#5b6b77"
                    }
                }
            }
        }
    }

    Rectangle {
        id: footer
        objectName: page.objectName + "_footer"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 36
        color: "transparent"

        Label {
            objectName: footer.objectName + "_version"
            anchors { left: parent.left; leftMargin: 32; verticalCenter: parent.verticalCenter }
            text: qsTr("Version %1").arg(App.version)
            font.pixelSize: 12
            color: "#8896a0"
        }
        Label {
            objectName: footer.objectName + "_maker"
            anchors { right: parent.right; rightMargin: 32; verticalCenter: parent.verticalCenter }
            text: "Veltaron"
            font.pixelSize: 12
            color: "#8896a0"
        }
    }
}
