import QtQuick
import QtQuick.Controls.Basic

// Page switcher of a plugin: replaces its single page without a stack history.
StackView {
    id: view
    objectName: "CustomStackView"

    // The source of the page shown; replacing with the same source again is a no-op.
    property url currentSource: ""

    // True when the page at source exists and compiles; callers can fall back to another page.
    function canLoad(source) {
        return Qt.createComponent(source).status === Component.Ready
    }

    function showPage(source, properties) {
        if (source === currentSource && currentItem)
            return currentItem
        const component = Qt.createComponent(source)
        if (component.status !== Component.Ready) {
            console.error("page not loaded:", source, component.errorString())
            return null
        }
        currentSource = source
        return view.replace(null, component, properties || {}, StackView.Immediate)
    }
}
