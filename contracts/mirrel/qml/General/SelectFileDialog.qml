import QtQuick
import QtQuick.Dialogs

// File choice with a plain local path as result ("file://" and the Windows drive slash removed).
FileDialog {
    id: dialog
    objectName: "SelectFileDialog"

    signal pathChosen(string path)

    function localPath(url) {
        let path = url.toString()
        if (Qt.platform.os === "windows")
            path = path.replace(/^file:\/\/\//, "")
        else
            path = path.replace(/^file:\/\//, "")
        return decodeURIComponent(path)
    }

    onAccepted: pathChosen(localPath(selectedFile))
}
