#include "NemtraChannelListModel.h"

#include "NemtraChannelDatablock.h"

#include <NemtraProperty.h>

NemtraChannelListModel::NemtraChannelListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void NemtraChannelListModel::setBlocks(const QList<NemtraChannelDatablock *> &blocks)
{
    beginResetModel();
    m_blocks.clear();
    for (NemtraChannelDatablock *block : blocks)
        m_blocks.append(block);
    m_rows = validBlocks();
    endResetModel();
}

QList<NemtraChannelDatablock *> NemtraChannelListModel::blocks() const
{
    QList<NemtraChannelDatablock *> out;
    for (const auto &block : m_blocks) {
        if (block)
            out.append(block);
    }
    return out;
}

QList<NemtraChannelDatablock *> NemtraChannelListModel::validBlocks() const
{
    QList<NemtraChannelDatablock *> out;
    for (const auto &block : m_blocks) {
        if (block && block->valid())
            out.append(block);
    }
    return out;
}

void NemtraChannelListModel::refresh()
{
    const QList<NemtraChannelDatablock *> rows = validBlocks();
    if (rows != m_rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    } else if (!m_rows.isEmpty()) {
        emit dataChanged(index(0), index(int(m_rows.size()) - 1));
    }
}

int NemtraChannelListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant NemtraChannelListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || role < ValueRole || role > FollowUpTimeRole)
        return {};
    const NemtraChannelDatablock *block = m_rows.at(index.row());
    if (!block)
        return {};
    using B = NemtraChannelDatablock;
    const auto p = [block](int position) { return block->propertyAt(position); };
    const auto value = [&p](int position) { return p(position) ? p(position)->value() : 0.0; };
    const auto readOnly = [&p](int position) { return p(position) ? p(position)->readOnly() : false; };
    const auto object = [&p](int position) { return QVariant::fromValue(static_cast<QObject *>(p(position))); };
    // Limits are shown in the value's units: the value's divisor, else the factor, else 1.
    double d = p(B::Value) ? p(B::Value)->divisor() : 0.0;
    if (d == 0)
        d = value(B::Factor);
    if (d == 0)
        d = 1;

    switch (role) {
    case ValueRole:
    case CountRole:
        return value(B::Value);
    case ValueRawRole:
        return value(B::Value) * d;
    case ValueIsReadOnlyRole:
    case CountIsReadOnlyRole:
        return readOnly(B::Value);
    case IsValidRole:
        return block->valid();
    case TypeRole:
        return block->type();
    case TypeStringRole:
        return block->typeString();
    case ChannelRole:
        return block->channel();
    case SourceImageRole:
        return block->iconSource();
    case StatusRole:
        return value(B::Status);
    case FactorRole:
        return value(B::Factor);
    case HysteresisRole:
        return value(B::Hysteresis);
    case HysteresisIsReadOnlyRole:
        return readOnly(B::Hysteresis);
    case MinRole:
        return value(B::Min) / d;
    case MinRawRole:
        return value(B::Min);
    case MinIsReadOnlyRole:
        return readOnly(B::Min);
    case MaxRole:
        return value(B::Max) / d;
    case MaxRawRole:
        return value(B::Max);
    case MaxIsReadOnlyRole:
        return readOnly(B::Max);
    case ValuePropertyRole:
        return object(B::Value);
    case MinPropertyRole:
        return object(B::Min);
    case MaxPropertyRole:
        return object(B::Max);
    case HyteresisPropertyRole:
    case FollowUpTimeRole:
        return object(B::Hysteresis);
    case DisableTimeRole:
        return object(B::Factor);
    default:
        return {};
    }
}

QHash<int, QByteArray> NemtraChannelListModel::roleNames() const
{
    return {{ValueRole, "value"},
            {ValueRawRole, "valueRaw"},
            {ValueIsReadOnlyRole, "valueIsReadOnly"},
            {IsValidRole, "isValid"},
            {TypeRole, "type"},
            {TypeStringRole, "typeString"},
            {ChannelRole, "channel"},
            {SourceImageRole, "sourceImage"},
            {StatusRole, "status"},
            {FactorRole, "factor"},
            {HysteresisRole, "hysteresis"},
            {HysteresisIsReadOnlyRole, "hysteresisIsReadOnly"},
            {MinRole, "min"},
            {MinRawRole, "minRaw"},
            {MinIsReadOnlyRole, "minIsReadOnly"},
            {MaxRole, "max"},
            {MaxRawRole, "maxRaw"},
            {MaxIsReadOnlyRole, "maxIsReadOnly"},
            {CountRole, "count"},
            {CountIsReadOnlyRole, "countIsReadOnly"},
            {ValuePropertyRole, "valueProperty"},
            {MinPropertyRole, "minProperty"},
            {MaxPropertyRole, "maxProperty"},
            {HyteresisPropertyRole, "hyteresisProperty"},
            {DisableTimeRole, "disableTime"},
            {FollowUpTimeRole, "followUpTime"}};
}
