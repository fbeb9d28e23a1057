#pragma once

#include "ListModelFunctions.h"
#include "NemtraNavigationEnums.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>

struct NemtraEquipment;

// One drawer entry; its text is a German source string, translated whenever it is read.
using NemtraNavigationItem = ListModelItem<NemtraNavigationEnums::NemtraPageIndex>;
using NemtraNavigationItems = QList<NemtraNavigationItem>;

// A navigation list for the drawer. The full list never changes; show and hide keep the visible
// list a subsequence of it in full-list order. The sub-entries of a page depend on the device.
class NemtraNavigationModel : public QAbstractListModel,
                              public ListModelFunctions<NemtraNavigationEnums::NemtraPageIndex>
{
    Q_OBJECT

public:
    enum Roles { TextRole = Qt::UserRole + 1, PageIndexRole };

    explicit NemtraNavigationModel(const NemtraNavigationItems &items, QObject *parent = nullptr);

    static NemtraNavigationItems topItems();
    static NemtraNavigationItems bottomItems();
    // The sub-entries of a top-level page for the given device; empty for pages without any.
    static NemtraNavigationItems subItems(NemtraNavigationEnums::NemtraPageIndex page,
                                          const NemtraEquipment &equipment);
    static QString translatedText(const NemtraNavigationItem &item);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE QString getMaxDisplayRoleText() const;
    // A list model of the page's sub-entries (possibly empty), owned by this model.
    Q_INVOKABLE QVariant relatedChildrenModels(NemtraNavigationEnums::NemtraPageIndex page);

    bool isVisible(NemtraNavigationEnums::NemtraPageIndex page) const { return visibleRow(page) >= 0; }
    NemtraNavigationItems visibleItems() const { return m_visibleList; }

public slots:
    void resetModel();
    void resolveDisplayCount();

protected:
    void insertItem(int row, const NemtraNavigationItem &item) override;
    void removeItem(int row) override;

private:
    void replaceItems(const NemtraNavigationItems &items);

    // Handed to views again and again; one per page, refreshed on every request.
    QHash<int, NemtraNavigationModel *> m_childModels;
};
