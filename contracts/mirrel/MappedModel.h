#pragma once

#include "MappedPair.h"

#include <QAbstractListModel>

// A list of (text, value) pairs for combo boxes: textRole "text", valueRole "value".
class MappedModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum Roles { TextRole = Qt::UserRole + 1, ValueRole };

    explicit MappedModel(QObject *parent = nullptr);
    MappedModel(const QList<MappedPair> &pairs, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const;
    QList<MappedPair> pairs() const;
    void setPairs(const QList<MappedPair> &pairs);
    void append(const QString &text, const QVariant &value);

    // -1 when no entry carries that value.
    Q_INVOKABLE int indexOfValue(const QVariant &value) const;
    Q_INVOKABLE QVariant valueAt(int row) const;
    Q_INVOKABLE QString textAt(int row) const;
    // The text of the entry with that value; empty when there is none.
    Q_INVOKABLE QString textOfValue(const QVariant &value) const;

signals:
    void countChanged();

private:
    QList<MappedPair> m_pairs;
};
