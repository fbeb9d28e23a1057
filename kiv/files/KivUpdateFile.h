#pragma once

#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVariant>

class KivUpdateInfo;
class QNetworkAccessManager;
class QTimer;

// Fetches the firmware update list, compares it with the connected device and downloads the
// firmware images for the bootloader. Published to QML as "Download".
class KivUpdateFile : public QObject
{
    Q_OBJECT
    Q_PROPERTY(quint64 progressbarMax READ progressbarMax NOTIFY progressbarMaxChanged)
    Q_PROPERTY(quint64 progressbarCur READ progressbarCur NOTIFY progressbarCurChanged)
    Q_PROPERTY(checkState state READ state NOTIFY stateChanged)
    Q_PROPERTY(int remTimeAp READ remTimeAp NOTIFY remTimeApChanged)
    Q_PROPERTY(int remTimeGp READ remTimeGp NOTIFY remTimeGpChanged)
    Q_PROPERTY(QVariant downloadSelection READ downloadSelection NOTIFY downloadSelectionChanged)
    Q_PROPERTY(QVariant downloadInfo READ downloadInfo NOTIFY downloadInfoChanged)

public:
    enum checkState { inactive = 0, downloadJson = 1, downloadGP = 2, downloadAP = 3 };
    Q_ENUM(checkState)

    // A stalled transfer would otherwise never end.
    static constexpr int kTransferTimeoutMs = 30000;
    // Error texts stay muted this long after a cancel: the aborted replies still report.
    static constexpr int kCancelMuteMs = 1000;

    explicit KivUpdateFile(QObject *parent = nullptr);
    ~KivUpdateFile() override;

    quint64 progressbarMax() const;
    quint64 progressbarCur() const;
    checkState state() const;
    int remTimeAp() const;
    int remTimeGp() const;
    QVariant downloadSelection() const;
    QVariant downloadInfo() const;

    // Where the bootloader finds the downloaded images.
    static QString imagePathGp();
    static QString imagePathAp();

public slots:
    void checkForUpdate(double fmGP, double fmAP, QString url, QString deviceName);
    void downloadGp();
    void downloadAp();
    void downloadBoth();
    void downloadGpAndAp(QUrl Gp, QUrl Ap);

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
    void progressbarMaxChanged();
    void progressbarCurChanged();
    void stateChanged();
    void remTimeApChanged();
    void remTimeGpChanged();
    void downloadSelectionChanged();
    void downloadInfoChanged();

private slots:
    void downloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void resetState();
    void fileDownloaded(QNetworkReply *reply);
    void parseJsonFile(QByteArray bytes);
    bool saveData(QString path, QByteArray data);
    void emitErrorMessage(QNetworkReply::NetworkError error);
    void emitErrorText(QString text);

private:
    void download(const QUrl &url, checkState newState);
    void setState(checkState state);
    void setProgress(quint64 current, quint64 maximum);
    void setRemTime(int &member, int seconds, void (KivUpdateFile::*signal)());
    void imageDownloaded(const QString &path, const QByteArray &bytes, int &remTime,
                         void (KivUpdateFile::*remTimeSignal)());
    void clearList();
    void removeImages();
    // Why the reply's bytes are no complete image or list; empty when they are.
    QString incompleteReason(QNetworkReply *reply, const QByteArray &bytes) const;

    QNetworkAccessManager *m_manager = nullptr;
    checkState m_state = inactive;
    double m_fmGp = 0;
    double m_fmAp = 0;
    QString m_deviceName;
    QUrl m_updateUrlGp;
    QUrl m_updateUrlAp;
    bool m_addOnNext = false;
    bool m_cancelled = false;
    QTimer *m_cancelTimer = nullptr;
    quint64 m_progressbarMax = 0;
    quint64 m_progressbarCur = 0;
    int m_remTimeGp = 0;
    int m_remTimeAp = 0;
    QList<KivUpdateInfo *> m_list;
    KivUpdateInfo *m_info = nullptr;
    // Only the reply started last may report; an older one would file its bytes under the
    // state of the newer download.
    QPointer<QNetworkReply> m_current;
};
