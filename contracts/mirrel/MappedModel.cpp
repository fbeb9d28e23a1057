#include "MappedModel.h"

MappedModel::MappedModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

MappedModel::MappedModel(const QList<MappedPair> &pairs, QObject *parent)
    : QAbstractListModel(parent)
    , m_pairs(pairs)
{
}

int MappedModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_pairs.size());
}

QVariant MappedModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_pairs.size())
        return {};
    const MappedPair &pair = m_pairs.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case TextRole:
        return pair.text;
    case ValueRole:
        return pair.value;
    default:
        return {};
    }
}

QHash<int, QByteArray> MappedModel::roleNames() const
{
    return {{TextRole, "text"}, {ValueRole, "value"}};
}

int MappedModel::count() const
{
    return int(m_pairs.size());
}

QList<MappedPair> MappedModel::pairs() const
{
    return m_pairs;
}

void MappedModel::setPairs(const QList<MappedPair> &pairs)
{
    beginResetModel();
    m_pairs = pairs;
    endResetModel();
    emit countChanged();
}

void MappedModel::append(const QString &text, const QVariant &value)
{
    const int row = int(m_pairs.size());
    beginInsertRows(QModelIndex(), row, row);
    m_pairs.append(MappedPair(text, value));
    endInsertRows();
    emit countChanged();
}

int MappedModel::indexOfValue(const QVariant &value) const
{
    for (int i = 0; i < m_pairs.size(); ++i) {
        const QVariant &stored = m_pairs.at(i).value;
        // QML hands numbers over as double; compare numbers by value, not by type.
        bool a = false;
        bool b = false;
        const double x = stored.toDouble(&a);
        const double y = value.toDouble(&b);
        if ((a && b) ? x == y : stored == value)
            return i;
    }
    return -1;
}

QVariant MappedModel::valueAt(int row) const
{
    return (row >= 0 && row < m_pairs.size()) ? m_pairs.at(row).value : QVariant();
}

QString MappedModel::textAt(int row) const
{
    return (row >= 0 && row < m_pairs.size()) ? m_pairs.at(row).text : QString();
}

QString MappedModel::textOfValue(const QVariant &value) const
{
    return textAt(indexOfValue(value));
}
