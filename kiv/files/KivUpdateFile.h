#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QString>

// Fetches the firmware update list, compares it with the connected device and downloads the
// firmware images for the bootloader. Published to QML as "Download".
class KivUpdateFile : public QObject
{
    Q_OBJECT

public:
    explicit KivUpdateFile(QObject *parent = nullptr);

signals:
    void noUpdateAvailable();
    void newUpdateAailable();
    void deviceNotRecognized();
    void errorMessage(QNetworkReply::NetworkError error);
    void errorText(QString);
    void allDownLoadsDone();
    void cancelDownloads();
    // Declared for QML; this class never emits them.
    void startBootloaderGpAp();
    void StartBootloaderAp();
};
