#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QQuickWindow;

// Writes a PNG of the window once what it shows has settled: no frame has been swapped for a
// short grace period (a page that is still loading data or animating keeps rendering), or a
// generous upper limit has passed, so that a view that never stops moving is still captured.
class Screenshooter : public QObject
{
    Q_OBJECT
public:
    explicit Screenshooter(QQuickWindow *window, QObject *parent = nullptr);

    void setGracePeriod(int milliseconds) { m_grace.setInterval(milliseconds); }
    bool isBusy() const { return !m_file.isEmpty(); }

    // One capture at a time; a second request while one is pending is refused with captured(false).
    void capture(const QString &file);

    // Grabs and saves right now; returns an empty string or the German error text.
    static QString grabTo(QQuickWindow *window, const QString &file);

signals:
    void captured(const QString &file, bool ok, const QString &errorText);

private:
    void onFrameSwapped();
    void finish();

    QPointer<QQuickWindow> m_window;
    QString m_file;
    QTimer m_grace;
    QTimer m_fallback;
    QTimer m_limit;
    QMetaObject::Connection m_frameConnection;
};
