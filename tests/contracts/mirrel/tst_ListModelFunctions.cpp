#include "ListModelFunctions.h"

#include <QTest>

namespace {
enum Page { Connection = 0, Live = 1, Output = 2, Relais = 3, LcdPage = 4, Tlf = 5 };

class RecordingList : public ListModelFunctions<Page>
{
public:
    explicit RecordingList(const QList<Item> &items)
        : ListModelFunctions<Page>(items)
    {
    }
    void insertItem(int row, const Item &item) override
    {
        m_visibleList.insert(row, item);
        ++inserts;
    }
    void removeItem(int row) override
    {
        m_visibleList.removeAt(row);
        ++removes;
    }
    QList<Page> visible() const
    {
        QList<Page> pages;
        for (const Item &item : m_visibleList)
            pages << item.pageIndex;
        return pages;
    }
    int inserts = 0;
    int removes = 0;
};

const QList<ListModelItem<Page>> kItems = {
    {"Verbindungsmanager", Connection}, {"Live-Daten", Live}, {"Ausgangskonfiguration", Output},
    {"Relaiseinstellungen", Relais},    {"Display", LcdPage}, {"Ampelfunktion(TLF)", Tlf}};
} // namespace

class tst_ListModelFunctions : public QObject
{
    Q_OBJECT
private slots:
    void show_insertsAfterNearestVisiblePredecessor_keepsFullListOrder();
    void showVisibleOrHideHidden_noRowChanges();
};

void tst_ListModelFunctions::show_insertsAfterNearestVisiblePredecessor_keepsFullListOrder()
{
    RecordingList list(kItems);
    for (Page p : {Live, Output, Relais, LcdPage, Tlf})
        list.hide(p);
    QCOMPARE(list.visible(), QList<Page>{Connection});
    list.show(Live);
    list.show(Tlf);
    QCOMPARE(list.visible(), (QList<Page>{Connection, Live, Tlf}));
    list.show(Output);
    list.hide(Connection);
    list.show(Relais);
    QCOMPARE(list.visible(), (QList<Page>{Live, Output, Relais, Tlf}));
    list.show(Connection);
    QCOMPARE(list.visible(), (QList<Page>{Connection, Live, Output, Relais, Tlf}));
}

void tst_ListModelFunctions::showVisibleOrHideHidden_noRowChanges()
{
    RecordingList list(kItems);
    list.show(Live);
    list.hide(LcdPage);
    list.hide(LcdPage);
    list.show(Page(42));
    QCOMPARE(list.inserts, 0);
    QCOMPARE(list.removes, 1);
}

QTEST_GUILESS_MAIN(tst_ListModelFunctions)
#include "tst_ListModelFunctions.moc"
