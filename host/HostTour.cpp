#include "HostTour.h"

#include "LogCategory.h"
#include "PluginCatalog.h"
#include "PluginHost.h"
#include "Screenshooter.h"

#include <QDir>
#include <QRegularExpression>

HostTour::HostTour(PluginHost *host, PluginCatalog *catalog, Screenshooter *shooter, const QString &directory,
                   QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_catalog(catalog)
    , m_shooter(shooter)
    , m_directory(QDir(directory).absolutePath())
{
    connect(m_shooter, &Screenshooter::captured, this, &HostTour::onCaptured);
    connect(m_host, &PluginHost::pageShown, this, [this] {
        if (m_step == Step::Plugin)
            m_shooter->capture(fileFor(m_next, m_host->currentPluginName()));
    });
    connect(m_host, &PluginHost::openFailed, this, [this](const QString &message) {
        if (m_step != Step::Plugin)
            return;
        m_failures.append(message);
        ++m_next;
        openNext();
    });
    connect(m_host, &PluginHost::pluginClosed, this, [this] {
        // Only the return home we asked for moves on; a failed open is handled by openFailed.
        if (m_step == Step::Plugin && m_awaitingHome) {
            m_awaitingHome = false;
            ++m_next;
            QMetaObject::invokeMethod(this, &HostTour::openNext, Qt::QueuedConnection);
        }
    });
}

void HostTour::start()
{
    qCInfo(lcHost) << "tour of" << m_catalog->count() << "plugins into" << m_directory;
    shootHome();
}

void HostTour::shootHome()
{
    m_step = Step::Home;
    m_shooter->capture(fileFor(0, QStringLiteral("home")));
}

void HostTour::openNext()
{
    if (m_next >= m_catalog->count()) {
        m_step = Step::Done;
        emit finished(m_failures.isEmpty() ? 0 : 1);
        return;
    }
    m_step = Step::Plugin;
    m_host->open(m_next);
}

void HostTour::onCaptured(const QString &file, bool ok, const QString &errorText)
{
    if (ok)
        m_written.append(file);
    else
        m_failures.append(errorText);

    if (m_step == Step::Home) {
        m_next = 0;
        openNext();
    } else if (m_step == Step::Plugin) {
        if (m_host->isPluginOpen()) {
            m_awaitingHome = true;
            m_host->goHome();
        } else {
            ++m_next;
            openNext();
        }
    }
}

QString HostTour::fileFor(int step, const QString &name) const
{
    QString safe = name;
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]+")), QStringLiteral("_"));
    const int number = m_step == Step::Home ? 0 : step + 1;
    return m_directory + QStringLiteral("/%1-%2.png").arg(number, 2, 10, QLatin1Char('0')).arg(safe);
}
