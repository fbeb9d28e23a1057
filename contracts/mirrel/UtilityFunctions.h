#pragma once

#include <QString>

// The folders a plugin works in, below one data root:
//   <root>/<plugin type>/Saves       saved configurations
//   <root>/<plugin type>/Temp        files prepared for sharing, downloaded firmware
//   <root>/<plugin type>/Properties  property definition files placed by the technician
// The root is, in this order: setRootDirectory(), $ORVANE_DATA_DIR, the application's
// writable data location.
class UtilityFunctions
{
public:
    UtilityFunctions() = delete;

    static void setRootDirectory(const QString &path);
    static QString rootDirectory();

    // Creates every folder above; false (and a logged warning) when one cannot be created.
    static bool createNeededFolders();
    static QString saveFileDirectory();
    static QString pathToTempFolder();
    static QString propertyFileDirectory();
    // The property folder of the named plugin, whichever plugin is current: a plugin may need
    // its property file before it has announced its type.
    static QString propertyFileDirectory(const QString &pluginType);

    // A bare file name: not empty, no folder part, no "." or "..", no control characters.
    // Names from QML or from the settings file pass this before they become paths.
    static bool isPlainFileName(const QString &fileName);

private:
    static QString pluginDirectory();
    static QString pluginDirectory(const QString &type);
};
