import QtQuick
import NemtraPageEnums 1.0

// Mobile footer of the test pages: manual requests and the transfer log.
NemtraFooterBar {
    objectName: "NemtraFooterDebug"
    group: NemtraPage.LoraTestPage
    current: NemtraPageManager.testPageIndex
}
