import QtQuick
import QtQuick.Controls.Basic

// A choice list whose current index is the property's value.
ComboBox {
    id: box
    objectName: "NemtraPropertyCombo"

    property QtObject prop: null
    property real fontSize: 15
    // The value of the first entry, for lists that do not start at 0.
    property real offset: 0

    function followProperty() {
        currentIndex = Qt.binding(() => prop ? Math.round(prop.value - offset) : -1)
    }

    currentIndex: prop ? Math.round(prop.value - offset) : -1
    // A new list (its texts translated anew) puts the box back on its first entry; the device's
    // value still decides.
    onModelChanged: followProperty()
    enabled: prop !== null && !prop.readOnly
    implicitWidth: 220
    font.pixelSize: fontSize
    // A value the list does not know stays on the device until the user picks another.
    onActivated: (index) => {
        if (prop && index + offset !== prop.value)
            prop.value = index + offset
        // Choosing breaks the binding; the box follows the device again.
        followProperty()
    }
}
