#include "ClipboardProxy.h"

#include "MirrelLogging.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
// QGuiApplication::clipboard() must not be called without a GUI application.
QClipboard *systemClipboard()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}
} // namespace

ClipboardProxy::ClipboardProxy(QObject *parent)
    : QObject(parent)
{
    if (QClipboard *clipboard = systemClipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &ClipboardProxy::textChanged);
}

QString ClipboardProxy::text() const
{
    QClipboard *clipboard = systemClipboard();
    return clipboard ? clipboard->text() : QString();
}

void ClipboardProxy::setText(const QString &text)
{
    QClipboard *clipboard = systemClipboard();
    if (!clipboard) {
        qCWarning(lcMirrel) << "no clipboard without a GUI application";
        return;
    }
    clipboard->setText(text);
}
