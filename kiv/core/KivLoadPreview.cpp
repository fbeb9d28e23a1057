#include "KivLoadPreview.h"

#include <QLoggingCategory>
#include <QSet>
#include <QVariantMap>

#include <utility>

Q_LOGGING_CATEGORY(lcKivLoadPreview, "kiv.loadpreview")

KivLoadPreview::KivLoadPreview(KivWriteGate *gate, QList<quint16> *image, Hooks hooks, QObject *parent)
    : QObject(parent)
    , m_gate(gate)
    , m_image(image)
    , m_hooks(std::move(hooks))
{
    connect(m_gate, &KivWriteGate::captureSettled, this, &KivLoadPreview::onSettled);
}

QVariantList KivLoadPreview::changesForQml() const
{
    QVariantList list;
    for (const KivSettingCatalog::Change &change : m_changes) {
        list.append(QVariantMap{{QStringLiteral("name"), change.name},
                                {QStringLiteral("deviceValue"), change.deviceValue},
                                {QStringLiteral("fileValue"), change.fileValue},
                                {QStringLiteral("firstRegister"), change.firstRegister},
                                {QStringLiteral("lastRegister"), change.lastRegister}});
    }
    return list;
}

bool KivLoadPreview::start(const QString &fileName, bool json, const std::function<bool()> &apply)
{
    if (m_state != State::Idle || m_gate->isCapturing() || m_gate->pendingWrites() > 0)
        return false;
    m_snapshot = *m_image;
    m_fileName = fileName;
    m_json = json;
    m_changes.clear();
    m_gate->beginCapture();
    if (!apply()) {
        // A refused file has set nothing; should one have set something, it is put back with the
        // writes still held, as after a cancel.
        if (*m_image == m_snapshot && m_gate->pendingWrites() == 0) {
            m_gate->clear();
            return false;
        }
        *m_image = m_snapshot;
        setState(State::Restoring);
        m_gate->beginCapture();
        m_hooks.refresh();
        return false;
    }
    setState(State::Determining);
    return true;
}

void KivLoadPreview::abort()
{
    if (m_state == State::Idle)
        return;
    m_changes.clear();
    setState(State::Idle);
}

void KivLoadPreview::onSettled()
{
    if (m_state == State::Determining) {
        determine();
        setState(State::Ready);
    } else if (m_state == State::Restoring) {
        // The blocks have written their own values back into the held queue; none of it leaves.
        m_gate->endCapture(false);
        setState(State::Idle);
    }
}

void KivLoadPreview::determine()
{
    // What the device would hold once the writes left in the order the gate sends them.
    QList<quint16> after = m_snapshot;
    for (const KivWriteGate::Write &write : m_gate->queuedWrites()) {
        for (qsizetype i = 0; i < write.second.size(); ++i) {
            const qsizetype reg = qsizetype(write.first) + i;
            if (reg < after.size())
                after[reg] = write.second.at(i);
        }
    }
    QSet<uint> changed;
    for (qsizetype reg = 0; reg < after.size(); ++reg) {
        if (after.at(reg) != m_snapshot.at(reg))
            changed.insert(uint(reg));
    }
    // Writes that only repeat what the device holds stay behind.
    m_gate->retainWrites([&changed](const KivWriteGate::Write &write) {
        for (qsizetype i = 0; i < write.second.size(); ++i) {
            if (changed.contains(write.first + uint(i)))
                return true;
        }
        return false;
    });
    m_changes = KivSettingCatalog::changes(m_snapshot, after, changed, m_hooks.context());
    qCDebug(lcKivLoadPreview) << m_fileName << "changes" << m_changes.size() << "settings in" << changed.size()
                              << "registers";
}

void KivLoadPreview::confirm()
{
    if (m_state != State::Ready)
        return;
    if (m_changes.isEmpty()) {
        cancel();
        return;
    }
    setState(State::Idle);
    m_hooks.send();
    m_gate->endCapture(true);
    emit confirmed();
}

void KivLoadPreview::cancel()
{
    if (m_state != State::Determining && m_state != State::Ready)
        return;
    m_changes.clear();
    *m_image = m_snapshot;
    setState(State::Restoring);
    // Held until the blocks have settled on the device's values again, then dropped.
    m_gate->beginCapture();
    m_hooks.refresh();
    emit cancelled();
}

void KivLoadPreview::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}
