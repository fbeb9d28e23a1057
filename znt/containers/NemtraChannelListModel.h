#pragma once

#include <QAbstractListModel>
#include <QPointer>

class NemtraChannelDatablock;

// The valid data blocks of a list, one row each, with their values, limits and flags.
class NemtraChannelListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum CustomRoles {
        ValueRole = Qt::UserRole + 1,
        ValueRawRole,
        ValueIsReadOnlyRole,
        IsValidRole,
        TypeRole,
        TypeStringRole,
        ChannelRole,
        SourceImageRole,
        StatusRole,
        FactorRole,
        HysteresisRole,
        HysteresisIsReadOnlyRole,
        MinRole,
        MinRawRole,
        MinIsReadOnlyRole,
        MaxRole,
        MaxRawRole,
        MaxIsReadOnlyRole,
        CountRole,
        CountIsReadOnlyRole,
        ValuePropertyRole,
        MinPropertyRole,
        MaxPropertyRole,
        HyteresisPropertyRole,
        DisableTimeRole,
        FollowUpTimeRole
    };
    Q_ENUM(CustomRoles)

    explicit NemtraChannelListModel(QObject *parent = nullptr);

    void setBlocks(const QList<NemtraChannelDatablock *> &blocks);
    QList<NemtraChannelDatablock *> blocks() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

public slots:
    // Re-reads which blocks are valid and their values.
    void refresh();

private:
    QList<NemtraChannelDatablock *> validBlocks() const;

    QList<QPointer<NemtraChannelDatablock>> m_blocks;
    QList<NemtraChannelDatablock *> m_rows;
};
