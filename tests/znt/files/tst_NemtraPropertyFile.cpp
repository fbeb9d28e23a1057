#include "NemtraProperty.h"
#include "NemtraPropertyFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <SharedRuntime.h>
#include <UtilityFunctions.h>

#include <memory>

namespace {
struct PropertyList
{
    QList<NemtraProperty *> items;
    ~PropertyList() { qDeleteAll(items); }
};

QByteArray referenceFile()
{
    QFile file(QStringLiteral(ZNT_PROPERTIES_TXT));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

NemtraProperty *make(uint reg, quint16 type, uchar span = 1, int order = 0)
{
    return new NemtraProperty(reg, 0, 65535, 1, false, type, span >= 2 ? BaseProperty::UInt32 : BaseProperty::UInt16,
                              span, order, QString());
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
} // namespace

// The register map as a whole: the compiled-in table, the reference file, where the loader
// looks, and the ranges the connection reads.
class tst_NemtraPropertyFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fallbackTable_rowCountsPerBlock();
    void fallbackTable_noRegisterHeldTwiceAndDeviceInformationSortsIntoItsPositions();
    void referenceFile_describesTheSameMapAsTheFallbackTable();
    void loader_readsThePropertyFolderElseFallsBack();
    void loader_dropsInvalidLinesAndKeepsFileOrder();
    void takeProperties_movesValidOnesSortedByOrder();
    void takeChannelProperties_takesEveryChannelTypeAscending();
    void ranges_overlapAdjacencyAndTypeOrder();
    void ranges_ofTheFallbackMap();

private:
    QTemporaryDir m_root;
};

void tst_NemtraPropertyFile::initTestCase()
{
    QVERIFY(m_root.isValid());
    UtilityFunctions::setRootDirectory(m_root.path());
    // Before the plugin announces its type (or while another plugin's type is set) the file
    // is still looked for in the ZNT folder.
    SharedRuntime::setPluginType(QStringLiteral("KIV"));
    QCOMPARE(NemtraPropertyFile::filePath(), m_root.path() + QStringLiteral("/ZNT/Properties/Properties.txt"));
    SharedRuntime::setPluginType(QStringLiteral("ZNT"));
    QCOMPARE(NemtraPropertyFile::filePath(),
             UtilityFunctions::propertyFileDirectory() + QStringLiteral("/Properties.txt"));
    QVERIFY(!QFile::exists(NemtraPropertyFile::filePath()));
}

void tst_NemtraPropertyFile::fallbackTable_rowCountsPerBlock()
{
    PropertyList all{NemtraPropertyFile::fallbackProperties()};
    QCOMPARE(all.items.size(), 270);
    for (const NemtraProperty *p : std::as_const(all.items))
        QVERIFY2(p->isValid(), qPrintable(QString::number(p->registerIndex(), 16)));

    const QList<QPair<quint16, int>> expected = {
        {NemtraEnums::Temperature, 18}, {NemtraEnums::RelHumidity, 6}, {NemtraEnums::CO2, 6},
        {NemtraEnums::VOC, 6},          {NemtraEnums::PressureAbs, 6}, {NemtraEnums::Illuminance, 6},
        {NemtraEnums::Occupancy, 6},    {NemtraEnums::ReedContact, 4}, {NemtraEnums::Battery, 6},
        {NemtraEnums::Button, 10},      {NemtraEnums::SetPoint, 14},   {NemtraEnums::DeviceInformation, 15},
        {NemtraEnums::Tlf, 19},         {NemtraEnums::Led, 9},         {NemtraEnums::Display, 19},
        {NemtraEnums::Lora, 16},        {NemtraEnums::Gateway, 72},    {NemtraEnums::DeviceSetup, 32}};
    for (const auto &[type, count] : expected) {
        const QList<NemtraProperty *> taken = NemtraPropertyFile::takeProperties(all.items, type);
        QCOMPARE(taken.size(), count);
        qDeleteAll(taken);
    }
    QVERIFY(all.items.isEmpty());
}

void tst_NemtraPropertyFile::fallbackTable_noRegisterHeldTwiceAndDeviceInformationSortsIntoItsPositions()
{
    PropertyList all{NemtraPropertyFile::fallbackProperties()};
    QSet<uint> used;
    for (const NemtraProperty *p : std::as_const(all.items)) {
        for (int i = 0; i < p->span(); ++i)
            QVERIFY2(!used.contains(p->registerIndex() + uint(i)), qPrintable(QString::number(p->registerIndex(), 16)));
        for (int i = 0; i < p->span(); ++i)
            used.insert(p->registerIndex() + uint(i));
    }

    PropertyList info{NemtraPropertyFile::takeProperties(all.items, NemtraEnums::DeviceInformation)};
    const QList<uint> positions = {0xC108, 0xC106, 0xC107, 0xC000, 0xC008, 0xC004, 0xC006, 0xC010,
                                   0xC001, 0xC002, 0xC003, 0xC105, 0xC100, 0xC10B, 0xC180};
    QCOMPARE(info.items.size(), positions.size());
    for (int i = 0; i < positions.size(); ++i)
        QCOMPARE(info.items.at(i)->registerIndex(), positions.at(i));
    // The heartbeat is held in minutes and shown in milliseconds.
    QCOMPARE(info.items.at(1)->divisor(), 1.0 / 60000.0);
}

void tst_NemtraPropertyFile::referenceFile_describesTheSameMapAsTheFallbackTable()
{
    const QByteArray content = referenceFile();
    QVERIFY(!content.isEmpty());
    PropertyList fromFile{NemtraPropertyFile::parseProperties(content)};
    PropertyList fallback{NemtraPropertyFile::fallbackProperties()};
    QCOMPARE(fromFile.items.size(), fallback.items.size());
    for (int i = 0; i < fallback.items.size(); ++i) {
        const NemtraProperty *a = fromFile.items.at(i);
        const NemtraProperty *b = fallback.items.at(i);
        const QByteArray where = QByteArray::number(b->registerIndex(), 16);
        QVERIFY2(a->registerIndex() == b->registerIndex() && a->minimum() == b->minimum() &&
                     a->maximum() == b->maximum() && a->divisor() == b->divisor() && a->readOnly() == b->readOnly() &&
                     a->typeValue() == b->typeValue() && a->propertyType() == b->propertyType() &&
                     a->span() == b->span() && a->order() == b->order() && a->unit() == b->unit(),
                 where.constData());
    }
}

void tst_NemtraPropertyFile::loader_readsThePropertyFolderElseFallsBack()
{
    const QString path = NemtraPropertyFile::filePath();
    bool usedFile = true;
    {
        PropertyList none{NemtraPropertyFile::loadProperties(path, &usedFile)};
        QVERIFY(!usedFile);
        QCOMPARE(none.items.size(), 270);
    }

    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(writeFile(path, referenceFile()));
    {
        PropertyList copied{NemtraPropertyFile::loadProperties(path, &usedFile)};
        QVERIFY(usedFile);
        QCOMPARE(copied.items.size(), 270);
    }

    // A technician's change of the map wins over the compiled-in table.
    QVERIFY(writeFile(path,
                      "{49152, 0, 65535, 1, 1, DeviceInformation, UInt16, 1, 6, \"\"}\n"
                      "{51200, 0, 65535, 1, 1, DeviceSetup, UInt16, 1, 0, \"\"}\r\n"));
    {
        PropertyList changed{NemtraPropertyFile::loadProperties()};
        QCOMPARE(changed.items.size(), 2);
        QCOMPARE(NemtraPropertyFile::containerRanges(),
                 (QList<NemtraRegisterRange>{{0xC800, 0xC800}, {0xC000, 0xC000}}));
    }

    // A folder in place of the file cannot be read: the table is used.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    PropertyList unreadable{NemtraPropertyFile::loadProperties(path, &usedFile)};
    QVERIFY(!usedFile);
    QCOMPARE(unreadable.items.size(), 270);
    QVERIFY(QDir(path).removeRecursively());
}

void tst_NemtraPropertyFile::loader_dropsInvalidLinesAndKeepsFileOrder()
{
    const QByteArray content = "// Register, Minimum, Maximum, Divisor, ReadOnly, DatablockType, PropertyType, Span\n"
                               "\n"
                               "{300, 0, 10, 1, 0, Led, UInt16, 1, 2, \"\"}\n"
                               "{x00, 0, 10, 1, 0, Led, UInt16, 1, 1, \"\"}\n"
                               "{100, 0, 10, 0, 0, Led, UInt16, 1, 1, \"\"}\n"
                               "{200, 0, 10, 1, 0\n"
                               "{100, 0, 10, 1, 0, Led, UInt16, 1, 0, \"\"}";
    PropertyList loaded{NemtraPropertyFile::parseProperties(content)};
    QCOMPARE(loaded.items.size(), 2);
    QCOMPARE(loaded.items.at(0)->registerIndex(), 300u);
    QCOMPARE(loaded.items.at(1)->registerIndex(), 100u);
}

void tst_NemtraPropertyFile::takeProperties_movesValidOnesSortedByOrder()
{
    auto *invalid = new NemtraProperty(QStringLiteral("{100, 0, 10, 0, 0, Led, UInt16, 1, 0, \"\"}"));
    PropertyList source{{make(10, NemtraEnums::Led, 1, 5), make(11, NemtraEnums::Tlf, 1, 0),
                         make(12, NemtraEnums::Led, 1, 1), invalid, make(13, NemtraEnums::Led, 1, 3)}};
    PropertyList led{NemtraPropertyFile::takeProperties(source.items, NemtraEnums::Led)};
    QCOMPARE(led.items.size(), 3);
    QCOMPARE(led.items.at(0)->registerIndex(), 12u);
    QCOMPARE(led.items.at(1)->registerIndex(), 13u);
    QCOMPARE(led.items.at(2)->registerIndex(), 10u);
    // The rest stays with the caller, the invalid one included.
    QCOMPARE(source.items.size(), 2);
    QVERIFY(source.items.contains(invalid));
}

void tst_NemtraPropertyFile::takeChannelProperties_takesEveryChannelTypeAscending()
{
    // The container blocks are handed out first; what remains of 16 to 254 are the channels.
    PropertyList all{NemtraPropertyFile::fallbackProperties()};
    PropertyList containers;
    for (quint16 type = NemtraEnums::DeviceInformation; type <= NemtraEnums::Live; ++type)
        containers.items.append(NemtraPropertyFile::takeProperties(all.items, type));
    QCOMPARE(containers.items.size(), 182);
    PropertyList channels{NemtraPropertyFile::takeChannelProperties(all.items)};
    QCOMPARE(channels.items.size(), 88);
    QVERIFY(all.items.isEmpty());
    for (int i = 1; i < channels.items.size(); ++i)
        QVERIFY(channels.items.at(i - 1)->typeValue() <= channels.items.at(i)->typeValue());

    PropertyList odd{{make(1, 15), make(2, 255), make(3, NemtraEnums::Button_1), make(4, 254), make(5, 16)}};
    PropertyList taken{NemtraPropertyFile::takeChannelProperties(odd.items)};
    QCOMPARE(taken.items.size(), 2);
    QCOMPARE(taken.items.at(0)->registerIndex(), 5u);
    QCOMPARE(taken.items.at(1)->registerIndex(), 4u);
    QCOMPARE(odd.items.size(), 3);
}

void tst_NemtraPropertyFile::ranges_overlapAdjacencyAndTypeOrder()
{
    PropertyList list{{make(200, NemtraEnums::Led, 2), make(201, NemtraEnums::Led), // overlapping
                       make(100, NemtraEnums::Tlf, 4), make(104, NemtraEnums::Tlf, 2), // span 4, then adjacent
                       make(106, NemtraEnums::Led), // adjacent to Tlf, but another type
                       make(300, NemtraEnums::Gateway)}};
    using Ranges = QList<NemtraRegisterRange>;
    QCOMPARE(NemtraPropertyFile::registerRanges(list.items, {NemtraEnums::Led}),
             (Ranges{{106, 106}, {200, 201}, {201, 201}}));
    QCOMPARE(NemtraPropertyFile::registerRanges(list.items, {NemtraEnums::Tlf}), (Ranges{{100, 105}}));
    QCOMPARE(
        NemtraPropertyFile::registerRanges(list.items, {NemtraEnums::Gateway, NemtraEnums::Tlf, NemtraEnums::Display}),
        (Ranges{{300, 300}, {100, 105}}));
}

void tst_NemtraPropertyFile::ranges_ofTheFallbackMap()
{
    const QList<NemtraRegisterRange> containers = NemtraPropertyFile::containerRanges();
    QVERIFY(!containers.isEmpty());
    // The device-setup block comes first: the connection reads it before everything else.
    QCOMPARE(containers.first(), NemtraRegisterRange(0xC800, 0xC81F));
    QCOMPARE(containers.at(1), NemtraRegisterRange(0xC000, 0xC009));
    QCOMPARE(containers.last(), NemtraRegisterRange(0x8410, 0x8415));

    const QList<NemtraRegisterRange> channels = NemtraPropertyFile::channelRanges();
    QCOMPARE(channels.mid(0, 3), (QList<NemtraRegisterRange>{{0x8100, 0x8105}, {0x9100, 0x9105}, {0xA100, 0xA105}}));
    QCOMPARE(channels.last(), NemtraRegisterRange(0x9630, 0x9637));
    for (const NemtraRegisterRange &range : channels)
        QVERIFY(range.first <= range.second);
}

QTEST_GUILESS_MAIN(tst_NemtraPropertyFile)
#include "tst_NemtraPropertyFile.moc"
