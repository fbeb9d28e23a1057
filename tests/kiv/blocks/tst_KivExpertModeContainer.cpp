#include "BaseSettings.h"
#include "Functions.h"
#include "KivDatenblock.h"
#include "KivExpertModeContainer.h"

#include <QCryptographicHash>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
constexpr uint kBase = 1000;
constexpr uint kParameter0 = kBase + KivDatenblock::kOffParameter0;
constexpr uint kParameter1 = kParameter0 + 2;

std::unique_ptr<KivDatenblock> makeBlock(Enums::TypeDatenblock type, qint32 parameter0, qint32 parameter1 = 0)
{
    QList<quint16> image(5000, 0);
    const auto put = [&image](uint reg, quint32 value) {
        const QList<quint16> words = Functions::fromUInt32(value);
        image[int(reg)] = words.at(0);
        image[int(reg) + 1] = words.at(1);
    };
    put(kBase + KivDatenblock::kOffType, quint32(type));
    put(kParameter0, quint32(parameter0));
    put(kParameter1, quint32(parameter1));
    return std::make_unique<KivDatenblock>(image, kBase, 0, nullptr);
}

QString md5(const QByteArray &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex());
}

// Every write a block or the container sent, in order: (register, first word).
struct WriteLog
{
    QList<QPair<uint, quint16>> writes;
    void watch(KivDatenblock *block)
    {
        QObject::connect(block, &KivDatenblock::writeMultipleRegisters, block,
                         [this](uint reg, const QList<quint16> &values) {
            writes.append({reg, values.value(0)});
        });
    }
    void watch(KivExpertModeContainer *expert)
    {
        QObject::connect(expert, &BaseContainer::writeSingleRegister, expert, [this](uint reg, ushort value) {
            writes.append({reg, value});
        });
    }
};
} // namespace

class tst_KivExpertModeContainer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void check_onlyTheExactPasswordOpens();
    void check_siteDigestFromSettingsReplacesBuiltIn();
    void co2Block_parameter0SplitsIntoModeAndReference();
    void co2Block_sameBlockTwiceConnectsOnce_modeWrittenToBlock();
    void co2Adjustment_writesReferenceThenStartAfterDelay();
    void co2Adjustment_withoutValidReference_refused();
    void adjustment_secondStartWhilePending_writesStartOnce();
    void vocAdjustment_requestThenStart_alreadyRequestedWritesOnlyStart();
    void reset_forgetsBlocksAndValuesSilently();

private:
    QTemporaryDir m_dir;
};

void tst_KivExpertModeContainer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
}

void tst_KivExpertModeContainer::check_onlyTheExactPasswordOpens()
{
    KivExpertModeContainer expert;
    // The built-in digest belongs to no number the page accepts (checked 0 .. 99999).
    for (int n = 0; n < 100000; n += 7)
        QVERIFY(!expert.check(QString::number(n)));
    QVERIFY(!expert.check(QString()));
}

void tst_KivExpertModeContainer::check_siteDigestFromSettingsReplacesBuiltIn()
{
    BaseSettings::writeValue(KivExpertModeContainer::kDigestSettingsKey, md5("4711"));
    KivExpertModeContainer expert;
    QVERIFY(expert.check(QStringLiteral("4711")));
    QVERIFY(!expert.check(QStringLiteral("4711 ")));
    QVERIFY(!expert.check(QStringLiteral("4712")));
    QVERIFY(!expert.check(QString()));

    // Anything but 32 lower-case hex digits is ignored: the built-in digest stays.
    BaseSettings::writeValue(KivExpertModeContainer::kDigestSettingsKey, md5("4711").toUpper());
    KivExpertModeContainer upper;
    QVERIFY(!upper.check(QStringLiteral("4711")));
    BaseSettings::writeValue(KivExpertModeContainer::kDigestSettingsKey, QString());
}

void tst_KivExpertModeContainer::co2Block_parameter0SplitsIntoModeAndReference()
{
    KivExpertModeContainer expert;
    QSignalSpy modes(&expert, &KivExpertModeContainer::freshAirAdjustmentChanged);
    QSignalSpy amounts(&expert, &KivExpertModeContainer::freshAirAmountChanged);

    auto automatic = makeBlock(Enums::CO2, 1);
    expert.setCo2Block(automatic.get());
    QCOMPARE(expert.freshAirAdjustment(), quint16(1));
    QCOMPARE(expert.freshAirAmount(), quint16(0));

    auto reference = makeBlock(Enums::CO2, 800);
    expert.setCo2Block(reference.get());
    QCOMPARE(expert.freshAirAdjustment(), quint16(1));
    QCOMPARE(expert.freshAirAmount(), quint16(800));

    for (qint32 ignored : {250, 2, 2001, -1}) {
        reference->setParameter0(ignored);
        QCOMPARE(expert.freshAirAdjustment(), quint16(1));
        QCOMPARE(expert.freshAirAmount(), quint16(800));
    }
    reference->setParameter0(0);
    QCOMPARE(expert.freshAirAdjustment(), quint16(0));
    QCOMPARE(modes.count(), 2);
    QCOMPARE(amounts.count(), 1);
}

void tst_KivExpertModeContainer::co2Block_sameBlockTwiceConnectsOnce_modeWrittenToBlock()
{
    KivExpertModeContainer expert;
    auto block = makeBlock(Enums::CO2, 0);
    WriteLog log;
    log.watch(block.get());
    expert.setCo2Block(block.get());
    expert.setCo2Block(block.get());

    // The chosen mode goes to the device once, not once per connection.
    expert.setFreshAirAdjustment(1);
    QCOMPARE(block->parameter0(), 1);
    QCOMPARE(log.writes, (QList<QPair<uint, quint16>>{{kParameter0, 1}}));

    // A former block no longer follows the page.
    auto other = makeBlock(Enums::CO2, 900);
    expert.setCo2Block(other.get());
    expert.setFreshAirAdjustment(0);
    QCOMPARE(block->parameter0(), 1);
    QCOMPARE(other->parameter0(), 0);
}

void tst_KivExpertModeContainer::co2Adjustment_writesReferenceThenStartAfterDelay()
{
    KivExpertModeContainer expert;
    auto block = makeBlock(Enums::CO2, 0);
    expert.setCo2Block(block.get());
    expert.setFreshAirAmount(1200);
    WriteLog log;
    log.watch(block.get());
    log.watch(&expert);
    QSignalSpy started(&expert, &KivExpertModeContainer::adjustmentStarted);
    connect(&expert, &KivExpertModeContainer::adjustmentStarted, this, [&log] {
        log.writes.append({0xFFFF, 0xFFFF});
    }); // marks when the signal came

    expert.startCo2Adjustment();
    QCOMPARE(log.writes, (QList<QPair<uint, quint16>>{{kParameter0, 1200}}));
    QVERIFY(expert.adjustmentPending());
    QVERIFY(started.wait(3000));
    QCOMPARE(log.writes, (QList<QPair<uint, quint16>>{{kParameter0, 1200}, {63, 1}, {0xFFFF, 0xFFFF}}));
}

void tst_KivExpertModeContainer::co2Adjustment_withoutValidReference_refused()
{
    KivExpertModeContainer expert;
    QSignalSpy writes(&expert, &BaseContainer::writeSingleRegister);
    // No block: nothing at all.
    expert.setFreshAirAmount(800);
    expert.startCo2Adjustment();
    QVERIFY(!expert.adjustmentPending());

    // A device that never reported a reference must not get 0 as one.
    KivExpertModeContainer fresh;
    auto block = makeBlock(Enums::CO2, 0);
    WriteLog log;
    log.watch(block.get());
    fresh.setCo2Block(block.get());
    QCOMPARE(fresh.freshAirAmount(), quint16(0));
    fresh.startCo2Adjustment();
    fresh.setFreshAirAmount(399);
    fresh.startCo2Adjustment();
    fresh.setFreshAirAmount(2001);
    fresh.startCo2Adjustment();
    QVERIFY(!fresh.adjustmentPending());
    QVERIFY(log.writes.isEmpty());
    QCOMPARE(block->parameter0(), 0);
}

void tst_KivExpertModeContainer::adjustment_secondStartWhilePending_writesStartOnce()
{
    KivExpertModeContainer expert;
    auto co2 = makeBlock(Enums::CO2, 0);
    auto voc = makeBlock(Enums::VOC, 0);
    expert.setCo2Block(co2.get());
    expert.setVocBlock(voc.get());
    expert.setFreshAirAmount(600);
    WriteLog log;
    log.watch(co2.get());
    log.watch(voc.get());
    log.watch(&expert);
    QSignalSpy started(&expert, &KivExpertModeContainer::adjustmentStarted);

    expert.startCo2Adjustment();
    expert.startCo2Adjustment();
    expert.startVocAdjustment();
    QVERIFY(started.wait(3000));
    QVERIFY(!expert.adjustmentPending());
    QCOMPARE(started.count(), 1);
    QCOMPARE(log.writes, (QList<QPair<uint, quint16>>{{kParameter0, 600}, {63, 1}}));
    QCOMPARE(voc->parameter1(), 0);
}

void tst_KivExpertModeContainer::vocAdjustment_requestThenStart_alreadyRequestedWritesOnlyStart()
{
    KivExpertModeContainer expert;
    QSignalSpy started(&expert, &KivExpertModeContainer::adjustmentStarted);
    expert.startVocAdjustment();
    QVERIFY(!expert.adjustmentPending());

    auto voc = makeBlock(Enums::VOC, 0);
    expert.setVocBlock(voc.get());
    WriteLog log;
    log.watch(voc.get());
    log.watch(&expert);
    expert.startVocAdjustment();
    QVERIFY(started.wait(3000));
    QCOMPARE(log.writes, (QList<QPair<uint, quint16>>{{kParameter1, 1}, {63, 1}}));

    log.writes.clear();
    expert.startVocAdjustment();
    QVERIFY(started.wait(3000));
    QCOMPARE(log.writes, (QList<QPair<uint, quint16>>{{63, 1}}));
}

void tst_KivExpertModeContainer::reset_forgetsBlocksAndValuesSilently()
{
    KivExpertModeContainer expert;
    auto co2 = makeBlock(Enums::CO2, 1);
    auto voc = makeBlock(Enums::VOC, 0);
    expert.setCo2Block(co2.get());
    expert.setVocBlock(voc.get());
    expert.setFreshAirAmount(700);
    QSignalSpy modes(&expert, &KivExpertModeContainer::freshAirAdjustmentChanged);
    QSignalSpy amounts(&expert, &KivExpertModeContainer::freshAirAmountChanged);
    expert.reset();
    QCOMPARE(expert.co2Block(), nullptr);
    QCOMPARE(expert.vocBlock(), nullptr);
    QCOMPARE(expert.freshAirAdjustment(), quint16(0));
    QCOMPARE(expert.freshAirAmount(), quint16(0));
    QVERIFY(modes.isEmpty() && amounts.isEmpty());

    // A block deleted by the back end is never used afterwards.
    expert.setVocBlock(voc.get());
    voc.reset();
    expert.startVocAdjustment();
    QVERIFY(!expert.adjustmentPending());
}

QTEST_GUILESS_MAIN(tst_KivExpertModeContainer)
#include "tst_KivExpertModeContainer.moc"
