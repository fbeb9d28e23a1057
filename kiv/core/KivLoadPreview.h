#pragma once

#include "KivSettingCatalog.h"
#include "KivWriteGate.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>

#include <functional>

// Shows what a configuration file would change before anything is written: the load runs with
// the write gate capturing, and once the blocks have settled the held writes are compared with
// the device's image. Confirming lets exactly the writes that change something leave; cancelling
// puts the image and the blocks back and drops every held write.
class KivLoadPreview : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool open READ isOpen NOTIFY stateChanged)
    Q_PROPERTY(bool busy READ isBusy NOTIFY stateChanged)
    // False until a cancelled preview has put the blocks back; no new load before then.
    Q_PROPERTY(bool idle READ isIdle NOTIFY stateChanged)
    Q_PROPERTY(QString fileName READ fileName NOTIFY stateChanged)
    Q_PROPERTY(QVariantList changes READ changesForQml NOTIFY stateChanged)
    Q_PROPERTY(int changeCount READ changeCount NOTIFY stateChanged)

public:
    enum class State { Idle, Determining, Ready, Restoring };

    struct Hooks
    {
        // Refreshes the blocks and properties from the image.
        std::function<void()> refresh;
        // How registers are to be read on the connected device.
        std::function<KivSettingCatalog::Context()> context;
        // Starts sending the held writes as a file load does; the gate still holds them.
        std::function<void()> send;
    };

    KivLoadPreview(KivWriteGate *gate, QList<quint16> *image, Hooks hooks, QObject *parent = nullptr);

    State state() const { return m_state; }
    bool isOpen() const { return m_state == State::Determining || m_state == State::Ready; }
    bool isBusy() const { return m_state == State::Determining; }
    bool isIdle() const { return m_state == State::Idle; }
    QString fileName() const { return m_fileName; }
    const QList<KivSettingCatalog::Change> &changes() const { return m_changes; }
    QVariantList changesForQml() const;
    int changeCount() const { return int(m_changes.size()); }
    bool isJson() const { return m_json; }

    // Runs apply() (which loads the file into the blocks or the image) with the writes held.
    // False, with everything as before, when apply() fails or a preview is still running.
    bool start(const QString &fileName, bool json, const std::function<bool()> &apply);
    // The device is gone: nothing is sent and nothing needs restoring.
    void abort();

public slots:
    void confirm();
    void cancel();

signals:
    void stateChanged();
    // The held writes have started to leave.
    void confirmed();
    void cancelled();

private:
    void onSettled();
    void determine();
    void setState(State state);

    KivWriteGate *m_gate = nullptr;
    QList<quint16> *m_image = nullptr;
    Hooks m_hooks;
    State m_state = State::Idle;
    QList<quint16> m_snapshot;
    QList<KivSettingCatalog::Change> m_changes;
    QString m_fileName;
    bool m_json = false;
};
