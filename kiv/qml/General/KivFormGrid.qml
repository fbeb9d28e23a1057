import QtQuick
import QtQuick.Layouts

// Label and control pairs: two columns on a wide page, one below the other on a narrow one.
GridLayout {
    id: grid
    objectName: "KivFormGrid"

    property real wideWidth: 440
    readonly property bool narrow: width < wideWidth

    // A layout's maximum width follows its children's; without this a parent layout would hold
    // the grid at its implicit width and it would never get the room for two columns.
    Layout.maximumWidth: Number.POSITIVE_INFINITY
    columns: narrow ? 1 : 2
    columnSpacing: 16
    rowSpacing: narrow ? 4 : 10
}
