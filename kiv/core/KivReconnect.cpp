#include "KivReconnect.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>

Q_LOGGING_CATEGORY(lcKivReconnect, "kiv.reconnect")

namespace {
constexpr int kTickMs = 1000;

bool portExists(const QString &port)
{
#ifdef Q_OS_UNIX
    // A by-id link that dangles (adapter pulled) does not exist; a short name lives under /dev.
    if (!port.startsWith(QLatin1Char('/')))
        return QFileInfo::exists(QStringLiteral("/dev/") + port);
    return QFileInfo::exists(port);
#else
    Q_UNUSED(port)
    return true; // COM ports are no files; the open attempt tells
#endif
}
} // namespace

KivReconnect::KivReconnect(QObject *parent)
    : QObject(parent)
{
    m_budget = new QTimer(this);
    m_budget->setSingleShot(true);
    connect(m_budget, &QTimer::timeout, this, [this] {
        qCInfo(lcKivReconnect) << "no device on" << m_port << "in time";
        end();
        emit gaveUp();
    });
    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &KivReconnect::tryNow);
    m_ticker = new QTimer(this);
    m_ticker->setInterval(kTickMs);
    connect(m_ticker, &QTimer::timeout, this, &KivReconnect::tick);
}

QList<quint16> KivReconnect::identityOf(const QList<quint16> &image)
{
    if (image.size() < kIdentityFirst + kIdentityCount)
        return {};
    const QList<quint16> identity = image.mid(kIdentityFirst, kIdentityCount);
    const auto name = identity.mid(0, kIdentityCount - 2);
    if (std::all_of(name.cbegin(), name.cend(), [](quint16 word) { return word == 0; }))
        return {};
    return identity;
}

bool KivReconnect::start(const QString &port, const QList<quint16> &image, int firstTryMs)
{
    const QList<quint16> identity = identityOf(image);
    if (m_active || port.trimmed().isEmpty() || identity.isEmpty())
        return false;
    m_port = port.trimmed();
    m_identity = identity;
    m_attempting = false;
    m_active = true;
    qCInfo(lcKivReconnect) << "waiting for the device on" << m_port;
    m_budget->start(m_budgetMs);
    m_ticker->start();
    setSecondsLeft(totalSeconds());
    setPortPresent(portExists(m_port));
    m_retry->start(qMax(0, firstTryMs));
    emit activeChanged();
    return true;
}

void KivReconnect::tryNow()
{
    if (!m_active || m_attempting)
        return;
    setPortPresent(portExists(m_port));
    if (!m_portPresent) {
        m_retry->start(m_retryMs);
        return;
    }
    m_attempting = true;
    qCDebug(lcKivReconnect) << "opening" << m_port;
    emit attempt(m_port);
}

void KivReconnect::attemptFailed()
{
    if (!m_active)
        return;
    m_attempting = false;
    m_retry->start(m_retryMs);
}

KivReconnect::Outcome KivReconnect::finish(const QList<quint16> &image)
{
    const bool same = m_active && identityOf(image) == m_identity;
    qCInfo(lcKivReconnect) << (same ? "device back on" : "another device on") << m_port;
    end();
    emit reconnected(same);
    return same ? Outcome::SameDevice : Outcome::OtherDevice;
}

void KivReconnect::abort()
{
    end();
}

void KivReconnect::cancel()
{
    if (!m_active)
        return;
    qCInfo(lcKivReconnect) << "cancelled";
    end();
    emit gaveUp();
}

void KivReconnect::tick()
{
    setSecondsLeft((m_budget->remainingTime() + 999) / 1000);
    if (!m_attempting)
        setPortPresent(portExists(m_port));
}

void KivReconnect::end()
{
    m_budget->stop();
    m_retry->stop();
    m_ticker->stop();
    m_attempting = false;
    if (!m_active)
        return;
    m_active = false;
    setSecondsLeft(0);
    emit activeChanged();
}

void KivReconnect::setSecondsLeft(int seconds)
{
    if (m_secondsLeft == seconds)
        return;
    m_secondsLeft = seconds;
    emit secondsLeftChanged();
}

void KivReconnect::setPortPresent(bool present)
{
    if (m_portPresent == present)
        return;
    m_portPresent = present;
    emit portPresentChanged();
}
