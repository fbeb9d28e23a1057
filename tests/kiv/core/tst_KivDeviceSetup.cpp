#include "KivDeviceSetup.h"

#include <QSignalSpy>
#include <QTest>

namespace {
constexpr int kImageSize = 300;

// Packs up to 20 characters into ten registers, low byte first, padded with NUL.
void putText(QList<quint16> &image, int first, const QByteArray &text)
{
    for (int i = 0; i < 10; ++i) {
        const quint16 low = 2 * i < text.size() ? quint8(text.at(2 * i)) : 0;
        const quint16 high = 2 * i + 1 < text.size() ? quint8(text.at(2 * i + 1)) : 0;
        image[first + i] = quint16(low | (high << 8));
    }
}

QList<quint16> imageWithName(const QByteArray &firstHalf, const QByteArray &secondHalf = {})
{
    QList<quint16> image(kImageSize, 0);
    putText(image, 4, firstHalf);
    putText(image, 14, secondHalf);
    return image;
}
} // namespace

class tst_KivDeviceSetup : public QObject
{
    Q_OBJECT

private slots:
    void name_isBothHalvesJoinedByABlankEachEndingAtItsFirstNul_data();
    void name_isBothHalvesJoinedByABlankEachEndingAtItsFirstNul();
    void mainBoard_firstFamilyWordInFixedOrderWins_data();
    void mainBoard_firstFamilyWordInFixedOrderWins();
    void nameFlags_yjIsCaseSensitiveWhileZr07AndLcdAreNot();
    void sameNameAgain_emitsNothing();
    void boardType_valuesAboveTheTableBecomeUnknown_data();
    void boardType_valuesAboveTheTableBecomeUnknown();
    void firmware_showsSecondRegisterOnlyWhenSet_data();
    void firmware_showsSecondRegisterOnlyWhenSet();
    void versions_readInTheSameOrderAsTheFirmwareText();
    void serialNumber_spansTwoRegistersLowWordFirst();
    void shortImage_leavesEveryIdentityValueUnchanged();
    void imageEndingInsideBoardType_updatesNameAndKeepsBoardType();
    void testMode_marksTheNameAsDummyAndNotifies();
};

void tst_KivDeviceSetup::name_isBothHalvesJoinedByABlankEachEndingAtItsFirstNul_data()
{
    QTest::addColumn<QList<quint16>>("image");
    QTest::addColumn<QString>("name");

    QTest::newRow("even and odd lengths") << imageWithName("KIV-TH", "ABC") << "KIV-TH ABC";
    QTest::newRow("full first half") << imageWithName("ABCDEFGHIJKLMNOPQRST", "X") << "ABCDEFGHIJKLMNOPQRST X";
    QTest::newRow("empty second half") << imageWithName("KIV") << "KIV ";

    // Characters after a NUL inside a half do not belong to the name.
    QList<quint16> afterNul = imageWithName("AB", "CD");
    afterNul[5] = 0x0000;
    afterNul[6] = 0x5A5A;
    QTest::newRow("text after NUL ignored") << afterNul << "AB CD";
}

void tst_KivDeviceSetup::name_isBothHalvesJoinedByABlankEachEndingAtItsFirstNul()
{
    QFETCH(QList<quint16>, image);
    QFETCH(QString, name);

    KivDeviceSetup setup;
    QSignalSpy nameSpy(&setup, &KivDeviceSetup::deviceNameChanged);
    setup.updateFromImage(image);

    QCOMPARE(setup.deviceName(), name);
    QCOMPARE(nameSpy.count(), 1);
    QCOMPARE(nameSpy.at(0).at(0).toString(), name);
}

void tst_KivDeviceSetup::mainBoard_firstFamilyWordInFixedOrderWins_data()
{
    QTest::addColumn<QByteArray>("firstHalf");
    QTest::addColumn<QByteArray>("secondHalf");
    QTest::addColumn<int>("mainBoard");

    QTest::newRow("kiv") << QByteArray("KIV-TH") << QByteArray() << int(Enums::MP_Kiv);
    QTest::newRow("qev before kiv") << QByteArray("kiv") << QByteArray("QEV") << int(Enums::MP_Qev);
    QTest::newRow("ro52") << QByteArray("Ro52 x") << QByteArray() << int(Enums::MP_Ro52);
    QTest::newRow("wsk before vdx") << QByteArray("VDX") << QByteArray("wsk") << int(Enums::MP_WSK);
    QTest::newRow("vdx") << QByteArray("vdx 4") << QByteArray() << int(Enums::MP_VDX);
    QTest::newRow("hb+") << QByteArray("HB+") << QByteArray() << int(Enums::MP_HBplus);
    QTest::newRow("hb without plus") << QByteArray("HB 2") << QByteArray() << int(Enums::MP_Unknown);
    QTest::newRow("word split by the half blank") << QByteArray("KI") << QByteArray("V") << int(Enums::MP_Unknown);
}

void tst_KivDeviceSetup::mainBoard_firstFamilyWordInFixedOrderWins()
{
    QFETCH(QByteArray, firstHalf);
    QFETCH(QByteArray, secondHalf);
    QFETCH(int, mainBoard);

    KivDeviceSetup setup;
    QSignalSpy spy(&setup, &KivDeviceSetup::mainBoardChanged);
    setup.updateFromImage(imageWithName(firstHalf, secondHalf));

    QCOMPARE(int(setup.mainBoard()), mainBoard);
    QCOMPARE(spy.count(), mainBoard == Enums::MP_Unknown ? 0 : 1);
}

void tst_KivDeviceSetup::nameFlags_yjIsCaseSensitiveWhileZr07AndLcdAreNot()
{
    KivDeviceSetup setup;
    QSignalSpy yjSpy(&setup, &KivDeviceSetup::isYJorYJPlusChanged);
    QSignalSpy zrSpy(&setup, &KivDeviceSetup::isZR07PlusChanged);
    QSignalSpy lcdSpy(&setup, &KivDeviceSetup::hasLcdReferenceChanged);

    setup.updateFromImage(imageWithName("kiv yj", "zr07 lcd"));
    QVERIFY(!setup.isYJorYJPlus());
    QVERIFY(setup.isZR07Plus());
    QVERIFY(setup.hasLcdReference());
    QCOMPARE(yjSpy.count(), 0);
    QCOMPARE(zrSpy.count(), 1);
    QCOMPARE(lcdSpy.count(), 1);

    setup.updateFromImage(imageWithName("KIV YJ+"));
    QVERIFY(setup.isYJorYJPlus());
    QVERIFY(!setup.isZR07Plus());
    QVERIFY(!setup.hasLcdReference());
    QCOMPARE(yjSpy.count(), 1);
    QCOMPARE(zrSpy.count(), 2);
    QCOMPARE(lcdSpy.count(), 2);
}

void tst_KivDeviceSetup::sameNameAgain_emitsNothing()
{
    KivDeviceSetup setup;
    QList<quint16> image = imageWithName("KIV LCD", "ZR07");
    image[144] = Enums::AP_Relais;
    image[24] = 17;
    image[50] = 0x0102;
    image[54] = 0x0304;
    setup.updateFromImage(image);

    QSignalSpy nameSpy(&setup, &KivDeviceSetup::deviceNameChanged);
    QSignalSpy boardSpy(&setup, &KivDeviceSetup::boardTypeChanged);
    QSignalSpy mainSpy(&setup, &KivDeviceSetup::mainBoardChanged);
    QSignalSpy serialSpy(&setup, &KivDeviceSetup::seriennummerChanged);
    QSignalSpy firmwareSpy(&setup, &KivDeviceSetup::firmwareChanged);
    QSignalSpy gpSpy(&setup, &KivDeviceSetup::gpVersionChanged);
    QSignalSpy apSpy(&setup, &KivDeviceSetup::apVersionChanged);
    QSignalSpy lcdSpy(&setup, &KivDeviceSetup::hasLcdReferenceChanged);
    setup.updateFromImage(image);

    for (const QSignalSpy *spy : {&nameSpy, &boardSpy, &mainSpy, &serialSpy, &firmwareSpy, &gpSpy, &apSpy, &lcdSpy})
        QCOMPARE(spy->count(), 0);
}

void tst_KivDeviceSetup::boardType_valuesAboveTheTableBecomeUnknown_data()
{
    QTest::addColumn<quint16>("low");
    QTest::addColumn<quint16>("high");
    QTest::addColumn<int>("boardType");

    QTest::newRow("modbus") << quint16(4) << quint16(0) << int(Enums::AP_Modbus);
    QTest::newRow("lora") << quint16(8) << quint16(0) << int(Enums::AP_LORA);
    QTest::newRow("last table value") << quint16(9) << quint16(0) << int(Enums::AP_Max);
    QTest::newRow("12") << quint16(12) << quint16(0) << int(Enums::AP_Unknown);
    QTest::newRow("high word set") << quint16(4) << quint16(1) << int(Enums::AP_Unknown);
}

void tst_KivDeviceSetup::boardType_valuesAboveTheTableBecomeUnknown()
{
    QFETCH(quint16, low);
    QFETCH(quint16, high);
    QFETCH(int, boardType);

    KivDeviceSetup setup;
    setup.setBoardType(Enums::AP_Relais);
    QSignalSpy spy(&setup, &KivDeviceSetup::boardTypeChanged);
    QList<quint16> image = imageWithName("KIV");
    image[144] = low;
    image[145] = high;
    setup.updateFromImage(image);

    QCOMPARE(int(setup.boardType()), boardType);
    QCOMPARE(spy.count(), 1);
}

void tst_KivDeviceSetup::firmware_showsSecondRegisterOnlyWhenSet_data()
{
    QTest::addColumn<QList<quint16>>("registers"); // 50, 51, 54, 55
    QTest::addColumn<QString>("firmware");

    QTest::newRow("short main board") << QList<quint16>{0x0203, 0, 0x0105, 0x0607} << "2.3 | 1.5.6.7";
    QTest::newRow("long main board") << QList<quint16>{0x0203, 0x0105, 0, 0} << "2.3.1.5 | 0.0";
    QTest::newRow("bytes are decimal") << QList<quint16>{0x0A10, 0xFF01, 0x0C00, 0} << "10.16.255.1 | 12.0";
}

void tst_KivDeviceSetup::firmware_showsSecondRegisterOnlyWhenSet()
{
    QFETCH(QList<quint16>, registers);
    QFETCH(QString, firmware);

    KivDeviceSetup setup;
    QSignalSpy spy(&setup, &KivDeviceSetup::firmwareChanged);
    QList<quint16> image = imageWithName("KIV");
    image[50] = registers.at(0);
    image[51] = registers.at(1);
    image[54] = registers.at(2);
    image[55] = registers.at(3);
    setup.updateFromImage(image);

    QCOMPARE(setup.firmware(), firmware);
    QCOMPARE(spy.count(), 1);
}

void tst_KivDeviceSetup::versions_readInTheSameOrderAsTheFirmwareText()
{
    KivDeviceSetup setup;
    QSignalSpy gpSpy(&setup, &KivDeviceSetup::gpVersionChanged);
    QSignalSpy apSpy(&setup, &KivDeviceSetup::apVersionChanged);
    QSignalSpy apTextSpy(&setup, &KivDeviceSetup::apVersionTextChanged);
    QList<quint16> image = imageWithName("KIV");
    image[50] = 0x0203;
    image[51] = 0x0105;
    image[54] = 0x0709;
    setup.updateFromImage(image);

    QCOMPARE(setup.gpVersion().major(), 2);
    QCOMPARE(setup.gpVersion().minor(), 3);
    QCOMPARE(setup.gpVersion().revision(), 1);
    QCOMPARE(setup.gpVersion().build(), 5);
    QCOMPARE(setup.gpVersionText(), QStringLiteral("2.3"));
    QCOMPARE(setup.apVersionText(), QStringLiteral("7.9"));
    QCOMPARE(gpSpy.count(), 1);
    QCOMPARE(apSpy.count(), 1);
    QCOMPARE(apTextSpy.count(), 1);

    // Firmware comparison relies on the major number being the most significant.
    image[50] = 0x0300;
    image[51] = 0;
    setup.updateFromImage(image);
    QVERIFY(setup.gpVersion() > ApplicationVersion(5, 1, 3, 2));
}

void tst_KivDeviceSetup::serialNumber_spansTwoRegistersLowWordFirst()
{
    KivDeviceSetup setup;
    QSignalSpy spy(&setup, &KivDeviceSetup::seriennummerChanged);
    QList<quint16> image = imageWithName("KIV");
    // 2406153 = 0x0024B709: a number beyond 16 bits must not show as its low word (46857).
    image[24] = 0xB709;
    image[25] = 0x0024;
    setup.updateFromImage(image);
    QCOMPARE(setup.seriennummer(), 2406153.0);
    QCOMPARE(spy.count(), 1);

    // The highest serial stays positive; a re-read of the same number notifies nothing.
    image[24] = 0xFFFF;
    image[25] = 0xFFFF;
    setup.updateFromImage(image);
    setup.updateFromImage(image);
    QCOMPARE(setup.seriennummer(), 4294967295.0);
    QCOMPARE(spy.count(), 2);

    // Only the high word changes: still a new number.
    image[25] = 0x0001;
    setup.updateFromImage(image);
    QCOMPARE(setup.seriennummer(), 131071.0);
    QCOMPARE(spy.count(), 3);
}

void tst_KivDeviceSetup::shortImage_leavesEveryIdentityValueUnchanged()
{
    KivDeviceSetup setup;
    QList<quint16> full = imageWithName("KIV LCD");
    full[24] = 5;
    full[50] = 0x0102;
    full[144] = Enums::AP_Modbus;
    setup.updateFromImage(full);

    QList<quint16> shortImage = imageWithName("QEV YJ ZR07");
    shortImage[24] = 6;
    shortImage[50] = 0x0304;
    shortImage.resize(143);
    QSignalSpy anySignal(&setup, &KivDeviceSetup::deviceNameChanged);
    setup.updateFromImage(shortImage);
    setup.updateFromImage({});

    QCOMPARE(anySignal.count(), 0);
    QCOMPARE(setup.deviceName(), QStringLiteral("KIV LCD "));
    QCOMPARE(setup.mainBoard(), Enums::MP_Kiv);
    QCOMPARE(setup.boardType(), Enums::AP_Modbus);
    QCOMPARE(setup.seriennummer(), 5.0);
    QCOMPARE(setup.gpVersionText(), QStringLiteral("1.2"));
    QVERIFY(!setup.isYJorYJPlus());
    QVERIFY(!setup.isZR07Plus());
}

void tst_KivDeviceSetup::imageEndingInsideBoardType_updatesNameAndKeepsBoardType()
{
    KivDeviceSetup setup;
    setup.setBoardType(Enums::AP_LCD);
    QList<quint16> image = imageWithName("WSK");
    image.resize(145);
    image[144] = Enums::AP_Relais;
    setup.updateFromImage(image);

    QCOMPARE(setup.deviceName(), QStringLiteral("WSK "));
    QCOMPARE(setup.boardType(), Enums::AP_LCD);
}

void tst_KivDeviceSetup::testMode_marksTheNameAsDummyAndNotifies()
{
    KivDeviceSetup setup;
    setup.updateFromImage(imageWithName("KIV", "YJ+"));
    QSignalSpy nameSpy(&setup, &KivDeviceSetup::deviceNameChanged);

    setup.setTestMode(true);
    QCOMPARE(setup.deviceName(), QStringLiteral("KIV YJ+ Dummy"));
    QCOMPARE(nameSpy.count(), 1);
    QCOMPARE(nameSpy.at(0).at(0).toString(), QStringLiteral("KIV YJ+ Dummy"));

    // The suffix is for display only; the family and flags come from the device's own name.
    setup.updateFromImage(imageWithName("KIV", "YJ+"));
    QCOMPARE(nameSpy.count(), 1);

    setup.setTestMode(false);
    QCOMPARE(setup.deviceName(), QStringLiteral("KIV YJ+"));
    QCOMPARE(nameSpy.count(), 2);
}

QTEST_GUILESS_MAIN(tst_KivDeviceSetup)
#include "tst_KivDeviceSetup.moc"
