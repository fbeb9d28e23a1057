#pragma once

#include <QObject>

// Page numbers of the KIV user interface. A gadget rather than a QObject so that the page manager
// can derive from it next to its QObject base.
class KivNavigationEnums
{
    Q_GADGET

public:
    enum KivPageIndex : qint32 {
        KivInvalidPage = -1,
        KivConnectionPage = 0,
        KivMonitoringPage,
        KivOutputPage,
        KivRelaisPage,
        KivLcdPage,
        KivTlfPage,
        KivRs485Page,
        KivOffsetPage,
        KivServicePage,
        KivUpdatePage,
        KivExpertPage,
        KivSaveLoadPage,
        KivExportPage,
        KivLoraPage,
        KivLanguagePage,
        KivDisconnect,
        KivManuel,
        KivGoHome,
        KivAbout,
        KivInvalidConnect,
        KivBlueTooth,
        KivSerialPage,
        KivSpecial,
        KivSimulate,
        KivInvalidMonitoring,
        KivInfo,
        KivMonitoring,
        KivInvalidOutput,
        KivOutput,
        KivGeneral,
        KivInvalidRelais,
        KivRelais,
        KivForceRelais,
        KivInvalidService,
        KivService,
        KivContact,
        KivExpertPW,
        KivExpertCo2,
        KivExpertVOC,
        KivLoraInformation,
        KivLoraParameter,
        KivLoraCommand,
        KivSavePage,
        KivLoadPage,
        // Internal page (access level 1 and above): the link's requests and answers.
        KivTrafficLogPage
    };
    Q_ENUM(KivPageIndex)
};
