import QtQuick
import QtQuick.Controls.Basic
import KivPageEnums 1.0
import "qrc:/Dependencies/Mirrel/qml/General/MirrelStyle.js" as Style
import "qrc:/Dependencies/Mirrel/qml/Popup"

// The application-wide pop-ups and how they answer the back end's signals.
Item {
    id: popups
    objectName: "KivPopups"

    property real fontSize: 15
    property int connectTimeoutMs: 30000

    function closeAll() {
        for (const popup of [factoryResetPopup, waitPopup, connectPopup, unknownFilePopup, errorPopup])
            popup.close()
    }

    CustomPopup {
        id: factoryResetPopup
        objectName: popups.objectName + "FactoryReset"
        property bool success: false
        title: qsTr("Werkseinstellungen")
        headerColor: success ? Style.success : Style.danger
        text: success ? qsTr("Einstellungen erfolgreich übernommen") : qsTr("Einstellungen wurden nicht übernommen")
        acceptText: qsTr("OK")
        fontSize: popups.fontSize
        onAcceptClicked: close()
    }

    CustomWaitPopup {
        id: waitPopup
        objectName: popups.objectName + "Wait"
        spinnerSource: "qrc:/images/Menu Icons/spinner.gif"
        fontSize: popups.fontSize
    }

    CustomConnectAndLoadPopup {
        id: connectPopup
        objectName: popups.objectName + "ConnectAndLoad"
        value: Kiv.progress
        maximum: Kiv.maximum
        timeoutMs: popups.connectTimeoutMs
        fontSize: popups.fontSize
        onTimedOut: {
            Kiv.disconnectDevice()
            ErrMessage.addErrorMessage(qsTr("Timeout beim Verbindungsversuch!"))
            if (BtDevice)
                BtDevice.startManualScan()
        }
    }

    CustomPopup {
        id: unknownFilePopup
        objectName: popups.objectName + "UnknownFile"
        property string file: ""
        title: qsTr("Achtung")
        headerColor: Style.danger
        text: qsTr("Unbekannter Dateiursprung!\nLaden auf eigene Gewähr!")
        acceptText: qsTr("Ok")
        rejectText: qsTr("Abbrechen")
        fontSize: popups.fontSize
        onAcceptClicked: {
            close()
            Kiv.continueLoading(file)
        }
        onRejectClicked: close()
    }

    CustomPopup {
        id: emergencyPopup
        objectName: popups.objectName + "Emergency"
        title: qsTr("Datenaustausch ist fehlgeschlagen!")
        headerColor: Style.danger
        text: qsTr("Das angeschlossene Gerät scheint nicht zu reagieren.")
        acceptText: ""
        rejectText: qsTr("Abbrechen")
        closable: false
        fontSize: popups.fontSize
        onRejectClicked: {
            close()
            Kiv.disconnectDevice()
        }
    }

    KivReconnectPopup {
        id: reconnectPopup
        objectName: popups.objectName + "Reconnect"
        reconnect: Kiv.reconnect
        fontSize: popups.fontSize
        onOpened: connectPopup.close()
    }

    CustomErrorPopup {
        id: errorPopup
        objectName: popups.objectName + "Error"
        errorSource: ErrMessage
        fontSize: popups.fontSize
        onOpened: {
            waitPopup.close()
            connectPopup.close()
        }
    }

    Connections {
        target: ErrMessage
        function onNewErrorMessage() { errorPopup.open() }
    }

    Connections {
        target: Kiv
        function onFactoryResetChecked(checked) {
            factoryResetPopup.success = checked
            factoryResetPopup.open()
        }
        function onChangeUnitSystemStart() { waitPopup.open() }
        function onChangeUnitSystemDone() { waitPopup.close() }
        // A reconnect shows its own countdown; the connect timeout would end it early.
        function onSendModbusID() {
            if (!Kiv.reconnect.active)
                connectPopup.open()
        }
        function onConnectToLastService() { connectPopup.open() }
        function onIsLoadingFromDiscChanged() {
            if (Kiv.isLoadingFromDisc)
                connectPopup.open()
        }
        function onUnknownFileOrigin(file) {
            unknownFilePopup.file = file
            unknownFilePopup.open()
        }
        function onShowEmergencyPopup() {
            popups.closeAll()
            emergencyPopup.open()
        }
        function onEmergencyModeChanged() {
            if (Kiv.emergencyMode)
                KivPageManager.pageIndex = KivPage.KivUpdatePage
        }
    }
}
