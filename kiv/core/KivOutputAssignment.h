#pragma once

#include "Enums.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class KivBackendProperty;
class KivDatenblock;
class KivDeviceSetup;

// Which measuring channel drives each of the four analogue outputs. Keeps one entry per output
// (the data block whose channel names the output, or a placeholder), the selectable sources per
// output, and applies the user's choice by setting the blocks' channel (and, for mix blocks,
// parameter0), which the blocks write to the device themselves.
//
// The data blocks are read from the back end's dataBlocks list on every call, so the list never
// goes stale; the back end mirrors activeChannels() on activeChannelsChanged.
class KivOutputAssignment : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool busy READ isBusy NOTIFY busyChanged)

public:
    static constexpr int kOutputCount = 4;
    // multiSuffix of a block that mixes two sensors and offers three variants.
    static constexpr int kMixSuffix = 3;

    // backend is the parent and owns the placeholders; deviceSetup is not owned and may be null.
    KivOutputAssignment(KivBackendProperty *backend, KivDeviceSetup *deviceSetup);

    // Type text plus suffix: " 1", " 2" or " mix".
    static QString sourceText(const KivDatenblock *block);

    QList<QObject *> activeChannels() const;
    bool isBusy() const { return m_busy; }

    void updateAvailableOutputs();
    // Output c takes the k-th block offered for it (from 1; 0 = none).
    void newOutputSelection(int outputSelection, int newIndex);
    // Like newOutputSelection, counting mix variants; oldBlockIndex is the index of the block
    // that currently drives the output, or -1.
    void changeActiveChannel(int oldBlockIndex, int activeChannelId, int newIndex);
    QObject *getActiveChannel(int index) const;
    int activeChannelsSize() const;
    int validActiveChannels() const;
    Enums::UnitDatenBlock unitOfChannel(int channel) const;
    // Deletes the placeholders and empties the list (the back end is about to drop its blocks).
    void clear();

signals:
    void activeChannelsChanged();
    void busyChanged(bool busy);

private:
    QList<KivDatenblock *> dataBlocks() const;
    bool isOffered(const KivDatenblock *block, quint32 output) const;
    KivDatenblock *blockWithIndex(int index) const;
    void setBusy(bool busy);
    void dropPlaceholders();

    KivBackendProperty *m_backend = nullptr;
    QPointer<KivDeviceSetup> m_deviceSetup;
    QList<QPointer<KivDatenblock>> m_activeChannels;
    QList<QPointer<KivDatenblock>> m_placeholders;
    bool m_busy = false;
};
