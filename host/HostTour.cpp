#include "HostTour.h"

#include "LogCategory.h"
#include "PluginCatalog.h"
#include "PluginHost.h"
#include "PluginSimulation.h"
#include "Screenshooter.h"

#include <QDir>
#include <QRegularExpression>

namespace {
// Pages of a simulated device keep changing (live values); take them once the page switch settled.
constexpr int kPageGraceMs = 400;
constexpr int kRootGraceMs = 1200;
} // namespace

HostTour::HostTour(PluginHost *host, PluginCatalog *catalog, Screenshooter *shooter, const QString &directory,
                   QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_catalog(catalog)
    , m_shooter(shooter)
    , m_directory(QDir(directory).absolutePath())
{
    m_simulation = new PluginSimulation(this);
    connect(m_simulation, &PluginSimulation::ready, this, &HostTour::onSimulationReady);
    connect(m_simulation, &PluginSimulation::failed, this, [this](const QString &message) {
        m_failures.append(message);
        leavePlugin();
    });
    connect(m_shooter, &Screenshooter::captured, this, &HostTour::onCaptured);
    connect(m_host, &PluginHost::pageShown, this, [this] {
        if (m_step == Step::Plugin) {
            m_shooter->setGracePeriod(kRootGraceMs);
            m_shooter->capture(fileFor(m_next, m_host->currentPluginName()));
        }
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
        if (m_awaitingHome) {
            m_awaitingHome = false;
            ++m_next;
            QMetaObject::invokeMethod(this, &HostTour::openNext, Qt::QueuedConnection);
            return;
        }
        if (m_step == Step::Simulating || m_step == Step::Pages) {
            // The plugin went home by itself in the middle of its pages.
            m_simulation->cancel();
            m_step = Step::Idle; // a picture still being taken must not move the tour on
            m_failures.append(
                tr("Das Plugin \"%1\" wurde während des Rundgangs geschlossen.").arg(m_host->currentPluginName()));
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
    m_pages.clear();
    m_page = 0;
    m_host->open(m_next);
}

void HostTour::leavePlugin()
{
    m_step = Step::Plugin;
    if (m_host->isPluginOpen()) {
        m_awaitingHome = true;
        m_host->goHome();
    } else {
        ++m_next;
        openNext();
    }
}

void HostTour::onCaptured(const QString &file, bool ok, const QString &errorText)
{
    if (ok)
        m_written.append(file);
    else
        m_failures.append(errorText);

    switch (m_step) {
    case Step::Home:
        m_next = 0;
        openNext();
        break;
    case Step::Plugin:
        afterRootPage();
        break;
    case Step::Pages:
        ++m_page;
        showPage();
        break;
    default:
        break;
    }
}

void HostTour::afterRootPage()
{
    QObject *root = m_host->rootObject();
    if (!m_host->isPluginOpen() || !PluginSimulation::isOffered(root)) {
        leavePlugin();
        return;
    }
    m_step = Step::Simulating;
    m_simulation->start(root, m_host->currentPluginName());
}

void HostTour::onSimulationReady()
{
    QObject *root = m_host->rootObject();
    if (m_step != Step::Simulating || !root)
        return;
    QVariant pages;
    if (!QMetaObject::invokeMethod(root, "tourPages", Q_RETURN_ARG(QVariant, pages))) {
        m_failures.append(
            tr("Das Plugin \"%1\" nennt keine Seiten für den Rundgang.").arg(m_host->currentPluginName()));
        leavePlugin();
        return;
    }
    m_pages = pages.toStringList();
    qCInfo(lcHost) << "touring" << m_pages.size() << "pages of" << m_host->currentPluginName();
    m_page = 0;
    m_step = Step::Pages;
    m_shooter->setGracePeriod(kPageGraceMs);
    showPage();
}

void HostTour::showPage()
{
    QObject *root = m_host->rootObject();
    if (m_step != Step::Pages)
        return;
    if (!root || m_page >= m_pages.size()) {
        leavePlugin();
        return;
    }
    QMetaObject::invokeMethod(root, "tourShow", Q_ARG(QVariant, m_page));
    const QString name = m_host->currentPluginName() + QStringLiteral("-%1-").arg(m_page + 1, 2, 10, QLatin1Char('0')) +
        m_pages.at(m_page);
    m_shooter->capture(fileFor(m_next, name));
}

QString HostTour::fileFor(int step, const QString &name) const
{
    QString safe = name;
    static const QList<QPair<QString, QString>> umlauts = {
        {QStringLiteral("ä"), QStringLiteral("ae")}, {QStringLiteral("ö"), QStringLiteral("oe")},
        {QStringLiteral("ü"), QStringLiteral("ue")}, {QStringLiteral("Ä"), QStringLiteral("Ae")},
        {QStringLiteral("Ö"), QStringLiteral("Oe")}, {QStringLiteral("Ü"), QStringLiteral("Ue")},
        {QStringLiteral("ß"), QStringLiteral("ss")}};
    for (const auto &[from, to] : umlauts)
        safe.replace(from, to);
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]+")), QStringLiteral("_"));
    const int number = m_step == Step::Home ? 0 : step + 1;
    return m_directory + QStringLiteral("/%1-%2.png").arg(number, 2, 10, QLatin1Char('0')).arg(safe);
}
