#include "Functions.h"
#include "KivLoraBlock.h"

#include <QSignalSpy>
#include <QTest>

namespace {
using Writes = QList<QPair<uint, QList<quint16>>>;

Writes writesOf(const QSignalSpy &spy)
{
    Writes list;
    for (const QList<QVariant> &args : spy)
        list.append({args.at(0).toUInt(), args.at(1).value<QList<quint16>>()});
    return list;
}

// A LoRaWAN board's registers: identities 01..08, version 1.2.3, parameters 1..13 in order.
QList<quint16> loraImage()
{
    QList<quint16> image(206, 0);
    const QList<quint16> eui{0x0201, 0x0403, 0x0605, 0x0807};
    std::copy(eui.cbegin(), eui.cend(), image.begin() + 146);
    std::copy(eui.cbegin(), eui.cend(), image.begin() + 150);
    for (int i = 0; i < 8; ++i)
        image[154 + i] = quint16(0x1100 * (i + 1));
    image[162] = 0x0102;
    image[163] = 0x0300;
    for (uint reg = 164, value = 1; reg <= 186; reg += 2, ++value)
        image[reg] = quint16(value);
    image[204] = 1;
    return image;
}
} // namespace

class tst_KivLoraBlock : public QObject
{
    Q_OBJECT

private slots:
    void takeOver_identityVersionAndParameters();
    void takeOver_shortImageOrSameImage_changesNothing();
    void reset_thenSameImage_signalsAndWritesAgain();
    void parameters_writtenLowWordFirstOnlyWithWriteEnableAndBoard();
    void identityFromHex_exactDigitCountElseNothingWritten_data();
    void identityFromHex_exactDigitCountElseNothingWritten();
    void channelMask_unsignedHexAndBinaryRoundTrip();
    void controlCommand_resetSentEvenWhenAlreadyShown();
    void versionTexts();
};

void tst_KivLoraBlock::takeOver_identityVersionAndParameters()
{
    KivLoraBlock lora;
    lora.setData(loraImage());
    QVERIFY(lora.valid());
    QCOMPARE(lora.devEUI(), QStringLiteral("01 02 03 04 05 06 07 08"));
    QCOMPARE(lora.appEUI(), QStringLiteral("01 02 03 04 05 06 07 08"));
    QCOMPARE(lora.appKey(), QStringLiteral("00 11 00 22 00 33 00 44 00 55 00 66 00 77 00 88"));
    QCOMPARE(lora.version(), QStringLiteral("1.2.3"));
    QCOMPARE(lora.region(), 1);
    QCOMPARE(lora.port(), 2);
    QCOMPARE(lora.adr(), 3);
    QCOMPARE(lora.channelMask(), 6u);
    QCOMPARE(lora.controlCommands(), 11);
    QCOMPARE(lora.uplinkInterval(), 12);
    QCOMPARE(lora.ledActivation(), 1);
}

void tst_KivLoraBlock::takeOver_shortImageOrSameImage_changesNothing()
{
    KivLoraBlock lora;
    QSignalSpy writes(&lora, &KivLoraBlock::writeMultipleRegister);
    QSignalSpy devEui(&lora, &KivLoraBlock::devEUIChanged);
    lora.setData(loraImage().mid(0, 205));
    QVERIFY(!lora.valid());
    QCOMPARE(devEui.count(), 0);
    QCOMPARE(writes.count(), 0);

    lora.setData(loraImage());
    const int written = int(writes.count());
    QCOMPARE(written, 13); // each integer differed from 0
    lora.setData(loraImage());
    QCOMPARE(writes.count(), written);
    QCOMPARE(devEui.count(), 1);
}

void tst_KivLoraBlock::reset_thenSameImage_signalsAndWritesAgain()
{
    KivLoraBlock lora;
    lora.setData(loraImage());
    QSignalSpy writes(&lora, &KivLoraBlock::writeMultipleRegister);
    QSignalSpy port(&lora, &KivLoraBlock::portChanged);
    QSignalSpy version(&lora, &KivLoraBlock::versionChanged);
    lora.reset();
    QVERIFY(!lora.valid());
    QCOMPARE(lora.devEUI(), QString());
    QCOMPARE(lora.port(), 0);
    QCOMPARE(writes.count(), 0);
    QVERIFY(lora.writeEnabled());

    lora.setData(loraImage());
    QCOMPARE(port.count(), 2);
    QCOMPARE(version.count(), 2);
    QCOMPARE(writes.count(), 13);
}

void tst_KivLoraBlock::parameters_writtenLowWordFirstOnlyWithWriteEnableAndBoard()
{
    KivLoraBlock lora;
    lora.setData(loraImage());
    QSignalSpy writes(&lora, &KivLoraBlock::writeMultipleRegister);
    lora.setReJoinInterval(0x10002);
    lora.setHeartbeatTimer(60);
    lora.setDevEUI(QStringLiteral("AA")); // read only: stored, not written
    lora.setVersion(QStringLiteral("9.9.9"));
    QCOMPARE(writesOf(writes), (Writes{{178u, {0x0002, 0x0001}}, {182u, {60, 0}}}));

    // Another board's registers: the block follows them but never writes.
    lora.setBoardPresent(false);
    lora.setPort(99);
    QVERIFY(!lora.appEuiFromHex(QStringLiteral("0102030405060708")));
    QCOMPARE(lora.port(), 99);
    QCOMPARE(writes.count(), 2);
}

void tst_KivLoraBlock::identityFromHex_exactDigitCountElseNothingWritten_data()
{
    QTest::addColumn<bool>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("eui") << false << "0102030405060708" << true;
    QTest::newRow("eui as shown") << false << "01 02 03 04 05 06 07 08" << true;
    QTest::newRow("eui lower case, tabs") << false << "0102\t0304 0506 0708 " << true;
    QTest::newRow("eui 15 digits") << false << "010203040506070" << false;
    QTest::newRow("eui 18 digits") << false << "010203040506070809" << false;
    QTest::newRow("eui not hex") << false << "01020304050607GG" << false;
    QTest::newRow("eui sign") << false << "+102030405060708" << false;
    QTest::newRow("empty") << false << "" << false;
    QTest::newRow("key with blanks") << true << "2B 7E 15 16 28 AE D2 A6 AB F7 15 88 09 CF 4F 3C" << true;
    // Too long a key would run on into the version and region registers.
    QTest::newRow("key 36 digits") << true << "2B7E151628AED2A6ABF7158809CF4F3C01020304" << false;
    QTest::newRow("key 30 digits") << true << "2B7E151628AED2A6ABF7158809CF4F" << false;
}

void tst_KivLoraBlock::identityFromHex_exactDigitCountElseNothingWritten()
{
    QFETCH(bool, key);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    KivLoraBlock lora;
    lora.setData(loraImage());
    const QString before = key ? lora.appKey() : lora.appEUI();
    QSignalSpy writes(&lora, &KivLoraBlock::writeMultipleRegister);
    QSignalSpy errors(&lora, &KivLoraBlock::errorPlainText);

    QCOMPARE(key ? lora.appKeyFromHex(text) : lora.appEuiFromHex(text), accepted);
    if (!accepted) {
        QCOMPARE(writes.count(), 0);
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.first().first().toString().contains(key ? QStringLiteral("32") : QStringLiteral("16")));
        QCOMPARE(key ? lora.appKey() : lora.appEUI(), before);
        return;
    }
    QCOMPARE(errors.count(), 0);
    QCOMPARE(writes.count(), 1);
    const auto [reg, words] = writesOf(writes).first();
    if (key) {
        QCOMPARE(reg, 154u);
        QCOMPARE(words, (QList<quint16>{0x7E2B, 0x1615, 0xAE28, 0xA6D2, 0xF7AB, 0x8815, 0xCF09, 0x3C4F}));
        QCOMPARE(lora.appKey(), QStringLiteral("2B 7E 15 16 28 AE D2 A6 AB F7 15 88 09 CF 4F 3C"));
    } else {
        QCOMPARE(reg, 150u);
        QCOMPARE(words, (QList<quint16>{0x0201, 0x0403, 0x0605, 0x0807}));
        QCOMPARE(lora.appEUI(), QStringLiteral("01 02 03 04 05 06 07 08"));
        // The text read back gives the same registers.
        QList<quint16> again;
        QVERIFY(KivLoraBlock::hexToRegisters(KivLoraBlock::identityText(words), 4, &again));
        QCOMPARE(again, words);
    }
}

void tst_KivLoraBlock::channelMask_unsignedHexAndBinaryRoundTrip()
{
    KivLoraBlock lora;
    QSignalSpy writes(&lora, &KivLoraBlock::writeMultipleRegister);
    QSignalSpy errors(&lora, &KivLoraBlock::errorPlainText);
    QVERIFY(lora.channelMaskFromHex(QStringLiteral("00FF")));
    QCOMPARE(lora.channelMask(), 0x00FFu);
    QVERIFY(lora.channelMaskFromHex(QStringLiteral("00FF"), true));
    QCOMPARE(lora.channelMask(), 0xFF00u);
    QVERIFY(lora.channelMaskFromBin(QStringLiteral("0000000011111111")));
    QCOMPARE(lora.channelMask(), 0x00FFu);
    QCOMPARE(lora.channelMaskBin(), QStringLiteral("0000 0000 0000 0000 0000 0000 1111 1111"));

    // The top bit is a channel like any other: no sign, no overflow, low word first.
    for (quint32 mask : {0xFFFFFFFFu, 0x80000001u, 0x0001FFFEu}) {
        writes.clear();
        lora.setChannelMask(mask);
        const QString bin = lora.channelMaskBin();
        QCOMPARE(writesOf(writes).last(), (QPair<uint, QList<quint16>>(174u, Functions::fromUInt32(mask))));
        lora.setChannelMask(0);
        QVERIFY(lora.channelMaskFromBin(bin));
        QCOMPARE(lora.channelMask(), mask);
        QCOMPARE(writesOf(writes).last().second, Functions::fromUInt32(mask));
    }
    KivLoraBlock fromDevice;
    QList<quint16> image = loraImage();
    image[174] = 0xFFFF;
    image[175] = 0xFFFF;
    fromDevice.setData(image);
    QCOMPARE(fromDevice.channelMask(), 0xFFFFFFFFu);
    QCOMPARE(fromDevice.channelMaskHex(), QStringLiteral("0xFFFFFFFF"));

    // Texts that are no mask change nothing.
    lora.setChannelMask(5);
    writes.clear();
    for (const QString &bad :
         {QStringLiteral("012"), QStringLiteral("1 0000 0000 0000 0000 0000 0000 0000 0000"), QString()})
        QVERIFY(!lora.channelMaskFromBin(bad));
    for (const QString &bad : {QStringLiteral("123456789"), QStringLiteral("FFXF"), QString()})
        QVERIFY(!lora.channelMaskFromHex(bad));
    QCOMPARE(lora.channelMask(), 5u);
    QCOMPARE(writes.count(), 0);
    QCOMPARE(errors.count(), 6);
}

void tst_KivLoraBlock::controlCommand_resetSentEvenWhenAlreadyShown()
{
    KivLoraBlock lora;
    QSignalSpy writes(&lora, &KivLoraBlock::writeMultipleRegister);
    lora.resetConfiguration();
    lora.resetConfiguration();
    QCOMPARE(lora.controlCommands(), 1);
    QCOMPARE(writesOf(writes), (Writes{{184u, {1, 0}}, {184u, {1, 0}}}));
}

void tst_KivLoraBlock::versionTexts()
{
    QCOMPARE(KivLoraBlock::versionText(0x0102, 0x0300), QStringLiteral("1.2.3"));
    QCOMPARE(KivLoraBlock::versionText(0xFF00, 0x0A00), QStringLiteral("255.0.10"));
    QCOMPARE(KivLoraBlock::valueToVersionText(197121), QStringLiteral("2.1.0.3"));
    QCOMPARE(KivLoraBlock::valueToVersionText(197121, 2), QStringLiteral("2.1"));
    QCOMPARE(KivLoraBlock::valueToVersionText(197121, 9), QStringLiteral("2.1.0.3"));
}

QTEST_GUILESS_MAIN(tst_KivLoraBlock)
#include "tst_KivLoraBlock.moc"
