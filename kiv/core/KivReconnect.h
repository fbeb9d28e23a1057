#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QTimer;

// Brings a device back after its link was lost: the device restarted (after storing, a factory
// reset, an adjustment or a firmware update) or its cable was out for a moment. It waits a
// bounded time for the port to reappear under its stable name, asks the back end to open it
// again after every failed attempt, and tells whether the device read then is the one that was
// lost. Only the waiting lives here; opening and reading stay with the back end.
class KivReconnect : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive NOTIFY activeChanged)
    Q_PROPERTY(int secondsLeft READ secondsLeft NOTIFY secondsLeftChanged)
    Q_PROPERTY(int totalSeconds READ totalSeconds NOTIFY activeChanged)
    Q_PROPERTY(QString port READ port NOTIFY activeChanged)
    Q_PROPERTY(bool portPresent READ portPresent NOTIFY portPresentChanged)

public:
    enum class Outcome { SameDevice, OtherDevice };

    // A sensor needs up to two minutes to restart after an adjustment.
    static constexpr int kDefaultBudgetMs = 150000;
    static constexpr int kRetryMs = 1000;
    // Name (registers 4 to 23) and serial number (24, 25) tell one device from another.
    static constexpr int kIdentityFirst = 4;
    static constexpr int kIdentityCount = 22;

    explicit KivReconnect(QObject *parent = nullptr);

    bool isActive() const { return m_active; }
    int secondsLeft() const { return m_secondsLeft; }
    int totalSeconds() const { return (m_budgetMs + 999) / 1000; }
    QString port() const { return m_port; }
    bool portPresent() const { return m_portPresent; }

    void setBudgetMs(int ms) { m_budgetMs = ms; }
    int budgetMs() const { return m_budgetMs; }
    void setRetryMs(int ms) { m_retryMs = ms; }

    // The registers that identify the device in image; empty when it holds no device name.
    static QList<quint16> identityOf(const QList<quint16> &image);

    // Starts waiting for the device identified in image to come back on port; the first
    // attempt follows after firstTryMs. False (and nothing started) without an identity.
    bool start(const QString &port, const QList<quint16> &image, int firstTryMs);
    // The last attempt could not open the port or the device did not answer.
    void attemptFailed();
    // The device on the port has been read into image; ends the wait.
    Outcome finish(const QList<quint16> &image);
    // Ends the wait without an outcome: the back end went back to its start state.
    void abort();

public slots:
    // The user gives up waiting.
    void cancel();

signals:
    void activeChanged();
    void secondsLeftChanged();
    void portPresentChanged();
    // Open port and read the device.
    void attempt(const QString &port);
    // Time ran out or the user cancelled: the link counts as lost.
    void gaveUp();
    void reconnected(bool sameDevice);

private:
    void tryNow();
    void tick();
    void end();
    void setSecondsLeft(int seconds);
    void setPortPresent(bool present);

    QTimer *m_budget = nullptr;
    QTimer *m_retry = nullptr;
    QTimer *m_ticker = nullptr;
    QString m_port;
    QList<quint16> m_identity;
    int m_budgetMs = kDefaultBudgetMs;
    int m_retryMs = kRetryMs;
    int m_secondsLeft = 0;
    bool m_active = false;
    bool m_attempting = false;
    bool m_portPresent = false;
};
