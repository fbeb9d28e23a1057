#include "NemtraPageFiles.h"

#include <QFile>

using Page = NemtraNavigationEnums::NemtraPageIndex;

QString NemtraPageFiles::source(Page page)
{
    switch (page) {
    case Page::NemtraConnectionPage:
        return QStringLiteral("qrc:/qml/Connect/NemtraConnectPage.qml");
    case Page::NemtraMonitoringPage:
        return QStringLiteral("qrc:/qml/Monitoring/NemtraMonitoringPage.qml");
    case Page::NemtraSensorPage:
        return QStringLiteral("qrc:/qml/Sensors/NemtraSensorPage.qml");
    case Page::NemtraTlfPage:
        return QStringLiteral("qrc:/qml/TLF/NemtraTlfPage.qml");
    case Page::NemtraLedPage:
        return QStringLiteral("qrc:/qml/LED/NemtraLedPage.qml");
    case Page::NemtraGatewayPage:
        return QStringLiteral("qrc:/qml/Gateway/NemtraGatewayPage.qml");
    case Page::NemtraLoraPage:
        return QStringLiteral("qrc:/qml/LoRa/NemtraLoRaPage.qml");
    case Page::NemtraConfigPage:
        return QStringLiteral("qrc:/qml/GeneralConfig/NemtraConfigPage.qml");
    case Page::NemtraAboutPage:
        return QStringLiteral("qrc:/qml/About/NemtraAboutPage.qml");
    case Page::NemtraDisplayPage:
        return QStringLiteral("qrc:/qml/Display/NemtraDisplayPage.qml");
    case Page::NemtraControlsPage:
        return QStringLiteral("qrc:/qml/Controls/NemtraControlsPage.qml");
    case Page::NemtraExpertPage:
        return QStringLiteral("qrc:/qml/ExpertMode/NemtraExpertPage.qml");
    case Page::LoraTestPage:
        return QStringLiteral("qrc:/qml/Test/LoraTestPage.qml");
    default:
        return {};
    }
}

bool NemtraPageFiles::isAvailable(Page page)
{
    const QString file = source(page);
    // "qrc:/x" names the resource ":/x".
    return file.isEmpty() || QFile::exists(file.mid(3));
}
