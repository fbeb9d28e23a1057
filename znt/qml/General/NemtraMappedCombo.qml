import QtQuick
import QtQuick.Controls.Basic

// A choice list of text/value pairs; the entry shown is the one whose value the property holds.
ComboBox {
    id: box
    objectName: "NemtraMappedCombo"

    property QtObject prop: null
    property real fontSize: 15

    textRole: "text"
    valueRole: "value"
    currentIndex: prop && model ? model.indexOfValue(prop.value) : -1
    enabled: prop !== null && !prop.readOnly
    implicitWidth: 260
    font.pixelSize: fontSize
    onActivated: {
        if (prop && currentValue !== undefined && currentValue !== prop.value)
            prop.value = currentValue
        currentIndex = Qt.binding(() => prop && model ? model.indexOfValue(prop.value) : -1)
    }
}
