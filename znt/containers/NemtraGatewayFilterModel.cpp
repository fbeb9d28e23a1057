#include "NemtraGatewayFilterModel.h"

#include <NemtraProperty.h>

namespace {
constexpr int kMaxIdFilters = 30;
constexpr int kMaxByteFilters = 16;
} // namespace

NemtraGatewayFilterModel::NemtraGatewayFilterModel(int kind, NemtraProperty *count,
                                                   const QList<NemtraProperty *> &entries, QObject *parent)
    : QAbstractListModel(parent)
    , m_kind(kind)
    , m_count(count)
{
    bool gap = false;
    for (int row = 0; row < entries.size(); ++row) {
        NemtraProperty *entry = entries.at(row);
        m_entries.append(entry);
        if (!entry) {
            gap = true;
            continue;
        }
        if (!gap)
            m_usableEntries = row + 1;
        connect(entry, &BaseProperty::rawValueChanged, this, [this, row] {
            // Entries past the count are not rows; their values only matter once a row shows them.
            if (row < m_rows)
                emit dataChanged(index(row), index(row), {Qt::DisplayRole, HexValueRole, NumberOfBytesRole});
        });
    }
    if (count)
        connect(count, &BaseProperty::rawValueChanged, this, &NemtraGatewayFilterModel::onCountChanged);
    m_rows = rowsFor(countValue());
}

// A count arriving from the device changes the number of rows: views must hear of it as a reset.
void NemtraGatewayFilterModel::onCountChanged()
{
    if (m_editing)
        return;
    const int rows = rowsFor(countValue());
    if (rows != m_rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }
    signalMaxEntryReached();
}

void NemtraGatewayFilterModel::retranslate()
{
    if (m_rows > 0)
        emit dataChanged(index(0), index(m_rows - 1), {DescriptionRole});
}

void NemtraGatewayFilterModel::signalMaxEntryReached()
{
    if (m_rows > 0)
        emit dataChanged(index(0), index(m_rows - 1), {MaxEntryReachedRole});
}

int NemtraGatewayFilterModel::rowsFor(int count) const
{
    return qBound(0, count, capacity());
}

bool NemtraGatewayFilterModel::canSetCount(int count) const
{
    return m_count && m_count->isValid() && !m_count->readOnly() && count >= m_count->minimum() &&
        (m_count->minimum() >= m_count->maximum() || count <= m_count->maximum());
}

// Stores a new count; false when the property did not take it.
bool NemtraGatewayFilterModel::writeCount(int count)
{
    if (!canSetCount(count))
        return false;
    m_editing = true;
    m_count->setValue(count);
    m_editing = false;
    return countValue() == count;
}

int NemtraGatewayFilterModel::limit() const
{
    switch (m_kind) {
    case IdFilter:
        return kMaxIdFilters;
    case PacketFilter:
    case DataFilter:
        return kMaxByteFilters;
    default:
        return 0;
    }
}

// How many rows the list can show: its kind's limit, but never more than the entry registers
// the gateway has, so that no row points past them.
int NemtraGatewayFilterModel::capacity() const
{
    const int kindLimit = limit();
    return kindLimit > 0 ? qMin(kindLimit, m_usableEntries) : m_usableEntries;
}

int NemtraGatewayFilterModel::countValue() const
{
    return m_count ? int(m_count->value()) : 0;
}

bool NemtraGatewayFilterModel::maxEntryReached() const
{
    const int kindLimit = m_kind == IdFilter ? kMaxIdFilters : kMaxByteFilters;
    return countValue() >= qMin(kindLimit, m_usableEntries);
}

int NemtraGatewayFilterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant NemtraGatewayFilterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    const NemtraProperty *entry = m_entries.at(index.row());
    switch (role) {
    case DescriptionRole: {
        const int n = index.row() + 1;
        switch (m_kind) {
        case IdFilter:
            return tr("ID %1:").arg(n);
        case PacketFilter:
            return tr("Packettype %1:").arg(n);
        case DataFilter:
            return tr("Data %1").arg(n);
        default:
            return tr("-- %1:").arg(n);
        }
    }
    case MaxEntryReachedRole:
        return maxEntryReached();
    case NumberOfBytesRole:
        if (!entry)
            return 0;
        return entry->span() *
            ((entry->propertyType() == BaseProperty::HexByte || int(entry->propertyType()) == 9) ? 1 : 2);
    case Qt::DisplayRole:
    case HexValueRole:
        return entry ? entry->toHex() : QString();
    default:
        return {};
    }
}

QHash<int, QByteArray> NemtraGatewayFilterModel::roleNames() const
{
    QHash<int, QByteArray> roles = QAbstractListModel::roleNames();
    roles.insert(DescriptionRole, "descriptionRole");
    roles.insert(MaxEntryReachedRole, "maxEntryReached");
    roles.insert(NumberOfBytesRole, "numberOfBytes");
    roles.insert(HexValueRole, "hexValue");
    return roles;
}

void NemtraGatewayFilterModel::addEntry()
{
    const int count = countValue() + 1;
    if (limit() == 0 || count > capacity() || !writeCount(count))
        return;
    // The new entry is the last row.
    const int rows = rowsFor(count);
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
    signalMaxEntryReached();
}

void NemtraGatewayFilterModel::removeEntry()
{
    // A count past the shown rows drops to one below what is shown, so the last row goes.
    const int count = qMin(countValue(), capacity()) - 1;
    if (count < 1 || !writeCount(count))
        return;
    const int rows = rowsFor(count);
    if (rows < m_rows) {
        beginRemoveRows(QModelIndex(), rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    signalMaxEntryReached();
}
