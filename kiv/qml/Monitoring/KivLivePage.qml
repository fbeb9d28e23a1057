import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Header"
import "qrc:/Dependencies/Mirrel/qml/Monitoring"

// Live values of every measuring channel; the back end polls while this page is shown.
Flickable {
    id: page
    objectName: "Live"

    property real fontSize: 15
    readonly property var blocks: Kiv.dataBlocks
    // Changes with the language; the measurement names come from the back end and are read again.
    readonly property string languageCode: qsTr("de", "code of the language of this translation")
    readonly property var noBlock: ({ unit: 0, type: 0, multiSuffix: 0, sensorError: 0, value: NaN, lowerRange: 0,
                                      upperRange: 0, channel: 0, voltage: 0, amps: 0 })
    readonly property int columns: Math.max(1, Math.floor((width - 48 + 16) / (280 + 16)))

    // Large numbers need no decimals; small ones show one or two.
    function formatValue(value) {
        if (value === undefined || isNaN(value))
            return "–"
        const magnitude = Math.abs(value)
        const decimals = magnitude >= 100 ? 0 : (magnitude >= 1 ? 1 : 2)
        return Number(value).toLocaleString(Qt.locale(), "f", decimals)
    }

    function formatNumber(value) {
        return Number(value).toLocaleString(Qt.locale(), "f", Number.isInteger(value) || Math.abs(value) >= 100 ? 0 : 1)
    }

    contentHeight: layout.implicitHeight + 48
    clip: true
    boundsBehavior: Flickable.StopAtBounds

    ColumnLayout {
        id: layout
        objectName: page.objectName + "Layout"
        x: 24
        y: 24
        width: page.width - 48
        spacing: 20

        CustomPageHeader {
            objectName: page.objectName + "Header"
            Layout.fillWidth: true
            text: qsTr("LIVE-DATEN")
            subText: Kiv.connected ? Kiv.deviceInfo.deviceName : qsTr("Kein Gerät verbunden")
            fontSize: page.fontSize
        }

        Text {
            objectName: page.objectName + "Empty"
            Layout.fillWidth: true
            visible: tiles.count === 0
            text: qsTr("Keine Messwerte vorhanden.")
            color: Style.textMuted
            font.pixelSize: page.fontSize
        }

        GridLayout {
            id: grid
            objectName: page.objectName + "Grid"
            Layout.fillWidth: true
            columns: page.columns
            columnSpacing: 16
            rowSpacing: 16

            Repeater {
                id: tiles
                objectName: page.objectName + "Tiles"
                model: page.blocks

                CustomMonitoringTile {
                    id: tile
                    objectName: tiles.objectName + index
                    Layout.fillWidth: true
                    Layout.preferredWidth: 280
                    readonly property var block: modelData
                    // A block deleted by a disconnect goes before the list is renewed; read
                    // defaults rather than from it.
                    function source() { return block ? block : page.noBlock }
                    readonly property string unitText: Kiv.unitToString(source().unit)
                    icon: Kiv.getImageSource(source().type, source().multiSuffix)
                    measure: page.languageCode ? Kiv.typeToString(source().type) : ""
                    valueText: source().sensorError !== 0 ? qsTr("Sensorfehler") : page.formatValue(source().value)
                    unit: source().sensorError !== 0 ? "" : unitText
                    valid: source().sensorError === 0
                    rangeText: source().lowerRange === source().upperRange ? ""
                               : qsTr("Messbereich %1 … %2 %3").arg(page.formatNumber(source().lowerRange))
                                     .arg(page.formatNumber(source().upperRange)).arg(unitText)
                    outputText: source().channel > 0
                                ? qsTr("Ausgang %1: %2 V · %3 mA").arg(source().channel)
                                      .arg(Number(source().voltage).toLocaleString(Qt.locale(), "f", 2))
                                      .arg(Number(source().amps).toLocaleString(Qt.locale(), "f", 2))
                                : ""
                    fontSize: page.fontSize
                }
            }
        }
    }
}
