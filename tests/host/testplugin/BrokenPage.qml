import QtQuick

Item {
    objectName: "brokenPage"
    NoSuchTypeAnywhere {
        objectName: "brokenPage_missing"
    }
}
