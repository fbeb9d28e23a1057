#include "KivNavigationModel.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

namespace {

using P = KivNavigationEnums;

QList<int> visiblePages(const KivNavigationModel &model)
{
    QList<int> pages;
    for (int row = 0; row < model.rowCount(); ++row)
        pages << model.data(model.index(row), KivNavigationModel::PageIndexRole).toInt();
    return pages;
}

// Answers only for the navigation context, so a wrong context shows up as an untranslated text.
class NavigationTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "NavigationItems") == 0 && qstrcmp(sourceText, "Handbuch") == 0)
            return QStringLiteral("Manual");
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_KivNavigationModel : public QObject
{
    Q_OBJECT

private slots:
    void construction_showsTheWholeListWithItsRoles();
    void data_outsideTheVisibleRowsOrUnknownRoleIsEmpty();
    void showAndHide_keepFullListOrderAndSignalOneRow();
    void showTlf_afterLiveData_insertsAtRowTwo();
    void showAndHide_withoutEffect_emitNoRowSignals();
    void subEntries_servedAsModelsForGroupPagesOnly();
    void texts_translatedWhenShownInNavigationContext();
};

void tst_KivNavigationModel::construction_showsTheWholeListWithItsRoles()
{
    KivNavigationModel model(KivNavigationModel::bottomItems());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(visiblePages(model), QList<int>({10, 11, 12, 44, 14, 16, 15, 17}));
    QCOMPARE(model.rowCount(model.index(0)), 0);

    const QHash<int, QByteArray> roles = model.roleNames();
    QCOMPARE(roles.value(257), QByteArray("textRole"));
    QCOMPARE(roles.value(258), QByteArray("pageIndexRole"));
    QCOMPARE(roles.value(259), QByteArray("subModelRole"));
    QCOMPARE(roles.value(260), QByteArray("imageRole"));

    QCOMPARE(model.data(model.index(0), Qt::DisplayRole).toString(), QStringLiteral("Expertenmodus"));
    QCOMPARE(model.data(model.index(7), KivNavigationModel::TextRole).toString(), QStringLiteral("Zurück"));
    QCOMPARE(model.data(model.index(5), KivNavigationModel::ImageRole).toString(),
             QStringLiteral("qrc:/images/Menu Icons/GlobeWhiteWithMeridians.png"));
    QVERIFY(!model.data(model.index(6), KivNavigationModel::ImageRole).isValid());
}

void tst_KivNavigationModel::data_outsideTheVisibleRowsOrUnknownRoleIsEmpty()
{
    KivNavigationModel model(KivNavigationModel::topItems());
    const QModelIndex last = model.index(9);
    model.hide(P::KivLoraPage);
    QCOMPARE(model.rowCount(), 9);
    // An index taken before the row vanished must not reach past the visible list.
    QVERIFY(!model.data(last, KivNavigationModel::TextRole).isValid());
    QVERIFY(!model.data(last, KivNavigationModel::SubModelRole).isValid());
    QVERIFY(!model.data(QModelIndex(), KivNavigationModel::PageIndexRole).isValid());
    QVERIFY(!model.data(model.index(0), Qt::DecorationRole).isValid());
}

void tst_KivNavigationModel::showAndHide_keepFullListOrderAndSignalOneRow()
{
    KivNavigationModel model(KivNavigationModel::topItems());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    model.hide(P::KivRelaisPage);
    model.hide(P::KivLcdPage);
    model.hide(P::KivRs485Page);
    QCOMPARE(removed.size(), 3);
    QCOMPARE(removed.at(0).at(1).toInt(), 3);
    QCOMPARE(removed.at(0).at(2).toInt(), 3);
    QCOMPARE(visiblePages(model), QList<int>({0, 1, 2, 5, 7, 8, 13}));

    model.show(P::KivRs485Page);
    model.show(P::KivRelaisPage);
    model.show(P::KivLcdPage);
    QCOMPARE(inserted.size(), 3);
    // BUS goes after TLF (its nearest visible predecessor), relay after output, display after relay.
    QCOMPARE(inserted.at(0).at(1).toInt(), 4);
    QCOMPARE(inserted.at(1).at(1).toInt(), 3);
    QCOMPARE(inserted.at(2).at(1).toInt(), 4);
    QCOMPARE(inserted.at(2).at(2).toInt(), 4);
    QCOMPARE(visiblePages(model), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 13}));
}

void tst_KivNavigationModel::showTlf_afterLiveData_insertsAtRowTwo()
{
    KivNavigationModel model(KivNavigationModel::topItems());
    for (P::KivPageIndex page : {P::KivOutputPage, P::KivRelaisPage, P::KivLcdPage, P::KivTlfPage, P::KivRs485Page,
                                 P::KivOffsetPage, P::KivServicePage, P::KivLoraPage})
        model.hide(page);
    QCOMPARE(visiblePages(model), QList<int>({0, 1}));

    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.show(P::KivTlfPage);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 2);
    QCOMPARE(visiblePages(model), QList<int>({0, 1, 5}));
    QCOMPARE(model.data(model.index(2), KivNavigationModel::TextRole).toString(), QStringLiteral("Ampelfunktion(TLF)"));
}

void tst_KivNavigationModel::showAndHide_withoutEffect_emitNoRowSignals()
{
    KivNavigationModel model(KivNavigationModel::topItems());
    model.hide(P::KivLcdPage);
    QSignalSpy aboutToInsert(&model, &QAbstractItemModel::rowsAboutToBeInserted);
    QSignalSpy aboutToRemove(&model, &QAbstractItemModel::rowsAboutToBeRemoved);

    model.show(P::KivConnectionPage); // already visible
    model.hide(P::KivLcdPage); // already hidden
    model.show(P::KivExportPage); // not in this list at all
    model.show(P::KivUpdatePage); // has no entry anywhere
    model.hide(P::KivManuel);

    QCOMPARE(aboutToInsert.size(), 0);
    QCOMPARE(aboutToRemove.size(), 0);
    QCOMPARE(model.rowCount(), 9);
}

void tst_KivNavigationModel::subEntries_servedAsModelsForGroupPagesOnly()
{
    KivNavigationModel model(KivNavigationModel::topItems());
    QCOMPARE(model.maxItemCount(), 3);

    auto *connection = model.data(model.index(0), KivNavigationModel::SubModelRole).value<KivNavigationModel *>();
    QVERIFY(connection);
    QAbstractItemModelTester tester(connection, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(visiblePages(*connection), QList<int>({21, 23, 22}));
    QCOMPARE(connection->data(connection->index(1), Qt::DisplayRole).toString(), QStringLiteral("Gerät simulieren"));

    // Display (row 4) and offset (row 7) have no sub-entries.
    QVERIFY(!model.data(model.index(4), KivNavigationModel::SubModelRole).isValid());
    QVERIFY(!model.data(model.index(7), KivNavigationModel::SubModelRole).isValid());

    const QVariant lora = model.relatedChildrenModels(P::KivLoraPage);
    auto *loraModel = lora.value<KivNavigationModel *>();
    QVERIFY(loraModel);
    QCOMPARE(loraModel->parent(), &model);
    QCOMPARE(visiblePages(*loraModel), QList<int>({39, 40, 41}));
    QCOMPARE(loraModel->data(loraModel->index(2), Qt::DisplayRole).toString(), QStringLiteral("Control Command"));
    QVERIFY(!model.relatedChildrenModels(P::KivTlfPage).isValid());
    QVERIFY(!model.relatedChildrenModels(P::KivInvalidPage).isValid());

    // The expert group never offers its password page in the drawer.
    QCOMPARE(KivNavigationModel::subItems(P::KivExpertPage).size(), 2);
    QCOMPARE(KivNavigationModel::subItems(P::KivSaveLoadPage).first().pageIndex, P::KivSavePage);

    // Reachable by name from QML.
    QVariant viaMeta;
    QVERIFY(QMetaObject::invokeMethod(&model, "relatedChildrenModels", Q_RETURN_ARG(QVariant, viaMeta),
                                      Q_ARG(KivNavigationEnums::KivPageIndex, P::KivServicePage)));
    QVERIFY(viaMeta.value<KivNavigationModel *>());
}

void tst_KivNavigationModel::texts_translatedWhenShownInNavigationContext()
{
    KivNavigationModel model(KivNavigationModel::bottomItems());
    const QModelIndex manual = model.index(5);
    QCOMPARE(model.data(manual, Qt::DisplayRole).toString(), QStringLiteral("Handbuch"));

    NavigationTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(model.data(manual, Qt::DisplayRole).toString(), QStringLiteral("Manual"));
    QCOMPARE(model.data(manual, KivNavigationModel::TextRole).toString(), QStringLiteral("Manual"));
    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCOMPARE(model.data(manual, Qt::DisplayRole).toString(), QStringLiteral("Handbuch"));
}

QTEST_GUILESS_MAIN(tst_KivNavigationModel)
#include "tst_KivNavigationModel.moc"
