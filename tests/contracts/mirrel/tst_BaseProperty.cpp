#include "BaseProperty.h"
#include "Functions.h"

#include <QSignalSpy>
#include <QTest>

namespace {
QList<quint16> image(int size, int at, const QList<quint16> &words)
{
    QList<quint16> result(size, 0);
    for (int i = 0; i < words.size(); ++i)
        result[at + i] = words.at(i);
    return result;
}
} // namespace

class tst_BaseProperty : public QObject
{
    Q_OBJECT
private slots:
    void setRawValue_takesOwnRegisters_shownDividedByDivisor();
    void setRawValue_imageTooShort_valueKept();
    void setRawValue_fromDevice_neverWrites();
    void setValue_user_writesSingleOrMultiple();
    void setValue_outsideRangeOrType_refusedAndNothingWritten();
    void setValue_readOnly_ignored();
    void hex_roundTripAndBadInputRefused();
    void signalDelay_lastValueWrittenOnce_deviceDataDoesNotOverwriteEdit();
    void resetAfterWrite_commandReadsZeroAgain();
    void validity_badDefinitionsInvalid();
    void halfRegister_whichOneIsLowByte();
};

void tst_BaseProperty::setRawValue_takesOwnRegisters_shownDividedByDivisor()
{
    BaseProperty temp(33024, -50, 200, 10, true, BaseProperty::Int16, 1, QStringLiteral("°C"));
    QSignalSpy changed(&temp, &BaseProperty::valueChanged);
    temp.setRawValue(image(40000, 33024, {quint16(-125)}));
    QCOMPARE(temp.rawValue(), -125);
    QCOMPARE(temp.value(), -12.5);
    QCOMPARE(temp.text(), QStringLiteral("-12.5"));
    QCOMPARE(changed.count(), 1);
    temp.setRawValue(image(40000, 33024, {quint16(-125)}));
    QCOMPARE(changed.count(), 1);

    BaseProperty counter(10, 0, 0, 1, true, BaseProperty::UInt32, 2, QString());
    counter.setRawValue(image(20, 10, {0x5678, 0x1234}));
    QCOMPARE(counter.rawValue(), 0x12345678);
    QCOMPARE(counter.toHex(), QStringLiteral("12345678"));

    BaseProperty delay(5, 0, 60000, 0.001, false, BaseProperty::UInt16, 1, QStringLiteral("ms"));
    delay.setRawValue(image(10, 5, {3}));
    QCOMPARE(delay.value(), 3000.0);
}

void tst_BaseProperty::setRawValue_imageTooShort_valueKept()
{
    BaseProperty p(100, 0, 0, 1, true, BaseProperty::UInt32, 2, QString());
    p.setRawValue(image(110, 100, {7, 0}));
    p.setRawValue(QList<quint16>(101, 0));
    QCOMPARE(p.rawValue(), 7);
}

void tst_BaseProperty::setRawValue_fromDevice_neverWrites()
{
    BaseProperty p(3, 0, 100, 1, false, BaseProperty::UInt16, 1, QString());
    QSignalSpy single(&p, &BaseProperty::writeSingleRegister);
    p.setRawValue(image(10, 3, {42}));
    p.reset();
    QCOMPARE(single.count(), 0);
    QCOMPARE(p.value(), 0.0);
}

void tst_BaseProperty::setValue_user_writesSingleOrMultiple()
{
    BaseProperty hyst(33027, 0, 20, 10, false, BaseProperty::UInt16, 1, QStringLiteral("K"));
    QSignalSpy single(&hyst, &BaseProperty::writeSingleRegister);
    hyst.setValue(1.5);
    QCOMPARE(single.count(), 1);
    QCOMPARE(single.first().at(0).toUInt(), 33027u);
    QCOMPARE(single.first().at(1).toUInt(), 15u);
    hyst.setValue(1.5);
    QCOMPARE(single.count(), 1);

    BaseProperty threshold(49440, -1000000, 1000000, 1, false, BaseProperty::Int32, 2, QString());
    QSignalSpy multi(&threshold, &BaseProperty::writeMultipleRegister);
    threshold.setValue(-2);
    QCOMPARE(multi.count(), 1);
    QCOMPARE(multi.first().at(1).value<QList<quint16>>(), (QList<quint16>{0xFFFE, 0xFFFF}));
    QCOMPARE(threshold.value(), -2.0);
}

void tst_BaseProperty::setValue_outsideRangeOrType_refusedAndNothingWritten()
{
    BaseProperty p(1, 1, 223, 1, false, BaseProperty::UInt16, 1, QString());
    p.setRawValue(image(5, 1, {10}));
    QSignalSpy writes(&p, &BaseProperty::writeSingleRegister);
    QSignalSpy errors(&p, &BaseProperty::errorPlainText);
    p.setValue(224);
    p.setValue(0);
    p.setValue(qQNaN());
    QCOMPARE(writes.count(), 0);
    QCOMPARE(errors.count(), 3);
    QCOMPARE(p.value(), 10.0);

    // No limits in the definition: the register type still bounds the value.
    BaseProperty open(2, 0, 0, 1, false, BaseProperty::UInt16, 1, QString());
    QSignalSpy openWrites(&open, &BaseProperty::writeSingleRegister);
    open.setValue(70000);
    open.setValue(-1);
    QCOMPARE(openWrites.count(), 0);
    open.setValue(65535);
    QCOMPARE(openWrites.count(), 1);
}

void tst_BaseProperty::setValue_readOnly_ignored()
{
    BaseProperty p(1, 0, 100, 1, true, BaseProperty::UInt16, 1, QString());
    QSignalSpy writes(&p, &BaseProperty::writeSingleRegister);
    p.setValue(5);
    QVERIFY(!p.fromHex(QStringLiteral("0005")));
    QCOMPARE(writes.count(), 0);
    QCOMPARE(p.value(), 0.0);
}

void tst_BaseProperty::hex_roundTripAndBadInputRefused()
{
    BaseProperty eui(49680, 0, 0, 1, false, BaseProperty::HexString, 4, QString());
    QSignalSpy multi(&eui, &BaseProperty::writeMultipleRegister);
    QVERIFY(eui.fromHex(QStringLiteral("70:B3:D5:7E-D0:05:12:34")));
    QCOMPARE(eui.registers(), (QList<quint16>{0x70B3, 0xD57E, 0xD005, 0x1234}));
    QCOMPARE(eui.toHex(), QStringLiteral("70B3D57ED0051234"));
    QCOMPARE(multi.count(), 1);
    QSignalSpy errors(&eui, &BaseProperty::errorPlainText);
    QVERIFY(!eui.fromHex(QStringLiteral("70B3D5"))); // too short
    QVERIFY(!eui.fromHex(QStringLiteral("70B3D57ED00512345"))); // too long
    QVERIFY(!eui.fromHex(QStringLiteral("70B3D57ED005123G"))); // not hex
    QCOMPARE(errors.count(), 3);
    QCOMPARE(eui.toHex(), QStringLiteral("70B3D57ED0051234"));

    BaseProperty filter(50000, 0, 255, 1, false, BaseProperty::HexByte, 1, QString());
    QVERIFY(filter.fromHex(QStringLiteral("0xA5")));
    QCOMPARE(filter.value(), 165.0);
    QCOMPARE(filter.toHex(), QStringLiteral("A5"));
    QVERIFY(!filter.fromHex(QStringLiteral("1FF")));
    QCOMPARE(filter.value(), 165.0);

    bool ok = true;
    QVERIFY(BaseProperty::hexToRegisters(QString(), &ok).isEmpty());
    QVERIFY(!ok);
}

void tst_BaseProperty::signalDelay_lastValueWrittenOnce_deviceDataDoesNotOverwriteEdit()
{
    BaseProperty command(49538, 0, 100, 1, false, BaseProperty::UInt16, 1, QString());
    command.setSignalDelay(50);
    QSignalSpy writes(&command, &BaseProperty::writeSingleRegister);
    command.setValue(1);
    command.setValue(2);
    command.setValue(3);
    command.setRawValue(image(50000, 49538, {0}));
    QCOMPARE(command.value(), 3.0);
    QVERIFY(writes.wait(2000));
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.first().at(1).toUInt(), 3u);
    command.setRawValue(image(50000, 49538, {0}));
    QCOMPARE(command.value(), 0.0);
}

void tst_BaseProperty::resetAfterWrite_commandReadsZeroAgain()
{
    BaseProperty command(49169, 0, 3, 1, false, BaseProperty::UInt16, 1, QString());
    command.setResetAfterWrite(true);
    QSignalSpy writes(&command, &BaseProperty::writeSingleRegister);
    command.setValue(2);
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.first().at(1).toUInt(), 2u);
    QCOMPARE(command.value(), 0.0);
    command.setValue(2);
    QCOMPARE(writes.count(), 2);
}

void tst_BaseProperty::validity_badDefinitionsInvalid()
{
    QVERIFY(BaseProperty(1, 0, 1, 1, false, BaseProperty::Flag, 1, QString()).valid());
    QVERIFY(!BaseProperty(1, 0, 1, 0, false, BaseProperty::UInt16, 1, QString()).valid());
    QVERIFY(!BaseProperty(1, 5, 1, 1, false, BaseProperty::UInt16, 1, QString()).valid());
    QVERIFY(!BaseProperty(1, 0, 1, 1, false, BaseProperty::UInt32, 1, QString()).valid());
    QVERIFY(!BaseProperty(1, 0, 1, 1, false, BaseProperty::UInt16, 0, QString()).valid());
    QVERIFY(!BaseProperty(1, 0, 1, 1, false, BaseProperty::Unknown, 1, QString()).valid());
    QVERIFY(!BaseProperty(65535, 0, 1, 1, false, BaseProperty::UInt32, 2, QString()).valid());
    BaseProperty invalid(1, 0, 1, 0, false, BaseProperty::UInt16, 0, QString());
    QSignalSpy writes(&invalid, &BaseProperty::writeSingleRegister);
    invalid.setValue(1);
    invalid.setRawValue(QList<quint16>(10, 1));
    invalid.reset();
    QCOMPARE(writes.count(), 0);
}

void tst_BaseProperty::halfRegister_whichOneIsLowByte()
{
    QCOMPARE(Functions::replaceByte(0x1234, 0xAB, Functions::Byte(1)), quint16(0x12AB));
    QCOMPARE(Functions::replaceByte(0x1234, 0xAB, Functions::HighByte), quint16(0xAB34));
    QCOMPARE(Functions::toUInt32(0x0001, 0x0002, Functions::LowWordFirst), 0x00020001u);
    QCOMPARE(Functions::toUInt32(0x0102, 0x0304, Functions::HighWordFirstSwapped), 0x02010403u);
    QCOMPARE(Functions::toUInt32(QList<quint16>{1}, 0), 0u);
    QCOMPARE(Functions::registersToText({0x494B, 0x0056, 0x4141}), QStringLiteral("KIV"));
}

QTEST_GUILESS_MAIN(tst_BaseProperty)
#include "tst_BaseProperty.moc"
