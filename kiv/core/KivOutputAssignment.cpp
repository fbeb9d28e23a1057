#include "KivOutputAssignment.h"

#include "KivBackendProperty.h"
#include "KivDatenblock.h"
#include "KivDeviceSetup.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcKivOutputs, "kiv.outputs")

namespace {
// multiSuffix values that number two sensors of one measure.
constexpr int kFirstNumberedSuffix = 1;
constexpr int kLastNumberedSuffix = 2;
// A mix block offers three variants, selected through parameter0 = 1, 2, 3.
constexpr int kMixVariants = 3;
} // namespace

KivOutputAssignment::KivOutputAssignment(KivBackendProperty *backend, KivDeviceSetup *deviceSetup)
    : QObject(backend)
    , m_backend(backend)
    , m_deviceSetup(deviceSetup)
{
}

QString KivOutputAssignment::sourceText(const KivDatenblock *block)
{
    if (!block)
        return {};
    QString text = Enums::typeToString(block->type());
    const int suffix = block->multiSuffix();
    if (suffix >= kFirstNumberedSuffix && suffix <= kLastNumberedSuffix)
        text += QLatin1Char(' ') + QString::number(suffix);
    else if (suffix == kMixSuffix)
        text += QLatin1Char(' ') + tr("mix");
    return text;
}

QList<QObject *> KivOutputAssignment::activeChannels() const
{
    QList<QObject *> entries;
    for (const QPointer<KivDatenblock> &entry : m_activeChannels) {
        if (entry)
            entries << entry.data();
    }
    return entries;
}

QList<KivDatenblock *> KivOutputAssignment::dataBlocks() const
{
    QList<KivDatenblock *> blocks;
    if (!m_backend)
        return blocks;
    const QList<QObject *> objects = m_backend->dataBlocks().value<QList<QObject *>>();
    for (QObject *object : objects) {
        if (auto *block = qobject_cast<KivDatenblock *>(object))
            blocks << block;
    }
    return blocks;
}

bool KivOutputAssignment::isOffered(const KivDatenblock *block, quint32 output) const
{
    // ZR07 devices cannot drive an analogue output from the condensate sensor.
    if (m_deviceSetup && m_deviceSetup->isZR07Plus() && block->type() == Enums::Kondensat)
        return false;
    return block->channel() == 0 || block->channel() == output;
}

KivDatenblock *KivOutputAssignment::blockWithIndex(int index) const
{
    const QList<KivDatenblock *> blocks = dataBlocks();
    for (KivDatenblock *block : blocks) {
        if (block->getIndex() == index)
            return block;
    }
    return nullptr;
}

void KivOutputAssignment::dropPlaceholders()
{
    for (const QPointer<KivDatenblock> &placeholder : std::as_const(m_placeholders)) {
        if (placeholder)
            placeholder->deleteLater();
    }
    m_placeholders.clear();
}

void KivOutputAssignment::updateAvailableOutputs()
{
    dropPlaceholders();
    m_activeChannels.clear();
    emit activeChannelsChanged();

    const QList<KivDatenblock *> blocks = dataBlocks();
    for (quint32 output = 1; output <= kOutputCount; ++output) {
        QStringList options{tr("Keine Belegung")};
        KivDatenblock *owner = nullptr;
        int selected = 0;
        for (KivDatenblock *block : blocks) {
            if (!isOffered(block, output))
                continue;
            const int first = int(options.size());
            const bool mix = block->multiSuffix() == kMixSuffix;
            options << sourceText(block);
            if (mix) {
                const QString typeText = Enums::typeToString(block->type());
                options << typeText + QLatin1Char(' ') + tr("min") << typeText + QLatin1Char(' ') + tr("max");
            }
            if (!owner && block->channel() == output) {
                owner = block;
                selected = first;
                // A variant outside 1..3 would point at the entry of another block.
                if (mix && block->parameter0() >= 1 && block->parameter0() <= kMixVariants)
                    selected = first - 1 + block->parameter0();
            }
        }
        if (!owner) {
            QObject *placeholderParent = m_backend ? static_cast<QObject *>(m_backend) : this;
            owner = new KivDatenblock(output, placeholderParent);
            m_placeholders << owner;
        }
        owner->setOtherChannels(options);
        owner->setChannelIndex(selected);
        m_activeChannels << owner;
    }
    emit activeChannelsChanged();
}

void KivOutputAssignment::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit busyChanged(m_busy);
}

void KivOutputAssignment::newOutputSelection(int outputSelection, int newIndex)
{
    if (m_busy || (m_backend && m_backend->doPoll()))
        return;
    if (outputSelection < 1 || outputSelection > kOutputCount || newIndex < 0)
        return;
    const auto output = quint32(outputSelection);

    KivDatenblock *oldBlock = nullptr;
    KivDatenblock *newBlock = nullptr;
    int offered = 0;
    const QList<KivDatenblock *> blocks = dataBlocks();
    for (KivDatenblock *block : blocks) {
        if (!oldBlock && block->channel() == output)
            oldBlock = block;
        if (isOffered(block, output) && ++offered == newIndex && !newBlock)
            newBlock = block;
    }
    // A stale index from the page must not take the output from its current source.
    if (newIndex > offered) {
        qCWarning(lcKivOutputs) << "output" << outputSelection << "has no source" << newIndex;
        return;
    }

    setBusy(true);
    if (newBlock != oldBlock) {
        if (oldBlock)
            oldBlock->setChannel(0);
        if (newBlock)
            newBlock->setChannel(output);
        updateAvailableOutputs();
    }
    QMetaObject::invokeMethod(
        this, [this] { setBusy(false); }, Qt::QueuedConnection);
}

void KivOutputAssignment::changeActiveChannel(int oldBlockIndex, int activeChannelId, int newIndex)
{
    if (activeChannelId < 1 || activeChannelId > kOutputCount || newIndex < 0)
        return;
    const auto output = quint32(activeChannelId);

    // The page passes the block's own index (-1 for a placeholder); blocks of an unused type
    // are not kept, so the index is looked up rather than used as a list position.
    KivDatenblock *oldBlock = nullptr;
    if (oldBlockIndex != -1) {
        oldBlock = blockWithIndex(oldBlockIndex);
        if (!oldBlock)
            return;
        if (oldBlock->channelIndex() == newIndex)
            return;
        if (newIndex == 0) {
            if (oldBlock->isValid())
                oldBlock->setChannel(0);
            updateAvailableOutputs();
            return;
        }
    } else if (newIndex < 1) {
        return;
    }

    KivDatenblock *target = nullptr;
    int variant = 0;
    int counter = 1;
    const QList<KivDatenblock *> blocks = dataBlocks();
    for (KivDatenblock *block : blocks) {
        if (!isOffered(block, output))
            continue;
        if (block->multiSuffix() == kMixSuffix) {
            if (newIndex >= counter && newIndex < counter + kMixVariants) {
                target = block;
                variant = newIndex - counter + 1;
                break;
            }
            counter += kMixVariants;
        } else {
            if (newIndex == counter) {
                target = block;
                break;
            }
            ++counter;
        }
    }
    if (!target) {
        qCWarning(lcKivOutputs) << "output" << activeChannelId << "has no source" << newIndex;
        return;
    }

    // Busy like a plain selection: the page holds its controls until the list is renewed.
    setBusy(true);
    target->setChannel(output);
    if (variant > 0)
        target->setParameter0(variant);
    if (oldBlock && oldBlock != target && oldBlock->isValid())
        oldBlock->setChannel(0);
    updateAvailableOutputs();
    QMetaObject::invokeMethod(
        this, [this] { setBusy(false); }, Qt::QueuedConnection);
}

QObject *KivOutputAssignment::getActiveChannel(int index) const
{
    int position = 0;
    for (const QPointer<KivDatenblock> &entry : m_activeChannels) {
        if (!entry || entry->channel() == 0 || !entry->isValid())
            continue;
        if (position++ == index)
            return entry.data();
    }
    return nullptr;
}

int KivOutputAssignment::activeChannelsSize() const
{
    return validActiveChannels();
}

int KivOutputAssignment::validActiveChannels() const
{
    int count = 0;
    for (const QPointer<KivDatenblock> &entry : m_activeChannels) {
        if (entry && entry->isValid())
            ++count;
    }
    return count;
}

Enums::UnitDatenBlock KivOutputAssignment::unitOfChannel(int channel) const
{
    for (const QPointer<KivDatenblock> &entry : m_activeChannels) {
        if (entry && channel >= 0 && entry->channel() == quint32(channel))
            return entry->unit();
    }
    return Enums::MAX2;
}

void KivOutputAssignment::clear()
{
    dropPlaceholders();
    m_activeChannels.clear();
    emit activeChannelsChanged();
}
