#include "LoraControlsPageModel.h"

#include "NemtraEquipment.h"

using Page = NemtraNavigationEnums::NemtraPageIndex;

namespace {

const QString kButtonComponent = QStringLiteral("qrc:/qml/Controls/NemtraControlButton.qml");
const QString kIncrementComponent = QStringLiteral("qrc:/qml/Controls/NemtraControlsIncrement.qml");

} // namespace

LoraControlsPageModel::LoraControlsPageModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int LoraControlsPageModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant LoraControlsPageModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case TypeRole:
        return int(row.type);
    case PageIndexRole:
        return int(row.pageIndex);
    case ComponentRole:
        return row.component;
    case ButtonIndexRole:
        return row.buttonIndex;
    default:
        return {};
    }
}

QHash<int, QByteArray> LoraControlsPageModel::roleNames() const
{
    return {{TypeRole, "type"},
            {PageIndexRole, "pageIndex"},
            {ComponentRole, "component"},
            {ButtonIndexRole, "buttonIndex"}};
}

void LoraControlsPageModel::initPageModel()
{
    updatePageModel();
}

void LoraControlsPageModel::updatePageModel()
{
    const NemtraEquipment &equipment = NemtraEquipmentSource::instance()->equipment();
    QList<Row> rows;
    for (int button = 1; button <= NemtraEquipment::kChannels; ++button) {
        if (equipment.hasButtonOrOccupancy(button))
            rows.append({Button, Page(Page::NemtraControlsInvalid + button), kButtonComponent, button});
    }
    if (equipment.hasEncoder())
        rows.append({Increment, Page::NemtraControlsIncrementalEncoder, kIncrementComponent, 0});
    if (equipment.hasPoti())
        rows.append({Increment, Page::NemtraControlsPoti, kIncrementComponent, 0});

    beginResetModel();
    m_rows = rows;
    endResetModel();
    emit pageModelUpdated();
}

NemtraNavigationEnums::NemtraPageIndex LoraControlsPageModel::currentIndexAsPageIndex(int index) const
{
    if (index < 0 || index >= m_rows.size())
        return Page::NemtraControlsInvalid;
    return m_rows.at(index).pageIndex;
}

int LoraControlsPageModel::pageIndexAsCurrentIndex(NemtraNavigationEnums::NemtraPageIndex index) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).pageIndex == index)
            return row;
    }
    return 0;
}
