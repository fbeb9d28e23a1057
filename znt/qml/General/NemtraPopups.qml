import QtQuick
import QtQuick.Controls.Basic
import NemtraPageEnums 1.0
import NemtraDeviceInformation 1.0
import DeviceInformationEnums 1.0 as DeviceInfoEnums
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Popup"
import "../Connect"

// The application-wide pop-ups and how they follow the back end.
Item {
    id: popups
    objectName: "NemtraPopups"

    property real fontSize: 15
    property int connectTimeoutMs: 30000
    // function(page) -> true when the page can be shown; the move to the monitoring page needs it.
    property var canShowPage: function(page) { return true }
    readonly property var errorList: NemtraBackend.errorManager !== undefined ? NemtraBackend.errorManager
                                                                              : NemtraErrorManager

    function askToSave() {
        savePopup.open()
    }

    // The device keeps changed values only after its store command.
    function storeInDevice() {
        const command = NemtraDeviceInfo.property(DeviceInfoEnums.PropertyEnum.Command)
        if (!command) {
            popups.errorList.addErrorMessage(qsTr("Der Speichern Befehl konnte nicht gesendet werden."))
            return
        }
        command.value = popups.storeCommand
    }

    readonly property int storeCommand: 2

    CustomConnectAndLoadPopup {
        id: connectPopup
        objectName: popups.objectName + "ConnectAndLoad"
        value: NemtraBackend.progressValue
        maximum: NemtraBackend.progressMax
        timeoutMs: popups.connectTimeoutMs
        fontSize: popups.fontSize
        onTimedOut: {
            NemtraBackend.disconnectFromDevice()
            popups.errorList.addErrorMessage(qsTr("Timeout beim Verbindungsversuch!"))
        }
        onClosed: {
            if (NemtraBackend.connected && NemtraPageManager.pageIndex === NemtraPage.NemtraConnectionPage
                    && popups.canShowPage(NemtraPage.NemtraMonitoringPage))
                NemtraPageManager.pageIndex = NemtraPage.NemtraMonitoringPage
            NemtraBackend.showProgressbar = false
        }
    }

    CustomErrorPopup {
        id: errorPopup
        objectName: popups.objectName + "Error"
        errorSource: popups.errorList
        fontSize: popups.fontSize
        onOpened: connectPopup.close()
    }

    CustomPopup {
        id: savePopup
        objectName: popups.objectName + "Save"
        title: qsTr("Speichern")
        text: qsTr("Eine Änderung der Konfiguration wurde vorgenommen, für eine dauerhafte Änderung muss der Speichern Befehl ausgeführt werden!")
        acceptText: qsTr("Speichern")
        rejectText: qsTr("Abbrechen")
        fontSize: popups.fontSize
        onAcceptClicked: {
            close()
            popups.storeInDevice()
        }
        onRejectClicked: close()
    }

    NemtraSimulatePopup {
        id: simulatePopup
        objectName: popups.objectName + "Simulate"
        fontSize: popups.fontSize
    }

    Connections {
        target: NemtraBackend
        function onShowProgressbarChanged(show) {
            if (show)
                connectPopup.open()
            else
                connectPopup.close()
        }
        function onShowConnectAndLoadPopup(show) {
            if (show)
                connectPopup.open()
            else
                connectPopup.close()
        }
    }

    Connections {
        target: popups.errorList
        function onNewErrorMessage() { errorPopup.open() }
    }

    Connections {
        target: NemtraPageManager
        function onShowSimulationSelection() {
            if (!NemtraBackend.connected)
                simulatePopup.open()
        }
    }
}
