#pragma once

#include "KivNavigationEnums.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>

// One drawer entry. The text is a static German source string, translated whenever it is shown.
struct KivNavigationItem
{
    const char *text = nullptr;
    KivNavigationEnums::KivPageIndex pageIndex = KivNavigationEnums::KivInvalidPage;

    QString translatedText() const;
    bool operator==(const KivNavigationItem &other) const;
    bool operator!=(const KivNavigationItem &other) const { return !(*this == other); }
};

using KivNavigationItems = QList<KivNavigationItem>;

// A navigation list for the drawer: the full list never changes, the visible list is always a
// subsequence of it in the same order.
class KivNavigationModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles {
        TextRole = Qt::UserRole + 1,
        PageIndexRole,
        SubModelRole,
        ImageRole
    };

    explicit KivNavigationModel(const KivNavigationItems &items, QObject *parent = nullptr);

    static KivNavigationItems topItems();
    static KivNavigationItems bottomItems();
    static KivNavigationItems subItems(KivNavigationEnums::KivPageIndex page);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE QVariant relatedChildrenModels(KivNavigationEnums::KivPageIndex page);
    Q_INVOKABLE int maxItemCount() const;

    void showPage(KivNavigationEnums::KivPageIndex page);
    void hidePage(KivNavigationEnums::KivPageIndex page);
    bool isVisible(KivNavigationEnums::KivPageIndex page) const;

    const KivNavigationItems &fullList() const { return m_fullList; }
    const KivNavigationItems &visibleList() const { return m_visibleList; }

public slots:
    void resetModel();

protected:
    void insertItem(int row, const KivNavigationItem &item);
    void removeItem(int row);

private:
    KivNavigationModel *childModel(KivNavigationEnums::KivPageIndex page);

    const KivNavigationItems m_fullList;
    KivNavigationItems m_visibleList;
    // Sub-entry models are handed to views repeatedly; one per page, owned here.
    QHash<int, KivNavigationModel *> m_childModels;
};
