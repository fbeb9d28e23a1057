#pragma once

#include "NemtraNavigationEnums.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

// The control elements of the connected device (buttons, encoder, potentiometer), one row per
// element, each with the page that edits it.
class LoraControlsPageModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum PageType { Button = 0, Increment = 1 };
    Q_ENUM(PageType)

    enum Roles { TypeRole = Qt::UserRole + 1, PageIndexRole, ComponentRole, ButtonIndexRole };

    explicit LoraControlsPageModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void initPageModel();
    Q_INVOKABLE NemtraNavigationEnums::NemtraPageIndex currentIndexAsPageIndex(int index) const;
    Q_INVOKABLE int pageIndexAsCurrentIndex(NemtraNavigationEnums::NemtraPageIndex index) const;

public slots:
    void updatePageModel();

signals:
    void pageModelUpdated();

private:
    struct Row
    {
        PageType type = Button;
        NemtraNavigationEnums::NemtraPageIndex pageIndex = NemtraNavigationEnums::NemtraControlsInvalid;
        QString component;
        int buttonIndex = 0;
    };

    QList<Row> m_rows;
};
