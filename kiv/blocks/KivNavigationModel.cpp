#include "KivNavigationModel.h"

#include <QCoreApplication>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcKivNavigation, "kiv.navigation")

namespace {

using P = KivNavigationEnums;

constexpr auto kTranslationContext = "NavigationItems";
// Largest number of sub-entries of any page; the drawer reserves room for it.
constexpr int kMaxSubItems = 3;

} // namespace

KivNavigationModel::KivNavigationModel(const KivNavigationItems &items, QObject *parent)
    : QAbstractListModel(parent)
    , ListModelFunctions(items)
{
    static const int registered = qRegisterMetaType<KivNavigationModel *>("KivNavigationModel*");
    Q_UNUSED(registered)
}

KivNavigationItems KivNavigationModel::topItems()
{
    return {
        {QT_TRANSLATE_NOOP("NavigationItems", "Verbindungsmanager"), P::KivConnectionPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Live-Daten"), P::KivMonitoringPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Ausgangskonfiguration"), P::KivOutputPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Relaiseinstellungen"), P::KivRelaisPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Display"), P::KivLcdPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Ampelfunktion(TLF)"), P::KivTlfPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "BUS-Einstellungen"), P::KivRs485Page},
        {QT_TRANSLATE_NOOP("NavigationItems", "Offset-Einstellungen"), P::KivOffsetPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Wartung"), P::KivServicePage},
        {QT_TRANSLATE_NOOP("NavigationItems", "LoRaWAN"), P::KivLoraPage},
    };
}

KivNavigationItems KivNavigationModel::bottomItems()
{
    return {
        {QT_TRANSLATE_NOOP("NavigationItems", "Expertenmodus"), P::KivExpertPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Laden/Speichern"), P::KivSaveLoadPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Exportieren"), P::KivExportPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Datenverkehr"), P::KivTrafficLogPage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Spracheinstellungen"), P::KivLanguagePage},
        {QT_TRANSLATE_NOOP("NavigationItems", "Handbuch"), P::KivManuel},
        {QT_TRANSLATE_NOOP("NavigationItems", "Verbindung trennen"), P::KivDisconnect},
        {QT_TRANSLATE_NOOP("NavigationItems", "Zurück"), P::KivGoHome},
    };
}

KivNavigationItems KivNavigationModel::subItems(KivNavigationEnums::KivPageIndex page)
{
    switch (page) {
    case P::KivConnectionPage:
        return {{QT_TRANSLATE_NOOP("NavigationItems", "Serial"), P::KivSerialPage},
                {QT_TRANSLATE_NOOP("NavigationItems", "Gerät simulieren"), P::KivSimulate},
                {QT_TRANSLATE_NOOP("NavigationItems", "Special"), P::KivSpecial}};
    case P::KivMonitoringPage:
        return {{QT_TRANSLATE_NOOP("NavigationItems", "Geräteinformationen"), P::KivInfo},
                {QT_TRANSLATE_NOOP("NavigationItems", "Live-Daten"), P::KivMonitoring}};
    case P::KivOutputPage:
        return {{QT_TRANSLATE_NOOP("NavigationItems", "Ausgänge"), P::KivOutput},
                {QT_TRANSLATE_NOOP("NavigationItems", "Allgemein"), P::KivGeneral}};
    case P::KivRelaisPage:
        return {{QT_TRANSLATE_NOOP("NavigationItems", "Einstellung"), P::KivRelais},
                {QT_TRANSLATE_NOOP("NavigationItems", "Erzwingen"), P::KivForceRelais}};
    case P::KivServicePage:
        return {{QT_TRANSLATE_NOOP("NavigationItems", "Service"), P::KivService},
                {QT_TRANSLATE_NOOP("NavigationItems", "Kontakt"), P::KivContact}};
    case P::KivExpertPage:
        return {{QT_TRANSLATE_NOOP("NavigationItems", "CO2"), P::KivExpertCo2},
                {QT_TRANSLATE_NOOP("NavigationItems", "VOC"), P::KivExpertVOC}};
    case P::KivSaveLoadPage:
        return {{QT_TRANSLATE_NOOP("NavigationItems", "Speichern"), P::KivSavePage},
                {QT_TRANSLATE_NOOP("NavigationItems", "Laden"), P::KivLoadPage}};
    case P::KivLoraPage:
        return {{QT_TRANSLATE_NOOP("NavigationItems", "Informationen"), P::KivLoraInformation},
                {QT_TRANSLATE_NOOP("NavigationItems", "Parameter"), P::KivLoraParameter},
                {QT_TRANSLATE_NOOP("NavigationItems", "Control Command"), P::KivLoraCommand}};
    default:
        return {};
    }
}

QString KivNavigationModel::translatedText(const KivNavigationItem &item)
{
    return item.text ? QCoreApplication::translate(kTranslationContext, item.text) : QString();
}

int KivNavigationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_visibleList.size());
}

QVariant KivNavigationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_visibleList.size())
        return {};

    const KivNavigationItem &item = m_visibleList.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case TextRole:
        return translatedText(item);
    case PageIndexRole:
        return int(item.pageIndex);
    case SubModelRole: {
        // Views ask for this on every delegate creation; the cache keeps that from piling up objects.
        auto *child = const_cast<KivNavigationModel *>(this)->childModel(item.pageIndex);
        return child ? QVariant::fromValue(child) : QVariant();
    }
    case ImageRole:
        if (item.pageIndex == P::KivManuel)
            return QStringLiteral("qrc:/images/Menu Icons/GlobeWhiteWithMeridians.png");
        return {};
    default:
        return {};
    }
}

QHash<int, QByteArray> KivNavigationModel::roleNames() const
{
    return {{TextRole, "textRole"},
            {PageIndexRole, "pageIndexRole"},
            {SubModelRole, "subModelRole"},
            {ImageRole, "imageRole"}};
}

QVariant KivNavigationModel::relatedChildrenModels(KivNavigationEnums::KivPageIndex page)
{
    auto *child = childModel(page);
    return child ? QVariant::fromValue(child) : QVariant();
}

int KivNavigationModel::maxItemCount() const
{
    return kMaxSubItems;
}

KivNavigationModel *KivNavigationModel::childModel(KivNavigationEnums::KivPageIndex page)
{
    if (auto *cached = m_childModels.value(page))
        return cached;
    const KivNavigationItems items = subItems(page);
    if (items.isEmpty())
        return nullptr;
    auto *child = new KivNavigationModel(items, this);
    m_childModels.insert(page, child);
    return child;
}

void KivNavigationModel::insertItem(int row, const KivNavigationItem &item)
{
    qCDebug(lcKivNavigation) << "show" << item.pageIndex << "at row" << row;
    beginInsertRows(QModelIndex(), row, row);
    m_visibleList.insert(row, item);
    endInsertRows();
}

void KivNavigationModel::removeItem(int row)
{
    qCDebug(lcKivNavigation) << "hide" << m_visibleList.at(row).pageIndex << "at row" << row;
    beginRemoveRows(QModelIndex(), row, row);
    m_visibleList.removeAt(row);
    endRemoveRows();
}

void KivNavigationModel::resetModel()
{
    beginResetModel();
    endResetModel();
}
