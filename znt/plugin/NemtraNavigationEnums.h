#pragma once

#include <QObject>

// Page numbers of the ZNT user interface, one index per level: top-level pages, then the
// sub-pages of the groups. A gadget so that QML sees it as an uncreatable enumeration holder.
class NemtraNavigationEnums
{
    Q_GADGET

public:
    enum NemtraPageIndex : qint32 {
        NemtraInvalidPage = -1,
        NemtraConnectionPage = 0,
        NemtraMonitoringPage = 1,
        NemtraSensorPage = 2,
        NemtraTlfPage = 3,
        NemtraLedPage = 4,
        NemtraGatewayPage = 5,
        NemtraLoraPage = 6,
        NemtraConfigPage = 7,
        NemtraControlsPage = 8,
        NemtraDisplayPage = 9,
        NemtraExpertPage = 10,
        NemtraLanguagePage = 11,
        NemtraAboutPage = 12,
        NemtraDisconnect = 13,
        NemtraGoHome = 14,
        NemtraInvalidConnect = 15,
        NemtraBluetoothPage = 16,
        NemtraSerialPage = 17,
        NemtraSpecial = 18,
        NemtraSimulatePage = 19,
        NemtraInvalidMonitoring = 20,
        NemtraInfoPage = 21,
        NemtraMonitoring = 22,
        NemtraInvalidSensor = 23,
        NemtraSensorGeneral = 24,
        NemtraSensorChannel1 = 25,
        NemtraSensorChannel2 = 26,
        NemtraSensorChannel3 = 27,
        NemtraSensorChannel4 = 28,
        NemtraDisplayGeneral = 29,
        NemtraDisplay1 = 30,
        NemtraDisplay2 = 31,
        NemtraDisplay3 = 32,
        NemtraDisplay4 = 33,
        NemtraControlsInvalid = 34,
        NemtraControlsButton1 = 35,
        NemtraControlsButton2 = 36,
        NemtraControlsButton3 = 37,
        NemtraControlsButton4 = 38,
        NemtraControlsIncrementalEncoder = 39,
        NemtraControlsPoti = 40,
        LoraTestPage = 41,
        LoraTestPageInvalid = 42,
        LoraTestPageGeneral = 43,
        LoraTestPageLog = 44,
    };
    Q_ENUM(NemtraPageIndex)
};
