#include "Functions.h"
#include "KivBackendProperty.h"
#include "KivDatenblock.h"
#include "KivDeviceSetup.h"
#include "KivOutputAssignment.h"

#include <QSignalSpy>
#include <QTest>

namespace {
constexpr int kImageSize = 5000;

struct BlockSpec
{
    Enums::TypeDatenblock type = Enums::Temperatur;
    quint32 channel = 0;
    int multiSuffix = 0;
    qint32 parameter0 = 0;
    Enums::UnitDatenBlock unit = Enums::Grad_C;
};

void putWord32(QList<quint16> &image, uint reg, quint32 value)
{
    const QList<quint16> words = Functions::fromUInt32(value);
    image[int(reg)] = words.at(0);
    image[int(reg) + 1] = words.at(1);
}

// The back end as the assignment sees it: its list of data blocks and its poll flag.
class FakeBackend : public KivBackendProperty
{
public:
    void setBlocks(const QList<KivDatenblock *> &blocks)
    {
        m_dataBlocks.clear();
        for (KivDatenblock *block : blocks)
            m_dataBlocks << block;
    }
};

struct Device
{
    FakeBackend backend;
    KivDeviceSetup setup;
    KivOutputAssignment *outputs = new KivOutputAssignment(&backend, &setup);
    QList<KivDatenblock *> blocks;

    void build(const QList<BlockSpec> &specs)
    {
        QList<quint16> image(kImageSize, 0);
        for (int i = 0; i < specs.size(); ++i) {
            const uint base = KivDatenblock::baseRegisterOf(i);
            putWord32(image, base + KivDatenblock::kOffType, quint32(specs.at(i).type));
            putWord32(image, base + KivDatenblock::kOffUnit, quint32(specs.at(i).unit));
            putWord32(image, base + KivDatenblock::kOffChannel, specs.at(i).channel);
            putWord32(image, base + KivDatenblock::kOffParameter0, quint32(specs.at(i).parameter0));
        }
        for (int i = 0; i < specs.size(); ++i) {
            auto *block = new KivDatenblock(image, KivDatenblock::baseRegisterOf(i), i, &setup, &backend);
            block->setMultiSuffix(specs.at(i).multiSuffix);
            blocks << block;
        }
        backend.setBlocks(blocks);
        outputs->updateAvailableOutputs();
    }

    KivDatenblock *entry(int output) const
    {
        return qobject_cast<KivDatenblock *>(outputs->activeChannels().value(output - 1));
    }
};

const QString kNone = QStringLiteral("Keine Belegung");
const QString kTemperature = QStringLiteral("Temperatur");
} // namespace

class tst_KivOutputAssignment : public QObject
{
    Q_OBJECT

private slots:
    void unassignedBlocks_givePlaceholdersForEveryOutput();
    void assignedBlocks_ownTheirOutputAndAreCounted();
    void mixBlock_offersThreeVariantsSelectedByParameter0();
    void zr07_neverOffersTheCondensateSensor();
    void newOutputSelection_writesChannelRegisters();
    void newOutputSelection_busyAndPollingBlockFurtherSelections();
    void changeActiveChannel_handlesMixVariantsAndRemoval();
    void rebuild_dropsOldPlaceholders();
};

void tst_KivOutputAssignment::unassignedBlocks_givePlaceholdersForEveryOutput()
{
    Device device;
    device.build({BlockSpec{}, BlockSpec{}});

    const QList<QObject *> entries = device.outputs->activeChannels();
    QCOMPARE(entries.size(), 4);
    for (int output = 1; output <= 4; ++output) {
        KivDatenblock *entry = device.entry(output);
        QVERIFY(entry);
        QVERIFY(!device.blocks.contains(entry));
        QVERIFY(!entry->isValid());
        QCOMPARE(entry->getIndex(), -1);
        QCOMPARE(entry->channel(), quint32(output));
        QCOMPARE(entry->parent(), &device.backend);
        QCOMPARE(entry->otherChannels(), QStringList({kNone, kTemperature, kTemperature}));
        QCOMPARE(entry->channelIndex(), 0);
    }
    QCOMPARE(device.outputs->validActiveChannels(), 0);
    QCOMPARE(device.outputs->activeChannelsSize(), 0);
    QCOMPARE(device.outputs->getActiveChannel(0), nullptr);
    QCOMPARE(device.outputs->unitOfChannel(1), Enums::MAX2);
}

void tst_KivOutputAssignment::assignedBlocks_ownTheirOutputAndAreCounted()
{
    Device device;
    BlockSpec humidity{Enums::Relative_Feuchte, 3, 0, 0, Enums::Prozent};
    BlockSpec second{Enums::Temperatur, 0, 2};
    BlockSpec first{Enums::Temperatur, 1, 1};
    device.build({humidity, second, first});

    // A block assigned elsewhere is not offered; the owner's entry is selected.
    KivDatenblock *out1 = device.entry(1);
    QCOMPARE(out1, device.blocks.at(2));
    QCOMPARE(out1->otherChannels(), QStringList({kNone, "Temperatur 2", "Temperatur 1"}));
    QCOMPARE(out1->channelIndex(), 2);
    QCOMPARE(device.entry(3), device.blocks.at(0));
    QCOMPARE(device.entry(3)->otherChannels(), QStringList({kNone, "Relative Feuchte", "Temperatur 2"}));
    QCOMPARE(device.entry(3)->channelIndex(), 1);
    QVERIFY(!device.entry(2)->isValid());

    QCOMPARE(device.outputs->validActiveChannels(), 2);
    QCOMPARE(device.outputs->getActiveChannel(0), device.blocks.at(2));
    QCOMPARE(device.outputs->getActiveChannel(1), device.blocks.at(0));
    QCOMPARE(device.outputs->getActiveChannel(2), nullptr);
    QCOMPARE(device.outputs->unitOfChannel(3), Enums::Prozent);
}

void tst_KivOutputAssignment::mixBlock_offersThreeVariantsSelectedByParameter0()
{
    Device device;
    device.build({BlockSpec{}, BlockSpec{Enums::CO2_VOC, 2, 3, 3, Enums::ppm}});

    KivDatenblock *out2 = device.entry(2);
    QCOMPARE(out2, device.blocks.at(1));
    QCOMPARE(out2->otherChannels(), QStringList({kNone, kTemperature, "CO2/VOC mix", "CO2/VOC min", "CO2/VOC max"}));
    QCOMPARE(out2->channelIndex(), 4);
    QCOMPARE(device.entry(1)->otherChannels(), QStringList({kNone, kTemperature}));

    device.blocks.at(1)->setParameter0(1);
    device.outputs->updateAvailableOutputs();
    QCOMPARE(device.entry(2)->channelIndex(), 2);

    // A variant the device does not know must not select another block's entry.
    device.blocks.at(1)->setParameter0(0);
    device.outputs->updateAvailableOutputs();
    QCOMPARE(device.entry(2)->channelIndex(), 2);
}

void tst_KivOutputAssignment::zr07_neverOffersTheCondensateSensor()
{
    Device device;
    device.setup.setIsZR07Plus(true);
    device.build({BlockSpec{Enums::Kondensat}, BlockSpec{}});
    QCOMPARE(device.entry(1)->otherChannels(), QStringList({kNone, kTemperature}));

    // The first offered source is the temperature block, not the hidden condensate block.
    device.outputs->newOutputSelection(1, 1);
    QCOMPARE(device.blocks.at(1)->channel(), 1u);
    QCOMPARE(device.blocks.at(0)->channel(), 0u);

    Device other;
    other.build({BlockSpec{Enums::Kondensat}});
    QCOMPARE(other.entry(1)->otherChannels(), QStringList({kNone, "Kondensat"}));
}

void tst_KivOutputAssignment::newOutputSelection_writesChannelRegisters()
{
    Device device;
    device.build({BlockSpec{Enums::Temperatur, 1}, BlockSpec{Enums::Relative_Feuchte}});
    QSignalSpy oldWrites(device.blocks.at(0), &KivDatenblock::writeMultipleRegisters);
    QSignalSpy newWrites(device.blocks.at(1), &KivDatenblock::writeMultipleRegisters);
    QSignalSpy changed(device.outputs, &KivOutputAssignment::activeChannelsChanged);

    // The entry that is already selected writes nothing.
    device.outputs->newOutputSelection(1, 1);
    QCOMPARE(oldWrites.count() + newWrites.count(), 0);
    QCOMPARE(changed.count(), 0);
    QTRY_VERIFY(!device.outputs->isBusy());

    device.outputs->newOutputSelection(1, 2);
    QCOMPARE(oldWrites.count(), 1);
    QCOMPARE(oldWrites.at(0).at(0).toUInt(), 1000u + KivDatenblock::kOffChannel);
    QCOMPARE(oldWrites.at(0).at(1).value<QList<quint16>>(), QList<quint16>({0, 0}));
    QCOMPARE(newWrites.count(), 1);
    QCOMPARE(newWrites.at(0).at(0).toUInt(), 1100u + KivDatenblock::kOffChannel);
    QCOMPARE(newWrites.at(0).at(1).value<QList<quint16>>(), QList<quint16>({1, 0}));
    QCOMPARE(device.entry(1), device.blocks.at(1));
    QCOMPARE(device.entry(1)->channelIndex(), 2);
    QVERIFY(changed.count() >= 1);
    QTRY_VERIFY(!device.outputs->isBusy());

    // "Keine Belegung" frees the output; an index beyond the offered sources changes nothing.
    device.outputs->newOutputSelection(1, 7);
    QCOMPARE(device.blocks.at(1)->channel(), 1u);
    device.outputs->newOutputSelection(1, 0);
    QCOMPARE(device.blocks.at(1)->channel(), 0u);
    QVERIFY(!device.entry(1)->isValid());
}

void tst_KivOutputAssignment::newOutputSelection_busyAndPollingBlockFurtherSelections()
{
    Device device;
    device.build({BlockSpec{}, BlockSpec{}});
    QSignalSpy busy(device.outputs, &KivOutputAssignment::busyChanged);

    device.outputs->newOutputSelection(1, 1);
    QVERIFY(device.outputs->isBusy());
    // A second choice before the first has settled is dropped.
    device.outputs->newOutputSelection(2, 2);
    QCOMPARE(device.blocks.at(1)->channel(), 0u);
    QTRY_VERIFY(!device.outputs->isBusy());
    QCOMPARE(busy.count(), 2);
    QCOMPARE(device.blocks.at(0)->channel(), 1u);

    device.backend.setDoPoll(true);
    device.outputs->newOutputSelection(2, 2);
    QCOMPARE(device.blocks.at(1)->channel(), 0u);
    QVERIFY(!device.outputs->isBusy());
}

void tst_KivOutputAssignment::changeActiveChannel_handlesMixVariantsAndRemoval()
{
    Device device;
    device.build({BlockSpec{Enums::Temperatur, 2}, BlockSpec{Enums::CO2_VOC, 0, 3, 1}, BlockSpec{Enums::VOC}});
    KivDatenblock *temperature = device.blocks.at(0);
    KivDatenblock *mix = device.blocks.at(1);
    KivDatenblock *voc = device.blocks.at(2);
    QCOMPARE(device.entry(2)->otherChannels(),
             QStringList({kNone, kTemperature, "CO2/VOC mix", "CO2/VOC min", "CO2/VOC max", "VOC"}));
    QSignalSpy mixWrites(mix, &KivDatenblock::writeMultipleRegisters);

    // Entry 3 is the mix block's "min" variant: channel and parameter0 are written.
    device.outputs->changeActiveChannel(0, 2, 3);
    QCOMPARE(mix->channel(), 2u);
    QCOMPARE(mix->parameter0(), 2);
    QCOMPARE(temperature->channel(), 0u);
    QCOMPARE(mixWrites.count(), 2);
    QCOMPARE(device.entry(2), mix);
    QCOMPARE(device.entry(2)->channelIndex(), 3);

    // Switching between the block's own variants keeps its output.
    device.outputs->changeActiveChannel(1, 2, 4);
    QCOMPARE(mix->channel(), 2u);
    QCOMPARE(mix->parameter0(), 3);

    // The block after the mix block counts past all three variants.
    device.outputs->changeActiveChannel(1, 2, 5);
    QCOMPARE(voc->channel(), 2u);
    QCOMPARE(mix->channel(), 0u);

    // Already selected: nothing; unknown old block or source: nothing.
    mixWrites.clear();
    device.outputs->changeActiveChannel(2, 2, 5);
    device.outputs->changeActiveChannel(9, 2, 1);
    device.outputs->changeActiveChannel(2, 2, 42);
    QCOMPARE(voc->channel(), 2u);
    QCOMPARE(mixWrites.count(), 0);

    // 0 frees the output; from a placeholder (-1) the walk runs without an old block.
    device.outputs->changeActiveChannel(2, 2, 0);
    QCOMPARE(voc->channel(), 0u);
    device.outputs->changeActiveChannel(-1, 4, 1);
    QCOMPARE(temperature->channel(), 4u);
    QCOMPARE(device.entry(4), temperature);
}

void tst_KivOutputAssignment::rebuild_dropsOldPlaceholders()
{
    Device device;
    device.build({BlockSpec{}});
    QPointer<QObject> placeholder = device.outputs->activeChannels().at(3);
    device.outputs->updateAvailableOutputs();
    QTRY_VERIFY(placeholder.isNull());
    QCOMPARE(device.outputs->activeChannels().size(), 4);

    device.outputs->clear();
    QVERIFY(device.outputs->activeChannels().isEmpty());
}

QTEST_GUILESS_MAIN(tst_KivOutputAssignment)
#include "tst_KivOutputAssignment.moc"
