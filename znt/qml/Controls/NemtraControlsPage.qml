import QtQuick
import NemtraPageEnums 1.0

// The control-element group: one button, the encoder or the potentiometer, as the drawer's
// sub-entry chooses.
Loader {
    id: page
    objectName: "NemtraControlsPage"

    property real fontSize: 15
    readonly property int sub: NemtraPageManager.controlsPageIndex
    readonly property bool increment: sub === NemtraPage.NemtraControlsIncrementalEncoder || sub === NemtraPage.NemtraControlsPoti

    sourceComponent: increment ? incrementPage : buttonPage

    Component {
        id: buttonPage
        NemtraControlButton {
            objectName: page.objectName + "Button"
            fontSize: page.fontSize
            number: page.sub >= NemtraPage.NemtraControlsButton1 && page.sub <= NemtraPage.NemtraControlsButton4
                    ? page.sub - NemtraPage.NemtraControlsButton1 + 1 : 1
        }
    }
    Component {
        id: incrementPage
        NemtraControlsIncrement {
            objectName: page.objectName + "Increment"
            fontSize: page.fontSize
            encoder: page.sub === NemtraPage.NemtraControlsIncrementalEncoder
        }
    }
}
