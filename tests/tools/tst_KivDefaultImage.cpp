#include "KivDefaultImage.h"
#include "KivRegisters.h"
#include "RegisterImage.h"
#include "RegisterImageFile.h"

#include <QTest>

#include <cmath>

using namespace KivRegisters;

namespace {
// The configuration tool's rule: walk registers 4..23, stop at the first register holding a
// NUL; plausible when at least one complete register of two printable characters came first.
bool namePlausible(const QList<quint16> &image)
{
    int printableRegisters = 0;
    for (int reg = 4; reg <= 23; ++reg) {
        const quint8 lo = image.at(reg) & 0xFF;
        const quint8 hi = image.at(reg) >> 8;
        if (lo == 0 || hi == 0) {
            if (lo != 0 && (lo < 0x20 || lo > 0x7E))
                return false;
            return printableRegisters > 0;
        }
        if (lo < 0x20 || lo > 0x7E || hi < 0x20 || hi > 0x7E)
            return false;
        ++printableRegisters;
    }
    return true;
}

// Measuring ranges the tool offers for SI units; a block's range must be one of them.
QList<QPair<int, int>> rangesFor(quint32 measure)
{
    switch (measure) {
    case Temperatur:
        return {{-50, 50}, {-10, 120}, {0, 100}, {0, 250}, {-15, 35}, {0, 160}, {-20, 80}};
    case RelativeFeuchte:
        return {{0, 100}};
    case AbsoluteFeuchte:
        return {{0, 50}, {0, 80}};
    case Enthalpie:
        return {{0, 85}};
    case Taupunkt:
        return {{0, 50}, {-20, 80}};
    case CO2:
        return {{0, 2000}, {0, 5000}};
    case VOC:
        return {{0, 100}};
    default:
        return {};
    }
}
} // namespace

class tst_KivDefaultImage : public QObject
{
    Q_OBJECT
    void variants();
private slots:
    void variants_identifyAsPlausibleKivDevice_data() { variants(); }
    void variants_identifyAsPlausibleKivDevice();
    void variants_blocksDecodeToSensibleMeasurements_data() { variants(); }
    void variants_blocksDecodeToSensibleMeasurements();
    void variants_optionBoardAreasMatchTheBoard_data() { variants(); }
    void variants_optionBoardAreasMatchTheBoard();
    void imageFile_roundTripsAndRefusesBadFiles();
};

void tst_KivDefaultImage::variants()
{
    QTest::addColumn<KivDefaultImage::Variant>("variant");
    QTest::addColumn<quint32>("board");
    QTest::newRow("standard") << KivDefaultImage::Variant::Standard << quint32(AP_AA);
    QTest::newRow("relay") << KivDefaultImage::Variant::Relay << quint32(AP_Relais);
    QTest::newRow("modbus") << KivDefaultImage::Variant::Modbus << quint32(AP_Modbus);
    QTest::newRow("bacnet") << KivDefaultImage::Variant::BACnet << quint32(AP_BACnet);
    QTest::newRow("lora") << KivDefaultImage::Variant::Lora << quint32(AP_LORA);
    QTest::newRow("qev") << KivDefaultImage::Variant::Qev << quint32(AP_AA);
}

void tst_KivDefaultImage::variants_identifyAsPlausibleKivDevice()
{
    QFETCH(KivDefaultImage::Variant, variant);
    QFETCH(quint32, board);
    const QList<quint16> image = KivDefaultImage::build(variant);
    QCOMPARE(image.size(), kRegisterCount);
    QVERIFY(image.at(kBlockCount) >= 1 && image.at(kBlockCount) <= 15);
    QVERIFY(namePlausible(image));
    const QString name = RegisterImage::text(image, 4, 10) + QLatin1Char(' ') + RegisterImage::text(image, 14, 10);
    QVERIFY2(name.contains(QLatin1String("kiv"), Qt::CaseInsensitive), qPrintable(name));
    QVERIFY(name.contains(QLatin1String("LCD")));
    QCOMPARE(RegisterImage::get32(image, kOptionBoardType), board);
    QVERIFY(image.at(kMainFirmware) != 0);
    QCOMPARE(RegisterImage::get32(image, kUnitSystem), 1u);
    QVERIFY(RegisterImage::get32(image, kMaxVoltage) > RegisterImage::get32(image, kMinVoltage));
    QVERIFY(RegisterImage::get32(image, kHoursToMaintenance) <=
            720 * RegisterImage::get32(image, kMaintenanceInterval));
    QCOMPARE(image.at(kStoreCommand), quint16(0));
    QCOMPARE(image.at(kResetCommand), quint16(0));
}

void tst_KivDefaultImage::variants_blocksDecodeToSensibleMeasurements()
{
    QFETCH(KivDefaultImage::Variant, variant);
    const QList<quint16> image = KivDefaultImage::build(variant);
    QSet<quint32> outputs;
    for (int i = 0; i < image.at(kBlockCount); ++i) {
        const int base = blockBase(i);
        const quint32 type = RegisterImage::get32(image, base + kBlockType);
        QVERIFY2(type >= Temperatur && type <= Luftdruck, qPrintable(QString::number(i)));
        const quint32 unit = RegisterImage::get32(image, base + kBlockUnit);
        QVERIFY(unit >= 1 && unit <= 23);
        const float value = RegisterImage::getFloat(image, base + kBlockValue);
        const auto lower = qint32(RegisterImage::get32(image, base + kBlockLowerRange));
        const auto upper = qint32(RegisterImage::get32(image, base + kBlockUpperRange));
        QVERIFY(std::isfinite(value) && value >= lower && value <= upper);
        const auto table = rangesFor(type);
        if (!table.isEmpty())
            QVERIFY2(table.contains(qMakePair(lower, upper)), qPrintable(QString::number(i)));
        const quint32 channel = RegisterImage::get32(image, base + kBlockChannel);
        QVERIFY(channel <= 4);
        if (channel != 0) {
            QVERIFY2(!outputs.contains(channel), "one measurement per analogue output");
            outputs.insert(channel);
        }
    }
    QCOMPARE(outputs.size(), 4);
    // Nothing beyond the announced blocks looks like a block.
    QCOMPARE(RegisterImage::get32(image, blockBase(image.at(kBlockCount)) + kBlockType), 0u);
}

void tst_KivDefaultImage::variants_optionBoardAreasMatchTheBoard()
{
    QFETCH(KivDefaultImage::Variant, variant);
    const QList<quint16> image = KivDefaultImage::build(variant);
    switch (variant) {
    case KivDefaultImage::Variant::Relay:
        QCOMPARE(RegisterImage::get32(image, kRelay1), 1u);
        QCOMPARE(RegisterImage::get32(image, kRelay2), 3u);
        QVERIFY(qint32(RegisterImage::get32(image, kRelay1 + 8)) < qint32(RegisterImage::get32(image, kRelay1 + 10)));
        break;
    case KivDefaultImage::Variant::Modbus:
    case KivDefaultImage::Variant::BACnet:
        QVERIFY(RegisterImage::get32(image, kBus + 6) >= 9600); // baud rate
        QCOMPARE(RegisterImage::getFloat(image, kTlf + 29), 800.0f); // float thresholds on new bus boards
        break;
    case KivDefaultImage::Variant::Lora:
        QCOMPARE(image.at(146), quint16(0xB370)); // devEUI 70 B3 ..
        QCOMPARE(RegisterImage::get32(image, 186), 10u); // uplink interval
        break;
    case KivDefaultImage::Variant::Standard:
        QCOMPARE(image.mid(146, 60), QList<quint16>(60, 0));
        QCOMPARE(qint32(RegisterImage::get32(image, kTlf + 29)), 800);
        break;
    case KivDefaultImage::Variant::Qev:
        QCOMPARE(image.mid(146, 60), QList<quint16>(60, 0));
        QCOMPARE(RegisterImage::getFloat(image, kTlf + 29), 800.0f); // float thresholds on Qev boards
        break;
    }
}

void tst_KivDefaultImage::imageFile_roundTripsAndRefusesBadFiles()
{
    const QList<quint16> image = KivDefaultImage::build(KivDefaultImage::Variant::BACnet);
    const QByteArray text = RegisterImageFile::format(image);
    QCOMPARE(text.count('\n'), 5000);
    QList<quint16> parsed;
    QString error;
    QVERIFY(RegisterImageFile::parse(text, &parsed, &error));
    QCOMPARE(parsed, image);
    QByteArray crlf = text;
    crlf.replace("\n", "\r\n");
    QVERIFY(RegisterImageFile::parse(crlf, &parsed, &error));

    QVERIFY(!RegisterImageFile::parse(text.left(text.lastIndexOf('\n', text.size() - 2) + 1), &parsed, &error));
    QVERIFY(error.contains(QLatin1String("4999")));
    QVERIFY(!RegisterImageFile::parse(text + "7\n", &parsed, &error));
    QByteArray garbled = text;
    garbled.replace(0, 1, "x");
    QVERIFY(!RegisterImageFile::parse(garbled, &parsed, &error));
    QVERIFY(error.contains(QLatin1String("line 1")));
    QVERIFY(!RegisterImageFile::parse("65536\n" + text, &parsed, &error));
    QVERIFY(!RegisterImageFile::parse(QByteArray(), &parsed, &error));
    QCOMPARE(parsed, image); // failures leave the output alone
}

QTEST_GUILESS_MAIN(tst_KivDefaultImage)
#include "tst_KivDefaultImage.moc"
