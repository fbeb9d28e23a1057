#include "Screenshooter.h"

#include "LogCategory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QQuickWindow>

namespace {
constexpr int kGraceMs = 1200;
// Without a frame (window hidden or never exposed) we still grab rather than hang.
constexpr int kFrameFallbackMs = 5000;
constexpr int kSettleLimitMs = 10000;
} // namespace

Screenshooter::Screenshooter(QQuickWindow *window, QObject *parent)
    : QObject(parent)
    , m_window(window)
{
    m_grace.setSingleShot(true);
    m_grace.setInterval(kGraceMs);
    connect(&m_grace, &QTimer::timeout, this, &Screenshooter::finish);
    m_fallback.setSingleShot(true);
    m_fallback.setInterval(kFrameFallbackMs);
    connect(&m_fallback, &QTimer::timeout, this, [this] {
        qCWarning(lcHost) << "no frame was rendered; grabbing anyway";
        onFrameSwapped();
    });
    m_limit.setSingleShot(true);
    m_limit.setInterval(kSettleLimitMs);
    connect(&m_limit, &QTimer::timeout, this, [this] {
        qCInfo(lcHost) << "view keeps changing; grabbing it as it is";
        finish();
    });
}

void Screenshooter::capture(const QString &file)
{
    if (isBusy()) {
        emit captured(file, false,
                      QCoreApplication::translate("Screenshooter", "Es wird bereits ein Bildschirmfoto erstellt."));
        return;
    }
    if (!m_window) {
        emit captured(file, false,
                      QCoreApplication::translate("Screenshooter", "Kein Fenster für das Bildschirmfoto vorhanden."));
        return;
    }
    m_file = file;
    m_frameConnection = connect(m_window.data(), &QQuickWindow::frameSwapped, this, &Screenshooter::onFrameSwapped,
                                Qt::QueuedConnection);
    m_fallback.start();
    m_limit.start();
    m_window->update();
}

void Screenshooter::onFrameSwapped()
{
    m_fallback.stop();
    m_grace.start();
}

void Screenshooter::finish()
{
    disconnect(m_frameConnection);
    m_fallback.stop();
    m_grace.stop();
    m_limit.stop();
    const QString file = m_file;
    m_file.clear();
    const QString error = grabTo(m_window, file);
    emit captured(file, error.isEmpty(), error);
}

QString Screenshooter::grabTo(QQuickWindow *window, const QString &file)
{
    if (!window)
        return QCoreApplication::translate("Screenshooter", "Kein Fenster für das Bildschirmfoto vorhanden.");
    const QImage image = window->grabWindow();
    if (image.isNull())
        return QCoreApplication::translate("Screenshooter", "Das Fenster konnte nicht abfotografiert werden.");
    const QFileInfo info(file);
    if (!QDir().mkpath(info.absolutePath()))
        return QCoreApplication::translate("Screenshooter", "Der Ordner %1 konnte nicht angelegt werden.")
            .arg(info.absolutePath());
    if (!image.save(info.absoluteFilePath(), "PNG"))
        return QCoreApplication::translate("Screenshooter",
                                           "Das Bildschirmfoto konnte nicht nach %1 geschrieben werden.")
            .arg(info.absoluteFilePath());
    qCInfo(lcHost) << "screenshot written to" << info.absoluteFilePath();
    return {};
}
