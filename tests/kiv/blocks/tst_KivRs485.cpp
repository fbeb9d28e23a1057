#include "Functions.h"
#include "KivRs485.h"

#include <QSignalSpy>
#include <QTest>

namespace {
constexpr uint S = KivRs485::kStartRegister;

using Writes = QList<QPair<uint, QList<quint16>>>;

Writes writesOf(const QSignalSpy &spy)
{
    Writes list;
    for (const QList<QVariant> &args : spy)
        list.append({args.at(0).toUInt(), args.at(1).value<QList<quint16>>()});
    return list;
}

void put32(QList<quint16> &image, uint reg, quint32 value)
{
    const QList<quint16> words = Functions::fromUInt32(value);
    image[reg] = words.at(0);
    image[reg + 1] = words.at(1);
}

void putFloat(QList<quint16> &image, uint reg, float value)
{
    const QList<quint16> words = Functions::fromFloat(value);
    image[reg] = words.at(0);
    image[reg + 1] = words.at(1);
}

// A BACnet board as a device reports it: address 12, offset 100, 38400 baud, description,
// COV on, increments for temperature and CO2.
QList<quint16> bacnetImage()
{
    QList<quint16> image(300, 0);
    put32(image, S + 2, 12);
    put32(image, S + 4, 100);
    put32(image, S + 6, 38400);
    put32(image, S + 10, 2);
    put32(image, S + 12, 1);
    const QList<quint16> text = Functions::textToRegisters(QStringLiteral("Raum 2.14"), 16);
    std::copy(text.cbegin(), text.cend(), image.begin() + S + 16);
    putFloat(image, S + 32, 1.0f);
    putFloat(image, S + 34, 0.5f); // temperature
    putFloat(image, S + 44, 50.0f); // CO2
    putFloat(image, S + 46, 5.0f); // VOC, which the device does not have
    return image;
}

float floatAt(const QList<quint16> &words)
{
    return Functions::toFloat(words.at(0), words.at(1));
}
} // namespace

class tst_KivRs485 : public QObject
{
    Q_OBJECT

private slots:
    void takeOver_fieldsTextCovAndIncrementsOfTheDevicesMeasures();
    void takeOver_shortImage_changesNothing();
    void description_cutPaddedTerminatedAndOnly8BitCharacters();
    void covEnable_flooredAndWrittenAsFloat();
    void increments_firstSensorOnlyAndWrittenForKnownRegisters();
    void setters_onlyTheDeviceIdIsWrittenLowWordFirst();
    void blockTypes_followTheDevice();
};

void tst_KivRs485::takeOver_fieldsTextCovAndIncrementsOfTheDevicesMeasures()
{
    const QList<Enums::TypeDatenblock> types{Enums::Temperatur, Enums::CO2, Enums::Kondensat};
    KivRs485 bus(bacnetImage(), S, types);
    QCOMPARE(bus.dipAdress(), 12u);
    QCOMPARE(bus.deviceId(), 100u);
    QCOMPARE(bus.baudrate(), 38400u);
    QCOMPARE(bus.parity(), 2u);
    QCOMPARE(bus.stopBit(), 1u);
    QCOMPARE(bus.description(), QStringLiteral("Raum 2.14"));
    QCOMPARE(bus.covEnable(), 1.0);
    QCOMPARE(bus.getIncrementValue(Enums::Temperatur), 0.5f);
    QCOMPARE(bus.getIncrementValue(Enums::CO2), 50.0f);
    // Measures the device lacks stay unset whatever their register holds.
    QCOMPARE(bus.getIncrementValue(Enums::VOC), -1.0f);

    // The page lists the device's measures that have an increment register.
    const QVariantList listed = bus.covIncrements();
    QCOMPARE(listed.size(), 2);
    QCOMPARE(listed.at(0).toMap().value(QStringLiteral("type")).toInt(), int(Enums::Temperatur));
    QCOMPARE(listed.at(1).toMap().value(QStringLiteral("value")).toDouble(), 50.0);

    // The same image again: nothing changes, nothing is written.
    QSignalSpy writes(&bus, &KivRs485::writeMultipleRegister);
    QSignalSpy text(&bus, &KivRs485::descriptionChanged);
    bus.updateFromImage(bacnetImage());
    QCOMPARE(writes.count(), 0);
    QCOMPARE(text.count(), 0);
}

void tst_KivRs485::takeOver_shortImage_changesNothing()
{
    KivRs485 bus(bacnetImage(), S, {Enums::Temperatur});
    QSignalSpy writes(&bus, &KivRs485::writeMultipleRegister);
    QList<quint16> shortImage(S + 59, 0);
    bus.updateFromImage(shortImage);
    QCOMPARE(bus.deviceId(), 100u);
    QCOMPARE(bus.description(), QStringLiteral("Raum 2.14"));
    QCOMPARE(writes.count(), 0);
}

void tst_KivRs485::description_cutPaddedTerminatedAndOnly8BitCharacters()
{
    KivRs485 bus(bacnetImage(), S, {});
    QSignalSpy writes(&bus, &KivRs485::writeMultipleRegister);
    QSignalSpy errors(&bus, &KivRs485::errorPlainText);

    bus.setDescription(QString(40, QLatin1Char('x')));
    QCOMPARE(bus.description(), QString(32, QLatin1Char('x')));
    QCOMPARE(writesOf(writes).last().first, S + 16);
    QCOMPARE(writesOf(writes).last().second, QList<quint16>(16, 0x7878));

    bus.setDescription(QStringLiteral("abc"));
    QList<quint16> expected(16, 0);
    expected[0] = 0x6261;
    expected[1] = 0x0063;
    QCOMPARE(writesOf(writes).last().second, expected);

    // Latin-1 letters fit a byte and come back unchanged.
    bus.setDescription(QStringLiteral("Büro Süd"));
    QList<quint16> image = bacnetImage();
    const QList<quint16> sent = writesOf(writes).last().second;
    std::copy(sent.cbegin(), sent.cend(), image.begin() + S + 16);
    KivRs485 reread(image, S, {});
    QCOMPARE(reread.description(), QStringLiteral("Büro Süd"));

    // A character beyond 8 bits is refused: no write, the text stays what the device holds.
    writes.clear();
    bus.setDescription(QStringLiteral("Raum €1"));
    QCOMPARE(writes.count(), 0);
    QCOMPARE(errors.count(), 1);
    QVERIFY(!errors.first().first().toString().isEmpty());
    QCOMPARE(bus.description(), QStringLiteral("Büro Süd"));

    // A zero low byte ends the text even when the high byte holds a character.
    image = bacnetImage();
    image[S + 17] = quint16('Z' << 8);
    KivRs485 cut(image, S, {});
    QCOMPARE(cut.description(), QStringLiteral("Ra"));
}

void tst_KivRs485::covEnable_flooredAndWrittenAsFloat()
{
    KivRs485 bus(bacnetImage(), S, {});
    QSignalSpy writes(&bus, &KivRs485::writeMultipleRegister);
    bus.setCovEnable(0.7);
    QCOMPARE(bus.covEnable(), 0.0);
    QCOMPARE(writesOf(writes).last().first, S + 32);
    QCOMPARE(floatAt(writesOf(writes).last().second), 0.0f);
    // 0.7 still differs from the stored 0: written again.
    bus.setCovEnable(0.7);
    QCOMPARE(writes.count(), 2);
    bus.setCovEnable(1.0);
    QCOMPARE(floatAt(writesOf(writes).last().second), 1.0f);
    bus.setCovEnable(1.0);
    QCOMPARE(writes.count(), 3);
}

void tst_KivRs485::increments_firstSensorOnlyAndWrittenForKnownRegisters()
{
    KivRs485 bus(bacnetImage(), S, {Enums::Temperatur, Enums::Druck});
    QSignalSpy writes(&bus, &KivRs485::writeMultipleRegister);
    QSignalSpy changed(&bus, &KivRs485::covIncrementsChanged);

    QCOMPARE(bus.getIncrementValue(Enums::CO2, true), -1.0f);
    bus.setIncrementValue(Enums::CO2, 5.0f, true);
    QCOMPARE(writes.count(), 0);
    QCOMPARE(changed.count(), 0);

    bus.setIncrementValue(Enums::Temperatur, 0.25f);
    QCOMPARE(writesOf(writes).last().first, 178u);
    QCOMPARE(floatAt(writesOf(writes).last().second), 0.25f);
    bus.setIncrementValue(Enums::Druck, 10.0f);
    QCOMPARE(writesOf(writes).last().first, S + 50);
    // Within float fuzziness: no change.
    bus.setIncrementValue(Enums::Druck, 10.000001f);
    QCOMPARE(writes.count(), 2);

    // Condensate has a key but no register: stored and signalled only.
    changed.clear();
    bus.setIncrementValue(Enums::Kondensat, 2.0f);
    QCOMPARE(bus.getIncrementValue(Enums::Kondensat), 2.0f);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(writes.count(), 2);
}

void tst_KivRs485::setters_onlyTheDeviceIdIsWrittenLowWordFirst()
{
    KivRs485 bus(bacnetImage(), S, {});
    QSignalSpy writes(&bus, &KivRs485::writeMultipleRegister);
    bus.setDipAdress(3);
    bus.setBaudrate(9600);
    bus.setModus(1);
    bus.setParity(0);
    bus.setStopBit(2);
    bus.setIsBacNet(true);
    QCOMPARE(writes.count(), 0);

    bus.setDeviceId(0x12345);
    QCOMPARE(writesOf(writes), (Writes{{148u, {0x2345, 0x0001}}}));
    bus.setDeviceId(0x12345);
    QCOMPARE(writes.count(), 1);

    QCOMPARE(bus.deviceIdMaximum(), KivRs485::kBacnetIdMax);
    bus.setIsBacNet(false);
    QCOMPARE(bus.deviceIdMinimum(), 1u);
    QCOMPARE(bus.deviceIdMaximum(), 247u);
}

void tst_KivRs485::blockTypes_followTheDevice()
{
    KivRs485 bus(bacnetImage(), S, {Enums::Temperatur});
    QCOMPARE(bus.getIncrementValue(Enums::CO2), -1.0f);
    QSignalSpy changed(&bus, &KivRs485::covIncrementsChanged);
    bus.setBlockTypes({Enums::Temperatur, Enums::CO2});
    QCOMPARE(changed.count(), 1);
    QCOMPARE(bus.covIncrements().size(), 2);
    bus.updateFromImage(bacnetImage());
    QCOMPARE(bus.getIncrementValue(Enums::CO2), 50.0f);
}

QTEST_GUILESS_MAIN(tst_KivRs485)
#include "tst_KivRs485.moc"
