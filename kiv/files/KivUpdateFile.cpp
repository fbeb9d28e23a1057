#include "KivUpdateFile.h"

#include "BaseSettings.h"
#include "KivFilesLogging.h"
#include "KivSettings.h"
#include "KivUpdateInfo.h"
#include "KivUpdateList.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

KivUpdateFile::KivUpdateFile(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_cancelTimer(new QTimer(this))
{
    m_manager->setTransferTimeout(kTransferTimeoutMs);
    m_cancelTimer->setSingleShot(true);
    m_cancelTimer->setInterval(kCancelMuteMs);
    connect(m_cancelTimer, &QTimer::timeout, this, [this] { m_cancelled = false; });

    connect(m_manager, &QNetworkAccessManager::finished, this, &KivUpdateFile::fileDownloaded);
    connect(this, &KivUpdateFile::newUpdateAailable, this, &KivUpdateFile::resetState);
    connect(this, &KivUpdateFile::noUpdateAvailable, this, &KivUpdateFile::resetState);
    connect(this, &KivUpdateFile::errorMessage, this, &KivUpdateFile::resetState);
    connect(this, &KivUpdateFile::allDownLoadsDone, this, &KivUpdateFile::resetState);
    // Connected before any reply's abort, so the aborted reply already finds the flag set.
    connect(this, &KivUpdateFile::cancelDownloads, this, [this] {
        m_cancelled = true;
        m_cancelTimer->start();
        m_addOnNext = false;
        setState(inactive);
        setProgress(0, 0);
    });
}

KivUpdateFile::~KivUpdateFile()
{
    // Replies still running must not report into a half-destroyed object.
    disconnect(m_manager, nullptr, this, nullptr);
}

quint64 KivUpdateFile::progressbarMax() const
{
    return m_progressbarMax;
}

quint64 KivUpdateFile::progressbarCur() const
{
    return m_progressbarCur;
}

KivUpdateFile::checkState KivUpdateFile::state() const
{
    return m_state;
}

int KivUpdateFile::remTimeAp() const
{
    return m_remTimeAp;
}

int KivUpdateFile::remTimeGp() const
{
    return m_remTimeGp;
}

QVariant KivUpdateFile::downloadSelection() const
{
    QList<QObject *> list;
    list.reserve(m_list.size());
    for (KivUpdateInfo *info : m_list)
        list.append(info);
    return QVariant::fromValue(list);
}

QVariant KivUpdateFile::downloadInfo() const
{
    return QVariant::fromValue(m_info);
}

QString KivUpdateFile::imagePathGp()
{
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/updateGp.bin");
}

QString KivUpdateFile::imagePathAp()
{
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/updateAp.bin");
}

void KivUpdateFile::checkForUpdate(double fmGP, double fmAP, QString url, QString deviceName)
{
    if (m_state != inactive) {
        emit errorText(tr("Update ist bereits im Gange."));
        return;
    }
    m_fmGp = fmGP;
    m_fmAp = fmAP;
    m_deviceName = deviceName;
    // A stale image from an earlier download must never be flashed after this check.
    removeImages();
    download(QUrl(url, QUrl::TolerantMode), downloadJson);
}

void KivUpdateFile::downloadGp()
{
    m_addOnNext = true;
    download(m_updateUrlGp, downloadGP);
}

void KivUpdateFile::downloadAp()
{
    m_addOnNext = false;
    download(m_updateUrlAp, downloadAP);
}

void KivUpdateFile::downloadBoth()
{
    download(m_updateUrlGp, downloadGP);
}

void KivUpdateFile::downloadGpAndAp(QUrl Gp, QUrl Ap)
{
    // Retargeting a running download would pair its main-board image with another add-on.
    if (m_state != inactive) {
        emit errorText(tr("Ein Download ist bereits in Gange"));
        return;
    }
    m_updateUrlGp = Gp;
    m_updateUrlAp = Ap;
    for (KivUpdateInfo *info : std::as_const(m_list)) {
        if (info->urlGp() == Gp && info->urlAp() == Ap) {
            m_info = info;
            emit downloadInfoChanged();
            break;
        }
    }
    emit newUpdateAailable();
    m_addOnNext = true;
    download(Gp, downloadGP);
}

void KivUpdateFile::download(const QUrl &url, checkState newState)
{
    if (m_state != inactive) {
        emit errorText(tr("Ein Download ist bereits in Gange"));
        return;
    }
    if (newState != inactive)
        setState(newState);

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_manager->get(request);
    m_current = reply;
    qCDebug(lcKivFiles) << "update: GET" << url << "state" << newState;
    connect(this, &KivUpdateFile::cancelDownloads, reply, &QNetworkReply::abort);
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64 total) {
        if (reply == m_current)
            downloadProgress(received, total);
    });
    connect(reply, &QNetworkReply::errorOccurred, this, [this, reply](QNetworkReply::NetworkError error) {
        if (reply == m_current)
            emitErrorMessage(error);
    });
}

void KivUpdateFile::downloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    // A failed reply still reports its error page after the reset; it is no download of ours.
    if (m_state == inactive)
        return;
    // An unknown total arrives as -1.
    setProgress(quint64(qMax<qint64>(0, bytesReceived)), quint64(qMax<qint64>(0, bytesTotal)));
}

void KivUpdateFile::resetState()
{
    m_addOnNext = false;
    setState(inactive);
    setProgress(0, 0);
}

void KivUpdateFile::fileDownloaded(QNetworkReply *reply)
{
    // An aborted reply is closed already.
    const QByteArray bytes = reply->isReadable() ? reply->readAll() : QByteArray();
    reply->deleteLater();
    if (reply != m_current) {
        qCDebug(lcKivFiles) << "update: reply of an earlier download ignored" << reply->url();
        return;
    }
    m_current = nullptr;
    if (m_state != inactive) {
        const QString reason = incompleteReason(reply, bytes);
        if (!reason.isEmpty()) {
            qCWarning(lcKivFiles) << "update:" << reply->url() << reason;
            // Its error signal may have been muted by a cancel just before; the state must go anyway.
            if (reply->error() != QNetworkReply::NoError)
                emitErrorMessage(reply->error());
            if (m_state == downloadJson)
                emitErrorText(tr("Die Update-Liste wurde nicht vollständig geladen."));
            else
                emitErrorText(tr("Could not download update file."));
            resetState();
            return;
        }
    }
    switch (m_state) {
    case downloadJson:
        parseJsonFile(bytes);
        return;
    case downloadGP:
        imageDownloaded(imagePathGp(), bytes, m_remTimeGp, &KivUpdateFile::remTimeGpChanged);
        return;
    case downloadAP:
        imageDownloaded(imagePathAp(), bytes, m_remTimeAp, &KivUpdateFile::remTimeApChanged);
        return;
    case inactive:
        emitErrorText(tr("Unexpected network reply received."));
        return;
    }
}

void KivUpdateFile::imageDownloaded(const QString &path, const QByteArray &bytes, int &remTime,
                                    void (KivUpdateFile::*remTimeSignal)())
{
    if (!saveData(path, bytes)) {
        emitErrorText(tr("Could not download update file."));
        resetState();
        return;
    }
    setRemTime(remTime, int(bytes.size() / KivSettings::readByteRate()), remTimeSignal);
    if (m_state == downloadGP && m_addOnNext) {
        setState(inactive);
        m_addOnNext = false;
        download(m_updateUrlAp, downloadAP);
        return;
    }
    emit allDownLoadsDone();
}

void KivUpdateFile::parseJsonFile(QByteArray bytes)
{
    if (bytes.isEmpty()) {
        emitErrorText(tr("0 Bytes geladen"));
        resetState();
        emit downloadSelectionChanged();
        return;
    }
    clearList();

    QList<QJsonObject> entries;
    QString error;
    // A damaged list must not read as "no update available".
    if (!parseUpdateList(bytes, &entries, &error)) {
        qCWarning(lcKivFiles) << "update: list unreadable:" << error;
        emitErrorText(tr("Die Update-Liste ist beschädigt oder hat ein unbekanntes Format."));
        resetState();
        emit downloadSelectionChanged();
        return;
    }

    KivUpdateInfo *match = nullptr;
    for (const QJsonObject &entry : std::as_const(entries)) {
        auto *info = new KivUpdateInfo(entry, this);
        m_list.append(info);
        // The last matching entry wins; acting on each would start overlapping downloads.
        if (updateEntryMatches(info->deviceName(), m_deviceName))
            match = info;
    }

    if (!match) {
        if (BaseSettings::readClearance() > 0)
            emit deviceNotRecognized();
        else
            emit noUpdateAvailable();
        resetState();
        emit downloadSelectionChanged();
        return;
    }

    m_info = match;
    emit downloadInfoChanged();
    if (match->urlGp().isValid() && match->urlAp().isValid()) {
        m_updateUrlGp = match->urlGp();
        m_updateUrlAp = match->urlAp();
        const bool newerGp = match->versionGp() > 0 && match->versionGp() > m_fmGp;
        const bool newerAp = match->versionAp() > 0 && match->versionAp() > m_fmAp;
        // Both images go together whenever either is newer.
        if (newerGp || newerAp) {
            emit newUpdateAailable();
            m_addOnNext = true;
            download(m_updateUrlGp, downloadGP);
        } else {
            emit noUpdateAvailable();
        }
    } else {
        emitErrorText(tr("Invalid download Urls"));
        resetState();
    }
    emit downloadSelectionChanged();
}

bool KivUpdateFile::saveData(QString path, QByteArray data)
{
    if (QFile::exists(path) && !QFile::remove(path)) {
        emitErrorText(tr("Could not delete old data"));
        return false;
    }
    // Written beside the image and renamed only when complete: a short write or a crash leaves
    // no truncated image for the bootloader.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        file.cancelWriting();
        emitErrorText(tr("Could not create file to save data."));
        return false;
    }
    return true;
}

QString KivUpdateFile::incompleteReason(QNetworkReply *reply, const QByteArray &bytes) const
{
    if (reply->error() != QNetworkReply::NoError)
        return reply->errorString();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() != bytes.size())
        return QStringLiteral("%1 of %2 bytes received").arg(bytes.size()).arg(length.toLongLong());
    // An empty list has its own message; an empty image is never a firmware.
    if (bytes.isEmpty() && m_state != downloadJson)
        return QStringLiteral("empty image");
    return {};
}

void KivUpdateFile::removeImages()
{
    for (const QString &path : {imagePathGp(), imagePathAp()}) {
        if (QFileInfo(path).isFile() && !QFile::remove(path))
            qCWarning(lcKivFiles) << "update: cannot remove the earlier image" << path;
    }
}

void KivUpdateFile::emitErrorMessage(QNetworkReply::NetworkError error)
{
    if (!m_cancelled)
        emit errorMessage(error);
}

void KivUpdateFile::emitErrorText(QString text)
{
    if (!m_cancelled)
        emit errorText(text);
}

void KivUpdateFile::setState(checkState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void KivUpdateFile::setProgress(quint64 current, quint64 maximum)
{
    if (m_progressbarCur != current) {
        m_progressbarCur = current;
        emit progressbarCurChanged();
    }
    if (m_progressbarMax != maximum) {
        m_progressbarMax = maximum;
        emit progressbarMaxChanged();
    }
}

void KivUpdateFile::setRemTime(int &member, int seconds, void (KivUpdateFile::*signal)())
{
    if (member == seconds)
        return;
    member = seconds;
    emit(this->*signal)();
}

void KivUpdateFile::clearList()
{
    qDeleteAll(m_list);
    m_list.clear();
    m_info = nullptr;
    emit downloadInfoChanged();
}
