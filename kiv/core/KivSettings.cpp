#include "KivSettings.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QSettings>

Q_LOGGING_CATEGORY(lcKivSettings, "kiv.settings")

KivSettings::KivSettings(QObject *parent)
    : BaseSettings(parent)
{
}

int KivSettings::readVerbindungsMode()
{
    return readInt(kKeyVerbindungsMode, kDefaultVerbindungsMode);
}

void KivSettings::writeVerbindungsMode(int value)
{
    writeValue(kKeyVerbindungsMode, value);
}

int KivSettings::readVisibility()
{
    return readInt(kKeyVisibility, kDefaultVisibility);
}

void KivSettings::writeVisibility(int value)
{
    writeValue(kKeyVisibility, value);
}

QList<int> KivSettings::readDefaultSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        qCWarning(lcKivSettings) << "no primary screen for the default window size";
        return {0, 0};
    }
    const QRect available = screen->availableGeometry();
    return {2 * available.width() / 3, 2 * available.height() / 3};
}

void KivSettings::writeOldSize(int w, int h)
{
    writeValue(kKeyWindowedWidth, w);
    writeValue(kKeyWindowedHeight, h);
}

QList<QList<QString>> KivSettings::readAlias()
{
    QSettings *settings = getSettings();
    QList<QList<QString>> aliases;
    settings->beginGroup(kGroupBluetooth);
    const int count = settings->beginReadArray(kArrayAliasAndId);
    for (int i = 0; i < count; ++i) {
        settings->setArrayIndex(i);
        aliases.append({settings->value(kKeyAlias).toString(), settings->value(kKeyId).toString()});
    }
    settings->endArray();
    settings->endGroup();
    return aliases;
}

void KivSettings::writeAlias(const QList<QList<QString>> &aliases)
{
    QSettings *settings = getSettings();
    settings->beginGroup(kGroupBluetooth);
    // Drop the old entries first, or a shorter list would leave stale ones behind.
    settings->remove(kArrayAliasAndId);
    settings->beginWriteArray(kArrayAliasAndId, int(aliases.size()));
    for (int i = 0; i < aliases.size(); ++i) {
        settings->setArrayIndex(i);
        // Incomplete pairs from QML are stored with empty parts instead of failing.
        settings->setValue(kKeyAlias, aliases.at(i).value(0));
        settings->setValue(kKeyId, aliases.at(i).value(1));
    }
    settings->endArray();
    settings->endGroup();
    settings->sync();
}

int KivSettings::readByteRate()
{
    return readInt(kKeyByteRate, kDefaultByteRate, 1);
}

void KivSettings::writeByteRate(int value)
{
    writeValue(kKeyByteRate, value);
}

QString KivSettings::readUpdateListUrl()
{
    const QString url = readString(kKeyUpdateListUrl).trimmed();
    return url.isEmpty() ? kDefaultUpdateListUrl : url;
}

void KivSettings::writeUpdateListUrl(const QString &url)
{
    // An emptied field means the default again.
    const QString trimmed = url.trimmed();
    if (trimmed.isEmpty() || trimmed == kDefaultUpdateListUrl)
        getSettings()->remove(kKeyUpdateListUrl);
    else
        writeValue(kKeyUpdateListUrl, trimmed);
}

QString KivSettings::readLastPort()
{
    return readString(kKeyLastPort).trimmed();
}

void KivSettings::writeLastPort(const QString &port)
{
    if (!port.trimmed().isEmpty())
        writeValue(kKeyLastPort, port.trimmed());
}

int KivSettings::readReconnectSeconds()
{
    return qMax(0, readInt(kKeyReconnectSeconds, kDefaultReconnectSeconds));
}

void KivSettings::writeReconnectSeconds(int seconds)
{
    writeValue(kKeyReconnectSeconds, qMax(0, seconds));
}
