#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>

// The messages exchanged with the device, newest last, for the test page's transfer log.
class NemtraTestLog : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles { IsSendRequestRole = Qt::UserRole + 1, TimeStampRole, EntryRole };

    // Older entries make room for new ones beyond this.
    static constexpr int kMaxEntries = 1000;

    explicit NemtraTestLog(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

public slots:
    void addSendRequest(QString message);
    void addResponse(QString message);
    void clear();

private:
    struct Entry
    {
        bool isSendRequest = false;
        QString timeStamp;
        QString entry;
    };

    void add(bool isSendRequest, const QString &message);

    QList<Entry> m_entries;
};
