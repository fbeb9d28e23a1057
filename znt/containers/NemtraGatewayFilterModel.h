#pragma once

#include <QAbstractListModel>
#include <QPointer>

#include <NemtraProperty.h>

// One filter list of the gateway: as many rows as its count property says, each showing one
// entry property in hexadecimal. The rows never outnumber the entry registers the list really
// has, whatever count the device reports.
class NemtraGatewayFilterModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Kind { IdFilter = 1, PacketFilter = 2, DataFilter = 3 };
    enum Roles { DescriptionRole = Qt::UserRole + 1, MaxEntryReachedRole, NumberOfBytesRole, HexValueRole };

    NemtraGatewayFilterModel(int kind, NemtraProperty *count, const QList<NemtraProperty *> &entries,
                             QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void addEntry();
    Q_INVOKABLE void removeEntry();
    // The descriptions are translated when read; views must read them again after a language switch.
    void retranslate();

private:
    int limit() const;
    int capacity() const;
    int countValue() const;
    int rowsFor(int count) const;
    bool maxEntryReached() const;
    bool canSetCount(int count) const;
    bool writeCount(int count);
    void onCountChanged();
    void signalMaxEntryReached();

    int m_kind = 0;
    QPointer<NemtraProperty> m_count;
    QList<QPointer<NemtraProperty>> m_entries;
    // Entries present from the first one on; a gap ends the usable list.
    int m_usableEntries = 0;
    int m_rows = 0;
    bool m_editing = false;
};
