#include "NemtraTestLog.h"

#include <QDateTime>

NemtraTestLog::NemtraTestLog(QObject *parent)
    : QAbstractListModel(parent)
{
}

int NemtraTestLog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant NemtraTestLog::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_entries.size())
        return {};
    const Entry &entry = m_entries.at(index.row());
    switch (role) {
    case IsSendRequestRole:
        return entry.isSendRequest;
    case TimeStampRole:
        return entry.timeStamp;
    case Qt::DisplayRole:
    case EntryRole:
        return entry.entry;
    default:
        return {};
    }
}

QHash<int, QByteArray> NemtraTestLog::roleNames() const
{
    return {{IsSendRequestRole, "isSendRequest"}, {TimeStampRole, "timeStamp"}, {EntryRole, "entry"}};
}

void NemtraTestLog::addSendRequest(QString message)
{
    add(true, message);
}

void NemtraTestLog::addResponse(QString message)
{
    add(false, message);
}

void NemtraTestLog::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

void NemtraTestLog::add(bool isSendRequest, const QString &message)
{
    if (m_entries.size() >= kMaxEntries) {
        beginRemoveRows(QModelIndex(), 0, 0);
        m_entries.removeFirst();
        endRemoveRows();
    }
    const int row = int(m_entries.size());
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append({isSendRequest, QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yy hh:mm:ss.zzz")),
                      message.toUpper()});
    endInsertRows();
}
