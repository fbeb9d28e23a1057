#pragma once

#include "KivNavigationEnums.h"
#include "ListModelFunctions.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>

// One drawer entry; its text is a static German source string, translated whenever it is shown.
using KivNavigationItem = ListModelItem<KivNavigationEnums::KivPageIndex>;
using KivNavigationItems = QList<KivNavigationItem>;

// A navigation list for the drawer. The full list never changes; show and hide keep the visible
// list a subsequence of it in the same order.
class KivNavigationModel : public QAbstractListModel, public ListModelFunctions<KivNavigationEnums::KivPageIndex>
{
    Q_OBJECT

public:
    enum Roles { TextRole = Qt::UserRole + 1, PageIndexRole, SubModelRole, ImageRole };

    explicit KivNavigationModel(const KivNavigationItems &items, QObject *parent = nullptr);

    static KivNavigationItems topItems();
    static KivNavigationItems bottomItems();
    static KivNavigationItems subItems(KivNavigationEnums::KivPageIndex page);
    static QString translatedText(const KivNavigationItem &item);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE QVariant relatedChildrenModels(KivNavigationEnums::KivPageIndex page);
    Q_INVOKABLE int maxItemCount() const;

    const KivNavigationItems &fullList() const { return m_fullList; }

public slots:
    void resetModel();

protected:
    void insertItem(int row, const KivNavigationItem &item) override;
    void removeItem(int row) override;

private:
    KivNavigationModel *childModel(KivNavigationEnums::KivPageIndex page);

    // Sub-entry models are handed to views repeatedly; one per page, owned here.
    QHash<int, KivNavigationModel *> m_childModels;
};
