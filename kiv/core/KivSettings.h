#pragma once

#include "BaseSettings.h"

#include <QList>
#include <QString>

// The KIV plugin's persistent settings in the framework's shared store. The static functions
// serve the back end and the update code; QML reaches the same functions on an instance.
class KivSettings : public BaseSettings
{
    Q_OBJECT

public:
    explicit KivSettings(QObject *parent = nullptr);

    // 0 cable, 1 Bluetooth.
    Q_INVOKABLE static int readVerbindungsMode();
    Q_INVOKABLE static void writeVerbindungsMode(int value);
    Q_INVOKABLE static int readVisibility();
    Q_INVOKABLE static void writeVisibility(int value);
    // Two thirds of the primary screen's available width and height.
    Q_INVOKABLE static QList<int> readDefaultSize();
    Q_INVOKABLE static void writeOldSize(int w, int h);
    // One [alias, id] pair per remembered Bluetooth device.
    Q_INVOKABLE static QList<QList<QString>> readAlias();
    Q_INVOKABLE static void writeAlias(const QList<QList<QString>> &aliases);

    // Bytes per second the firmware upload achieved; estimates the download time.
    static int readByteRate();
    static void writeByteRate(int value);

    // Where the firmware update list is fetched from; a file: URL serves a local folder.
    Q_INVOKABLE static QString readUpdateListUrl();
    Q_INVOKABLE static void writeUpdateListUrl(const QString &url);

    // The port of the last device read completely, under its stable (by-id) name where it has one.
    Q_INVOKABLE static QString readLastPort();
    Q_INVOKABLE static void writeLastPort(const QString &port);

    // How long a device that dropped off its port is waited for; 0 ends the link at once.
    Q_INVOKABLE static int readReconnectSeconds();
    Q_INVOKABLE static void writeReconnectSeconds(int seconds);

    static constexpr int kDefaultVerbindungsMode = 0;
    // A sensor takes up to two minutes to restart after an adjustment.
    static constexpr int kDefaultReconnectSeconds = 150;
    static constexpr int kDefaultVisibility = 0;
    static constexpr int kDefaultByteRate = 3500;

    // "Verbindunsmodus" is the stored spelling; existing settings files use it.
    static inline const QString kKeyVerbindungsMode = QStringLiteral("General/Verbindunsmodus");
    static inline const QString kKeyVisibility = QStringLiteral("General/visibility");
    static inline const QString kKeyWindowedWidth = QStringLiteral("General/windowedWidth");
    static inline const QString kKeyWindowedHeight = QStringLiteral("General/windowedHeight");
    static inline const QString kKeyByteRate = QStringLiteral("SaveLoad/byteRate");
    static inline const QString kKeyUpdateListUrl = QStringLiteral("Update/listUrl");
    static inline const QString kDefaultUpdateListUrl = QStringLiteral("https://download.veltaron.de/kiv/updates.json");
    static inline const QString kKeyReconnectSeconds = QStringLiteral("General/reconnectSeconds");
    static inline const QString kKeyLastPort = QStringLiteral("General/lastPort");
    static inline const QString kGroupBluetooth = QStringLiteral("BluetoothConnection");
    static inline const QString kArrayAliasAndId = QStringLiteral("AliasAndId");
    static inline const QString kKeyAlias = QStringLiteral("alias");
    static inline const QString kKeyId = QStringLiteral("id");
};
