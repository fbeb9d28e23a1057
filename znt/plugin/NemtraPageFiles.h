#pragma once

#include "NemtraNavigationEnums.h"

#include <QString>

// Where each top-level page lies in the plugin's resources.
namespace NemtraPageFiles {

// The page's file ("qrc:/qml/..."), empty for indices that are no page of their own.
QString source(NemtraNavigationEnums::NemtraPageIndex page);
// True when the page can be shown: it needs no file or its file is in the resources.
bool isAvailable(NemtraNavigationEnums::NemtraPageIndex page);

} // namespace NemtraPageFiles
