#pragma once

#include <QString>

// Start-up of the splash program: shows the splash page and lives exactly as long as
// the host keeps its single-instance shared-memory segment.
class SplashLauncher
{
public:
    // Exit code when the program was not started by the host.
    static constexpr int NotStartedByHost = -42;
    static constexpr int PollIntervalMs = 90;

    static QString markerArgument();
    static QString sharedMemoryKey();
    static QString windowTitle();

    // argc is a reference because QGuiApplication keeps it for its whole lifetime.
    int run(int &argc, char **argv);
};
