#include "NemtraGatewayFilterModel.h"

#include <NemtraProperty.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {
constexpr uint kCountRegister = 0xC407;
constexpr uint kFirstEntry = 0xC410;
constexpr int kImageSize = 65535;

// A count register and its entry registers as the gateway block describes them, with a model
// over them that a tester watches for every inconsistency a view would trip over.
struct FilterList
{
    FilterList(int kind, int entries, int countMaximum, bool countReadOnly = false)
    {
        const bool byteEntries = kind != NemtraGatewayFilterModel::IdFilter;
        count = new NemtraProperty(kCountRegister, 0, countMaximum, 1, countReadOnly, NemtraEnums::Gateway,
                                   BaseProperty::UInt16, 1, 5, QString(), &owner);
        for (int i = 0; i < entries; ++i) {
            const uint reg = kFirstEntry + uint(i) * (byteEntries ? 1 : 2);
            list.append(new NemtraProperty(reg, 0, byteEntries ? 255 : 4294967295.0, 1, false, NemtraEnums::Gateway,
                                           byteEntries ? BaseProperty::HexByte : BaseProperty::UInt32,
                                           byteEntries ? 1 : 2, 10 + i, QString(), &owner));
        }
        build(kind);
    }

    void build(int kind)
    {
        model = std::make_unique<NemtraGatewayFilterModel>(kind, count, list);
        tester = std::make_unique<QAbstractItemModelTester>(model.get(),
                                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    // The device reports a count (and entry values) through a new register image.
    void push(int countValue, const QList<QPair<uint, quint16>> &words = {})
    {
        image[kCountRegister] = quint16(countValue);
        for (const auto &word : words)
            image[word.first] = word.second;
        count->setRawValue(image);
        for (NemtraProperty *entry : std::as_const(list)) {
            if (entry)
                entry->setRawValue(image);
        }
    }

    int countValue() const { return int(count->value()); }
    bool maxReached(int row) const
    {
        return model->data(model->index(row), NemtraGatewayFilterModel::MaxEntryReachedRole).toBool();
    }

    QObject owner;
    NemtraProperty *count = nullptr;
    QList<NemtraProperty *> list;
    QList<quint16> image = QList<quint16>(kImageSize, 0);
    std::unique_ptr<NemtraGatewayFilterModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

QList<int> rowRange(const QSignalSpy &spy)
{
    if (spy.isEmpty())
        return {};
    return {spy.last().at(1).toInt(), spy.last().at(2).toInt()};
}
} // namespace

class tst_NemtraGatewayFilterModel : public QObject
{
    Q_OBJECT

private slots:
    void addEntry_appendsTheLastRowUpToTheKindsLimit_data();
    void addEntry_appendsTheLastRowUpToTheKindsLimit();
    void removeEntry_dropsTheLastRowButKeepsOne();
    void entries_boundTheRowsWhateverTheCount();
    void countFromDevice_keepsRowsInStep();
    void entryChange_signalsOnlyItsShownRow();
    void refusedCount_changesNoRows();
};

void tst_NemtraGatewayFilterModel::addEntry_appendsTheLastRowUpToTheKindsLimit_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("description");
    QTest::newRow("identifiers") << int(NemtraGatewayFilterModel::IdFilter) << 30 << QStringLiteral("ID %1:");
    QTest::newRow("packet types") << int(NemtraGatewayFilterModel::PacketFilter) << 16
                                  << QStringLiteral("Packettype %1:");
    QTest::newRow("data") << int(NemtraGatewayFilterModel::DataFilter) << 16 << QStringLiteral("Data %1");
}

// Every added entry shows up as the row after the last, with its count written to the device,
// until the kind's limit; then "+" does nothing and every row knows the list is full.
void tst_NemtraGatewayFilterModel::addEntry_appendsTheLastRowUpToTheKindsLimit()
{
    QFETCH(int, kind);
    QFETCH(int, limit);
    QFETCH(QString, description);
    FilterList filters(kind, limit, limit);
    QCOMPARE(filters.model->rowCount(), 0);
    QSignalSpy inserted(filters.model.get(), &QAbstractItemModel::rowsInserted);
    QSignalSpy writes(filters.count, &BaseProperty::writeSingleRegister);

    for (int rows = 1; rows <= limit; ++rows) {
        filters.model->addEntry();
        QCOMPARE(filters.model->rowCount(), rows);
        QCOMPARE(rowRange(inserted), QList<int>({rows - 1, rows - 1}));
        QCOMPARE(writes.last().at(0).toUInt(), kCountRegister);
        QCOMPARE(writes.last().at(1).toUInt(), uint(rows));
        QCOMPARE(filters.maxReached(0), rows == limit);
    }
    QCOMPARE(filters.model->data(filters.model->index(limit - 1), NemtraGatewayFilterModel::DescriptionRole),
             description.arg(limit));

    filters.model->addEntry();
    QCOMPARE(inserted.count(), limit);
    QCOMPARE(writes.count(), limit);
    QCOMPARE(filters.countValue(), limit);
    QVERIFY(filters.maxReached(limit - 1));
}

// "-" takes the last row away; the list never shrinks below one entry.
void tst_NemtraGatewayFilterModel::removeEntry_dropsTheLastRowButKeepsOne()
{
    FilterList filters(NemtraGatewayFilterModel::IdFilter, 30, 30);
    filters.push(3, {{kFirstEntry, 0x1111}, {kFirstEntry + 2, 0x2222}, {kFirstEntry + 4, 0x3333}});
    QCOMPARE(filters.model->rowCount(), 3);
    QSignalSpy removed(filters.model.get(), &QAbstractItemModel::rowsRemoved);

    filters.model->removeEntry();
    QCOMPARE(rowRange(removed), QList<int>({2, 2}));
    QCOMPARE(filters.countValue(), 2);
    // The first rows keep their own entries.
    QCOMPARE(filters.model->data(filters.model->index(1), NemtraGatewayFilterModel::HexValueRole).toString(),
             QStringLiteral("00002222"));
    filters.model->removeEntry();
    QCOMPARE(rowRange(removed), QList<int>({1, 1}));
    QCOMPARE(filters.model->rowCount(), 1);

    filters.model->removeEntry();
    QCOMPARE(removed.count(), 2);
    QCOMPARE(filters.countValue(), 1);
    QCOMPARE(filters.model->rowCount(), 1);

    filters.push(0);
    QCOMPARE(filters.model->rowCount(), 0);
    filters.model->removeEntry();
    QCOMPARE(filters.countValue(), 0);
    QCOMPARE(removed.count(), 2);
}

// A gateway block with fewer entry registers than the kind allows shows no rows past them, and
// a count the device reports past both limits is shown bounded and can be brought back down.
void tst_NemtraGatewayFilterModel::entries_boundTheRowsWhateverTheCount()
{
    FilterList filters(NemtraGatewayFilterModel::IdFilter, 4, 65535);
    filters.push(2);
    filters.model->addEntry();
    filters.model->addEntry();
    QCOMPARE(filters.model->rowCount(), 4);
    QVERIFY(filters.maxReached(0));
    QSignalSpy inserted(filters.model.get(), &QAbstractItemModel::rowsInserted);
    filters.model->addEntry();
    QCOMPARE(filters.countValue(), 4);
    QCOMPARE(inserted.count(), 0);

    filters.push(500);
    QCOMPARE(filters.model->rowCount(), 4);
    QVERIFY(!filters.model->data(filters.model->index(3), Qt::DisplayRole).toString().isEmpty());
    QSignalSpy removed(filters.model.get(), &QAbstractItemModel::rowsRemoved);
    filters.model->removeEntry();
    QCOMPARE(filters.countValue(), 3);
    QCOMPARE(rowRange(removed), QList<int>({3, 3}));

    // Past the kind's own limit with every entry register present.
    FilterList packets(NemtraGatewayFilterModel::PacketFilter, 16, 255);
    packets.push(200);
    QCOMPARE(packets.model->rowCount(), 16);
    QVERIFY(packets.maxReached(15));

    // A missing entry register ends the list there.
    FilterList gap(NemtraGatewayFilterModel::DataFilter, 6, 16);
    gap.list[3] = nullptr;
    gap.build(NemtraGatewayFilterModel::DataFilter);
    gap.push(6);
    QCOMPARE(gap.model->rowCount(), 3);
    gap.model->addEntry();
    QCOMPARE(gap.countValue(), 6);
}

// Counts read from the device move the rows with them; "+" and "-" work from 0 and 1.
void tst_NemtraGatewayFilterModel::countFromDevice_keepsRowsInStep()
{
    FilterList filters(NemtraGatewayFilterModel::DataFilter, 16, 16);
    QSignalSpy resets(filters.model.get(), &QAbstractItemModel::modelReset);
    filters.push(5);
    QCOMPARE(filters.model->rowCount(), 5);
    QCOMPARE(resets.count(), 1);
    filters.push(5);
    QCOMPARE(resets.count(), 1);
    filters.push(1);
    QCOMPARE(filters.model->rowCount(), 1);
    filters.push(0);
    QCOMPARE(filters.model->rowCount(), 0);

    QSignalSpy inserted(filters.model.get(), &QAbstractItemModel::rowsInserted);
    filters.model->addEntry();
    QCOMPARE(rowRange(inserted), QList<int>({0, 0}));
    QCOMPARE(filters.model->rowCount(), 1);
    // The device's read-back of the written count changes nothing more.
    filters.push(1);
    QCOMPARE(filters.model->rowCount(), 1);
    QCOMPARE(resets.count(), 3);

    QSignalSpy maxChanges(filters.model.get(), &QAbstractItemModel::dataChanged);
    filters.push(16);
    QCOMPARE(filters.model->rowCount(), 16);
    QVERIFY(filters.maxReached(0));
    QVERIFY(!maxChanges.isEmpty());
}

// An entry's new value refreshes its own row; entries past the count are no rows to refresh.
void tst_NemtraGatewayFilterModel::entryChange_signalsOnlyItsShownRow()
{
    FilterList filters(NemtraGatewayFilterModel::PacketFilter, 16, 16);
    filters.push(2);
    QSignalSpy changed(filters.model.get(), &QAbstractItemModel::dataChanged);
    filters.list.at(1)->setHexValue(QStringLiteral("A5"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(0).toModelIndex().row(), 1);
    QCOMPARE(filters.model->data(filters.model->index(1), Qt::DisplayRole).toString(), QStringLiteral("A5"));
    QCOMPARE(filters.model->data(filters.model->index(1), NemtraGatewayFilterModel::NumberOfBytesRole).toInt(), 1);

    filters.list.at(9)->setHexValue(QStringLiteral("5A"));
    QCOMPARE(changed.count(), 1);
    filters.model->addEntry();
    QCOMPARE(filters.model->rowCount(), 3);
}

// A count the property refuses (read-only, or an unknown list) leaves the rows alone.
void tst_NemtraGatewayFilterModel::refusedCount_changesNoRows()
{
    FilterList readOnly(NemtraGatewayFilterModel::IdFilter, 30, 30, true);
    readOnly.push(2);
    QCOMPARE(readOnly.model->rowCount(), 2);
    QSignalSpy inserted(readOnly.model.get(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(readOnly.model.get(), &QAbstractItemModel::rowsRemoved);
    readOnly.model->addEntry();
    readOnly.model->removeEntry();
    QCOMPARE(readOnly.model->rowCount(), 2);
    QCOMPARE(inserted.count() + removed.count(), 0);

    FilterList unknown(7, 16, 16);
    unknown.push(3);
    QCOMPARE(unknown.model->rowCount(), 3);
    QCOMPARE(unknown.model->data(unknown.model->index(0), NemtraGatewayFilterModel::DescriptionRole).toString(),
             QStringLiteral("-- 1:"));
    unknown.model->addEntry();
    QCOMPARE(unknown.countValue(), 3);
}

QTEST_GUILESS_MAIN(tst_NemtraGatewayFilterModel)
#include "tst_NemtraGatewayFilterModel.moc"
