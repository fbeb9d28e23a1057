#include "NemtraNavigationModel.h"

#include "NemtraEquipment.h"

#include <QCoreApplication>

using Page = NemtraNavigationEnums::NemtraPageIndex;

namespace {

constexpr char kContext[] = "NavigationItems";

} // namespace

NemtraNavigationModel::NemtraNavigationModel(const NemtraNavigationItems &items, QObject *parent)
    : QAbstractListModel(parent)
    , ListModelFunctions(items)
{
}

NemtraNavigationItems NemtraNavigationModel::topItems()
{
    return {
        {QT_TRANSLATE_NOOP("NavigationItems", "Verbindungsmanager"), Page::NemtraConnectionPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Geräteinformationen"), Page::NemtraMonitoringPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Sensoreinstellungen"), Page::NemtraSensorPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Ampelfunktion(TLF)"), Page::NemtraTlfPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "LED Funktion"), Page::NemtraLedPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "LoRaWAN Parameter"), Page::NemtraLoraPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Service"), Page::NemtraConfigPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Bedienelemente"), Page::NemtraControlsPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Display"), Page::NemtraDisplayPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Expert Mode"), Page::NemtraExpertPage},
    };
}

NemtraNavigationItems NemtraNavigationModel::bottomItems()
{
    return {
        {QT_TRANSLATE_NOOP("NavigationItems", "Spracheinstellungen"), Page::NemtraLanguagePage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Verbindung trennen"), Page::NemtraDisconnect},
        {QT_TRANSLATE_NOOP("NavigationItems", "Zurück"), Page::NemtraGoHome},
    };
}

NemtraNavigationItems NemtraNavigationModel::subItems(Page page, const NemtraEquipment &equipment)
{
    static const char *const kChannelTexts[] = {
        QT_TRANSLATE_NOOP("NavigationItems", "Kanal 1"),
        QT_TRANSLATE_NOOP("NavigationItems", "Kanal 2"),
        QT_TRANSLATE_NOOP("NavigationItems", "Kanal 3"),
        QT_TRANSLATE_NOOP("NavigationItems", "Kanal 4"),
    };
    static const char *const kDisplayTexts[] = {
        QT_TRANSLATE_NOOP("NavigationItems", "Anzeige 1"),
        QT_TRANSLATE_NOOP("NavigationItems", "Anzeige 2"),
        QT_TRANSLATE_NOOP("NavigationItems", "Anzeige 3"),
        QT_TRANSLATE_NOOP("NavigationItems", "Anzeige 4"),
    };
    const char *general = QT_TRANSLATE_NOOP("NavigationItems", "Allgemein");

    NemtraNavigationItems items;
    switch (page) {
    case Page::NemtraConnectionPage:
        items = {{QT_TRANSLATE_NOOP("NavigationItems", "USB"), Page::NemtraSerialPage},
                 {QT_TRANSLATE_NOOP("NavigationItems", "Gerät simulieren"), Page::NemtraSimulatePage}};
        break;
    case Page::NemtraMonitoringPage:
        items = {{general, Page::NemtraInfoPage},
                 {QT_TRANSLATE_NOOP("NavigationItems", "Messwerte"), Page::NemtraMonitoring}};
        break;
    case Page::NemtraSensorPage:
        items.append({general, Page::NemtraSensorGeneral});
        for (int channel = 1; channel <= NemtraEquipment::kChannels; ++channel) {
            if (equipment.channelHasAnyBlock(channel))
                items.append({kChannelTexts[channel - 1], Page(Page::NemtraSensorGeneral + channel)});
        }
        break;
    case Page::NemtraControlsPage:
        if (equipment.hasButtonOrOccupancy(1))
            items.append({QT_TRANSLATE_NOOP("NavigationItems", "Taster 1"), Page::NemtraControlsButton1});
        if (equipment.hasButton(2))
            items.append({QT_TRANSLATE_NOOP("NavigationItems", "Taster 2"), Page::NemtraControlsButton2});
        if (equipment.hasEncoder())
            items.append(
                {QT_TRANSLATE_NOOP("NavigationItems", "Inkrementalencoder"), Page::NemtraControlsIncrementalEncoder});
        if (equipment.hasPoti())
            items.append({QT_TRANSLATE_NOOP("NavigationItems", "Potentiometer"), Page::NemtraControlsPoti});
        break;
    case Page::NemtraDisplayPage:
        items.append({general, Page::NemtraDisplayGeneral});
        for (int display = 1; display <= 4 && display <= equipment.displayedValueCount; ++display)
            items.append({kDisplayTexts[display - 1], Page(Page::NemtraDisplayGeneral + display)});
        break;
    case Page::LoraTestPage:
        items = {{general, Page::LoraTestPageGeneral},
                 {QT_TRANSLATE_NOOP("NavigationItems", "Transferlog"), Page::LoraTestPageLog}};
        break;
    default:
        break;
    }
    return items;
}

QString NemtraNavigationModel::translatedText(const NemtraNavigationItem &item)
{
    return QCoreApplication::translate(kContext, item.text);
}

int NemtraNavigationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_visibleList.size());
}

QVariant NemtraNavigationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_visibleList.size())
        return {};
    const NemtraNavigationItem &item = m_visibleList.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case TextRole:
        return translatedText(item);
    case PageIndexRole:
        return int(item.pageIndex);
    default:
        return {};
    }
}

QHash<int, QByteArray> NemtraNavigationModel::roleNames() const
{
    return {{TextRole, "textRole"}, {PageIndexRole, "pageIndexRole"}};
}

QString NemtraNavigationModel::getMaxDisplayRoleText() const
{
    const NemtraEquipment &equipment = NemtraEquipmentSource::instance()->equipment();
    QString longest;
    auto consider = [&longest](const NemtraNavigationItem &item) {
        const QString text = translatedText(item);
        if (text.size() > longest.size())
            longest = text;
    };
    for (const NemtraNavigationItem &item : m_fullList) {
        consider(item);
        for (const NemtraNavigationItem &sub : subItems(item.pageIndex, equipment))
            consider(sub);
    }
    return longest;
}

QVariant NemtraNavigationModel::relatedChildrenModels(Page page)
{
    const NemtraNavigationItems items = subItems(page, NemtraEquipmentSource::instance()->equipment());
    NemtraNavigationModel *child = m_childModels.value(page);
    if (!child) {
        child = new NemtraNavigationModel(items, this);
        m_childModels.insert(page, child);
    } else if (child->m_fullList != items) {
        child->replaceItems(items);
    }
    return QVariant::fromValue(child);
}

void NemtraNavigationModel::resetModel()
{
    beginResetModel();
    endResetModel();
}

void NemtraNavigationModel::resolveDisplayCount()
{
    beginResetModel();
    endResetModel();
}

void NemtraNavigationModel::insertItem(int row, const NemtraNavigationItem &item)
{
    beginInsertRows(QModelIndex(), row, row);
    m_visibleList.insert(row, item);
    endInsertRows();
}

void NemtraNavigationModel::removeItem(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    m_visibleList.removeAt(row);
    endRemoveRows();
}

void NemtraNavigationModel::replaceItems(const NemtraNavigationItems &items)
{
    beginResetModel();
    m_fullList = items;
    m_visibleList = items;
    endResetModel();
}
