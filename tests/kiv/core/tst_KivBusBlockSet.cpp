#include "KivBackendProperty.h"
#include "KivBlockSet.h"
#include "KivDatenblock.h"
#include "KivDefaultImage.h"
#include "KivDeviceSetup.h"
#include "KivLoraBlock.h"
#include "KivRs485.h"
#include "KivWriteGate.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
// The block set of one connected device whose write gate is open.
struct Rig
{
    explicit Rig(KivDefaultImage::Variant variant)
        : image(KivDefaultImage::build(variant))
    {
        state.setConnected(true);
        state.setUpdateOngoing(true);
        load(variant);
    }
    void load(KivDefaultImage::Variant variant)
    {
        image = KivDefaultImage::build(variant);
        device.updateFromImage(image);
        blocks.createOrRefresh(image, image.at(0));
    }
    QList<quint16> image;
    KivBackendProperty state;
    KivDeviceSetup device;
    KivWriteGate gate{&state, &image};
    KivBlockSet blocks{&state, &device, &gate};
};
using V = KivDefaultImage::Variant;
} // namespace

// Which boards get a bus block, and which blocks may write into the registers from 144 on.
class tst_KivBusBlockSet : public QObject
{
    Q_OBJECT

private slots:
    void busBlock_onlyOnBusBoards_staleOneNeverWrites();
    void busBlock_followsTheDevicesMeasures();
    void loraBlock_writesOnlyOnLoRaBoards();
};

void tst_KivBusBlockSet::busBlock_onlyOnBusBoards_staleOneNeverWrites()
{
    for (V variant : {V::Standard, V::Relay, V::Lora})
        QVERIFY(!Rig(variant).blocks.rs485());

    Rig rig(V::Modbus);
    QPointer<KivRs485> bus = rig.blocks.rs485();
    QVERIFY(bus);
    QVERIFY(!bus->isBacNet());
    QSignalSpy writes(&rig.gate, &KivWriteGate::writeMultiRegister);
    bus->setDeviceId(18);
    QCOMPARE(writes.count(), 1);

    // Another device with a relay board, whose relay registers lie where the bus settings were.
    rig.load(V::Relay);
    QVERIFY(!rig.blocks.rs485());
    QVERIFY(bus); // still there for a page that holds it until the event loop runs
    writes.clear();
    bus->setDeviceId(19);
    bus->setDescription(QStringLiteral("stale"));
    bus->setIncrementValue(Enums::Temperatur, 3.0f);
    QCOMPARE(writes.count(), 0);
    QTRY_VERIFY(bus.isNull());

    // After a disconnect a BACnet device gets a fresh block in BACnet mode; the next
    // disconnect removes it.
    rig.blocks.clear();
    rig.load(V::BACnet);
    QVERIFY(rig.blocks.rs485() && rig.blocks.rs485()->isBacNet());
    QCOMPARE(rig.blocks.rs485()->description(), QStringLiteral("Besprechungsraum 2.14"));
    rig.blocks.clear();
    QVERIFY(!rig.blocks.rs485());
}

void tst_KivBusBlockSet::busBlock_followsTheDevicesMeasures()
{
    Rig rig(V::BACnet);
    KivRs485 *bus = rig.blocks.rs485();
    QVERIFY(bus);
    QCOMPARE(bus->getIncrementValue(Enums::CO2), 50.0f);
    const qsizetype listed = bus->covIncrements().size();

    // The device now reports its CO2 block as empty: the increment list drops it.
    QList<quint16> image = rig.image;
    for (int i = 0; i < 8; ++i) {
        const uint typeReg = 1000 + 100 * i + 8;
        if (image.at(typeReg) == Enums::CO2)
            image[typeReg] = 0;
    }
    rig.blocks.createOrRefresh(image, image.at(0));
    QCOMPARE(rig.blocks.rs485(), bus);
    QCOMPARE(bus->covIncrements().size(), listed - 1);
    QCOMPARE(bus->getIncrementValue(Enums::CO2), -1.0f);
}

void tst_KivBusBlockSet::loraBlock_writesOnlyOnLoRaBoards()
{
    Rig rig(V::Relay);
    KivLoraBlock *lora = rig.blocks.lora();
    QVERIFY(lora);
    QSignalSpy writes(&rig.gate, &KivWriteGate::writeMultiRegister);
    lora->setPort(5);
    QVERIFY(!lora->appEuiFromHex(QStringLiteral("0102030405060708")));
    QCOMPARE(writes.count(), 0);

    rig.load(V::Lora);
    QCOMPARE(lora->devEUI(), QStringLiteral("70 B3 D5 7E D0 05 A1 2C"));
    writes.clear();
    lora->setPort(7);
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.first().at(0).toUInt(), 166u);
}

QTEST_GUILESS_MAIN(tst_KivBusBlockSet)
#include "tst_KivBusBlockSet.moc"
