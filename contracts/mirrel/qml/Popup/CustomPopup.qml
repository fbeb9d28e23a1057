import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T
import QtQuick.Layouts
import "../General"
import "../General/MirrelStyle.js" as Style

// A modal message box: coloured title bar, text, optional extra content and up to two buttons.
Popup {
    id: popup
    objectName: "CustomPopup"

    property string title: ""
    property string text: ""
    property color headerColor: Style.slate
    property string acceptText: qsTr("OK")
    property string rejectText: ""
    property bool closable: true
    property real fontSize: 15
    default property alias extraContent: extra.data

    signal acceptClicked()
    signal rejectClicked()

    // Centred in the window's overlay; the popup keeps its declaring item as parent so that it
    // finds its window even when created before being placed.
    anchors.centerIn: T.Overlay.overlay
    modal: true
    focus: true
    padding: 0
    width: T.Overlay.overlay ? Math.min(T.Overlay.overlay.width * 0.86, 480) : 400
    closePolicy: closable ? Popup.CloseOnEscape | Popup.CloseOnPressOutside : Popup.NoAutoClose

    background: Rectangle {
        objectName: popup.objectName + "Background"
        color: Style.surface
        radius: Style.radius
        border.color: Style.border
    }

    contentItem: ColumnLayout {
        id: layout
        objectName: popup.objectName + "Layout"
        spacing: 0

        Rectangle {
            id: header
            objectName: popup.objectName + "Header"
            Layout.fillWidth: true
            Layout.preferredHeight: headerText.implicitHeight + 24
            visible: popup.title.length > 0
            color: popup.headerColor
            radius: Style.radius

            // Squares the lower corners so only the popup's top is rounded.
            Rectangle {
                objectName: header.objectName + "Corner"
                anchors.bottom: parent.bottom
                width: parent.width
                height: Style.radius
                color: parent.color
            }

            Text {
                id: headerText
                objectName: popup.objectName + "Title"
                anchors.fill: parent
                anchors.leftMargin: 20
                anchors.rightMargin: 20
                verticalAlignment: Text.AlignVCenter
                text: popup.title
                color: "#FFFFFF"
                font.pixelSize: Style.title(popup.fontSize) - 2
                font.bold: true
                wrapMode: Text.WordWrap
            }
        }

        Text {
            id: bodyText
            objectName: popup.objectName + "Text"
            Layout.fillWidth: true
            Layout.margins: 20
            visible: popup.text.length > 0
            text: popup.text
            color: Style.text
            font.pixelSize: popup.fontSize
            wrapMode: Text.WordWrap
        }

        ColumnLayout {
            id: extra
            objectName: popup.objectName + "Extra"
            Layout.fillWidth: true
            Layout.leftMargin: 20
            Layout.rightMargin: 20
            Layout.topMargin: bodyText.visible ? 0 : 20
            visible: children.length > 0
        }

        RowLayout {
            id: buttons
            objectName: popup.objectName + "Buttons"
            Layout.alignment: Qt.AlignRight
            Layout.margins: 20
            spacing: 10
            visible: popup.acceptText.length > 0 || popup.rejectText.length > 0

            CustomButton {
                id: rejectButton
                objectName: popup.objectName + "RejectButton"
                visible: popup.rejectText.length > 0
                primary: false
                text: popup.rejectText
                fontSize: popup.fontSize
                onClicked: popup.rejectClicked()
            }

            CustomButton {
                id: acceptButton
                objectName: popup.objectName + "AcceptButton"
                visible: popup.acceptText.length > 0
                text: popup.acceptText
                fontSize: popup.fontSize
                onClicked: popup.acceptClicked()
            }
        }
    }
}
