#include "BaseContainer.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A block the way plugins write them: it decodes its register from the image and writes
// through the base's signals.
class SetpointBlock : public BaseContainer
{
    Q_OBJECT
public:
    static constexpr uint kRegister = 12;

    quint16 setpoint() const { return m_setpoint; }
    void editSetpoint(quint16 value) { emit writeSingleRegister(kRegister, value); }
    void editName(const QList<quint16> &words) { emit writeMultipleRegister(kRegister + 1, words); }
    void editMode(uchar mode) { emit writeHalfRegister(kRegister, mode, Functions::LowByte); }

public slots:
    void setData(QList<quint16> data) override
    {
        if (data.size() <= int(kRegister))
            return;
        m_setpoint = data.at(kRegister);
        setValid(true);
    }

private:
    quint16 m_setpoint = 0;
};

} // namespace

class tst_BaseContainer : public QObject
{
    Q_OBJECT
private slots:
    void valid_startsFalse_signalsOnlyOnChange_resetClears();
    void writes_leaveAsSignalsWithRegisterAndValues();
    void setData_subclassDecodesOwnRegister_shortImageKeepsItInvalid();
};

void tst_BaseContainer::valid_startsFalse_signalsOnlyOnChange_resetClears()
{
    BaseContainer block;
    QSignalSpy validChanged(&block, &BaseContainer::validChanged);
    QVERIFY(!block.valid());

    block.setValid(false);
    QCOMPARE(validChanged.count(), 0);
    block.setValid(true);
    block.setValid(true);
    QCOMPARE(validChanged.count(), 1);
    QCOMPARE(validChanged.first().first().toBool(), true);
    QCOMPARE(block.property("valid").toBool(), true);

    block.reset();
    QVERIFY(!block.valid());
    QCOMPARE(validChanged.count(), 2);
    block.reset();
    QCOMPARE(validChanged.count(), 2);
}

void tst_BaseContainer::writes_leaveAsSignalsWithRegisterAndValues()
{
    SetpointBlock block;
    QSignalSpy single(&block, &BaseContainer::writeSingleRegister);
    QSignalSpy multiple(&block, &BaseContainer::writeMultipleRegister);
    QSignalSpy half(&block, &BaseContainer::writeHalfRegister);

    block.editSetpoint(215);
    block.editName({0x4241, 0x0043});
    block.editMode(3);

    QCOMPARE(single.count(), 1);
    QCOMPARE(single.first().at(0).toUInt(), SetpointBlock::kRegister);
    QCOMPARE(single.first().at(1).value<ushort>(), ushort(215));
    QCOMPARE(multiple.count(), 1);
    QCOMPARE(multiple.first().at(0).toUInt(), SetpointBlock::kRegister + 1);
    QCOMPARE(multiple.first().at(1).value<QList<quint16>>(), (QList<quint16>{0x4241, 0x0043}));
    QCOMPARE(half.count(), 1);
    QCOMPARE(half.first().at(1).value<uchar>(), uchar(3));
    QCOMPARE(half.first().at(2).value<Functions::Byte>(), Functions::LowByte);
    // Writing never touches the block's own state: the device answer does.
    QCOMPARE(block.setpoint(), quint16(0));
    QVERIFY(!block.valid());
}

void tst_BaseContainer::setData_subclassDecodesOwnRegister_shortImageKeepsItInvalid()
{
    SetpointBlock block;
    block.setData(QList<quint16>(int(SetpointBlock::kRegister), 7));
    QVERIFY(!block.valid());

    QList<quint16> image(100, 0);
    image[SetpointBlock::kRegister] = 230;
    // Through the meta-object, as a queued connection from the back end would deliver it.
    QVERIFY(QMetaObject::invokeMethod(&block, "setData", Q_ARG(QList<quint16>, image)));
    QCOMPARE(block.setpoint(), quint16(230));
    QVERIFY(block.valid());
}

QTEST_GUILESS_MAIN(tst_BaseContainer)
#include "tst_BaseContainer.moc"
