import QtQuick
import QtQuick.Layouts

// Label and control pairs: two columns on a wide page, one below the other on a narrow one.
GridLayout {
    id: grid
    objectName: "KivFormGrid"

    property real wideWidth: 440
    readonly property bool narrow: width < wideWidth

    columns: narrow ? 1 : 2
    columnSpacing: 16
    rowSpacing: narrow ? 4 : 10
}
