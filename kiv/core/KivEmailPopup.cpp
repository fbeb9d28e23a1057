#include "KivEmailPopup.h"

namespace {
// Marks share requests as coming from this plugin; there is no default recipient.
const QString kShareTag = QStringLiteral("OrvaneShareFilesNotAThing");
} // namespace

KivEmailPopup::KivEmailPopup(QObject *parent)
    : EmailPopup(kShareTag, QString(), parent)
{
}
