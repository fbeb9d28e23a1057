#include "BootloaderFault.h"

#include <climits>

QString BootloaderFault::names()
{
    return QStringLiteral("none, no-presence, wrong-words:N, drop-mid-page:P");
}

bool BootloaderFault::parse(const QString &text, QString *error)
{
    const QString name = text.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
    const bool hasArgument = text.contains(QLatin1Char(':'));
    bool ok = false;
    const int value = text.section(QLatin1Char(':'), 1).trimmed().toInt(&ok);

    if (name == QLatin1String("none") || name == QLatin1String("no-presence")) {
        if (hasArgument) {
            *error = QStringLiteral("bootloader fault '%1' takes no argument").arg(name);
            return false;
        }
        kind = name == QLatin1String("none") ? Kind::None : Kind::NoPresence;
        argument = 0;
        return true;
    }
    if (name == QLatin1String("wrong-words") || name == QLatin1String("drop-mid-page")) {
        const int minimum = name == QLatin1String("wrong-words") ? 1 : 0;
        if (!hasArgument || !ok || value < minimum) {
            *error = QStringLiteral("bootloader fault '%1' needs a number from %2, e.g. %1:%3")
                         .arg(name)
                         .arg(minimum)
                         .arg(minimum + 2);
            return false;
        }
        kind = name == QLatin1String("wrong-words") ? Kind::WrongWords : Kind::DropMidPage;
        argument = value;
        return true;
    }
    *error = QStringLiteral("unknown bootloader fault '%1' (%2)").arg(text, names());
    return false;
}
