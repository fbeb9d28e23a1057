#include "KivBackendProperty.h"
#include "KivBlockSet.h"
#include "KivDatenblock.h"
#include "KivDeviceSetup.h"
#include "KivRegisterText.h"
#include "KivTlfBlock.h"
#include "KivWriteGate.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

// The function blocks built from the simulation image, and the traffic light's channel labels.
class tst_KivBlockSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void createRefreshClear_keepsBlocksUntilTheDeviceGoes();
    void channelLabels_validChannelsWithSuffixAndUnit();
    void blockWrites_passTheGate();

private:
    QList<quint16> m_image;
};

namespace {
struct Rig
{
    explicit Rig(const QList<quint16> &deviceImage)
        : image(deviceImage)
    {
        device.updateFromImage(image);
    }
    QList<quint16> image;
    KivBackendProperty state;
    KivDeviceSetup device;
    KivWriteGate gate{&state, &image};
    KivBlockSet blocks{&state, &device, &gate};
};
} // namespace

void tst_KivBlockSet::initTestCase()
{
    bool found = false;
    m_image = readRegisterText(qEnvironmentVariable("ORVANE_SOURCE_DIR") +
                                   QStringLiteral("/kiv/resources/testdata/KivTestData.txt"),
                               5000, &found);
    QVERIFY2(found, "simulation image not found (ORVANE_SOURCE_DIR)");
    QVERIFY(m_image.at(0) >= 1);
}

void tst_KivBlockSet::createRefreshClear_keepsBlocksUntilTheDeviceGoes()
{
    Rig rig(m_image);
    rig.blocks.createOrRefresh(rig.image, rig.image.at(0));
    const QList<KivDatenblock *> first = rig.blocks.dataBlocks();
    QVERIFY(!first.isEmpty());
    QVERIFY(first.size() <= rig.image.at(0));
    QVERIFY(rig.blocks.tlf() && rig.blocks.lcd() && rig.blocks.lora() && rig.blocks.expert());
    QPointer<KivTlfBlock> tlf = rig.blocks.tlf();

    // A refresh keeps every object the pages hold.
    rig.blocks.createOrRefresh(rig.image, rig.image.at(0));
    QCOMPARE(rig.blocks.dataBlocks(), first);
    QCOMPARE(rig.blocks.tlf(), tlf.data());

    // A device reporting fewer blocks loses the others.
    rig.blocks.createOrRefresh(rig.image, 1);
    QCOMPARE(rig.blocks.dataBlocks().size(), 1);
    QCOMPARE(rig.blocks.dataBlocks().first(), first.first());

    rig.blocks.clear();
    QVERIFY(rig.blocks.dataBlocks().isEmpty());
    QVERIFY(!rig.blocks.tlf() && !rig.blocks.lcd() && !rig.blocks.expert());
    QVERIFY(rig.blocks.lora());
    QTRY_VERIFY(tlf.isNull());
}

void tst_KivBlockSet::channelLabels_validChannelsWithSuffixAndUnit()
{
    Rig rig(m_image);
    rig.blocks.createOrRefresh(rig.image, rig.image.at(0));
    QList<QObject *> channels;
    for (KivDatenblock *block : rig.blocks.dataBlocks())
        channels.append(block);
    KivDatenblock placeholder(1);
    channels.insert(1, &placeholder);

    QStringList labels = KivBlockSet::channelLabels(channels);
    QCOMPARE(labels.size(), rig.blocks.dataBlocks().size() + 1);
    QCOMPARE(labels.first(), QStringLiteral("Keine Auswahl"));
    KivDatenblock *block = rig.blocks.dataBlocks().first();
    const QString plain = Enums::typeToString(block->type()) + QStringLiteral(" (") +
        Enums::unitToString(block->unit()) + QLatin1Char(')');
    QCOMPARE(labels.at(1), plain);

    block->setMultiSuffix(2);
    QVERIFY(KivBlockSet::channelLabels(channels).at(1).startsWith(Enums::typeToString(block->type()) + " 2 ("));
    block->setMultiSuffix(3);
    block->setParameter0(2);
    QVERIFY(KivBlockSet::channelLabels(channels).at(1).contains(QStringLiteral(" mix min (")));

    // The traffic light gets the same list.
    rig.blocks.updateChannelLabels(channels);
    QCOMPARE(rig.blocks.tlf()->model(), KivBlockSet::channelLabels(channels));
}

void tst_KivBlockSet::blockWrites_passTheGate()
{
    Rig rig(m_image);
    rig.blocks.createOrRefresh(rig.image, rig.image.at(0));
    QSignalSpy writes(&rig.gate, &KivWriteGate::writeMultiRegister);
    KivDatenblock *block = rig.blocks.dataBlocks().first();
    const quint32 channel = block->channel();
    block->setChannel(channel + 1);
    QCOMPARE(writes.count(), 0); // not connected: dropped

    rig.state.setConnected(true);
    rig.state.setUpdateOngoing(true);
    block->setChannel(channel + 2);
    QCOMPARE(writes.count(), 1);
    QVERIFY(writes.last().at(0).toUInt() > block->baseRegister());
    QCOMPARE(writes.last().at(1).value<QList<quint16>>().first(), quint16(channel + 2));
}

QTEST_MAIN(tst_KivBlockSet)
#include "tst_KivBlockSet.moc"
