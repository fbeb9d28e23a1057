#include "KivDefaultImage.h"
#include "KivDeviceModel.h"
#include "KivModbusSlave.h"

#include <QTest>

class tst_KivModbusSlave : public QObject
{
    Q_OBJECT
private slots:
    void readHolding_returnsBigEndianWords();
    void illegalRequests_answerWithException_data();
    void illegalRequests_answerWithException();
    void writeSingle_echoesAndLands();
    void writeMultiple_answersStartAndCount();
};

void tst_KivModbusSlave::readHolding_returnsBigEndianWords()
{
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    KivModbusSlave slave(&model);
    const QByteArray answer = slave.handle(QByteArray::fromHex("0300000002"));
    QCOMPARE(answer.left(2), QByteArray::fromHex("0304"));
    QCOMPARE(answer.mid(2, 2), QByteArray::fromHex("0008")); // eight data blocks
    // The last readable register and the largest count are still fine.
    QCOMPARE(slave.handle(QByteArray::fromHex("0313870001")).at(0), char(3));
    QCOMPARE(slave.handle(QByteArray::fromHex("030000007d")).size(), 2 + 250);
}

void tst_KivModbusSlave::illegalRequests_answerWithException_data()
{
    QTest::addColumn<QByteArray>("pdu");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("read count 0") << QByteArray::fromHex("0300000000") << QByteArray::fromHex("8303");
    QTest::newRow("read count 126") << QByteArray::fromHex("030000007e") << QByteArray::fromHex("8303");
    QTest::newRow("read beyond 4999") << QByteArray::fromHex("0313870002") << QByteArray::fromHex("8302");
    QTest::newRow("read at 5000") << QByteArray::fromHex("0313880001") << QByteArray::fromHex("8302");
    QTest::newRow("read truncated") << QByteArray::fromHex("030000") << QByteArray::fromHex("8303");
    QTest::newRow("write single at 5000") << QByteArray::fromHex("0613880001") << QByteArray::fromHex("8602");
    QTest::newRow("write 124 registers") << (QByteArray::fromHex("100000007cf8") + QByteArray(248, '\0'))
                                         << QByteArray::fromHex("9003");
    QTest::newRow("write count 0") << QByteArray::fromHex("10000000000000") << QByteArray::fromHex("9003");
    QTest::newRow("write byte count mismatch")
        << QByteArray::fromHex("1000000002030001") << QByteArray::fromHex("9003");
    QTest::newRow("write beyond 4999") << QByteArray::fromHex("10138700020400010002") << QByteArray::fromHex("9002");
    QTest::newRow("input registers") << QByteArray::fromHex("0400000001") << QByteArray::fromHex("8401");
    QTest::newRow("coils") << QByteArray::fromHex("0100000001") << QByteArray::fromHex("8101");
}

void tst_KivModbusSlave::illegalRequests_answerWithException()
{
    QFETCH(QByteArray, pdu);
    QFETCH(QByteArray, answer);
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    const QList<quint16> before = model.registers();
    KivModbusSlave slave(&model);
    QCOMPARE(slave.handle(pdu), answer);
    QCOMPARE(model.registers(), before);
}

void tst_KivModbusSlave::writeSingle_echoesAndLands()
{
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    KivModbusSlave slave(&model);
    const QByteArray pdu = QByteArray::fromHex("06001e0190"); // altitude 400 m
    QCOMPARE(slave.handle(pdu), pdu);
    QCOMPARE(model.registers().at(30), quint16(400));
}

void tst_KivModbusSlave::writeMultiple_answersStartAndCount()
{
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    KivModbusSlave slave(&model);
    QCOMPARE(slave.handle(QByteArray::fromHex("10138600020412345678")), QByteArray::fromHex("1013860002"));
    QCOMPARE(model.registers().at(4998), quint16(0x1234));
    QCOMPARE(model.registers().at(4999), quint16(0x5678));
}

QTEST_GUILESS_MAIN(tst_KivModbusSlave)
#include "tst_KivModbusSlave.moc"
